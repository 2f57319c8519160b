// Calendar arithmetic: known dates, the limits of each calendar, the text
// forms, and round trips day number -> date -> day number.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "basis/Zeichensatz.h"
#include "special/Kalenderrechnung.h"

namespace kolvaro {
namespace {

using ZuJD = std::optional<long> (*)(std::string_view);
using AusJD = std::string (*)(long);

struct Kalender {
  const char* Name;
  ZuJD Zu;
  AusJD Aus;
  long Erster;  // first JD the calendar shows
  long Letzter;
};

const std::vector<Kalender>& AlleKalender() {
  static const std::vector<Kalender> k = {
      {"Julianisch", &JulianischZuJD, &JDZuJulianisch, 0, 10000000},
      {"Gregorianisch", &GregorianischZuJD, &JDZuGregorianisch, 0, 10000000},
      {"Abendlaendisch", &AbendlaendischZuJD, &JDZuAbendlaendisch, 0, 10000000},
      {"Juedisch", &JuedischZuJD, &JDZuJuedisch, 347998, 10000000},
      {"Revolution", &RevolutionZuJD, &JDZuRevolution, 2375840, 2380687},
      {"Islamisch", &IslamischZuJD, &JDZuIslamisch, 0, 10000000},
      {"Iranisch", &IranischZuJD, &JDZuIranisch, 0, 10000000},
      {"Yazdegard", &YazdegardZuJD, &JDZuYazdegard, 0, 10000000},
      {"Aegyptisch", &AegyptischZuJD, &JDZuAegyptisch, 0, 10000000},
      {"Armenisch", &ArmenischZuJD, &JDZuArmenisch, 0, 10000000},
      {"Aethiopisch", &AethiopischZuJD, &JDZuAethiopisch, 0, 10000000},
      {"Koptisch", &KoptischZuJD, &JDZuKoptisch, 0, 10000000},
      {"Bahai", &BahaiZuJD, &JDZuBahai, 2394647, 10000000},
      {"Saka", &SakaZuJD, &JDZuSaka, 0, 10000000},
      {"Maya", &MayaZuJD, &JDZuMaya, 584283, 10000000},
  };
  return k;
}

const Kalender& K(const std::string& name) {
  for (const Kalender& k : AlleKalender())
    if (name == k.Name) return k;
  throw std::logic_error(name);
}

// ---- one day in every calendar, both ways ----

struct Tag {
  const char* Kalender;
  long JD;
  const char* Text;
};

std::ostream& operator<<(std::ostream& os, const Tag& t) { return os << t.Kalender << " " << t.JD << " " << t.Text; }

class BekannterTag : public ::testing::TestWithParam<Tag> {};

TEST_P(BekannterTag, BeideRichtungen) {
  const Tag& t = GetParam();
  const Kalender& k = K(t.Kalender);
  EXPECT_EQ(k.Aus(t.JD), t.Text);
  EXPECT_EQ(k.Zu(t.Text), std::optional<long>(t.JD));
}

// The first day of each era.
INSTANTIATE_TEST_SUITE_P(
    Epochen, BekannterTag,
    ::testing::Values(Tag{"Julianisch", 1721424, "01.01.01"}, Tag{"Gregorianisch", 1721426, "01.01.01"},
                      Tag{"Abendlaendisch", 1721424, "01.01.01"}, Tag{"Juedisch", 347998, "01.01.01"},
                      Tag{"Revolution", 2375840, "01.01.01"}, Tag{"Islamisch", 1948439, "01.01.01"},
                      Tag{"Yazdegard", 1952063, "01.01.01"}, Tag{"Aegyptisch", 1448638, "01.01.01"},
                      Tag{"Armenisch", 1922868, "01.01.01"}, Tag{"Aethiopisch", 1724221, "01.01.01"},
                      Tag{"Koptisch", 1825030, "01.01.01"}, Tag{"Bahai", 2394647, "01.01.01"},
                      Tag{"Saka", 1749995, "01.01.01"}, Tag{"Maya", 584283, "0.0.0.0.0"},
                      // The 33-year rule, run back to the era, begins it on 19 March 622 (Julian).
                      Tag{"Iranisch", 1948320, "01.01.01"}));

INSTANTIATE_TEST_SUITE_P(
    Grenzen, BekannterTag,
    ::testing::Values(Tag{"Julianisch", 0, "01.01.-4713"}, Tag{"Gregorianisch", 0, "24.11.-4714"},
                      Tag{"Gregorianisch", 10000000, "20.12.22666"}, Tag{"Julianisch", 1721423, "31.12.-01"},
                      Tag{"Gregorianisch", 1721425, "31.12.-01"}, Tag{"Abendlaendisch", 2299160, "04.10.1582"},
                      Tag{"Abendlaendisch", 2299161, "15.10.1582"}, Tag{"Juedisch", 2460586, "29.13.5784"},
                      Tag{"Juedisch", 2460587, "01.01.5785"}, Tag{"Revolution", 2380687, "10.04.14"},
                      Tag{"Iranisch", 2451624, "01.01.1379"}, Tag{"Bahai", 2451624, "19.20.156"},
                      Tag{"Bahai", 2451625, "01.01.157"}, Tag{"Maya", 2456283, "13.0.0.0.0"},
                      Tag{"Maya", 10000000, "65.7.14.13.17"}));

TEST(KalenderBereich, AusserhalbDesBereichs) {
  const std::string aus = Cp1252("außerh. Bereich");
  EXPECT_EQ(AusserhalbBereich(), aus);
  for (const Kalender& k : AlleKalender()) {
    if (k.Erster > 0) {
      EXPECT_EQ(k.Aus(0), aus) << k.Name;
      EXPECT_EQ(k.Aus(k.Erster - 1), aus) << k.Name;
    }
    if (k.Letzter < 10000000) {
      EXPECT_EQ(k.Aus(k.Letzter + 1), aus) << k.Name;
    }
  }
}

// ---- dates of other calendars against the Gregorian calendar ----

struct Gleichung {
  const char* Kalender;
  const char* Text;
  const char* Gregorianisch;
};

std::ostream& operator<<(std::ostream& os, const Gleichung& g) {
  return os << g.Kalender << " " << g.Text << " = " << g.Gregorianisch;
}

class GregorianischGleich : public ::testing::TestWithParam<Gleichung> {};

TEST_P(GregorianischGleich, Datum) {
  const Gleichung& g = GetParam();
  std::optional<long> jd = K(g.Kalender).Zu(g.Text);
  ASSERT_TRUE(jd.has_value());
  EXPECT_EQ(JDZuGregorianisch(*jd), g.Gregorianisch);
  EXPECT_EQ(K(g.Kalender).Aus(*jd), g.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Bekannt, GregorianischGleich,
    ::testing::Values(
        // 15 Nisan (Pesach) in leap years of 385 days (5776, 5779) and of 383 days (5784);
        // Nisan is month 8 of a leap year.
        Gleichung{"Juedisch", "15.08.5776", "23.04.2016"}, Gleichung{"Juedisch", "15.08.5779", "20.04.2019"},
        Gleichung{"Juedisch", "01.08.5779", "06.04.2019"}, Gleichung{"Juedisch", "29.07.5779", "05.04.2019"},
        Gleichung{"Juedisch", "15.08.5784", "23.04.2024"}, Gleichung{"Juedisch", "01.01.5784", "16.09.2023"},
        // Nisan is month 7 of a common year: Pesach 5783 was 6 April 2023.
        Gleichung{"Juedisch", "15.07.5783", "06.04.2023"}, Gleichung{"Revolution", "01.01.01", "22.09.1792"},
        Gleichung{"Revolution", "10.04.14", "31.12.1805"},
        // The tabular Islamic calendar from Thursday, 15 July 622 (Julian); the civil
        // reckoning and the sighted new moon mostly fall a day later (19.07.2023).
        Gleichung{"Islamisch", "01.01.1445", "18.07.2023"},
        // Chaitra 1 is 22 March, in Gregorian leap years 21 March.
        Gleichung{"Maya", "13.0.0.0.0", "21.12.2012"}, Gleichung{"Saka", "01.01.1922", "21.03.2000"},
        Gleichung{"Saka", "01.01.1921", "22.03.1999"}, Gleichung{"Saka", "01.01.1946", "21.03.2024"},
        Gleichung{"Saka", "01.01.1947", "22.03.2025"},
        // Enkutatash and Nayrouz: 12 September before a Gregorian leap year, else 11 September.
        Gleichung{"Aethiopisch", "01.01.2016", "12.09.2023"}, Gleichung{"Aethiopisch", "01.01.2017", "11.09.2024"},
        Gleichung{"Koptisch", "01.01.1740", "12.09.2023"}, Gleichung{"Koptisch", "01.01.1741", "11.09.2024"},
        Gleichung{"Bahai", "01.01.01", "21.03.1844"},
        // Nowruz: the day whose noon at 52.5 degrees east follows the March equinox.
        Gleichung{"Iranisch", "01.01.1304", "21.03.1925"}, Gleichung{"Iranisch", "01.01.1354", "21.03.1975"},
        Gleichung{"Iranisch", "01.01.1399", "20.03.2020"}, Gleichung{"Iranisch", "01.01.1400", "21.03.2021"},
        Gleichung{"Iranisch", "01.01.1403", "20.03.2024"}, Gleichung{"Iranisch", "30.12.1403", "20.03.2025"},
        Gleichung{"Iranisch", "01.01.1404", "21.03.2025"}, Gleichung{"Iranisch", "01.01.1405", "21.03.2026"},
        Gleichung{"Iranisch", "01.07.1403", "22.09.2024"}, Gleichung{"Iranisch", "01.08.1403", "22.10.2024"}));

// Bahá'í intercalary days and month of fasting: 181 B.E. began on 20 March
// 2024 and ends with 'Alá' from 1 to 19 March 2025; Ayyám-i-Há has the four
// days 25 to 28 February 2025. Before 172 B.E. the year always began on 21 March.
INSTANTIATE_TEST_SUITE_P(
    Bahai, GregorianischGleich,
    ::testing::Values(Gleichung{"Bahai", "01.01.181", "20.03.2024"}, Gleichung{"Bahai", "01.19.181", "25.02.2025"},
                      Gleichung{"Bahai", "04.19.181", "28.02.2025"}, Gleichung{"Bahai", "01.20.181", "01.03.2025"},
                      Gleichung{"Bahai", "19.20.181", "19.03.2025"}, Gleichung{"Bahai", "01.01.171", "21.03.2014"},
                      Gleichung{"Bahai", "01.19.156", "26.02.2000"}, Gleichung{"Bahai", "01.20.156", "02.03.2000"}));

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
      if (fest[k])
        EXPECT_EQ(dauer, fest[k]) << "Zeile " << zeile + 1 << " Monat " << k + 1;
      else
        EXPECT_TRUE(dauer == 29 || dauer == 30) << "Zeile " << zeile + 1 << " Monat " << k + 1;
    }
    if (zeile < 3) {
      EXPECT_EQ(JuedischMonatsanfang[zeile][12], 1000);
    }
  }
  // Nisan of a complete leap year begins on day 209 of the year.
  EXPECT_EQ(JuedischMonatsanfang[5][7], 208);
}

