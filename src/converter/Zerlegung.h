// A value split over several units of its category, largest first:
// 1,6002 m as "5 ft 3 in", 80,5 min as "1 h 20 min 30 s".
#pragma once

#include <vector>

#include "basis/Text1252.h"

namespace kolvaro {

struct Zerlegungsteil {
  long double Faktor;  // of the unit, as in the data file
  Text1252 Zeichen;    // as it is shown after its number
};

// The whole parts of every unit but the last, which keeps up to two
// decimals without trailing zeros; a last part that rounds up to a whole
// larger unit carries into it (never "60 s"). Parts before the first that
// is not 0 are left out, the others are kept ("20 min 0 s"). basis is in
// the unit whose factor is 1.
Text1252 ZerlegungText(long double basis, const std::vector<Zerlegungsteil>& teile);

// The usual split of a category as the symbols (UTF-8) of its units, largest
// first; empty where the category has none. In Volumen the gallon, quart,
// pint and fluid ounce are those of the country the caller chooses.
std::vector<const char*> UeblicheZerlegung(const Text1252& gebietsname);

}  // namespace kolvaro
