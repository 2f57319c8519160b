// Number reading and the converter's two result texts.
#include "basis/Zahlformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "basis/Zeichensatz.h"

namespace kolvaro {
namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

void KommaStattPunkt(std::string& text) {
  for (char& c : text)
    if (c == '.') c = ',';
}

using U128 = unsigned __int128;

// x = Mantisse * 2^Exponent exactly, for finite x > 0.
struct Binaer {
  std::uint64_t Mantisse;
  int Exponent;
};

Binaer Zerlegen(long double x) {
  int e = 0;
  long double f = std::frexp(x, &e);  // f in [0.5, 1)
  return {static_cast<std::uint64_t>(std::ldexp(f, 64)), e - 64};
}

U128 Zehnerpotenz(int n) {
  U128 p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// round(zaehler / 2^schieben), ties to even: the rounding of the exact value.
U128 GerundetGeschoben(U128 zaehler, int schieben) {
  if (schieben <= 0) return zaehler;
  // The numerator has fewer than 128 bits: beyond that the quotient is below one half.
  if (schieben > 128) return 0;
  if (schieben == 128) return zaehler > (U128{1} << 127) ? 1 : 0;  // exactly one half: ties to even, 0
  U128 q = zaehler >> schieben;
  U128 rest = zaehler - (q << schieben);
  U128 halb = U128{1} << (schieben - 1);
  if (rest > halb || (rest == halb && (q & 1))) ++q;
  return q;
}

U128 GerundetGeteilt(U128 zaehler, U128 nenner) {
  U128 q = zaehler / nenner;
  U128 rest = zaehler % nenner;
  if (2 * rest > nenner || (2 * rest == nenner && (q & 1))) ++q;
  return q;
}

void ZiffernAnhaengen(std::string& ziel, U128 zahl, int mindestens) {
  // Filled from the back; 39 digits hold any 128-bit number.
  char puffer[64];
  char* const ende = puffer + sizeof puffer;
  char* p = ende;
  // A 128-bit division is a library call; only the digits above 10^19 need it.
  constexpr std::uint64_t kZehnHoch19 = 10000000000000000000ULL;
  while (zahl > ~std::uint64_t{0}) {
    auto unten = static_cast<std::uint64_t>(zahl % kZehnHoch19);
    zahl /= kZehnHoch19;
    for (int i = 0; i < 19; ++i, unten /= 10) *--p = static_cast<char>('0' + unten % 10);
  }
  auto rest = static_cast<std::uint64_t>(zahl);
  do {
    *--p = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (ende - p < mindestens) ziel.append(static_cast<std::size_t>(mindestens - (ende - p)), '0');
  ziel.append(p, ende);
}

// |x| with d decimals, exactly rounded: valid for 0 < x < 2^44 and d <= 10.
std::string FestExakt(long double x, int dezimalen) {
  Binaer b = Zerlegen(x);
  U128 n = GerundetGeschoben(U128{b.Mantisse} * Zehnerpotenz(dezimalen), -b.Exponent);
  std::string ziffern;
  ZiffernAnhaengen(ziffern, n, dezimalen + 1);
  if (dezimalen == 0) return ziffern;
  return ziffern.substr(0, ziffern.size() - dezimalen) + "." + ziffern.substr(ziffern.size() - dezimalen);
}

std::string FestNull(int dezimalen) { return dezimalen == 0 ? "0" : "0." + std::string(dezimalen, '0'); }

// Seven significant digits of |x| and the decimal exponent, exactly rounded,
// for 1E-13 <= x < 2^63; false outside that range.
//
// The decimal exponent k of x lies in [-13, 18] there, and the products
// below fit 128 bits only within it: the mantissa (64 bits) times 10^(6-k)
// needs 64 + 63.2 bits at k = -13. The first guess from log10 may be one too
// small just below a power of ten (9,99...9E-14 rounds up to 1E-13 only in
// the last digit), so it is held inside the range instead of overflowing.
bool WissExakt(long double x, std::uint32_t& ziffern, int& exponent) {
  constexpr int kKleinster = -13, kGroesster = 18;
  if (!(x >= 1e-13L && x < 9.2e18L)) return false;
  Binaer b = Zerlegen(x);
  int k = std::clamp(static_cast<int>(std::floor(std::log10(x))), kKleinster, kGroesster);
  for (int versuch = 0; versuch < 4; ++versuch) {
    U128 q;
    if (6 - k >= 0) {
      q = GerundetGeschoben(U128{b.Mantisse} * Zehnerpotenz(6 - k), -b.Exponent);
    } else {
      q = GerundetGeteilt(U128{b.Mantisse}, Zehnerpotenz(k - 6) << -b.Exponent);
    }
    if (q >= 10000000) {
      if (++k > kGroesster) return false;
    } else if (q < 1000000) {
      if (--k < kKleinster) return false;
    } else {
      ziffern = static_cast<std::uint32_t>(q);
      exponent = k;
      return true;
    }
  }
  return false;
}

// Up to 19 significant digits and a small exponent: the value is the digits
// as an exact 64-bit integer, multiplied or divided by an exact power of ten,
// so one correctly rounded operation gives what strtold would. Everything
// else takes the general path.
std::optional<long double> SchnellLesen(std::string_view text) {
  std::uint64_t ziffern = 0;
  int stellen = 0, exponent = 0;
  std::size_t i = 0;
  bool punkt = false;
  for (; i < text.size() && (IstZiffer(text[i]) || text[i] == '.' || text[i] == ','); ++i) {
    if (text[i] == '.' || text[i] == ',') {
      punkt = true;
      continue;
    }
    if (stellen == 0 && text[i] == '0') {
      if (punkt) --exponent;
      continue;
    }
    if (++stellen > 19) return std::nullopt;
    ziffern = ziffern * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (punkt) --exponent;
  }
  if (i < text.size()) {
    int e = 0, vorzeichen = 1;
    ++i;  // "E"
    if (text[i] == '+' || text[i] == '-') vorzeichen = text[i++] == '-' ? -1 : 1;
    for (; i < text.size(); ++i) {
      if (e > 10000) return std::nullopt;
      e = e * 10 + (text[i] - '0');
    }
    exponent += vorzeichen * e;
  }
  if (ziffern == 0) return 0.0L;
  if (exponent < -27 || exponent > 27) return std::nullopt;
  long double potenz = 1.0L;
  for (int k = 0; k < std::abs(exponent); ++k) potenz *= 10.0L;  // exact up to 10^27
  const long double m = static_cast<long double>(ziffern);
  return exponent < 0 ? m / potenz : m * potenz;
}

}  // namespace

std::optional<long double> ZahlLesen(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  // Check the form ourselves: from_chars would accept "inf", "nan" and hex.
  auto punkt = [](char c) { return c == '.' || c == ','; };
  std::size_t i = 0;
  bool negativ = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
  const std::size_t anfang = i;
  int ziffern = 0;
  while (i < text.size() && IstZiffer(text[i])) ++i, ++ziffern;
  if (i < text.size() && punkt(text[i])) {
    ++i;
    while (i < text.size() && IstZiffer(text[i])) ++i, ++ziffern;
  }
  if (ziffern == 0) return std::nullopt;
  bool hochzahl = false, hochzahlNegativ = false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    hochzahl = true;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) hochzahlNegativ = text[i++] == '-';
    int exponentziffern = 0;
    while (i < text.size() && IstZiffer(text[i])) ++i, ++exponentziffern;
    if (exponentziffern == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const std::string_view betrag = text.substr(anfang);
  if (auto schnell = SchnellLesen(betrag)) return negativ ? -*schnell : *schnell;

  std::string zahl(betrag);
  for (char& c : zahl)
    if (c == ',') c = '.';
  long double wert = 0.0L;
  auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
  if (fehler == std::errc::result_out_of_range) {
    // Underflow reads as 0 (which callers treat as a zero input); overflow is no number.
    if (hochzahl && hochzahlNegativ) return negativ ? -0.0L : 0.0L;
    return std::nullopt;
  }
  if (fehler != std::errc() || ende != zahl.data() + zahl.size() || !std::isfinite(wert)) return std::nullopt;
  return negativ ? -wert : wert;
}

std::optional<std::int64_t> GanzzahlLesen(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negativ = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negativ = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !IstZiffer(text.front())) return std::nullopt;
  std::uint64_t wert = 0;
  auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size()) return std::nullopt;
  const std::uint64_t grenze = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negativ ? 1 : 0);
  if (wert > grenze) return std::nullopt;
  return negativ ? static_cast<std::int64_t>(0 - wert) : static_cast<std::int64_t>(wert);
}

