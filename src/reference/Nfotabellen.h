// The reference tables read from the data files: material data, elements,
// the scales, nutritional values and dialling codes. Each reader returns the
// table as its viewer shows it, or the message naming the file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "basis/Meldung.h"
#include "reference/Referenztabelle.h"

namespace kolvaro {

// ---- material data: 19 entries over Stoffw1.nfo to Stoffw7.nfo ----

struct Stoffdateneintrag {
  Text1252 Name;  // the selector's entry
  std::string Datei;
  int Feld;          // the field shown beside the substance (field 1)
  Text1252 Einheit;  // empty: none
  Text1252 Hinweis;  // empty: none
};
const std::vector<Stoffdateneintrag>& Stoffdateneintraege();
// Title: name + " in " + unit (or the name alone); note as stored; rows:
// every line whose field is not empty, substance and value, in file order.
Resultat<Referenztabelle> StoffdatenLesen(const std::filesystem::path& verzeichnis, const Stoffdateneintrag& eintrag);

// ---- elements: Stoffw8.nfo ----

// The texts of the element viewer for one element line.
struct Elementdetails {
  Text1252 Name, Symbol, Englisch, Zustand, Dichtetitel, Atommasse, Ordnungszahl, Gruppe, Oxidationszahl, Konfiguration,
      Dichte, Schmelzpunkt, Siedepunkt, WaermeJeGramm, WaermeJeMol, Entdeckung, Waermeleitfaehigkeit, Atomradius,
      KritischeTemperatur;
};
// A state code other than fest, fl and gas keeps the state and density
// caption of the element shown before (vorher).
Elementdetails ElementDetails(const std::string& zeile, const Elementdetails& vorher = {});
Resultat<std::vector<std::string>> ElementeLesen(const std::filesystem::path& verzeichnis);
Referenztabelle ElementTabelle(const std::vector<std::string>& zeilen);

// ---- the eleven scale tables of STOFFW9.NFO ----

inline constexpr const char* kSkalenDatei = "STOFFW9.NFO";
inline constexpr int kSkalenZeilen = 153;

struct Skalentabelle {
  Text1252 Name;
  int Von, Bis;  // the lines of the file, counted from 1
  std::vector<Text1252> Ueberschriften;
};
// In the selector's order (sorted by name).
const std::vector<Skalentabelle>& Skalentabellen();
Resultat<std::vector<std::string>> SkalenLesen(const std::filesystem::path& verzeichnis);
Referenztabelle SkalenTabelle(const std::vector<std::string>& zeilen, const Skalentabelle& tabelle);

// ---- nutritional values: Stoffw13.nfo ----

inline constexpr const char* kNaehrwertDatei = "Stoffw13.nfo";
// "Alle" first, then the nine groups.
const std::vector<Text1252>& Naehrwertgruppen();
Resultat<std::vector<std::string>> NaehrwerteLesen(const std::filesystem::path& verzeichnis);
// Food and energy in kcal (or kJ), of the group or of all ("Alle").
Referenztabelle NaehrwertTabelle(const std::vector<std::string>& zeilen, const Text1252& gruppe, bool kiloJoule);

// ---- dialling codes: Stoffw14.nfo ----

inline constexpr const char* kVorwahlDatei = "Stoffw14.nfo";
Resultat<std::vector<std::string>> VorwahlenLesen(const std::filesystem::path& verzeichnis);
// Country and code, one row per line.
Referenztabelle VorwahlTabelle(const std::vector<std::string>& zeilen);

}  // namespace kolvaro
