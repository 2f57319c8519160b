// The category names that the program compares literally, in the files'
// own Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

#include "basis/Zeichensatz.h"

namespace kolvaro::gebiet {

inline const std::string Laenge = Cp1252("Länge");
inline const std::string Flaeche = Cp1252("Fläche");
inline const std::string Masse = "Masse";
inline const std::string Volumen = "Volumen";
inline const std::string Temperatur = "Temperatur";
inline const std::string Weltzeit = "Weltzeit";
inline const std::string Waehrungen = Cp1252("Währungen");
inline const std::string Brueche = Cp1252("Brüche");
inline const std::string Zahlensysteme = "Zahlensysteme";
inline const std::string Kalender = "Kalender";
inline const std::string Araeometerskalen = Cp1252("Aräometerskalen");
inline const std::string ViskositaetAlt = Cp1252("Viskosität, kinem. alt");
inline const std::string Schuhgroessen = Cp1252("Schuhgrößen");

// The four categories filtered by country.
inline bool NachLandGefiltert(std::string_view name) {
  return name == Laenge || name == Flaeche || name == Masse || name == Volumen;
}

// Categories whose units are not related by one factor: no own units and no
// changed factors there. Currencies and world time have factors of their own
// kind and take both.
inline bool OhneUmrechnungsfaktor(std::string_view name) {
  return name == Zahlensysteme || name == Temperatur || name == Araeometerskalen || name == ViskositaetAlt ||
         name == Schuhgroessen || name == Brueche || name == Kalender;
}

// Categories whose conversion knows its units by their line in the data
// file: no line may go, or every unit after it converts as another one.
inline bool Zeilengebunden(std::string_view name) {
  return name == Brueche || name == Zahlensysteme || name == Temperatur;
}

// Categories whose factors carry no size: sorting by size uses the results.
inline bool GroesseNachErgebnis(std::string_view name) {
  return name == Araeometerskalen || name == Schuhgroessen || name == Temperatur || name == ViskositaetAlt;
}

}  // namespace kolvaro::gebiet
