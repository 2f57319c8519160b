// A day of the Gregorian calendar as files and the clock give it: the date
// of an exchange rate, today's date. Reading checks that the day exists.
#pragma once

#include <optional>
#include <string_view>

#include "basis/Text1252.h"

namespace kolvaro {

struct Tagesdatum {
  int Jahr = 0;
  int Monat = 0;
  int Tag = 0;

  // JJJJMMTT: orders dates as numbers do.
  long Schluessel() const { return Jahr * 10000L + Monat * 100L + Tag; }
  friend bool operator==(const Tagesdatum& a, const Tagesdatum& b) { return a.Schluessel() == b.Schluessel(); }
  friend bool operator!=(const Tagesdatum& a, const Tagesdatum& b) { return !(a == b); }
  friend bool operator<(const Tagesdatum& a, const Tagesdatum& b) { return a.Schluessel() < b.Schluessel(); }
};

int TageImMonat(int monat, int jahr);
// The date when the day exists (years 1 to 9999).
std::optional<Tagesdatum> TagesdatumAus(int jahr, int monat, int tag);

// "JJJJ-MM-TT", exactly so.
std::optional<Tagesdatum> IsoDatumLesen(std::string_view text);
// "TT.MM.JJJJ" at the start of a text, day and month with one or two digits;
// a year that goes on in further digits is none.
std::optional<Tagesdatum> DeutschesDatumAmAnfang(std::string_view text);

Text1252 IsoText(const Tagesdatum& d);        // "2026-12-04"
Text1252 DeutscherText(const Tagesdatum& d);  // "04.12.2026"

// Days from a fixed day on, so that a difference of two is the number of days between them.
long Tageszahl(const Tagesdatum& d);

}  // namespace kolvaro