TEST(KalenderJuedisch, JahrestypenDerPruefjahre) {
  for (auto [jahr, tage] : {std::pair{5776L, 385L}, {5779L, 385L}, {5784L, 383L}})
    EXPECT_EQ(JuedischNeujahr(jahr + 1) - JuedischNeujahr(jahr), tage) << jahr;
  EXPECT_EQ(JuedischNeujahr(5784), 2460204);  // 16 September 2023
  // Adar II has 29 days in every leap year: its "30th" is 1 Nisan.
  for (const char* jahr : {"5776", "5779", "5782", "5784"})
    EXPECT_EQ(JuedischZuJD(std::string("30.07.") + jahr), JuedischZuJD(std::string("01.08.") + jahr)) << jahr;
}

// Every year from 1 to 26500 has a valid length, and every one of its days
// goes to a date and back to the same day number.
TEST(KalenderJuedisch, AlleJahreUndAlleTage) {
  const std::set<long> laengen = {353, 354, 355, 383, 384, 385};
  long neujahr = JuedischNeujahr(1);
  ASSERT_EQ(neujahr, 347998);
  int fehler = 0;
  for (long jahr = 1; jahr <= 26500 && fehler < 10; ++jahr) {
    long naechstes = JuedischNeujahr(jahr + 1);
    long laenge = naechstes - neujahr;
    if (!laengen.count(laenge)) {
      ADD_FAILURE() << "Jahr " << jahr << " hat " << laenge << " Tage";
      ++fehler;
    }
    for (long jd = neujahr; jd < naechstes; ++jd) {
      std::string text = JDZuJuedisch(jd);
      std::optional<long> zurueck = JuedischZuJD(text);
      if (zurueck != std::optional<long>(jd)) {
        ADD_FAILURE() << "JD " << jd << " -> " << text;
        if (++fehler >= 10) break;
      }
    }
    if (jahr % 1000 == 0) {
      EXPECT_EQ(JDZuJuedisch(neujahr), DatumText(1, 1, jahr));
    }
    neujahr = naechstes;
  }
}