std::optional<std::int32_t> Ganzzahl32Lesen(std::string_view text) {
  auto wert = GanzzahlLesen(text);
  if (!wert || *wert < std::numeric_limits<std::int32_t>::min() || *wert > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*wert);
}

Text1252 WissText(long double r) {
  if (!std::isfinite(r)) return Cp1252("Zahl zu groß");
  std::uint32_t ziffern = 0;
  int exponent = 0;
  if (WissExakt(std::fabs(r), ziffern, exponent)) {
    std::string text;
    text.reserve(16);
    if (r < 0.0L) text += '-';
    text += static_cast<char>('0' + ziffern / 1000000);
    text += ',';
    ZiffernAnhaengen(text, ziffern % 1000000, 6);
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    ZiffernAnhaengen(text, static_cast<U128>(std::abs(exponent)), 4);
    return Text1252(std::move(text));
  }
  char puffer[64];
  auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(r), std::chars_format::scientific, 6);
  if (fehler != std::errc()) return Cp1252("Zahl zu groß");
  std::string_view roh(puffer, static_cast<std::size_t>(ende - puffer));
  auto e = roh.find('e');
  std::string text;
  if (std::signbit(r) && r != 0.0L) text += '-';
  text += roh.substr(0, e);
  text += 'E';
  text += roh[e + 1];
  std::string_view hochzahl = roh.substr(e + 2);
  for (std::size_t k = hochzahl.size(); k < 4; ++k) text += '0';
  text += hochzahl;
  KommaStattPunkt(text);
  return Text1252(std::move(text));
}

