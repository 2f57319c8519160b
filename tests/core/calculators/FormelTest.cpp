#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "basis/Formel.h"
#include "basis/Zeichensatz.h"

using namespace kolvaro;

namespace {

struct Auswertung {
  double Wert;
  std::vector<std::string> Fehler;
};

Auswertung Auswerten(const std::string& text, double x = 0.0) {
  Auswertung a{};
  a.Wert = FormelAuswerten(Cp1252(text).Sicht(), x, [&](const Text1252& d) { a.Fehler.push_back(Cp1252NachUtf8(d)); });
  return a;
}

}  // namespace

// Equal operators group from the left; "-" binds weaker than "^" (2^-2 is
// (2^)-2); the exponent is rounded half to even.
TEST(Formel, RechnetNachDerRangfolgeDerOperatoren) {
  // clang-format off
  const std::pair<const char*, double> faelle[] = {
      {"", 0.0},        {"1,5+2", 3.5},      {"2 * 3 + 4", 10.0}, {"10-4-3", 3.0},   {"2^3^2", 64.0},
      {"12/3/2", 2.0},  {"12:3", 4.0},       {"3·4", 12.0},       {"-2+5", 3.0},     {"(1+2)*(3+4)", 21.0},
      {"2^(-2)", 0.25}, {"2^-2", -1.0},      {"2^2,5", 4.0},      {"2^3,5", 16.0},   {"wur(16)", 4.0},
      {"lg1000", 3.0},  {"lb8", 3.0},        {"lnexp(2)", 2.0},   {"si_90", 1.0},    {"as_1", 90.0},
      {"abs(-3)", 3.0}, {"int(-2,7)", -2.0}, {"rou2,5", 3.0},     {"x*x", 9.0},      {"acs(-1)", 3.141592653589793},
      {"2*Pi", 6.283185307179586}};
  // clang-format on
  for (const auto& [text, wert] : faelle) {
    Auswertung a = Auswerten(text, 3.0);
    EXPECT_NEAR(a.Wert, wert, 1e-12) << text;
    EXPECT_TRUE(a.Fehler.empty()) << text << ": " << a.Fehler.front();
  }
}

TEST(Formel, MeldetJedenFehlerUndZaehltDenTeilAlsNull) {
  const std::tuple<const char*, double, std::vector<std::string>> faelle[] = {
      {"2+Xy", 2.0, {"Syntaxf. in Xy"}},
      {"Xy+1+Zz", 1.0, {"Syntaxf. in Xy", "Syntaxf. in Zz"}},
      {"5/0+1", 1.0, {"5/0"}},
      {"ln(0)", 0.0, {"Fehler in ln(0)"}},
      {"wur(-4)", 0.0, {"Fehler in wur(-4)"}},
      {"asn2", 0.0, {"Fehler in asn2"}},
      {"(1+2", 2.0, std::vector<std::string>(7, "(1|-1 Klammern zu viel!")},
  };
  for (const auto& [text, wert, fehler] : faelle) {
    Auswertung a = Auswerten(text);
    EXPECT_NEAR(a.Wert, wert, 1e-12) << text;
    EXPECT_EQ(a.Fehler, fehler) << text;
  }
}

TEST(Formel, ZaehltUeberzaehligeKlammernBeiJederOperatorsuche) {
  Auswertung a = Auswerten("2)");
  // Seven operators searched, each reports the surplus bracket; the rest is unreadable.
  ASSERT_EQ(a.Fehler.size(), 8u);
  EXPECT_EQ(a.Fehler.front(), "2)|1 Klammern zu viel!");
  EXPECT_EQ(a.Fehler.back(), "Syntaxf. in 2)");
}

TEST(Formel, RiesigeExponentenUndTiefeSchachtelungEndenSofort) {
  EXPECT_EQ(Auswerten("1^999999999999").Wert, 1.0);
  EXPECT_EQ(Auswerten("(-1)^1000000001").Wert, -1.0);
  EXPECT_TRUE(std::isinf(Auswerten("2^99999999").Wert));
  EXPECT_EQ(Auswerten("0,5^99999999").Wert, 0.0);

  std::string tief = std::string(5000, '(') + "1" + std::string(5000, ')');
  Auswertung a = Auswerten(tief);
  EXPECT_EQ(a.Wert, 0.0);
  ASSERT_EQ(a.Fehler.size(), 1u);
  EXPECT_NE(a.Fehler.front().find("zu tief geschachtelt"), std::string::npos);

  std::string kette = "1";
  for (int i = 0; i < 20000; ++i) kette += "+1";
  EXPECT_EQ(Auswerten(kette).Fehler.size(), 1u);
}
