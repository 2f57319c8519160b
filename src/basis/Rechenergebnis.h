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
#include "basis/Text1252.h"

namespace kolvaro {

// Where the input focus goes after a message.
enum class Fokus { Keiner, NurFokus, FokusUndMarkieren };

// The input field a message is about, by what it holds; each dialog knows
// which of its controls holds which.
enum class Eingabefeld {
  Keines,
  // own units and new categories
  Name,  // the unit's name
  Kurzzeichen,
  Land,
  SonstigeNamen,  // a further name
  Einsatzgebiet,
  CaWert,        // currencies: the approximate value for the information panel
  Entspricht,    // currencies
  Stand,         // currencies: the date of the rate
  Sommerzeit,    // time zones
  Faktor,        // the factor; for time zones the minutes to world time
  Gebietsname,   // a new category's name
  Grundeinheit,  // a new category's reference unit
  Information,   // a new category's information text
  Dateiname,     // a new category's data file
  // the calculators' inputs, by their position in the dialog
  Wert1,
  Wert2,
  Wert3,
  Wert4,
  Wert5,
};

// The calculator input at position n (from 1).
Eingabefeld Rechenwertfeld(int n);

enum class FrageAntwort { Ja, Nein, Abbrechen };
// A question with Yes, No and Cancel, asked in the middle of an operation.
using Rueckfrage = std::function<FrageAntwort(const Text1252& frage)>;

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
  // The field the focus goes to; Keines: the dialog's main input.
  Eingabefeld Feld = Eingabefeld::Keines;
  // A new text for the input field (a corrected input).
  std::optional<Text1252> Eingabetext;
  // A calculator's result texts in the order of its dialog's result fields;
  // empty when nothing is shown. An empty text leaves its field empty.
  std::vector<Text1252> Werte;
  // The category is reloaded as after a change of category.
  bool GebietNeuLaden = false;
};

// The operation is done.
Rechenergebnis Erledigt();
// The operation ends without effect, with a message to show or silently.
Rechenergebnis Abgebrochen(OptMeldung meldung = std::nullopt);

// A wrong input with its message; the focus goes to the field, its text selected.
Rechenergebnis EingabeFehler(Text1252 text, Fokus fokus = Fokus::FokusUndMarkieren);
// The same for the named field of a dialog.
Rechenergebnis EingabeFehler(Text1252 text, Eingabefeld feld, Fokus fokus = Fokus::FokusUndMarkieren);
// The operation is done and shows these result texts.
Rechenergebnis ErledigtMit(std::vector<Text1252> werte);
// The general wrong-input message of the program.
Rechenergebnis AllgemeinerEingabeFehler();

}  // namespace kolvaro