int FliessDezimalen(long double r) {
  const long double betrag = std::fabs(r);
  int dezimalen = 10;
  for (long double grenze = 10.0L; grenze <= 1e10L && betrag >= grenze; grenze *= 10.0L) --dezimalen;
  return dezimalen;
}

Text1252 WissTextRoh(long double r) {
  if (!std::isfinite(r)) return WissText(r);
  std::string text = WissText(r).Bytes();
  for (char& c : text)
    if (c == ',') c = '.';
  return Text1252((r < 0.0L ? "" : " ") + text);
}

namespace {

// Sign position, mantissa with the given decimals and separator, four-digit exponent.
std::string WissTextFest(long double r, int dezimalen, char trenner) {
  if (!std::isfinite(r)) return {};
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.*Le", dezimalen, std::fabs(r));
  std::string_view roh(puffer);
  const auto e = roh.find('e');
  std::string text(1, r < 0.0L ? '-' : ' ');
  text += roh.substr(0, e);
  if (dezimalen > 0) text[2] = trenner;
  text += 'E';
  text += roh[e + 1];
  const std::string_view hochzahl = roh.substr(e + 2);
  text.append(hochzahl.size() < 4 ? 4 - hochzahl.size() : 0, '0');
  text += hochzahl;
  return text;
}

}  // namespace

std::string WissText23(long double r) { return WissTextFest(r, 14, '.'); }
std::string WissText17(long double r) { return WissTextFest(r, 8, ','); }

Text1252 FestTextRoh(long double r, int dezimalen) {
  const long double betrag = std::fabs(r);
  std::string text;
  if (std::isfinite(r) && betrag < 1.7e13L) {
    text =
        (r < 0.0L && betrag > 0.0L ? "-" : "") + (betrag == 0.0L ? FestNull(dezimalen) : FestExakt(betrag, dezimalen));
  } else {
    char puffer[128];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, r, std::chars_format::fixed, dezimalen);
    text = fehler == std::errc() ? std::string(puffer, ende) : Cp1252("Zahl zu groß").Bytes();
  }
  if (text.size() < 14) text.insert(0, 14 - text.size(), ' ');
  return Text1252(std::move(text));
}

namespace {

// A group mark before every third digit left of the comma (or of the end),
// never at the very front nor right behind the minus sign.
void Gruppieren(std::string& text) {
  const std::size_t anfang = !text.empty() && text[0] == '-' ? 1 : 0;
  const std::size_t komma = std::min(text.find(','), text.size());
  for (std::ptrdiff_t p = static_cast<std::ptrdiff_t>(komma) - 3; p > static_cast<std::ptrdiff_t>(anfang); p -= 3)
    text.insert(static_cast<std::size_t>(p), 1, '.');
}

}  // namespace

Text1252 FliessText(long double r) {
  long double betrag = std::fabs(r);
  if (!std::isfinite(r) || betrag > 9.9e12L || betrag < 5e-11L) return WissText(r);
  const int dezimalen = FliessDezimalen(r);
  std::string text;
  if (r < 0.0L) text += '-';
  text += FestExakt(betrag, dezimalen);
  KommaStattPunkt(text);
  if (text.find(',') != std::string::npos) Gruppieren(text);
  return Text1252(std::move(text));
}

Text1252 StellenText(long double r, int stellen) {
  const long double betrag = std::fabs(r);
  if (!std::isfinite(r) || betrag > 9.9e12L || betrag < 5e-11L || stellen < 1) return WissText(r);
  // Rounded to the significant digits first: 9,9996 to four digits is 10,00.
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.*Le", stellen - 1, betrag);
  const long double gerundet = std::strtold(puffer, nullptr);
  const int exponent = static_cast<int>(std::floor(std::log10(gerundet)));
  std::string text = r < 0.0L ? "-" : "";
  text += FestExakt(gerundet, std::max(0, stellen - 1 - exponent));
  KommaStattPunkt(text);
  Gruppieren(text);
  return Text1252(std::move(text));
}

}  // namespace kolvaro
