// Calendar arithmetic: known dates, the limits of each calendar, the text
// forms, and round trips day number -> date -> day number. The golden cases
// kalender_julianisches_datum and kalender_maya pin 1 January 2000 and
// 13.0.0.0.0 in every calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "basis/Zeichensatz.h"
#include "special/Kalenderrechnung.h"

namespace kolvaro {
namespace {

struct Kalender {
  const char* Name;
  std::optional<long> (*Zu)(std::string_view);
  std::string (*Aus)(long);
  long Erster = 0;  // the JDs the calendar shows
  long Letzter = 10000000;
};

// clang-format off
const Kalender kAlle[] = {
    {"Julianisch", JulianischZuJD, JDZuJulianisch}, {"Gregorianisch", GregorianischZuJD, JDZuGregorianisch},
    {"Abendlaendisch", AbendlaendischZuJD, JDZuAbendlaendisch}, {"Juedisch", JuedischZuJD, JDZuJuedisch, 347998},
    {"Revolution", RevolutionZuJD, JDZuRevolution, 2375840, 2380687}, {"Islamisch", IslamischZuJD, JDZuIslamisch},
    {"Iranisch", IranischZuJD, JDZuIranisch}, {"Yazdegard", YazdegardZuJD, JDZuYazdegard},
    {"Aegyptisch", AegyptischZuJD, JDZuAegyptisch}, {"Armenisch", ArmenischZuJD, JDZuArmenisch},
    {"Aethiopisch", AethiopischZuJD, JDZuAethiopisch}, {"Koptisch", KoptischZuJD, JDZuKoptisch},
    {"Bahai", BahaiZuJD, JDZuBahai, 2394647}, {"Saka", SakaZuJD, JDZuSaka}, {"Maya", MayaZuJD, JDZuMaya, 584283}};
// clang-format on

const Kalender& K(const std::string& name) {
  for (const Kalender& k : kAlle)
    if (name == k.Name) return k;
  throw std::logic_error(name);
}

// One day of a calendar, both ways: the first day of each era, then the
// limits. The Iranian 33-year rule, run back to the era, begins it on
// 19 March 622 (Julian).
TEST(KalenderBekannterTag, BeideRichtungen) {
  using Tag = std::tuple<const char*, long, const char*>;
  const std::vector<Tag> epochen = {{"Julianisch", 1721424, "01.01.01"},     {"Gregorianisch", 1721426, "01.01.01"},
                                    {"Abendlaendisch", 1721424, "01.01.01"}, {"Juedisch", 347998, "01.01.01"},
                                    {"Revolution", 2375840, "01.01.01"},     {"Islamisch", 1948439, "01.01.01"},
                                    {"Yazdegard", 1952063, "01.01.01"},      {"Aegyptisch", 1448638, "01.01.01"},
                                    {"Armenisch", 1922868, "01.01.01"},      {"Aethiopisch", 1724221, "01.01.01"},
                                    {"Koptisch", 1825030, "01.01.01"},       {"Bahai", 2394647, "01.01.01"},
                                    {"Saka", 1749995, "01.01.01"},           {"Maya", 584283, "0.0.0.0.0"},
                                    {"Iranisch", 1948320, "01.01.01"}};
  const std::vector<Tag> grenzen = {
      {"Julianisch", 0, "01.01.-4713"},          {"Gregorianisch", 0, "24.11.-4714"},
      {"Julianisch", 1721423, "31.12.-01"},      {"Gregorianisch", 1721425, "31.12.-01"},
      {"Abendlaendisch", 2299160, "04.10.1582"}, {"Abendlaendisch", 2299161, "15.10.1582"},
      {"Juedisch", 2460586, "29.13.5784"},       {"Juedisch", 2460587, "01.01.5785"},
      {"Revolution", 2380687, "10.04.14"},       {"Iranisch", 2451624, "01.01.1379"},
      {"Bahai", 2451624, "19.20.156"},           {"Bahai", 2451625, "01.01.157"},
      {"Maya", 10000000, "65.7.14.13.17"},       {"Gregorianisch", 10000000, "20.12.22666"}};
  for (const auto* tage : {&epochen, &grenzen})
    for (const auto& [name, jd, text] : *tage) {
      SCOPED_TRACE(std::string(name) + " " + text);
      EXPECT_EQ(K(name).Aus(jd), text);
      EXPECT_EQ(K(name).Zu(text), std::optional<long>(jd));
    }
}

TEST(KalenderBereich, AusserhalbDesBereichs) {
  const std::string aus = Cp1252("außerh. Bereich").Bytes();
  EXPECT_EQ(AusserhalbBereich(), aus);
  for (const Kalender& k : kAlle)
    for (long jd : {0L, k.Erster - 1, k.Letzter + 1})
      EXPECT_TRUE(jd < 0 || jd > 10000000 || (jd >= k.Erster && jd <= k.Letzter) || k.Aus(jd) == aus)
          << k.Name << " " << jd;
}

// Dates of other calendars against the Gregorian calendar, both ways: Nisan
// is month 8 of a Jewish leap year (5779: 385 days, 5784: 383), month 7 of a
// common one; the tabular Islamic calendar (the sighted new moon mostly falls
// a day later); Saka and Ethiopian New Year move with Gregorian leap years;
// Nowruz follows the March equinox at 52.5 degrees east; Bahá'í Ayyám-i-Há
// has four days in 2025, five in 2000 (before 172 B.E. the year began on 21 March).
TEST(KalenderGregorianischGleich, Datum) {
  using Gleichung = std::tuple<const char*, const char*, const char*>;
  const Gleichung faelle[] = {{"Juedisch", "01.08.5779", "06.04.2019"},    {"Juedisch", "29.07.5779", "05.04.2019"},
                              {"Juedisch", "15.08.5784", "23.04.2024"},    {"Juedisch", "15.07.5783", "06.04.2023"},
                              {"Islamisch", "01.01.1445", "18.07.2023"},   {"Saka", "01.01.1922", "21.03.2000"},
                              {"Saka", "01.01.1921", "22.03.1999"},        {"Saka", "01.01.1946", "21.03.2024"},
                              {"Aethiopisch", "01.01.2016", "12.09.2023"}, {"Aethiopisch", "01.01.2017", "11.09.2024"},
                              {"Koptisch", "01.01.1740", "12.09.2023"},    {"Iranisch", "01.01.1304", "21.03.1925"},
                              {"Iranisch", "01.01.1399", "20.03.2020"},    {"Iranisch", "01.01.1400", "21.03.2021"},
                              {"Iranisch", "30.12.1403", "20.03.2025"},    {"Iranisch", "01.01.1404", "21.03.2025"},
                              {"Iranisch", "01.07.1403", "22.09.2024"},    {"Iranisch", "01.08.1403", "22.10.2024"},
                              {"Bahai", "01.19.181", "25.02.2025"},        {"Bahai", "01.20.181", "01.03.2025"},
                              {"Bahai", "01.01.171", "21.03.2014"},        {"Bahai", "01.19.156", "26.02.2000"},
                              {"Bahai", "01.20.156", "02.03.2000"}};
  for (const auto& [name, text, gregorianisch] : faelle) {
    SCOPED_TRACE(std::string(name) + " " + text);
    std::optional<long> jd = K(name).Zu(text);
    ASSERT_TRUE(jd.has_value());
    EXPECT_EQ(JDZuGregorianisch(*jd), gregorianisch);
    EXPECT_EQ(K(name).Aus(*jd), text);
  }
}

// ---- Jewish calendar ----

TEST(KalenderJuedisch, MonatsanfaengeFolgenAusDenMonatslaengen) {
  const int laenge[6] = {353, 354, 355, 383, 384, 385};
  for (int zeile = 0; zeile < 6; ++zeile) {
    const int monate = zeile < 3 ? 12 : 13;
    // Cheshvan and Kislev (0 here) vary with the year type; every other month is fixed.
    const std::vector<int> fest = zeile < 3 ? std::vector<int>{30, 0, 0, 29, 30, 29, 30, 29, 30, 29, 30, 29}
                                            : std::vector<int>{30, 0, 0, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29};
    EXPECT_EQ(JuedischMonatsanfang[zeile][0], 0);
    for (int k = 0; k < monate; ++k) {
      const int ende = k + 1 < monate ? JuedischMonatsanfang[zeile][k + 1] : laenge[zeile];
      const int dauer = ende - JuedischMonatsanfang[zeile][k];
      EXPECT_TRUE(fest[k] ? dauer == fest[k] : dauer == 29 || dauer == 30)
          << "Zeile " << zeile + 1 << " Monat " << k + 1;
    }
    EXPECT_TRUE(zeile >= 3 || JuedischMonatsanfang[zeile][12] == 1000);  // no 13th month
  }
  EXPECT_EQ(JuedischMonatsanfang[5][7], 208);  // Nisan of a complete leap year: day 209
  for (long jahr : {5776L, 5779L}) EXPECT_EQ(JuedischNeujahr(jahr + 1) - JuedischNeujahr(jahr), 385) << jahr;
  EXPECT_EQ(JuedischNeujahr(5784), 2460204);  // 16 September 2023
  // Adar II has 29 days in every leap year: its "30th" is 1 Nisan.
  for (const char* jahr : {"5782", "5784"})
    EXPECT_EQ(JuedischZuJD(std::string("30.07.") + jahr), JuedischZuJD(std::string("01.08.") + jahr)) << jahr;
}

// Naw-Rúz as published by the Bahá'í World Centre for 172 to 221 B.E.
// (2015-2064), the day in March per Gregorian year.
TEST(KalenderBahai, NawRuzNachAmtlicherTabelle) {
  const int maerz[50] = {21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 20, 21,
                         20, 20, 20, 21, 20, 20, 20, 21, 20, 20, 20, 21, 20, 20, 20, 21, 20,
                         20, 20, 21, 20, 20, 20, 21, 20, 20, 20, 20, 20, 20, 20, 20, 20};
  for (int i = 0; i < 50; ++i) {
    long jahr = 2015 + i;
    long jd = *GregorianischZuJD(DatumText(maerz[i], 3, jahr));
    EXPECT_EQ(JDZuBahai(jd), DatumText(1, 1, jahr - 1843)) << jahr;
    EXPECT_EQ(JDZuBahai(jd - 1), DatumText(19, 20, jahr - 1844)) << jahr;
    EXPECT_EQ(BahaiNeujahr(jahr - 1843), jd);
  }
}

TEST(KalenderRundreise, JedesKalendersUeberDenGanzenBereich) {
  std::mt19937 zufall(20240101);
  std::vector<long> tage;
  for (long jd = 0; jd <= 10000000; jd += 997) tage.push_back(jd);
  std::uniform_int_distribution<long> verteilung(0, 10000000);
  for (int i = 0; i < 20000; ++i) tage.push_back(verteilung(zufall));
  // Every day of the years where the Bahá'í and Iranian rules change.
  for (long jd = 2456000; jd <= 2476000; ++jd) tage.push_back(jd);
  for (const Kalender& k : kAlle) {
    std::vector<long> alle = tage;
    for (long jd = k.Erster; jd <= std::min(k.Letzter, k.Erster + 3000); ++jd) alle.push_back(jd);
    int fehler = 0;
    for (long jd : alle)
      if (jd >= k.Erster && jd <= k.Letzter && k.Zu(k.Aus(jd)) != std::optional<long>(jd) && ++fehler <= 5)
        ADD_FAILURE() << k.Name << ": JD " << jd << " -> " << k.Aus(jd);
  }
}

// ---- texts ----

TEST(KalenderTexte, DatumTextUndDatumLesen) {
  // The whole rest is the year: a five-digit year before the era stays whole.
  const std::pair<Datum, const char*> faelle[] = {{{5, 3, 1850}, "05.03.1850"},   {{20, 3, -1000}, "20.03.-1000"},
                                                  {{1, 1, 5}, "01.01.05"},        {{1, 1, -5}, "01.01.-05"},
                                                  {{1, 1, 12345}, "01.01.12345"}, {{1, 1, -10000}, "01.01.-10000"}};
  for (const auto& [datum, text] : faelle) {
    EXPECT_EQ(DatumText(datum.Tag, datum.Monat, datum.Jahr), text);
    std::optional<Datum> gelesen = DatumLesen(text);
    ASSERT_TRUE(gelesen.has_value()) << text;
    EXPECT_EQ(std::tie(gelesen->Tag, gelesen->Monat, gelesen->Jahr), std::tie(datum.Tag, datum.Monat, datum.Jahr))
        << text;
  }
  for (const char* falsch : {"", "20.03.", "xx.03.2000", "20.ab.2000", "20.03.2000x", "20.03.20 00", "20.03.2000-5",
                             "20.03.1.5", "20.03.99999999999"})
    EXPECT_FALSE(DatumLesen(falsch).has_value()) << falsch;
}

TEST(KalenderTexte, UmrechnungScheitertAnFeldernUngueltigeTageLaufenWeiter) {
  for (const Kalender& k : kAlle) {
    EXPECT_FALSE(k.Zu("").has_value()) << k.Name;
    EXPECT_FALSE(k.Zu("ab.cd.efgh").has_value()) << k.Name;
  }
  EXPECT_FALSE(MayaZuJD("12.19.6.15").has_value());
  EXPECT_FALSE(MayaZuJD("12.19.x.15.2").has_value());
  EXPECT_EQ(MayaZuJD("12.19.6.15.2.9"), std::optional<long>(2451545));
  EXPECT_FALSE(JuedischZuJD("01.14.5760").has_value());
  EXPECT_EQ(JDZuGregorianisch(*GregorianischZuJD("31.02.2001")), "03.03.2001");
  EXPECT_EQ(JDZuGregorianisch(*GregorianischZuJD("32.12.1999")), "01.01.2000");
  for (const auto& [teiler, wert, rest] : {std::tuple{20, 47, 7}, {20, -3, 17}, {-20, 3, -17}, {144000, 0, 0}})
    EXPECT_EQ(ModUnten(teiler, wert), rest) << teiler << " " << wert;
}

// ---- Easter (2000 is the golden case feiertage_2000) ----

TEST(KalenderOstern, BekannteJahre) {
  // 1954 and 1981 are the exceptions of Gauss's rule; 1818 and 2038 the earliest and latest date.
  const std::tuple<long, const char*, const char*> faelle[] = {
      {1981, "19.04.", ""},       {1954, "18.04.", ""}, {1583, "10.04.", "31.03."}, {2024, "31.03.", "22.04."},
      {2025, "20.04.", "07.04."}, {1818, "22.03.", ""}, {2038, "25.04.", ""}};
  for (const auto& [jahr, gregorianisch, julianisch] : faelle) {
    EXPECT_EQ(OsternGregorianisch(jahr), gregorianisch) << jahr;
    EXPECT_EQ(*julianisch ? OsternJulianisch(jahr) : "", julianisch) << jahr;
  }
}

TEST(KalenderOstern, OsterSonntagIstEinSonntag) {
  // JD + 1 is divisible by 7 on a Sunday.
  for (long jahr = 1583; jahr <= 4000; ++jahr)
    ASSERT_EQ((*GregorianischZuJD(OsternGregorianisch(jahr) + std::to_string(jahr)) + 1) % 7, 0) << jahr;
  for (long jahr = 532; jahr <= 4000; ++jahr)
    ASSERT_EQ((*JulianischZuJD(OsternJulianisch(jahr) + std::to_string(jahr)) + 1) % 7, 0) << jahr;
  // Julian Easter 2024 is 5 May in the Gregorian calendar.
  EXPECT_EQ(JDZuGregorianisch(*JulianischZuJD(OsternJulianisch(2024) + "2024")), "05.05.2024");
}

}  // namespace
}  // namespace kolvaro
