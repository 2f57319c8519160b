// Calendar arithmetic of the Jewish, the Iranian (solar) and the Bahá'í
// calendar: the three whose years do not follow a simple leap-year pattern.
#include <algorithm>

#include "special/KalenderIntern.h"
#include "special/Kalenderrechnung.h"

namespace kolvaro {

using kalenderintern::AlsTagnummer;
using kalenderintern::FloorDiv;
using kalenderintern::Ganzzahl64;
using kalenderintern::JahrHeraus;
using kalenderintern::JahrHinein;

// Month lengths from Tishri: 30, 29/30 (Cheshvan), 29/30 (Kislev), 29, 30,
// (Adar I 30,) Adar 29, Nisan 30, 29, 30, 29, 30, 29.
const int JuedischMonatsanfang[6][13] = {
    {0, 30, 59, 88, 117, 147, 176, 206, 235, 265, 294, 324, 1000},  // 353 days
    {0, 30, 59, 89, 118, 148, 177, 207, 236, 266, 295, 325, 1000},  // 354 days
    {0, 30, 60, 90, 119, 149, 178, 208, 237, 267, 296, 326, 1000},  // 355 days
    {0, 30, 59, 88, 117, 147, 177, 206, 236, 265, 295, 324, 354},   // 383 days
    {0, 30, 59, 89, 118, 148, 178, 207, 237, 266, 296, 325, 355},   // 384 days
    {0, 30, 60, 90, 119, 149, 179, 208, 238, 267, 297, 326, 356},   // 385 days
};

namespace {

// ---- Jewish calendar ----

constexpr Ganzzahl64 TeileJeTag = 25920;     // 24 hours of 1080 parts
constexpr Ganzzahl64 TeileJeMonat = 765433;  // one mean lunation: 29 days 12 hours 793 parts

Ganzzahl64 Schaltjahr(Ganzzahl64 jahr) { return ((7 * jahr + 13) % 19) / 12; }

Ganzzahl64 NeujahrTag(Ganzzahl64 jahr) {
  Ganzzahl64 monate = (235 * jahr - 234) / 19;
  Ganzzahl64 teile = TeileJeMonat * monate + 31524;  // first new moon: 1 day 5 hours 204 parts
  Ganzzahl64 tag = teile / TeileJeTag;
  Ganzzahl64 rest = teile % TeileJeTag;
  Ganzzahl64 wochentag = (tag % 7) + 1;  // 1 = Sunday
  Ganzzahl64 schalt = Schaltjahr(jahr);
  Ganzzahl64 schaltDavor = ((7 * jahr + 6) % 19) / 12;
  if (rest >= 19440 || (rest >= 9924 && wochentag == 3 && schalt == 0) ||
      (rest >= 16789 && wochentag == 2 && schalt == 0 && schaltDavor == 1))
    ++tag;
  // The year never begins on a Sunday, Wednesday or Friday.
  if (((tag + 5) % 7) % 2 != 0) ++tag;
  return tag + 347997;
}

// Row of the month-start table: 0..2 common years, 3..5 leap years.
int Jahresart(Ganzzahl64 jahr, Ganzzahl64 neujahr) {
  Ganzzahl64 zeile = NeujahrTag(jahr + 1) - neujahr - 352 - 27 * Schaltjahr(jahr);
  return static_cast<int>(std::clamp<Ganzzahl64>(zeile, 1, 6)) - 1;
}

// ---- Iranian calendar ----
// Leap years follow the 33-year rule (year y is a leap year when
// (25y + 11) mod 33 < 8). From about 1800 to 2250 it gives the same years as
// the official astronomical rule (the year begins on the day of the first
// noon at 52.5° E after the March equinox); a rule with a mean year of
// 365.2424 days in a 128-year cycle already puts 1 Farvardin 1404 on
// 20 March 2025 instead of 21 March.

Ganzzahl64 IranischNeujahr(Ganzzahl64 jahr) { return 1947955 + 365 * jahr + FloorDiv(8 * jahr + 21, 33); }

// ---- Bahá'í calendar ----
// Until 171 B.E. (2014) Naw-Rúz was 21 March. From 172 B.E. on it is the day
// of the March equinox as reckoned at Tehran; the Bahá'í World Centre has
// published the dates up to 221 B.E. (2064): the day in March, per year.
constexpr int ErstesTabellenjahr = 172;
constexpr int NawRuzImMaerz[] = {
    21, 20, 20, 21, 21, 20, 20, 21, 21, 20,  // 2015-2024
    20, 21, 21, 20, 20, 20, 21, 20, 20, 20,  // 2025-2034
    21, 20, 20, 20, 21, 20, 20, 20, 21, 20,  // 2035-2044
    20, 20, 21, 20, 20, 20, 21, 20, 20, 20,  // 2045-2054
    21, 20, 20, 20, 20, 20, 20, 20, 20, 20,  // 2055-2064
};
constexpr int LetztesTabellenjahr = ErstesTabellenjahr + sizeof(NawRuzImMaerz) / sizeof(NawRuzImMaerz[0]) - 1;

// The arithmetic of the 21-March rule; g counts the years from the base of
// the formula, f the months from the month of fasting of the year before.
Ganzzahl64 BahaiFest(Ganzzahl64 tag, Ganzzahl64 monat, Ganzzahl64 jahr) {
  Ganzzahl64 g = jahr + 6560 - (39 - monat) / 20;
  Ganzzahl64 f = monat % 20;
  return (1461 * g) / 4 + 19 * f + tag - 1 - (1362 + (3 * ((g + 184) / 100)) / 4);
}

Ganzzahl64 BahaiNeujahrTag(Ganzzahl64 jahr) {
  if (jahr >= ErstesTabellenjahr && jahr <= LetztesTabellenjahr)
    return kalenderintern::GregorianischerTag(NawRuzImMaerz[jahr - ErstesTabellenjahr], 3, jahr + 1843);
  return BahaiFest(1, 1, jahr);
}

bool BahaiTabelleBeruehrt(Ganzzahl64 jahr) { return jahr + 1 >= ErstesTabellenjahr && jahr <= LetztesTabellenjahr; }

}  // namespace

// ---- Jewish calendar ----

long JuedischNeujahr(long jahr) { return AlsTagnummer(NeujahrTag(jahr)); }

std::string JDZuJuedisch(long jd) {
  if (jd < 347998) return AusserhalbBereich();
  Ganzzahl64 j = jd;
  Ganzzahl64 x = j - 347996;
  Ganzzahl64 m = (TeileJeTag * x) / TeileJeMonat + 1;
  Ganzzahl64 t = 19 * (m % 235) - 2;
  Ganzzahl64 jahr = 19 * (m / 235) + t / 235 + 1;  // at most one year too high
  if (j < NeujahrTag(jahr)) --jahr;
  Ganzzahl64 neujahr = NeujahrTag(jahr);
  const int* anfang = JuedischMonatsanfang[Jahresart(jahr, neujahr)];
  Ganzzahl64 d = j - neujahr + 1;
  int monat = 0;
  while (monat < 13 && anfang[monat] < d) ++monat;
  return DatumText(static_cast<long>(d - anfang[monat - 1]), monat, static_cast<long>(jahr));
}

std::optional<long> JuedischZuJD(std::string_view text) {
  std::optional<Datum> d = DatumLesen(text);
  // A month outside 1..13 has no row entry to start from.
  if (!d || d->Monat < 1 || d->Monat > 13) return std::nullopt;
  Ganzzahl64 neujahr = NeujahrTag(d->Jahr);
  const int* anfang = JuedischMonatsanfang[Jahresart(d->Jahr, neujahr)];
  return AlsTagnummer(neujahr + anfang[d->Monat - 1] + d->Tag - 1);
}

// ---- Iranian calendar: months 1-6 of 31 days, 7-11 of 30, 12 of 29 or 30 ----

std::string JDZuIranisch(long jd) {
  Ganzzahl64 j = jd;
  Ganzzahl64 jahr = FloorDiv(33 * (j - 1948320), 12053) + 1;
  while (IranischNeujahr(jahr) > j) --jahr;
  while (IranischNeujahr(jahr + 1) <= j) ++jahr;
  Ganzzahl64 e = j - IranischNeujahr(jahr) + 1;
  Ganzzahl64 monat, tag;
  if (e <= 186) {
    monat = (e - 1) / 31 + 1;
    tag = e - 31 * (monat - 1);
  } else {
    monat = (e - 187) / 30 + 7;
    tag = e - 186 - 30 * (monat - 7);
  }
  return DatumText(static_cast<long>(tag), static_cast<long>(monat), static_cast<long>(JahrHeraus(jahr)));
}

std::optional<long> IranischZuJD(std::string_view text) {
  std::optional<Datum> d = DatumLesen(text);
  if (!d) return std::nullopt;
  Ganzzahl64 jd = IranischNeujahr(JahrHinein(d->Jahr)) + 31 * (Ganzzahl64{d->Monat} - 1) + d->Tag - 1;
  if (d->Monat > 7) jd -= d->Monat - 7;
  return AlsTagnummer(jd);
}

// ---- Bahá'í calendar ----

long BahaiNeujahr(long jahr) { return AlsTagnummer(BahaiNeujahrTag(JahrHinein(jahr))); }

std::string JDZuBahai(long jd) {
  if (jd < 2394647) return AusserhalbBereich();
  Ganzzahl64 j = jd;
  // The year of the 21-March rule is right or one off.
  Ganzzahl64 f = j + 1362 + (3 * ((4 * j + 274273) / 146097)) / 4;
  Ganzzahl64 e = 4 * f + 3;
  Ganzzahl64 g = (e % 1461) / 4;
  Ganzzahl64 jahr = e / 1461 - 6560 + (39 - (((g / 19 + 19) % 20) + 1)) / 20;
  while (jahr > 1 && BahaiNeujahrTag(jahr) > j) --jahr;
  while (BahaiNeujahrTag(jahr + 1) <= j) ++jahr;
  Ganzzahl64 neujahr = BahaiNeujahrTag(jahr);
  Ganzzahl64 fastenmonat = BahaiNeujahrTag(jahr + 1) - 19;
  Ganzzahl64 t = j - neujahr;
  Ganzzahl64 monat, tag;
  if (t < 18 * 19) {
    monat = t / 19 + 1;
    tag = t % 19 + 1;
  } else if (j >= fastenmonat) {
    monat = 20;
    tag = j - fastenmonat + 1;
  } else {
    monat = 19;
    tag = t - 18 * 19 + 1;
  }
  return DatumText(static_cast<long>(tag), static_cast<long>(monat), static_cast<long>(jahr));
}

std::optional<long> BahaiZuJD(std::string_view text) {
  std::optional<Datum> d = DatumLesen(text);
  if (!d) return std::nullopt;
  Ganzzahl64 jahr = JahrHinein(d->Jahr);
  Ganzzahl64 monat = d->Monat;
  if (!BahaiTabelleBeruehrt(jahr)) return AlsTagnummer(BahaiFest(d->Tag, monat, jahr));
  // Months beyond the year run on into the next one, as in the arithmetic.
  while (monat > 20) {
    monat -= 20;
    ++jahr;
  }
  while (monat < 1) {
    monat += 20;
    --jahr;
  }
  Ganzzahl64 jd;
  if (monat <= 18)
    jd = BahaiNeujahrTag(jahr) + 19 * (monat - 1);
  else if (monat == 19)
    jd = BahaiNeujahrTag(jahr) + 18 * 19;
  else
    jd = BahaiNeujahrTag(jahr + 1) - 19;
  return AlsTagnummer(jd + d->Tag - 1);
}

}  // namespace kolvaro
