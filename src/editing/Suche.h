// The unit search: every category's data file in catalogue order, hidden
// units included, by a piece of a name, by the exact name or by symbol; and
// what has to happen before the window may jump to a hit (a hidden unit or
// a hidden country made visible on the way).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"
#include "converter/Konverter.h"
#include "data/Katalog.h"
#include "editing/Bearbeitungstor.h"

namespace kolvaro {

enum class Suchmodus {
  Bestandteil,  // the term inside the name or the other names
  Exakt,        // the name or the other names equal to the term
  Abkuerzung,   // the symbol, trimmed, equal to the term
};

// One hit, its texts as stored.
struct TSuchobjekt {
  Text1252 Name;         // Einheitenname
  Text1252 Kurzzeichen;  // as stored, blanks included
  Text1252 SonstigeNamen;
  bool Angezeigt = false;  // Sichtbar equals "j"
  int Gebietsnummer = 0;   // 1-based position in the catalogue
  Text1252 Landname;
  int Dateizeile = 0;  // 0-based line in the data file
  // The data file the hit was read from: a later jump checks that the
  // catalogue still has it at the same position.
  std::string Datendatei;
  // The line of the result list: "name - country" (or "other names -
  // country" when only those matched), "symbol - name - country".
  Text1252 Ergebniszeile;
};

struct Suchergebnis {
  std::vector<TSuchobjekt> Treffer;
  // A data file that could not be read stopped the search; the hits found
  // before it stay.
  OptMeldung Meldung;
};

// Lower case by the rules of the Windows code page: Ä becomes ä, ß stays.
std::string KleinText(std::string_view cp1252);

// Searches every category of the catalogue. begriff is Windows-1252, taken
// as it is (not trimmed) and lowered here; an empty term finds nothing.
Suchergebnis Suchen(const std::filesystem::path& verzeichnis, const std::vector<Gebietseintrag>& katalog,
                    const Text1252& begriff, Suchmodus modus);

// The two questions before a jump. Erfolg: the jump may go on. Without
// Erfolg the jump ends (an answer No, a refused password, a failed write
// with its message in Fehler). GebietNeuLaden: a data file or the country
// flags changed, so the window's list is out of date. frage is asked with
// Yes and No; anything but Yes counts as No.
Rechenergebnis SprungVorbereiten(Konverter& konverter, const TSuchobjekt& treffer, const Rueckfrage& frage,
                                 const Passwortabfrage& passwortOk);

}  // namespace kolvaro
