// A conversion table: the values from a start to an end by a step, each in
// a source unit and converted into one or more target units.
#pragma once

#include <vector>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"
#include "data/Einheit.h"

namespace kolvaro {

inline constexpr long double kTabellenzeilenHoechstens = 10000;

// The values start, start + schritt, ... up to ende (ende itself when the
// steps reach it within rounding). A step of 0, one that leads away from
// the end, or more than kTabellenzeilenHoechstens rows is a message.
Resultat<std::vector<long double>> Tabellenwerte(long double start, long double ende, long double schritt);

// The rows: for each value its results in every target (by the factors).
struct Tabellenzeile {
  long double Wert;
  std::vector<long double> Ergebnisse;
};
std::vector<Tabellenzeile> Umrechnungstabelle(const std::vector<long double>& werte, const TAusgabetextobject& von,
                                              const std::vector<const TAusgabetextobject*>& nach);

// The message for a category whose units have no factor (the special
// categories): a table needs one.
Text1252 KeineUmrechnungstabelle(const Text1252& gebietsname);

// The value column: as short as the number can be written, decimal comma.
Text1252 TabellenwertText(long double wert);

// The whole operation of the dialog and the command line: start, end and
// step as typed (numbers or calculations), the rows of the source unit von
// into the targets nach (rows of einheiten). Werte holds one line per value,
// "value TAB result TAB result ..." with the float text (or stellen
// significant digits); a refusal names its field (Wert1 start, Wert2 end,
// Wert3 step).
Rechenergebnis UmrechnungstabelleBerechnen(const std::vector<TAusgabetextobject>& einheiten, int von,
                                           const std::vector<int>& nach, const Text1252& start, const Text1252& ende,
                                           const Text1252& schritt, int stellen = 0);

}  // namespace kolvaro
