// The expression evaluator of the value field and the molar-mass calculator: + - * · / : ^ with
// brackets, the functions lg, ln, lb, sin, cos, tan (radians), si_, co_,
// ta_ (degrees), atn, asn, acs, at_, as_, ac_, abs, exp, wur, int, rou, the
// constant Pi and the variable x. Numbers carry a decimal comma. Texts are
// Windows-1252 ("·" is byte 0xB7).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "basis/Text1252.h"

namespace kolvaro {

// Receives the detail of every error met during an evaluation ("Syntaxf. in
// ...", "Fehler in ...", "...|2 Klammern zu viel!"); the failed part counts 0
// and the evaluation goes on.
using FormelFehler = std::function<void(const Text1252& detail)>;

// The deepest nesting of brackets and operators that is evaluated; deeper
// parts count 0 and are reported once.
inline constexpr int kFormelTiefe = 200;

// The value of the expression. Operators bind weakest first in the order
// + - * · / : ^; equal operators group from the left. "^" raises to the
// exponent rounded to a whole number.
double FormelAuswerten(std::string_view ausdruck, double x, const FormelFehler& fehler);

}  // namespace kolvaro
