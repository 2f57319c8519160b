// The category names that the program compares literally, in the files'
// own Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

#include "data/Zeichensatz.h"

namespace kolvaro::gebiet {

inline const std::string Laenge = W("Länge");
inline const std::string Flaeche = W("Fläche");
inline const std::string Masse = "Masse";
inline const std::string Volumen = "Volumen";
inline const std::string Temperatur = "Temperatur";
inline const std::string Weltzeit = "Weltzeit";
inline const std::string Waehrungen = W("Währungen");
inline const std::string Brueche = W("Brüche");
inline const std::string Zahlensysteme = "Zahlensysteme";
inline const std::string Kalender = "Kalender";
inline const std::string Araeometerskalen = W("Aräometerskalen");
inline const std::string ViskositaetAlt = W("Viskosität, kinem. alt");
inline const std::string Schuhgroessen = W("Schuhgrößen");

// The four categories filtered by country.
inline bool NachLandGefiltert(std::string_view name) {
  return name == Laenge || name == Flaeche || name == Masse || name == Volumen;
}

// Categories whose factors carry no size: sorting by size uses the results.
inline bool GroesseNachErgebnis(std::string_view name) {
  return name == Araeometerskalen || name == Schuhgroessen || name == Temperatur || name == ViskositaetAlt;
}

}  // namespace kolvaro::gebiet
