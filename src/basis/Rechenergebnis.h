// The contract of every operation the window, the command line and the
// tests run alike (conversions, editing operations, calculators): the
// operation returns a Rechenergebnis that says what to show and where the
// focus goes, and asks its questions through a Rueckfrage. It never shows
// anything itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// Where the input focus goes after a message.
enum class Fokus { Keiner, NurFokus, FokusUndMarkieren };

enum class FrageAntwort { Ja, Nein, Abbrechen };
// A question with Yes, No and Cancel, asked in the middle of an operation.
using Rueckfrage = std::function<FrageAntwort(const std::string& frage)>;

struct Rechenergebnis {
  // true: the operation is done; for a conversion every unit's result texts
  // are written and the finishing steps run (results present, copying
  // enabled, result row, list refilled).
  bool Erfolg = false;
  // A wrong input: shown (its Art says error or plain box); nothing changed.
  OptMeldung Fehler;
  // Notes shown before the results appear (the operation goes on).
  std::vector<Meldung> Vorher;
  // Notes shown after the results appear. A warning (Meldungsart::Warnung)
  // says that some rows stand for units of a damaged data file.
  std::vector<Meldung> Nachher;
  Fokus FokusDanach = Fokus::Keiner;
  // A new text for the input field (a corrected input).
  std::optional<std::string> Eingabetext;
  // The category is reloaded as after a change of category.
  bool GebietNeuLaden = false;
};

// The operation is done.
Rechenergebnis Erledigt();
// The operation ends without effect, with a message to show or silently.
Rechenergebnis Abgebrochen(OptMeldung meldung = std::nullopt);

// A wrong input with its message; the focus goes to the field, its text selected.
Rechenergebnis EingabeFehler(std::string text, Fokus fokus = Fokus::FokusUndMarkieren);
// The general wrong-input message of the program.
Rechenergebnis AllgemeinerEingabeFehler();

}  // namespace kolvaro
