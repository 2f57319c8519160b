// The category names that the program compares literally, in the files'
// own Windows-1252 bytes.
#pragma once

#include "basis/Zeichensatz.h"

namespace kolvaro::gebiet {

inline const Text1252 Laenge = Cp1252("Länge");
inline const Text1252 Flaeche = Cp1252("Fläche");
inline const Text1252 Masse = Cp1252("Masse");
inline const Text1252 Volumen = Cp1252("Volumen");
inline const Text1252 Temperatur = Cp1252("Temperatur");
inline const Text1252 Weltzeit = Cp1252("Weltzeit");
inline const Text1252 Zeitzonen = Cp1252("Zeitzonen");
inline const Text1252 Waehrungen = Cp1252("Währungen");
inline const Text1252 Brueche = Cp1252("Brüche");
inline const Text1252 Zahlensysteme = Cp1252("Zahlensysteme");
inline const Text1252 Kalender = Cp1252("Kalender");
inline const Text1252 Araeometerskalen = Cp1252("Aräometerskalen");
inline const Text1252 ViskositaetAlt = Cp1252("Viskosität, kinem. alt");
inline const Text1252 Schuhgroessen = Cp1252("Schuhgrößen");
inline const Text1252 Kraftstoffverbrauch = Cp1252("Kraftstoffverbrauch");
inline const Text1252 Stromverbrauch = Cp1252("Stromverbrauch (Fahrzeuge)");
inline const Text1252 Windstaerke = Cp1252("Windstärke");
inline const Text1252 Leistungspegel = Cp1252("Leistungspegel");
inline const Text1252 Ofenstufen = Cp1252("Ofenstufen");
inline const Text1252 Drahtstaerken = Cp1252("Drahtstärken");
inline const Text1252 Schleifkoernung = Cp1252("Schleifkörnung");
inline const Text1252 Ringgroessen = Cp1252("Ringgrößen");

// The four categories filtered by country.
inline bool NachLandGefiltert(const Text1252& name) {
  return name == Laenge || name == Flaeche || name == Masse || name == Volumen;
}

// Categories whose units are not related by one factor: no own units and no
// changed factors there. Currencies and world time have factors of their own
// kind and take both.
inline bool OhneUmrechnungsfaktor(const Text1252& name) {
  return name == Zahlensysteme || name == Temperatur || name == Araeometerskalen || name == ViskositaetAlt ||
         name == Schuhgroessen || name == Brueche || name == Kalender || name == Kraftstoffverbrauch ||
         name == Stromverbrauch || name == Windstaerke || name == Leistungspegel || name == Ofenstufen ||
         name == Drahtstaerken || name == Schleifkoernung || name == Ringgroessen || name == Zeitzonen;
}

// Categories whose conversion knows its units by their line in the data
// file: no line may go, or every unit after it converts as another one.
inline bool Zeilengebunden(const Text1252& name) {
  return name == Brueche || name == Zahlensysteme || name == Temperatur;
}

// Categories that read the value field with a reader of their own
// (fractions, digits of other bases, dates, times) instead of as a number
// or a calculation.
inline bool EigenerLeser(const Text1252& name) {
  return name == Brueche || name == Zahlensysteme || name == Kalender || name == Weltzeit || name == Zeitzonen;
}

// Categories whose factors carry no size: sorting by size uses the results.
inline bool GroesseNachErgebnis(const Text1252& name) {
  return name == Araeometerskalen || name == Schuhgroessen || name == Temperatur || name == ViskositaetAlt;
}

}  // namespace kolvaro::gebiet
