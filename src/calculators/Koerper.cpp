// The sixteen solids of the solid calculator.
#include <cmath>

#include "basis/Zeichensatz.h"
#include "calculators/Rechenfigur.h"

namespace kolvaro {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

Rechenfigur Koerper(const char* name, const char* bild, std::vector<const char*> eingaben,
                    std::array<const char*, 2> weitere, Ergebniswerte (*rechnen)(const Eingabewerte&),
                    Figurpruefung pruefung = Figurpruefung::Keine, const char* volumen = "Volumen V =") {
  Rechenfigur f;
  f.Name = Cp1252(name);
  f.Bild = bild;
  for (const char* e : eingaben) f.Eingaben.push_back(Cp1252(e));
  f.Ergebnisse = {Cp1252(volumen), Cp1252(weitere[0]), Cp1252(weitere[1])};
  f.Pruefung = pruefung;
  f.Rechnen = rechnen;
  return f;
}

long double Quadrat(long double x) { return x * x; }

}  // namespace

const std::vector<Rechenfigur>& Koerperfiguren() {
  using E = Eingabewerte;
  static const std::vector<Rechenfigur> liste = {
      Koerper("Würfel", "WUERFEL", {"a"}, {"Oberfläche Ao =", "Diagonale d ="},
              [](const E& e) -> Ergebniswerte {
                return {e[0] * e[0] * e[0], 6 * e[0] * e[0], std::sqrt(3.0L) * e[0]};
              }),
      Koerper("Quader", "QUADER", {"a", "b", "c"}, {"Oberfläche Ao =", "Diagonale d ="},
              [](const E& e) -> Ergebniswerte {
                return {e[0] * e[1] * e[2], 2 * (e[0] * e[1] + e[0] * e[2] + e[1] * e[2]),
                        std::sqrt(Quadrat(e[0]) + Quadrat(e[1]) + Quadrat(e[2]))};
              }),
      Koerper("Pyramide", "PYRAMIDE", {"a", "b", "h"}, {"", ""},
              [](const E& e) -> Ergebniswerte {
                return {e[0] * e[1] * e[2] / 3, 0, 0};
              }),
      Koerper("Pyramidenstumpf", "PYRAMIDENSTUMPF", {"a1", "b1", "a2", "b2", "h"}, {"", ""},
              [](const E& e) -> Ergebniswerte {
                // The rule h/3·(A1 + A2 + √(A1·A2)) holds only for a top similar to the base. Through
                // the mid-section, whose sides are the means of the two rectangles', the prismatoid rule
                // h/6·(A1 + 4·Am + A2) is exact for any two parallel rectangles joined by trapezoids.
                const long double unten = e[0] * e[1], oben = e[2] * e[3];
                const long double mitte4 = (e[0] + e[2]) * (e[1] + e[3]);
                return {(unten + mitte4 + oben) * e[4] / 6, 0, 0};
              }),
      Koerper(
          "Zylinder", "ZYLINDER", {"d", "h"}, {"Mantelfläche Am =", "Oberfläche Ao ="},
          [](const E& e) -> Ergebniswerte {
            return {kPi / 4 * Quadrat(e[0]) * e[1], kPi * e[0] * e[1], kPi * e[0] * e[1] + 2 * kPi * Quadrat(e[0]) / 4};
          }),
      Koerper(
          "Zylinder, Hohl-", "HOHLZYLINDER", {"D", "d", "h"}, {"", ""},
          [](const E& e) -> Ergebniswerte {
            return {(Quadrat(e[0]) - Quadrat(e[1])) * kPi / 4 * e[2], 0, 0};
          },
          Figurpruefung::DGroesserKleinD),
      Koerper("Zylinder, schief abgeschnitten", "ZYLINDER_SCHIEF", {"d", "h"}, {"", ""},
              [](const E& e) -> Ergebniswerte {
                return {kPi / 4 * Quadrat(e[0]) * e[1], 0, 0};
              }),
      Koerper("Kegel", "KEGEL", {"d", "h"}, {"Mantelfläche Am =", "Seitenlänge s ="},
              [](const E& e) -> Ergebniswerte {
                return {kPi / 4 * Quadrat(e[0]) * e[1] / 3,
                        std::sqrt(Quadrat(e[0]) / 4 + Quadrat(e[1])) * kPi * e[0] / 2,
                        std::sqrt(Quadrat(e[0] / 2) + Quadrat(e[1]))};
              }),
      Koerper(
          "Kegelstumpf", "KEGELSTUMPF", {"D", "d", "h"}, {"Mantelfläche Am =", "Seitenlänge s ="},
          [](const E& e) -> Ergebniswerte {
            const long double s = std::sqrt(Quadrat((e[0] - e[1]) / 2) + Quadrat(e[2]));
            return {kPi * e[2] / 12 * (Quadrat(e[0]) + Quadrat(e[1]) + e[0] * e[1]), kPi / 2 * s * (e[0] + e[1]), s};
          },
          Figurpruefung::DGroesserKleinD),
      Koerper("Kugel", "KUGEL", {"d"}, {"Oberfläche Ao =", ""},
              [](const E& e) -> Ergebniswerte {
                return {kPi / 6 * e[0] * e[0] * e[0], kPi * Quadrat(e[0]), 0};
              }),
      Koerper("Kugelabschnitt", "KUGELABSCHNITT", {"s", "h"}, {"Mantelfläche Am =", ""},
              [](const E& e) -> Ergebniswerte {
                return {kPi * e[1] * (Quadrat(e[0]) / 8 + Quadrat(e[1]) / 6),
                        kPi / 4 * (Quadrat(e[0]) + 4 * Quadrat(e[1])), 0};
              }),
      Koerper(
          "Kugelzone", "KUGELZONE", {"h", "a", "b"}, {"", ""},
          [](const E& e) -> Ergebniswerte {
            return {kPi / 6 * e[0] * (3 * Quadrat(e[1]) + 3 * Quadrat(e[2]) + Quadrat(e[0])), 0, 0};
          },
          Figurpruefung::BGroesserA),
      Koerper("Kugel, zylindrisch durchbohrt", "KUGEL_ZYL_DURCHBOHRT", {"h"}, {"", ""},
              [](const E& e) -> Ergebniswerte {
                return {kPi / 6 * e[0] * e[0] * e[0], 0, 0};
              }),
      Koerper("Kugel, kegelig durchbohrt", "KUGEL_KEGEL_DURCHBOHRT", {"r", "h"}, {"Oberfläche Ao =", ""},
              [](const E& e) -> Ergebniswerte {
                return {2 * kPi / 3 * Quadrat(e[0]) * e[1],
                        (std::sqrt(Quadrat(e[0]) - Quadrat(e[1]) / 4) + e[1]) * 2 * kPi * e[0], 0};
              }),
      Koerper("Kreisring", "KREISRINGV", {"D", "d"}, {"Oberfläche Ao =", ""},
              [](const E& e) -> Ergebniswerte {
                return {kPi * kPi / 4 * e[0] * Quadrat(e[1]), kPi * kPi * e[0] * e[1], 0};
              }),
      Koerper(
          "Fass", "FASS", {"D", "d", "h"}, {"", ""},
          [](const E& e) -> Ergebniswerte {
            return {kPi / 12 * e[2] * (2 * Quadrat(e[0]) + Quadrat(e[1])), 0, 0};
          },
          Figurpruefung::DGroesserKleinD, "Volumen V ca."),
  };
  return liste;
}

}  // namespace kolvaro
