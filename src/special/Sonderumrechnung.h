// The conversions of the categories whose units are not related by one
// factor. Each routine reads the input text and the selected unit, writes
// ErgebnisWiss and ErgebnisFliess of every unit, and tells the window what
// to show; it never shows anything itself.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Rechenergebnis.h"
#include "data/Einheit.h"

namespace kolvaro {

struct Sonderkontext {
  std::string_view Eingabe;
  std::vector<TAusgabetextobject>& Einheiten;
  int Auswahl;                               // row of the selected unit, valid
  const std::filesystem::path& Verzeichnis;  // the data directory
  const Rueckfrage& Frage;
};

using Sonderroutine = Rechenergebnis (*)(Sonderkontext& kontext);

// The routine of a special category by its exact name; nullptr for the
// factor categories.
Sonderroutine SonderroutineFuer(std::string_view gebietsname);

// Helpers shared by the routines.
// Both result texts of a unit, cut to their fields.
void ErgebnisSetzen(TAusgabetextobject& einheit, const std::string& wiss, const std::string& fliess);
void ErgebnisSetzen(TAusgabetextobject& einheit, const std::string& text);
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
Rechenergebnis WaehrungenUmrechnen(Sonderkontext& k);
Rechenergebnis KalenderUmrechnen(Sonderkontext& k);

}  // namespace kolvaro
