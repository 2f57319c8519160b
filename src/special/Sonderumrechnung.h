// The conversions of the categories whose units are not related by one
// factor. Each routine reads the input text and the selected unit, writes
// ErgebnisWiss and ErgebnisFliess of every unit, and tells the window what
// to show; it never shows anything itself.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"
#include "data/Einheit.h"

namespace kolvaro {

struct Sonderkontext {
  // The typed input: Windows-1252 bytes, read by the routine's own reader.
  std::string_view Eingabe;
  std::vector<TAusgabetextobject>& Einheiten;
  int Auswahl;                               // row of the selected unit, valid
  const std::filesystem::path& Verzeichnis;  // the data directory
  const Rueckfrage& Frage;
};

using Sonderroutine = Rechenergebnis (*)(Sonderkontext& kontext);

// The routine of a special category by its exact name; nullptr for the
// factor categories.
Sonderroutine SonderroutineFuer(const Text1252& gebietsname);

// ---- what the conversions need of the data file ----

// No time zone lies further than this from world time (hours, either way).
constexpr long double kWeltzeitGrenzeStunden = 24.0L;

// What a unit shows instead of a result when its factor field is unusable.
Text1252 FaktorUngueltigText();

// Why the unit's factor field cannot serve its category's conversion, as the
// object of "Zeile N hat ..."; empty when it can. The factor
// categories need a number above 0, world time an offset of at most a day
// either way; the other special categories do not read the field (the
// currencies show 0 and below as an unknown rate).
Text1252 FaktorMangel(const Text1252& gebietsname, const TAusgabetextobject& einheit);

// Checks a data file whose units are bound to their line numbers: namen
// holds the unit name of every line in file order. A file of another shape
// would convert every unit as if it were another one.
using Dateiformpruefung = Resultat<> (*)(const std::string& datendatei, const std::vector<Text1252>& namen);
// The check of a category by its exact name; nullptr for the categories that
// bind no unit to its line.
Dateiformpruefung DateiformpruefungFuer(const Text1252& gebietsname);
// "Temperatur": exactly its ten lines, each with the scale's name.
Resultat<> TemperaturdateiPruefen(const std::string& datendatei, const std::vector<Text1252>& namen);
// "Brüche" and "Zahlensysteme": their two and five lines in the same way.
Resultat<> BruchdateiPruefen(const std::string& datendatei, const std::vector<Text1252>& namen);
Resultat<> ZahlensystemdateiPruefen(const std::string& datendatei, const std::vector<Text1252>& namen);
// The common check: namen is exactly erwartet (UTF-8), line by line.
Resultat<> ZeilennamenPruefen(const std::string& datendatei, const std::vector<Text1252>& namen,
                              const std::vector<const char*>& erwartet);

// Helpers shared by the routines.
// Both result texts of a unit, cut to their fields.
void ErgebnisSetzen(TAusgabetextobject& einheit, const Text1252& wiss, const Text1252& fliess);
void ErgebnisSetzen(TAusgabetextobject& einheit, const Text1252& text);
// The standard pair: scientific text and float text (with thousands dots).
void StandardErgebnis(TAusgabetextobject& einheit, long double wert, bool tausenderpunkte = true);

// The individual routines.
Rechenergebnis BruecheUmrechnen(Sonderkontext& k);
Rechenergebnis ZahlensystemeUmrechnen(Sonderkontext& k);
Rechenergebnis TemperaturUmrechnen(Sonderkontext& k);
Rechenergebnis AraeometerUmrechnen(Sonderkontext& k);
Rechenergebnis ViskositaetUmrechnen(Sonderkontext& k);
Rechenergebnis SchuhgroessenUmrechnen(Sonderkontext& k);
Rechenergebnis WeltzeitUmrechnen(Sonderkontext& k);
Rechenergebnis ZeitzonenUmrechnen(Sonderkontext& k);
Rechenergebnis WaehrungenUmrechnen(Sonderkontext& k);
Rechenergebnis KalenderUmrechnen(Sonderkontext& k);
Rechenergebnis KraftstoffverbrauchUmrechnen(Sonderkontext& k);
Rechenergebnis StromverbrauchUmrechnen(Sonderkontext& k);
Rechenergebnis WindstaerkeUmrechnen(Sonderkontext& k);
Rechenergebnis LeistungspegelUmrechnen(Sonderkontext& k);
Rechenergebnis OfenstufenUmrechnen(Sonderkontext& k);
Rechenergebnis DrahtstaerkenUmrechnen(Sonderkontext& k);
Rechenergebnis SchleifkoernungUmrechnen(Sonderkontext& k);
Rechenergebnis RinggroessenUmrechnen(Sonderkontext& k);

}  // namespace kolvaro
