// Small arithmetic shared by the calendar sources; not part of the interface.
#pragma once

#include <limits>

namespace kolvaro::kalenderintern {

// All day arithmetic runs in 64 bits: years typed by the user reach the
// 32-bit limit, and their day numbers need more.
using G = long long;

// Quotient rounded toward minus infinity.
inline G FloorDiv(G a, G b) {
  G q = a / b;
  if (a % b != 0 && ((a < 0) != (b < 0))) --q;
  return q;
}

// There is no year 0: year -1 is the astronomical year 0.
inline G JahrHinein(G jahr) { return jahr < 1 ? jahr + 1 : jahr; }
inline G JahrHeraus(G jahr) { return jahr < 1 ? jahr - 1 : jahr; }

// Day numbers of absurd years stay ordered at the ends of the range, so the
// range checks of the callers still report them.
inline long AlsTagnummer(G jd) {
  if (jd > std::numeric_limits<long>::max()) return std::numeric_limits<long>::max();
  if (jd < std::numeric_limits<long>::min()) return std::numeric_limits<long>::min();
  return static_cast<long>(jd);
}

// Gregorian date (astronomical year) to JD; used by the Bahá'í new years.
inline G GregorianischerTag(G tag, G monat, G jahr) {
  G a = (14 - monat) / 12;
  G y = jahr + 4800 - a;
  G m = monat + 12 * a - 3;
  return tag + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

}  // namespace kolvaro::kalenderintern