// ---- Bahá'í calendar: Naw-Rúz ----

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

// ---- round trips over the whole range ----

TEST(KalenderRundreise, JedesKalendersUeberDenGanzenBereich) {
  std::mt19937 zufall(20240101);
  std::vector<long> tage;
  for (long jd = 0; jd <= 10000000; jd += 997) tage.push_back(jd);
  std::uniform_int_distribution<long> verteilung(0, 10000000);
  for (int i = 0; i < 20000; ++i) tage.push_back(verteilung(zufall));
  // Every day of the years where the Bahá'í and Iranian rules change.
  for (long jd = 2456000; jd <= 2476000; ++jd) tage.push_back(jd);
  for (const Kalender& k : AlleKalender()) {
    int fehler = 0;
    for (long jd : tage) {
      if (jd < k.Erster || jd > k.Letzter) continue;
      std::string text = k.Aus(jd);
      if (k.Zu(text) != std::optional<long>(jd) && ++fehler <= 5)
        ADD_FAILURE() << k.Name << ": JD " << jd << " -> " << text;
    }
    for (long jd = k.Erster; jd <= std::min(k.Letzter, k.Erster + 3000); ++jd)
      if (k.Zu(k.Aus(jd)) != std::optional<long>(jd) && ++fehler <= 5)
        ADD_FAILURE() << k.Name << ": JD " << jd << " -> " << k.Aus(jd);
  }
}

