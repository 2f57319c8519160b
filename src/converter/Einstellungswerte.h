// The five user settings, how their stored texts are read (with the
// defaults) and how they are written. The storage itself belongs to the
// user interface; this is only the rule book.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "basis/Text1252.h"
#include "converter/Sortierung.h"
#include "data/Laendertabelle.h"

namespace kolvaro {

// A unit marked as a favourite, by category, name and country: so it stays
// one when the data file is edited and its line moves.
struct Favorit {
  Text1252 Gebiet;
  Text1252 Einheit;
  Text1252 Land;
  friend bool operator==(const Favorit& a, const Favorit& b) {
    return a.Gebiet == b.Gebiet && a.Einheit == b.Einheit && a.Land == b.Land;
  }
};

// A value entered in a category, for the value field's history.
struct Verlaufseintrag {
  Text1252 Gebiet;
  Text1252 Wert;
};

struct Einstellungswerte {
  int Gruppe = 1;  // remembered category number, from 1
  Sortiermodus Sortierung = Sortiermodus::Alphabet;
  bool Wissenschaftlich = false;
  bool Autorechnen = false;
  std::array<bool, kLaenderAnzahl> Laender{};  // all shown by default
  // Significant digits of the float display, kStellenMin to kStellenMax;
  // 0 keeps the decimals by magnitude.
  int Stellen = 0;
  std::vector<Favorit> Favoriten;
  std::vector<Verlaufseintrag> Verlauf;  // newest first

  Einstellungswerte() { Laender.fill(true); }
};

// Value names in the order in which they are read and written.
inline const char* const kWertGruppe = "Gruppe";
inline const char* const kWertSortierung = "ESortierung";
inline const char* const kWertWiss = "ausg_wiss";
inline const char* const kWertAutorechnen = "autorechnen";
inline const char* const kWertLaender = "Laender";
inline const char* const kWertStellen = "Stellen";
inline const char* const kWertFavoriten = "Favoriten";  // UTF-8 lines "Gebiet TAB Einheit TAB Land"
inline const char* const kWertVerlauf = "Verlauf";      // UTF-8 lines "Gebiet TAB Wert"
inline constexpr int kStellenMin = 3;
inline constexpr int kStellenMax = 15;

// Reads the values through lesen (nullopt = missing). ok is false when a value
// could not be read; that value and all after it then keep their defaults.
struct EinstellungenGelesen {
  Einstellungswerte Werte;
  bool Ok = true;
};
EinstellungenGelesen EinstellungenAuswerten(const std::function<std::optional<std::string>(const char* name)>& lesen);

std::vector<std::pair<std::string, std::string>> EinstellungenSchreibwerte(const Einstellungswerte& werte);

// The warning shown when the stored settings could not be read, and the
// message when they could not be written.
Text1252 EinstellungenNichtGelesenText();
Text1252 EinstellungenNichtGespeichertText();

}  // namespace kolvaro
