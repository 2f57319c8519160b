// Fixed texts and names that several parts of the program use: the general
// wrong-input message, the five unit classes, and the names under which the
// program keeps its settings and data.
#pragma once

#include <array>
#include <string_view>

namespace kolvaro::texte {

// The message for any input the converter cannot read (UTF-8, as all
// literals here; Cp1252() gives the files' bytes).
inline constexpr std::string_view kFalscheEingabe = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";

// The unit classes that stand in the Landname field instead of a country,
// in their sort order (all ASCII, so the same in UTF-8 and Windows-1252).
inline constexpr std::array<std::string_view, 5> kEinheitenklassen = {
    "SI-Einheit", "Internationale Einheit", "Englisches System", "Eigene Einheit", "Sonstige Einheit"};

inline bool IstEinheitenklasse(std::string_view landname) {
  for (auto klasse : kEinheitenklassen)
    if (landname == klasse) return true;
  return false;
}

// The maker and the program: the per-user data directory is
// kHersteller/kProgramm, the window title kProgramm and the version.
inline constexpr std::string_view kHersteller = "Ostravin";
inline constexpr std::string_view kProgramm = "Kolvaro";
// The settings key and the application name were named after version 6.0
// and keep that name, so that every later version finds the settings.
inline constexpr std::string_view kEinstellungsname = "Kolvaro 6.0";
// Where versions up to 6.0 kept the user's data, beside the place of today:
// the first start of a later version moves it there.
inline constexpr std::string_view kAlteBenutzerdaten = "Kolvaro 6.0";

}  // namespace kolvaro::texte