// ---- texts ----

// Both directions: DatumText writes the text, DatumLesen reads it back.
TEST(KalenderTexte, DatumTextUndDatumLesen) {
  // The whole rest is the year: a five-digit year before the era stays whole.
  const std::pair<Datum, const char*> faelle[] = {
      {{5, 3, 1850}, "05.03.1850"},   {{20, 3, 1850}, "20.03.1850"},  {{20, 3, -1000}, "20.03.-1000"},
      {{1, 1, 5}, "01.01.05"},        {{1, 1, -5}, "01.01.-05"},      {{1, 1, 15}, "01.01.15"},
      {{1, 1, 12345}, "01.01.12345"}, {{1, 1, 22666}, "01.01.22666"}, {{1, 1, -10000}, "01.01.-10000"}};
  for (const auto& [datum, text] : faelle) {
    EXPECT_EQ(DatumText(datum.Tag, datum.Monat, datum.Jahr), text);
    std::optional<Datum> gelesen = DatumLesen(text);
    ASSERT_TRUE(gelesen.has_value()) << text;
    EXPECT_EQ(std::tie(gelesen->Tag, gelesen->Monat, gelesen->Jahr), std::tie(datum.Tag, datum.Monat, datum.Jahr))
        << text;
  }
}

TEST(KalenderTexte, DatumLesenScheitert) {
  for (const char* falsch : {"", "20.03.", "xx.03.2000", "20.ab.2000", "20.03.2000x", "20.03.20 00", "20.03.2000-5",
                             "20.03.1.5", "20.03.99999999999"})
    EXPECT_FALSE(DatumLesen(falsch).has_value()) << falsch;
}

