#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "calculators/Ergebnistext.h"
#include "calculators/Rechenfigur.h"
#include "gemeinsam/Testdaten.h"

using namespace kolvaro;

namespace {

Rechenergebnis Berechnen(const std::vector<Rechenfigur>& liste, const char* name,
                         const std::array<std::string, kRecheneingaben>& eingaben) {
  const Rechenfigur* figur = FigurFinden(liste, Cp1252(name));
  if (!figur) throw std::runtime_error(name);
  std::array<Text1252, kRecheneingaben> texte;
  for (std::size_t i = 0; i < texte.size(); ++i) texte[i] = Cp1252(eingaben[i]);
  return FigurBerechnen(*figur, texte);
}

// The result texts as UTF-8.
std::vector<std::string> Werte(const Rechenergebnis& r) {
  std::vector<std::string> werte;
  for (const Text1252& w : r.Werte) werte.push_back(Cp1252NachUtf8(w));
  return werte;
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

// Every figure and every solid, each against a value found another way than by the formula the program uses
// (the right-hand comment says how); the flat segment also takes the short arc's series.
TEST(Rechenfigur, BerechnetJedeFigurUndJedenKoerper) {
  const auto& fl = Flaechenfiguren();
  const auto& kp = Koerperfiguren();
  const struct {
    const std::vector<Rechenfigur>& Liste;
    const char* Name;
    std::array<std::string, 5> Eingaben;
    std::vector<std::string> Werte;
  } faelle[] = {
      // clang-format off
      {fl, "Quadrat", {"-2"}, {"4,0", "-8,0", "-2,8284271247"}},           // negative lengths pass; d = √(a² + a²)
      {fl, "Rechteck", {"1,5", "2.0"}, {"3,0", "7,0", "2,5"}},             // d: the triangle 3-4-5, halved
      {fl, "Raute", {"5", "4"}, {"20,0", "20,0", ""}},                     // diagonals √80 and √20: e·f/2
      {fl, "Parallelogramm", {"3", "2,5"}, {"7,5", "", ""}},               // a triangle moved: rectangle 3 × 2,5
      {fl, "Trapez", {"1", "3", "2"}, {"4,0", "", ""}},                    // rectangle 1 × 2 and two triangles
      {fl, "Dreieck", {"3", "4"}, {"6,0", "", ""}},                        // Heron for 3, 4, 5: √(6·3·2·1)
      {fl, "Dreieck, gleichseitig", {"2"}, {"1,7320508076", "", ""}},      // Heron for 2, 2, 2: √3
      {fl, "Vieleck, regelmäßiges", {"6", "2"}, {"10,392304845", "12,0", ""}},  // six equilateral triangles: 6√3
      {fl, "Kreis", {"1"}, {"0,7853981634", "3,1415926536", ""}},          // π/4 and π
      {fl, "Kreisring", {"3", "1"}, {"6,2831853072", "", ""}},             // circles 9π/4 − π/4
      {fl, "Kreisausschnitt", {"1", "360"}, {"3,1415926536", "6,2831853072", ""}},  // the whole circle
      {fl, "Kreisabschnitt", {"2", "1"}, {"1,5707963268", "", ""}},        // chord through the centre: half of π
      {fl, "Kreisabschnitt", {"8", "1"}, {"5,3994168218", "", ""}},        // r = 8,5: ∫ chord widths over the height
      {fl, "Ellipse", {"5", "4"}, {"15,707963268", "14,180833944", ""}},   // U = 4·2,5·E(0,36), elliptic integral
      {kp, "Würfel", {"2"}, {"8,0", "24,0", "3,4641016151"}},              // d = √(4 + 4 + 4)
      {kp, "Quader", {"1", "2", "2"}, {"4,0", "16,0", "3,0"}},             // by hand; d = √(1 + 4 + 4)
      {kp, "Pyramide", {"3", "2", "4"}, {"8,0", "", ""}},                  // a third of the prism 3 × 2 × 4
      {kp, "Pyramidenstumpf", {"1", "10", "10", "1", "1"}, {"23,5", "", ""}},  // ∫ (1 + 9t)(10 − 9t) dt, 0 to 1
      {kp, "Zylinder", {"2", "3"}, {"9,4247779608", "18,849555922", "25,132741229"}},  // 3π; unrolled 2π × 3; + 2π
      {kp, "Zylinder, Hohl-", {"2", "1", "4"}, {"9,4247779608", "", ""}},  // cylinders 4π − π
      {kp, "Zylinder, schief abgeschnitten", {"2", "3"}, {"9,4247779608", "", ""}},  // the wedge fills up: 3π
      {kp, "Kegel", {"6", "4"}, {"37,699111843", "47,123889804", "5,0"}},  // 12π; unrolled sector π·3·5; 3-4-5
      {kp, "Kegelstumpf", {"8", "2", "4"}, {"87,964594301", "78,53981634", "5,0"}},  // cones of height 16/3 and 4/3
      {kp, "Kugel", {"1"}, {"0,5235987756", "3,1415926536", ""}},          // 4/3·π·(1/2)³ and 4π·(1/2)²
      {kp, "Kugelabschnitt", {"2", "1"}, {"2,0943951024", "6,2831853072", ""}},  // the half of the unit sphere
      {kp, "Kugelzone", {"3", "4", "5"}, {"207,34511514", "", ""}},        // ∫ π(25 − z²) dz, 0 to 3: 66π
      {kp, "Kugel, zylindrisch durchbohrt", {"6"}, {"113,09733553", "", ""}},  // r = 5, bore 4: ∫ π(9 − z²), −3 to 3
      {kp, "Kugel, kegelig durchbohrt", {"5", "6"}, {"314,15926536", "314,15926536", ""}},  // sphere − 2 sectors; 60π + 40π
      {kp, "Kreisring", {"4", "2"}, {"39,478417604", "78,956835209", ""}},  // Pappus: π·1² · 4π and 2π · 4π
      {kp, "Fass", {"10", "8", "6"}, {"414,69023027", "", ""}},            // a zone of the sphere r = 5: 132π
      // clang-format on
  };
  std::set<std::string> gerechnet;
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    Rechenergebnis r = Berechnen(f.Liste, f.Name, f.Eingaben);
    EXPECT_TRUE(r.Erfolg);
    EXPECT_EQ(Werte(r), f.Werte);
    gerechnet.insert((&f.Liste == &fl ? "F " : "K ") + std::string(f.Name));
  }
  EXPECT_EQ(gerechnet.size(), fl.size() + kp.size());
  EXPECT_EQ(fl.size() + kp.size(), 29u);
}

TEST(Rechenfigur, LehntFalscheEingabenMitMeldungUndFeldAb) {
  const auto& fl = Flaechenfiguren();
  const auto& kp = Koerperfiguren();
  const std::string eingabe = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
  const std::string durchmesser = "D muss größer als d sein! Bitte ändern! ";
  const std::string kein = "Mit diesen Werten gibt es kein reelles Ergebnis! Bitte ändern! ";
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
      {fl, "Kreisausschnitt", {"1", "360,5"}, "Der Winkel darf maximal 360 Grad betragen! Bitte ändern! ", 2},
      {fl, "Ellipse", {"-1", "-2"}, kein, 1},                 // the logarithm of a negative ratio
      {fl, "Vieleck, regelmäßiges", {"2", "1"}, eingabe, 1},  // no polygon below three corners
      {fl, "Vieleck, regelmäßiges", {"1", "1"}, eingabe, 1},
      {fl, "Vieleck, regelmäßiges", {"4,5", "1"}, eingabe, 1},
      {kp, "Kegelstumpf", {"2", "2", "1"}, durchmesser, 1},
      {kp, "Kugelzone", {"1", "2", "2"}, "b muss größer als a sein! Bitte ändern! ", 2},
      {kp, "Kugel, kegelig durchbohrt", {"1", "3"}, kein, 1},
      {kp, "Würfel", {"1E2000"}, kein, 1},  // beyond the range of a result
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Name);
    Rechenergebnis r = Berechnen(f.Liste, f.Name, f.Eingaben);
    EXPECT_FALSE(r.Erfolg);
    EXPECT_TRUE(r.Werte.empty());
    EXPECT_EQ(r.Fehler ? Cp1252NachUtf8(r.Fehler->Text) : "", f.Meldung);
    EXPECT_TRUE(f.Meldung.empty() || r.Feld == Rechenwertfeld(f.Feld)) << static_cast<int>(r.Feld);
    if (f.Meldung == eingabe) {
      EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);
    }
  }
}
