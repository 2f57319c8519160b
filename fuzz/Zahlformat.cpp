// Number texts: the readers on arbitrary text, and the formatters on
// arbitrary values, whose texts must read back close to the value. The
// first byte chooses: even, the rest of the input is a text to read; odd,
// the next bytes make a value (64-bit mantissa, exponent, sign) and a
// number of decimals.
#include "basis/Zahlformat.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "Fuzzeingabe.h"

using namespace kolvaro;

namespace {

std::string OhneZeichen(const std::string& text, char weg) {
  std::string ohne;
  for (char c : text)
    if (c != weg) ohne += c;
  return ohne;
}

void TextLesen(std::string_view text) {
  if (const std::optional<long double> zahl = ZahlLesen(text))
    fuzz::Pruefen(std::isfinite(*zahl), "ZahlLesen liefert nur endliche Zahlen", text);

  const std::optional<std::int64_t> ganz = GanzzahlLesen(text);
  const std::optional<std::int32_t> ganz32 = Ganzzahl32Lesen(text);
  const bool in32 =
      ganz && *ganz >= std::numeric_limits<std::int32_t>::min() && *ganz <= std::numeric_limits<std::int32_t>::max();
  fuzz::Pruefen(ganz32.has_value() == in32, "Ganzzahl32Lesen genau im 32-Bit-Bereich von GanzzahlLesen", text);
  if (ganz32) fuzz::Pruefen(*ganz32 == *ganz, "Ganzzahl32Lesen == GanzzahlLesen", text);
  if (ganz) {
    fuzz::Pruefen(GanzzahlLesen(std::to_string(*ganz)) == ganz, "GanzzahlLesen liest die eigene Zahl zurueck", text);
    // A whole number is also a number, and the same one.
    if (const std::optional<long double> zahl = ZahlLesen(text))
      fuzz::Pruefen(*zahl == static_cast<long double>(*ganz), "ZahlLesen == GanzzahlLesen", text);
  }
}

// |gelesen - x| within the rounding of the text's decimals, plus the
// rounding of reading it back.
bool NahGenug(long double gelesen, long double x, int dezimalen) {
  const long double erlaubt = 0.5L * std::pow(10.0L, -dezimalen) * (1 + 1e-9L) + std::fabs(x) * 1e-18L;
  return std::fabs(gelesen - x) <= erlaubt;
}

void WertFormatieren(long double x, int dezimalen) {
  const long double betrag = std::fabs(x);
  const std::string wiss = WissText(x).Bytes();

  // Subnormal values read back as 0 by design (underflow); a text rounded
  // to seven digits at the very bottom of the normal range may fall there.
  if (x == 0.0L || betrag >= LDBL_MIN * (1 + 1e-6L)) {
    const std::optional<long double> y = ZahlLesen(wiss);
    fuzz::Pruefen(y && std::fabs(*y - x) <= 1e-6L * betrag, "ZahlLesen(WissText(x)) ~ x", wiss);
  }

  fuzz::Pruefen(WissTextRoh(x).size() == 15, "WissTextRoh hat 15 Zeichen", wiss, WissTextRoh(x).Bytes());
  fuzz::Pruefen(WissText23(x).size() == 23, "WissText23 hat 23 Zeichen", wiss, WissText23(x));
  fuzz::Pruefen(WissText17(x).size() == 17, "WissText17 hat 17 Zeichen", wiss, WissText17(x));
  if (x != 0.0L && betrag >= LDBL_MIN * (1 + 1e-6L)) {
    const std::optional<long double> y23 = ZahlLesen(WissText23(x));
    fuzz::Pruefen(y23 && std::fabs(*y23 - x) <= 1e-14L * betrag, "ZahlLesen(WissText23(x)) ~ x", WissText23(x));
  }

  const std::string fliess = FliessText(x).Bytes();
  if (betrag > 9.9e12L || betrag < 5e-11L) {
    fuzz::Pruefen(fliess == wiss, "FliessText ausserhalb seines Bereichs == WissText", wiss, fliess);
  } else {
    const std::optional<long double> y = ZahlLesen(OhneZeichen(fliess, '.'));
    fuzz::Pruefen(y && NahGenug(*y, x, FliessDezimalen(x)), "ZahlLesen(FliessText(x)) ~ x", wiss, fliess);
  }

  const std::string fest = FestTextRoh(x, dezimalen).Bytes();
  fuzz::Pruefen(fest.size() >= 14, "FestTextRoh hat mindestens 14 Zeichen", wiss, fest);
  if (const std::optional<long double> y = ZahlLesen(fest)) {
    fuzz::Pruefen(NahGenug(*y, x, dezimalen), "ZahlLesen(FestTextRoh(x, d)) ~ x", wiss, fest);
  } else {
    fuzz::Pruefen(betrag >= 1.7e13L, "FestTextRoh ist im exakten Bereich lesbar", wiss, fest);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe eingabe(daten, groesse);
  if (eingabe.Byte() % 2 == 0) {
    TextLesen(eingabe.Rest());
    return 0;
  }
  const auto mantisse = eingabe.Wert<std::uint64_t>();
  const auto exponent = eingabe.Wert<std::int16_t>();
  const std::uint8_t art = eingabe.Byte();
  // Every finite extended value and zero; the exponent spans the whole range.
  long double x = std::ldexp(static_cast<long double>(mantisse), exponent % 16500 - 63);
  if (art & 1) x = -x;
  if (!std::isfinite(x)) return 0;
  WertFormatieren(x, (art >> 1) % 11);
  return 0;
}
