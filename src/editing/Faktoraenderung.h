// Changing conversion factors: the factor of one unit of an ordinary
// category, the time difference and summer-time text of one world-time
// unit, and the table of all currencies with their rates and two
// information texts. Every change is written into the category's data file
// at once and all or nothing; the operations of one unit hand back the entry
// as its line now reads, for the converter to take over.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"
#include "data/Einheit.h"

namespace kolvaro {

// A typed text holds a character that Windows-1252 (the files' character
// set) cannot hold; feldname is the field's caption (UTF-8).
Meldung NichtSpeicherbarMeldung(std::string_view feldname);

// What a change of one unit did: the operation's result and, when it
// succeeded, the unit's entry as its rewritten line reads
// (Konverter::EinheitErsetzen takes it over).
struct Einheitenaenderung {
  Rechenergebnis Ergebnis;
  TAusgabetextobject Neu;
};

// ---- one unit of an ordinary category ----

// The factor as the dialog shows it: the 17-character scientific form.
Text1252 FaktorText(long double faktor);

// Writes the typed text, exactly as typed, as the unit's factor (field 9).
// A factor that FaktorPruefen refuses is refused with the focus on the
// field; a failed write leaves the file as it was.
Einheitenaenderung FaktorAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                 const TAusgabetextobject& einheit, const Text1252& eingabe);

// ---- one world-time unit ----

// The time difference in whole minutes (halves to the even neighbour).
Text1252 MinutenText(long double faktor);

// minuten: the time difference to world time, in whole minutes, at most a
// day either way (FaktorPruefen); sommerzeit: the text for the information
// panel. The factor is stored in hours in the 23-character form (field 9),
// the text as field 11.
Einheitenaenderung WeltzeitAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                   const TAusgabetextobject& einheit, const Text1252& minuten,
                                   const Text1252& sommerzeit);

// The caption of the summer-time field, as messages name it (UTF-8).
inline constexpr std::string_view kSommerzeitFeld = "Sommerzeit (+ 1 Stunde) von..bis";

// ---- the currency table ----

// One line of the currencies' data file, hidden ones included.
struct Waehrungseintrag {
  bool Sichtbar = true;
  TAusgabetextobject Einheit;
};

// Every line of the data file in file order, each read as the category
// loader reads it, with its Dateizeile.
Resultat<std::vector<Waehrungseintrag>> WaehrungenLaden(const std::filesystem::path& verzeichnis,
                                                        const std::string& datendatei);

// The order by country: the unit classes first (SI-Einheit, Internationale
// Einheit, Englisches System, Eigene Einheit, Sonstige Einheit), then the
// countries by code with Ä, Ö, Ü read as AE, OE, UE; within a country by the
// unit's name in capitals. Below 0, 0 or above 0.
int LandVergleich(const TAusgabetextobject& a, const TAusgabetextobject& b);
void NachLandOrdnen(std::vector<Waehrungseintrag>& eintraege);
void NachDateizeileOrdnen(std::vector<Waehrungseintrag>& eintraege);

// The five columns of the table.
namespace waehrungsspalte {
constexpr int Land = 0;
constexpr int Waehrung = 1;
constexpr int Euro = 2;
constexpr int Stand = 3;
constexpr int Wert = 4;
constexpr int Anzahl = 5;
}  // namespace waehrungsspalte

// The text of a cell of an entry.
Text1252 WaehrungsZelle(const Waehrungseintrag& eintrag, int spalte);
// A rate as the "Euro" column shows it: 12 decimals, decimal comma, empty
// for 0 (an unknown rate).
Text1252 EuroText(long double faktor);

// What the user typed into the three editable columns of one row.
struct Waehrungseingabe {
  Text1252 Euro;
  Text1252 Stand;
  Text1252 Wert;
};

struct Waehrungsspeicherung {
  OptMeldung Fehler;  // empty: saved
  int Zeile = -1;     // the row of the refused cell
  int Spalte = -1;
};

// Takes row i of the input for entry i (the current order), checks every
// row (the rate by FaktorPruefen), rebuilds every line of the file from the entries in file order and
// replaces the file. On a refused cell or a failed write nothing is written
// and the entries stay as they were; on success they hold the new values,
// in file order.
Waehrungsspeicherung WaehrungenSpeichern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                         std::vector<Waehrungseintrag>& eintraege,
                                         const std::vector<Waehrungseingabe>& eingaben);

}  // namespace kolvaro