TEST(KalenderTexte, ModUnten) {
  EXPECT_EQ(ModUnten(20, 47), 7);
  EXPECT_EQ(ModUnten(20, -3), 17);
  EXPECT_EQ(ModUnten(-20, 3), -17);
  EXPECT_EQ(ModUnten(144000, 0), 0);
}

TEST(KalenderTexte, UmrechnungScheitertAnFeldern) {
  for (const Kalender& k : AlleKalender()) {
    EXPECT_FALSE(k.Zu("").has_value()) << k.Name;
    EXPECT_FALSE(k.Zu("ab.cd.efgh").has_value()) << k.Name;
  }
  EXPECT_FALSE(MayaZuJD("12.19.6.15").has_value());
  EXPECT_FALSE(MayaZuJD("12.19.x.15.2").has_value());
  EXPECT_EQ(MayaZuJD("12.19.6.15.2.9"), std::optional<long>(2451545));
  EXPECT_FALSE(JuedischZuJD("01.14.5760").has_value());
}

TEST(KalenderTexte, UngueltigeTageLaufenWeiter) {
  EXPECT_EQ(JDZuGregorianisch(*GregorianischZuJD("31.02.2001")), "03.03.2001");
  EXPECT_EQ(JDZuGregorianisch(*GregorianischZuJD("32.12.1999")), "01.01.2000");
  EXPECT_EQ(JDZuJulianisch(*AbendlaendischZuJD("04.10.1582")), "04.10.1582");
  EXPECT_EQ(*AbendlaendischZuJD("15.10.1582"), 2299161);
}

// ---- Easter ----

TEST(KalenderOstern, BekannteJahre) {
  const std::tuple<long, const char*, const char*> faelle[] = {
      {2000, "23.04.", "17.04."}, {1981, "19.04.", ""},       {1954, "18.04.", ""}, {1583, "10.04.", "31.03."},
      {2024, "31.03.", "22.04."}, {2025, "20.04.", "07.04."}, {1818, "22.03.", ""}, {2038, "25.04.", ""},
      {1943, "25.04.", ""},       {2285, "22.03.", ""}};
  for (const auto& [jahr, gregorianisch, julianisch] : faelle) {
    EXPECT_EQ(OsternGregorianisch(jahr), gregorianisch) << jahr;
    if (*julianisch) {
      EXPECT_EQ(OsternJulianisch(jahr), julianisch) << jahr;
    }
  }
}

TEST(KalenderOstern, OsterSonntagIstEinSonntag) {
  // JD + 1 is divisible by 7 on a Sunday.
  for (long jahr = 1583; jahr <= 4000; ++jahr) {
    long jd = *GregorianischZuJD(OsternGregorianisch(jahr) + std::to_string(jahr));
    ASSERT_EQ((jd + 1) % 7, 0) << jahr;
  }
  for (long jahr = 532; jahr <= 4000; ++jahr) {
    long jd = *JulianischZuJD(OsternJulianisch(jahr) + std::to_string(jahr));
    ASSERT_EQ((jd + 1) % 7, 0) << jahr;
  }
  // Julian Easter 2024 is 5 May in the Gregorian calendar.
  EXPECT_EQ(JDZuGregorianisch(*JulianischZuJD(OsternJulianisch(2024) + "2024")), "05.05.2024");
}

}  // namespace
}  // namespace kolvaro
