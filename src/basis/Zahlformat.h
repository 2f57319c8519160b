// Reading numbers typed by the user or stored in data files, and the two
// result texts of the converter: the scientific text and the float text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "basis/Text1252.h"

namespace kolvaro {

// Optional sign, digits with an optional decimal point ("," or "."), an
// optional exponent introduced by "E"; blanks around the number are ignored.
// nullopt for anything else and for numbers beyond the extended range.
std::optional<long double> ZahlLesen(std::string_view text);

// A whole decimal number: blanks before it and a sign allowed, then only
// digits up to the end. nullopt for anything else and beyond 64 bits.
std::optional<std::int64_t> GanzzahlLesen(std::string_view text);
// The same within the range of a 32-bit signed integer.
std::optional<std::int32_t> Ganzzahl32Lesen(std::string_view text);

// Seven significant digits, decimal comma, four-digit exponent:
// 1.5 -> "1,500000E+0000", -0.00025 -> "-2,500000E-0004".
Text1252 WissText(long double r);

// Fixed notation with 10 down to 0 decimals by magnitude, decimal comma and
// "." as thousands separator; the scientific text outside 5E-11 .. 9.9E12.
Text1252 FliessText(long double r);

// The float text with a chosen number of significant digits (the window's
// setting "Stellen", 3 to 15) instead of the decimals by magnitude: 0,6214
// for 0,621371 and four digits; group marks always. The scientific text
// outside 5E-11 .. 9.9E12.
Text1252 StellenText(long double r, int stellen);

// The raw forms some special categories show as they are: the scientific
// text with its sign position and decimal point (always 15 characters), and
// the fixed text with the given decimals and a decimal point, untrimmed.
Text1252 WissTextRoh(long double r);
Text1252 FestTextRoh(long double r, int dezimalen);
// The fixed-width scientific forms of stored factors: a sign position
// (blank or "-"), one digit, the decimal separator, 14 (or 8) digits, "E",
// the exponent's sign and four exponent digits.
// 1.5 -> " 1.50000000000000E+0000" (23 characters, decimal point);
// 0.028316846592 -> " 2,83168466E-0002" (17 characters, decimal comma).
// Not finite: empty.
std::string WissText23(long double r);
std::string WissText17(long double r);

// The number of decimals of the float text for the magnitude of r.
int FliessDezimalen(long double r);

}  // namespace kolvaro
