// The result text of the area and solid calculators.
#pragma once

#include <string>

#include "basis/Text1252.h"

namespace kolvaro {

// Fixed notation with 10 down to 0 decimals by magnitude (as the converter's
// float text, but without thousands separators), trailing zeros removed down
// to one ("12,5", "12,0"); the scientific text outside 5E-11 .. 9.9E12 and
// for 0. Decimal comma, no blanks.
Text1252 ErgebnisText(long double wert);

}  // namespace kolvaro
