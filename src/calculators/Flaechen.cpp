// The thirteen plane figures of the area calculator.
#include <cmath>

#include "basis/Zeichensatz.h"
#include "calculators/Rechenfigur.h"

namespace kolvaro {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kPiViertel = kPi / 4;

Rechenfigur Figur(const char* name, const char* bild, std::vector<const char*> eingaben,
                  std::array<const char*, 2> weitere, Ergebniswerte (*rechnen)(const Eingabewerte&),
                  Figurpruefung pruefung = Figurpruefung::Keine) {
  Rechenfigur f;
  f.Name = Cp1252(name);
  f.Bild = bild;
  for (const char* e : eingaben) f.Eingaben.push_back(Cp1252(e));
  f.Ergebnisse = {Cp1252("Fläche A ="), Cp1252(weitere[0]), Cp1252(weitere[1])};
  f.Pruefung = pruefung;
  f.Rechnen = rechnen;
  return f;
}

// The perimeter of an ellipse by the series in λ = (p − q)/(p + q), the
// powers taken as e^(k·ln λ).
long double EllipsenUmfang(long double D, long double d) {
  const long double p = D / 2, q = d / 2;
  const long double lambda = (p - q) / (p + q);
  auto hoch = [&](int k) { return std::exp(k * std::log(lambda)); };
  return kPi * (p + q) * (1 + hoch(2) / 4 + hoch(4) / 64 + hoch(6) / 256 + 25 * hoch(8) / 16384);
}

// x − sin x, without the cancellation of the two near x = 0: there by its
// series x³/3! − x⁵/5! + …, whose terms fall below the precision within
// a dozen steps.
long double XMinusSinX(long double x) {
  if (std::fabs(x) >= 1) return x - std::sin(x);
  long double summe = 0, glied = x * x * x / 6;
  for (int k = 4; glied != 0 && k < 40; k += 2) {
    summe += glied;
    glied *= -x * x / (k * (k + 1));
  }
  return summe;
}

// The segment cut off a circle by a chord of length l, b high at its
// middle: the sector of the central angle x less the triangle, r²/2 · (x −
// sin x), with the radius r = (l²/4 + b²)/(2b). The line from an end of the
// chord to the top of the arc makes a quarter of x with the chord, so
// tan(x/4) = b/(l/2); x passes π when b passes l/2, where the segment
// becomes more than half the circle. Chord and height are lengths: their
// signs do not count.
long double Kreisabschnitt(long double l, long double b) {
  const long double t = 2 * std::fabs(b) / std::fabs(l);
  const long double r = std::fabs(l) / 4 * (t + 1 / t);
  return r * r / 2 * XMinusSinX(4 * std::atan(t));
}

}  // namespace

const std::vector<Rechenfigur>& Flaechenfiguren() {
  using E = Eingabewerte;
  static const std::vector<Rechenfigur> liste = {
      Figur("Quadrat", "QUADRAT", {"a"}, {"Umfang U =", "Diagonale d ="},
            [](const E& e) -> Ergebniswerte {
              return {e[0] * e[0], 4 * e[0], e[0] * std::sqrt(2.0L)};
            }),
      Figur("Rechteck", "RECHTECK", {"a", "b"}, {"Umfang U =", "Diagonale d ="},
            [](const E& e) -> Ergebniswerte {
              return {e[0] * e[1], 2 * e[0] + 2 * e[1], std::sqrt(e[0] * e[0] + e[1] * e[1])};
            }),
      Figur("Raute", "RAUTE", {"a", "h"}, {"Umfang U =", ""},
            [](const E& e) -> Ergebniswerte {
              return {e[0] * e[1], 4 * e[0], 0};
            }),
      Figur("Parallelogramm", "PARALLELOGRAMM", {"a", "h"}, {"", ""},
            [](const E& e) -> Ergebniswerte {
              return {e[0] * e[1], 0, 0};
            }),
      Figur("Trapez", "TRAPEZ", {"a", "b", "h"}, {"", ""},
            [](const E& e) -> Ergebniswerte {
              return {(e[0] + e[1]) / 2 * e[2], 0, 0};
            }),
      Figur("Dreieck", "DREIECK", {"a", "h"}, {"", ""},
            [](const E& e) -> Ergebniswerte {
              return {e[0] * e[1] / 2, 0, 0};
            }),
      Figur("Dreieck, gleichseitig", "DREIECK_GLEICHSEITIG", {"a"}, {"", ""},
            [](const E& e) -> Ergebniswerte {
              return {std::sqrt(3.0L) * e[0] * e[0] / 4, 0, 0};
            }),
      Figur(
          "Vieleck, regelmäßiges", "VIELECK", {"n", "a"}, {"Umfang U =", ""},
          [](const E& e) -> Ergebniswerte {
            const long double phi = (360 / e[0]) * kPi / 180;
            return {e[0] * e[1] * e[1] / (4 * std::tan(phi / 2)), e[0] * e[1], 0};
          },
          Figurpruefung::Eckenzahl),
      Figur("Kreis", "KREIS", {"d"}, {"Umfang U =", ""},
            [](const E& e) -> Ergebniswerte {
              return {e[0] * e[0] * kPiViertel, kPi * e[0], 0};
            }),
      Figur(
          "Kreisring", "KREISRING", {"D", "d"}, {"", ""},
          [](const E& e) -> Ergebniswerte {
            return {(e[0] * e[0] - e[1] * e[1]) * kPiViertel, 0, 0};
          },
          Figurpruefung::DGroesserKleinD),
      Figur(
          "Kreisausschnitt", "KREISAUSSCHNITT", {"r", "a in °"}, {"Bogenlänge lb =", ""},
          [](const E& e) -> Ergebniswerte {
            return {kPi * e[0] * e[0] * e[1] / 360, kPi * e[0] * e[1] / 180, 0};
          },
          Figurpruefung::WinkelHoechstens360),
      Figur("Kreisabschnitt", "KREISABSCHNITT", {"l", "b"}, {"", ""},
            [](const E& e) -> Ergebniswerte {
              return {Kreisabschnitt(e[0], e[1]), 0, 0};
            }),
      Figur(
          "Ellipse", "ELLIPSE", {"D", "d"}, {"Umfang U =", ""},
          [](const E& e) -> Ergebniswerte {
            return {kPi * e[0] * e[1] / 4, EllipsenUmfang(e[0], e[1]), 0};
          },
          Figurpruefung::DGroesserKleinD),
  };
  return liste;
}

}  // namespace kolvaro
