// Reading numbers and the two result texts, to the character.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "basis/Zahlformat.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

// WissText is compared with the library's conversion further down.
TEST(Zahlformat, FliessText) {
  // 16 characters (-1.234.567.890,5) fit the field, nothing is cut.
  using F = std::pair<long double, const char*>;
  for (const auto& [wert, text] :
       {F{1.5L, "1,5000000000"}, F{1234.5678L, "1.234,5678000"}, F{-123.5L, "-123,50000000"},
        F{12345678901.0L, "12345678901"}, F{9.9e12L, "9900000000000"}, F{9900000000001.0L, "9,900000E+0012"},
        F{6e-11L, "0,0000000001"}, F{4e-11L, "4,000000E-0011"}, F{1000000.0L, "1.000.000,0000"},
        F{-1234.5L, "-1.234,5000000"}, F{9.99999999996L, "10,0000000000"}, F{0.0L, "0,000000E+0000"},
        F{-1234567890.5L, "-1.234.567.890,5"}, F{-9999999999.96L, "-10.000.000.000,0"}})
    EXPECT_EQ(FliessText(wert), text);
}

TEST(Zahlformat, FesteWissenschaftlicheFormen) {
  EXPECT_EQ(WissText23(1.5L), " 1.50000000000000E+0000");
  EXPECT_EQ(WissText23(-5.5L), "-5.50000000000000E+0000");
  EXPECT_EQ(WissText23(1.23456789012345678e-300L), " 1.23456789012346E-0300");
  EXPECT_EQ(WissText23(6.02e4000L), " 6.02000000000000E+4000");
  EXPECT_EQ(WissText17(0.028316846592L), " 2,83168466E-0002");
  EXPECT_EQ(WissText17(-1000.0L), "-1,00000000E+0003");
  EXPECT_EQ(WissText17(9.999999999L), " 1,00000000E+0001");
  EXPECT_EQ(WissText23(HUGE_VALL), "");
  // What the forms write reads back as the value, to their digits.
  EXPECT_EQ(*ZahlLesen(WissText23(-5.5L)), -5.5L);
  EXPECT_EQ(*ZahlLesen(WissText17(0.028316846592L)), 0.0283168466L);
}

TEST(ZahlLesen, GueltigeUndUngueltigeFormen) {
  // "1E-6000" is below the range: zero, which callers refuse.
  const std::pair<const char*, long double> faelle[] = {
      {"2,5", 2.5L}, {"2.5", 2.5L},   {"-3", -3.0L}, {"+3", 3.0L},        {",5", 0.5L},     {"5.", 5.0L},
      {"1E3", 1e3L}, {"1e-3", 1e-3L}, {" 7 ", 7.0L}, {"1E4000", 1e4000L}, {"1E-6000", 0.0L}};
  for (const auto& [text, wert] : faelle) EXPECT_EQ(ZahlLesen(text), wert) << text;
  for (const char* text :
       {"", "abc", "1,2,3", "1.2.3", "E5", "1E", "1E+", "--1", "inf", "nan", "0x10", "1 2", "1E5000", "-", ","})
    EXPECT_FALSE(ZahlLesen(text).has_value()) << text;
}

TEST(ZahlLesen, GanzeZahlen) {
  EXPECT_EQ(Ganzzahl32Lesen("2451545"), std::optional<long>(2451545));
  EXPECT_EQ(Ganzzahl32Lesen("  -1"), std::optional<long>(-1));
  EXPECT_EQ(Ganzzahl32Lesen("+7"), std::optional<long>(7));
  EXPECT_EQ(Ganzzahl32Lesen("2147483647"), std::optional<long>(2147483647));
  EXPECT_EQ(Ganzzahl32Lesen("-2147483648"), std::optional<long>(-2147483648L));
  for (const char* falsch : {"", " ", "-", "2451545.5", "1 ", "2147483648", "1e5", "0x10", "--1"})
    EXPECT_FALSE(Ganzzahl32Lesen(falsch).has_value()) << falsch;
}

// The exact fast paths must agree with the library's correctly rounded
// conversions everywhere, ties included.
std::string WissReferenz(long double r) {
  char p[64];
  auto [e, f] = std::to_chars(p, p + 64, std::fabs(r), std::chars_format::scientific, 6);
  std::string roh(p, e);
  auto x = roh.find('e');
  std::string exp = roh.substr(x + 2);
  while (exp.size() < 4) exp = "0" + exp;
  std::string t = (r < 0 ? "-" : "") + roh.substr(0, x) + "E" + roh[x + 1] + exp;
  for (char& c : t)
    if (c == '.') c = ',';
  return t;
}

