// Dates of the Gregorian calendar.
#include "basis/Tagesdatum.h"

#include <cstdio>

namespace kolvaro {

namespace {

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// minStellen to maxStellen digits at pos; fewer are no number.
std::optional<int> Zahl(std::string_view text, std::size_t& pos, std::size_t minStellen, std::size_t maxStellen) {
  const std::size_t anfang = pos;
  int wert = 0;
  while (pos < text.size() && Ziffer(text[pos]) && pos - anfang < maxStellen) wert = wert * 10 + (text[pos++] - '0');
  if (pos - anfang < minStellen) return std::nullopt;
  return wert;
}

}  // namespace

int TageImMonat(int monat, int jahr) {
  static const int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (monat < 1 || monat > 12) return 0;
  const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
  return monat == 2 && schalt ? 29 : kTage[monat - 1];
}

std::optional<Tagesdatum> TagesdatumAus(int jahr, int monat, int tag) {
  if (jahr < 1 || jahr > 9999 || tag < 1 || tag > TageImMonat(monat, jahr)) return std::nullopt;
  return Tagesdatum{jahr, monat, tag};
}

std::optional<Tagesdatum> IsoDatumLesen(std::string_view text) {
  std::size_t pos = 0;
  const auto jahr = Zahl(text, pos, 4, 4);
  if (!jahr || pos >= text.size() || text[pos++] != '-') return std::nullopt;
  const auto monat = Zahl(text, pos, 2, 2);
  if (!monat || pos >= text.size() || text[pos++] != '-') return std::nullopt;
  const auto tag = Zahl(text, pos, 2, 2);
  if (!tag || pos != text.size()) return std::nullopt;
  return TagesdatumAus(*jahr, *monat, *tag);
}

std::optional<Tagesdatum> DeutschesDatumAmAnfang(std::string_view text) {
  std::size_t pos = 0;
  const auto tag = Zahl(text, pos, 1, 2);
  if (!tag || pos >= text.size() || text[pos++] != '.') return std::nullopt;
  const auto monat = Zahl(text, pos, 1, 2);
  if (!monat || pos >= text.size() || text[pos++] != '.') return std::nullopt;
  const auto jahr = Zahl(text, pos, 4, 4);
  // "1.1.19999" is no date, nor a year cut off from a longer number.
  if (!jahr || (pos < text.size() && Ziffer(text[pos]))) return std::nullopt;
  return TagesdatumAus(*jahr, *monat, *tag);
}

Text1252 IsoText(const Tagesdatum& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.Jahr, d.Monat, d.Tag);
  return Text1252(std::string_view(text));
}

Text1252 DeutscherText(const Tagesdatum& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", d.Tag, d.Monat, d.Jahr);
  return Text1252(std::string_view(text));
}

long Tageszahl(const Tagesdatum& d) {
  // Counted in years that begin in March, so that the leap day ends a year.
  const long j = d.Monat <= 2 ? d.Jahr - 1L : d.Jahr;
  const long m = d.Monat <= 2 ? d.Monat + 9L : d.Monat - 3L;
  return 365L * j + j / 4 - j / 100 + j / 400 + (153L * m + 2) / 5 + d.Tag;
}

}  // namespace kolvaro
