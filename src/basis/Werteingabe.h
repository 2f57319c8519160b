// What the value field holds: a plain number as it always was, or a small
// calculation ("3*12,5", "(5+3)/2", "2^10", "Pi/2") worked out by the
// formula evaluator the calculators use.
#pragma once

#include <optional>
#include <string_view>

namespace kolvaro {

enum class Eingabeform {
  Zahl,      // a plain number (ZahlLesen)
  Rechnung,  // a calculation with a finite value
  Unfertig,  // a calculation still being typed: it ends in an operator or lacks a closing bracket
  Falsch,    // neither
};

struct Eingabewert {
  Eingabeform Form = Eingabeform::Falsch;
  long double Wert = 0.0L;  // for Zahl and Rechnung
};

// A text that is a plain number keeps its reading exactly; anything else is
// evaluated as a calculation, which must use no part the evaluator refuses
// (an unknown name, a division by 0, the calculators' variable x) and come
// to a finite value.
Eingabewert WertLesen(std::string_view eingabe);

// The value of a plain number or a calculation; nullopt for everything else.
std::optional<long double> ZahlOderRechnung(std::string_view eingabe);

}  // namespace kolvaro
