// The conversions of the categories whose units are not related by one
// factor. Each routine reads the input text and the selected unit, writes
// ErgebnisWiss and ErgebnisFliess of every unit, and tells the window what
// to show; it never shows anything itself.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"
#include "data/Meldung.h"

namespace kolvaro {

// Where the input focus goes after a message.
enum class Fokus { Keiner, NurFokus, FokusUndMarkieren };

enum class FrageAntwort { Ja, Nein, Abbrechen };
// A question with Yes, No and Cancel, asked in the middle of a conversion.
using Rueckfrage = std::function<FrageAntwort(const std::string& frage)>;

struct Rechenergebnis {
  // true: every unit's result texts are written and the finishing steps run
  // (results present, copying enabled, result row, list refilled).
  bool Erfolg = false;
  // A wrong input: shown (its Art says error or plain box); nothing changed.
  OptMeldung Fehler;
  // Notes shown before the results appear (the conversion goes on).
  std::vector<Meldung> Vorher;
  // Notes shown after the results appear.
  std::vector<Meldung> Nachher;
  Fokus FokusDanach = Fokus::Keiner;
  // A new text for the input field (a corrected input).
  std::optional<std::string> Eingabetext;
  // The category is reloaded as after a change of category.
  bool GebietNeuLaden = false;
};

struct Sonderkontext {
  std::string_view Eingabe;
  std::vector<TAusgabetextobject>& Einheiten;
  int Auswahl;                             // row of the selected unit, valid
  const std::filesystem::path& Verzeichnis;  // the data directory
  const Rueckfrage& Frage;
};

using Sonderroutine = Rechenergebnis (*)(Sonderkontext& kontext);

// The routine of a special category by its exact name; nullptr for the
// factor categories.
Sonderroutine SonderroutineFuer(std::string_view gebietsname);

// Helpers shared by the routines.
Rechenergebnis EingabeFehler(std::string text, Fokus fokus = Fokus::FokusUndMarkieren);
Rechenergebnis AllgemeinerEingabeFehler();  // "Falsche Eingabe im Werteingabeld! Bitte ändern! "
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
