// Small arithmetic shared by the calendar sources; not part of the interface.
#pragma once

#include <limits>

namespace kolvaro::kalenderintern {

// All day arithmetic runs in 64 bits: years typed by the user reach the
// 32-bit limit, and their day numbers need more.
using Ganzzahl64 = long long;

// Quotient rounded toward minus infinity.
inline Ganzzahl64 FloorDiv(Ganzzahl64 a, Ganzzahl64 b) {
  Ganzzahl64 q = a / b;
  if (a % b != 0 && ((a < 0) != (b < 0))) --q;
  return q;
}

// There is no year 0: year -1 is the astronomical year 0.
inline Ganzzahl64 JahrHinein(Ganzzahl64 jahr) { return jahr < 1 ? jahr + 1 : jahr; }
inline Ganzzahl64 JahrHeraus(Ganzzahl64 jahr) { return jahr < 1 ? jahr - 1 : jahr; }

// Day numbers of absurd years stay ordered at the ends of the range, so the
// range checks of the callers still report them.
inline long AlsTagnummer(Ganzzahl64 jd) {
  if (jd > std::numeric_limits<long>::max()) return std::numeric_limits<long>::max();
  if (jd < std::numeric_limits<long>::min()) return std::numeric_limits<long>::min();
  return static_cast<long>(jd);
}

// Gregorian date (astronomical year) to JD; used by the Bahá'í new years.
inline Ganzzahl64 GregorianischerTag(Ganzzahl64 tag, Ganzzahl64 monat, Ganzzahl64 jahr) {
  Ganzzahl64 a = (14 - monat) / 12;
  Ganzzahl64 y = jahr + 4800 - a;
  Ganzzahl64 m = monat + 12 * a - 3;
  return tag + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

}  // namespace kolvaro::kalenderintern
