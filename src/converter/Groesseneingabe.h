// A quantity typed into the value field as number-unit pairs of the current
// category: "5 ft 3 in", "1 h 20 min 30 s", "12° 30' 36\"", "1,5 km + 200 m",
// "1 Fuß 3 Zoll". Each unit is named by its symbol or its name; the value is
// the sum of the pairs.
#pragma once

#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "data/Einheit.h"

namespace kolvaro {

enum class Groessenform {
  KeineGroesse,  // not of this form (a plain number, a calculation, anything else)
  Groesse,       // every pair known: Wert holds the sum
  Unfertig,      // a number waits for its unit after other pairs
  Falsch,        // Fehler says which part failed
};

struct Groesseneingabe {
  Groessenform Form = Groessenform::KeineGroesse;
  long double Wert = 0.0L;  // in the unit whose factor is 1
  OptMeldung Fehler;
};

// A text is a quantity when it begins with a number that a unit follows. A
// name or symbol that several units share goes to the SI unit, then the
// international one, then the English system's; one still shared is a
// message naming up to five of them with their countries. In "Länge" the
// marks ' and " stand for foot and inch.
Groesseneingabe GroesseLesen(std::string_view eingabe, const std::vector<TAusgabetextobject>& einheiten,
                             const Text1252& gebietsname);

// The unit a symbol or name stands for, resolved as in GroesseLesen; with a
// country given, the units of that country come first ("gal" of
// Großbritannien). The message says why there is none.
Resultat<const TAusgabetextobject*> EinheitNachZeichen(std::string_view zeichen,
                                                       const std::vector<TAusgabetextobject>& einheiten,
                                                       const Text1252& gebietsname, const Text1252& land = {});

}  // namespace kolvaro
