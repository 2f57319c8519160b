#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "calculators/Ergebnistext.h"
#include "calculators/Rechenfigur.h"

using namespace kolvaro;

namespace {

Rechnerergebnis Berechnen(const std::vector<Rechenfigur>& liste, const char* name,
                          std::array<std::string, kRecheneingaben> texte) {
  const Rechenfigur* figur = FigurFinden(liste, Cp1252(name));
  if (!figur) throw std::runtime_error(name);
  return FigurBerechnen(*figur, texte);
}

}  // namespace

TEST(Ergebnistext, WaehltDieDezimalenNachDerGroesseUndKuerztNullen) {
  // 9,99999999999: the decimals are chosen before rounding.
  // clang-format off
  const std::pair<long double, const char*> faelle[] = {
      {4, "4,0"}, {12.5L, "12,5"}, {2.8284271247461903L, "2,8284271247"}, {-3.25L, "-3,25"},
      {123456.789L, "123456,789"}, {10000000000.0L, "10000000000"}, {9.9e12L, "9900000000000"},
      {0, "0,000000E+0000"}, {1e13L, "1,000000E+0013"}, {4e-11L, "4,000000E-0011"}, {9.99999999999L, "10,0"}};
  // clang-format on
  for (const auto& [wert, text] : faelle) EXPECT_EQ(ErgebnisText(wert), text) << text;
}

TEST(Rechenfigur, BerechnetFlaechenUndKoerper) {
  const auto& fl = Flaechenfiguren();
  const auto& kp = Koerperfiguren();
  ASSERT_EQ(kp.size(), 16u);  // the thirteen areas: golden flaeche_liste
  const struct {
    const std::vector<Rechenfigur>& Liste;
    const char* Name;
    std::array<std::string, 5> Eingaben;
    std::vector<std::string> Werte;
  } faelle[] = {
      {fl, "Kreis", {"1"}, {"0,7853981634", "3,1415926536", ""}},
      {fl, "Rechteck", {"1,5", "2.0"}, {"3,0", "7,0", "2,5"}},
      {fl, "Kreisausschnitt", {"1", "360"}, {"3,1415926536", "6,2831853072", ""}},
      {fl, "Vieleck, regelmäßiges", {"4", "2"}, {"4,0", "8,0", ""}},
      {fl, "Ellipse", {"4", "2"}, {"6,2831853072", "9,6884480932", ""}},
      {fl, "Trapez", {"1", "3", "2"}, {"4,0", "", ""}},
      {fl, "Quadrat", {"-2"}, {"4,0", "-8,0", "-2,8284271247"}},  // negative lengths pass
      {kp, "Würfel", {"2"}, {"8,0", "24,0", "3,4641016151"}},
      {kp, "Kugel", {"1"}, {"0,5235987756", "3,1415926536", ""}},
      {kp, "Pyramidenstumpf", {"1", "1", "1", "1", "3"}, {"3,0", "", ""}},
      {kp, "Kegel", {"6", "4"}, {"37,699111843", "47,123889804", "5,0"}},
      {kp, "Fass", {"2", "1", "3"}, {"7,0685834706", "", ""}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    Rechnerergebnis r = Berechnen(f.Liste, f.Name, f.Eingaben);
    EXPECT_TRUE(r.Ablauf.Erfolg);
    EXPECT_EQ(r.Werte, f.Werte);
  }
}

TEST(Rechenfigur, LehntFalscheEingabenMitMeldungUndFeldAb) {
  const auto& fl = Flaechenfiguren();
  const auto& kp = Koerperfiguren();
  const std::string eingabe = Cp1252("Falsche Eingabe im Werteingabeld! Bitte ändern! ");
  const std::string durchmesser = Cp1252("D muss größer als d sein! Bitte ändern! ");
  const std::string kein = Cp1252("Mit diesen Werten gibt es kein reelles Ergebnis! Bitte ändern! ");
  const struct {
    const std::vector<Rechenfigur>& Liste;
    const char* Name;
    std::array<std::string, 5> Eingaben;
    std::string Meldung;  // empty: stops silently
    int Feld;
  } faelle[] = {
      {fl, "Rechteck", {"2", ""}, eingabe, 2},
      {fl, "Rechteck", {"x", "2"}, eingabe, 1},
      {fl, "Rechteck", {"0", "x"}, "", 1},  // a zero stops before the next field is read
      {fl, "Kreisring", {"2", "2"}, durchmesser, 1},
      {fl, "Ellipse", {"3", "4"}, durchmesser, 1},
      {fl, "Kreisausschnitt", {"1", "360,5"}, Cp1252("Der Winkel darf maximal 360 Grad betragen! Bitte ändern! "), 2},
      {fl, "Ellipse", {"-1", "-2"}, kein, 1},  // the logarithm of a negative ratio
      {kp, "Kegelstumpf", {"2", "2", "1"}, durchmesser, 1},
      {kp, "Kugelzone", {"1", "2", "2"}, Cp1252("b muss größer als a sein! Bitte ändern! "), 2},
      {kp, "Kugel, kegelig durchbohrt", {"1", "3"}, kein, 1},
      {kp, "Würfel", {"1E2000"}, kein, 1},  // beyond the range of a result
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    Rechnerergebnis r = Berechnen(f.Liste, f.Name, f.Eingaben);
    EXPECT_FALSE(r.Ablauf.Erfolg);
    EXPECT_TRUE(r.Werte.empty());
    EXPECT_EQ(r.Ablauf.Fehler ? r.Ablauf.Fehler->Text : "", f.Meldung);
    EXPECT_TRUE(f.Meldung.empty() || r.Eingabefeld == f.Feld) << r.Eingabefeld;
  }
}