TEST(Zahlformat, ExakteWegeStimmenMitDerBibliothekUeberein) {
  std::mt19937_64 zufall(42);
  std::uniform_real_distribution<double> exponent(-14.0, 19.0);
  for (int i = 0; i < 20000; ++i) {
    long double x = std::pow(10.0L, static_cast<long double>(exponent(zufall)));
    if (i % 3 == 0) x = std::round(x * 1e6L) / 1e6L + 0.5e-6L;  // near-ties
    ASSERT_EQ(WissText(x).Bytes(), WissReferenz(x)) << static_cast<double>(x);
    ASSERT_EQ(WissText(-x).Bytes(), WissReferenz(-x));
  }
  // Exact ties round to even, as the library does.
  EXPECT_EQ(WissText(1.0000005L).Bytes(), WissReferenz(1.0000005L));
  EXPECT_EQ(WissText(2.5e-6L), "2,500000E-0006");
  EXPECT_EQ(FliessText(0.125L), "0,1250000000");
  EXPECT_EQ(FliessText(12345678900.5L), "12345678900");  // ties to even
  EXPECT_EQ(FliessText(12345678901.5L), "12345678902");
}

// Both displays next to every power of ten of the whole range, where the
// decimal exponent changes and a first guess of it is most easily off by
// one: the value itself, its neighbours a few steps away, and what the
// reader makes of 9,99...9E-k with 19 to 21 nines (the form that once gave
// 1,611392E-0014 for 9,9999999999999999999E-14).
TEST(Zahlformat, NebenJederZehnerpotenzWieDieBibliothek) {
  auto fliessReferenz = [](long double x) {
    char p[128];
    std::snprintf(p, sizeof p, "%.*Lf", FliessDezimalen(x), std::fabs(x));
    std::string t = p;
    // Group marks only where there is a decimal comma: whole numbers stand bare.
    const auto punkt = t.find('.');
    if (punkt != std::string::npos) {
      t[punkt] = ',';
      for (auto g = static_cast<std::ptrdiff_t>(punkt) - 3; g > 0; g -= 3)
        t.insert(static_cast<std::size_t>(g), 1, '.');
    }
    return (x < 0 ? "-" : "") + t;
  };
  for (int k = -4930; k <= 4930; ++k) {
    const long double potenz = *ZahlLesen("1E" + std::to_string(k));
    std::vector<long double> werte = {potenz};
    long double unten = potenz, oben = potenz;
    for (int schritt = 0; schritt < 3; ++schritt) {
      unten = std::nextafter(unten, 0.0L);
      oben = std::nextafter(oben, HUGE_VALL);
      werte.push_back(unten);
      if (std::isfinite(oben)) werte.push_back(oben);
    }
    for (int neunen = 19; neunen <= 21; ++neunen)
      if (auto x = ZahlLesen("9," + std::string(static_cast<std::size_t>(neunen), '9') + "E" + std::to_string(k - 1)))
        werte.push_back(*x);
    for (long double x : werte) {
      if (x == 0.0L) continue;
      ASSERT_EQ(WissText(x).Bytes(), WissReferenz(x)) << "1E" << k;
      ASSERT_EQ(WissText(-x).Bytes(), WissReferenz(-x)) << "1E" << k;
      const long double betrag = std::fabs(x);
      if (betrag >= 5e-11L && betrag <= 9.9e12L)
        ASSERT_EQ(FliessText(x).Bytes(), fliessReferenz(x)) << "1E" << k;
      else
        ASSERT_EQ(FliessText(x), WissText(x)) << "1E" << k;
    }
  }
  EXPECT_EQ(WissText(*ZahlLesen("9,9999999999999999999E-14")), "1,000000E-0013");
}

TEST(Zahlformat, SchnellesLesenStimmtMitDerBibliothekUeberein) {
  std::mt19937_64 zufall(7);
  for (int i = 0; i < 20000; ++i) {
    std::string text = std::to_string(zufall() % 100000000000000000ULL);
    const int punkt = static_cast<int>(zufall() % (text.size() + 1));
    text.insert(static_cast<std::size_t>(punkt), ".");
    if (i % 2) text += "E" + std::to_string(static_cast<int>(zufall() % 50) - 25);
    long double referenz = 0;
    std::from_chars(text.data(), text.data() + text.size(), referenz);
    auto gelesen = ZahlLesen(text);
    ASSERT_TRUE(gelesen.has_value()) << text;
    ASSERT_EQ(*gelesen, referenz) << text;
  }
  EXPECT_EQ(ZahlLesen("0.3138535"), 0.3138535L);
  EXPECT_EQ(ZahlLesen("1.602176634E-19"), 1.602176634e-19L);
  EXPECT_EQ(ZahlLesen("12345678901234567890123"), 12345678901234567890123.0L);
}

}  // namespace
}  // namespace kolvaro
