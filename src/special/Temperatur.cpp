// "Temperatur": the scales differ in their zero points, so every value goes
// through kelvin. The data file's line numbers name the scales, so the
// converter has the file's shape checked before it converts.
#include <cmath>

#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

enum class Skala { Keine, Celsius, Fahrenheit, Kelvin, Rankine, Reaumur };

// Line by line, the unit each line of the data file holds.
struct Zeilenskala {
  const char* Name;  // UTF-8
  Skala Art;
};

const Zeilenskala kZeilen[] = {
    {"Celsius", Skala::Celsius},
    {"Centigrad", Skala::Celsius},
    {"Fahrenheit", Skala::Fahrenheit},
    {"Kelvin", Skala::Kelvin},
    {"Rankine", Skala::Rankine},
    {"Temperatur in Grad Celsius", Skala::Celsius},
    {"Temperatur in Grad Fahrenheit", Skala::Fahrenheit},
    {"Temperatur in Grad Rankine", Skala::Rankine},
    {"Temperatur in Grad Réaumur", Skala::Reaumur},
    {"Temperatur in Kelvin", Skala::Kelvin},
};
constexpr std::size_t kZeilenzahl = sizeof kZeilen / sizeof kZeilen[0];

Skala SkalaDerZeile(int zeile) {
  return zeile >= 0 && static_cast<std::size_t>(zeile) < kZeilenzahl ? kZeilen[zeile].Art : Skala::Keine;
}

constexpr long double kNullpunkt = 273.15L;

}  // namespace

Resultat<> TemperaturdateiPruefen(const std::string& datendatei, const std::vector<Text1252>& namen) {
  std::vector<const char*> erwartet;
  for (const auto& zeile : kZeilen) erwartet.push_back(zeile.Name);
  return ZeilennamenPruefen(datendatei, namen, erwartet);
}

Rechenergebnis TemperaturUmrechnen(Sonderkontext& k) {
  const Skala quelle = SkalaDerZeile(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Dateizeile);
  if (quelle == Skala::Keine) return UnbekannteEinheitFehler();
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  const long double x = *eingabe;
  long double kelvin = 0;
  switch (quelle) {
    case Skala::Celsius:
      kelvin = x + kNullpunkt;
      break;
    case Skala::Fahrenheit:
      kelvin = (x - 32) * 5 / 9 + kNullpunkt;
      break;
    case Skala::Kelvin:
      kelvin = x;
      break;
    case Skala::Rankine:
      kelvin = x * 5 / 9;
      break;
    case Skala::Reaumur:
      kelvin = x * 1.25L + kNullpunkt;
      break;
    case Skala::Keine:
      break;
  }
  for (auto& e : k.Einheiten) {
    const Skala ziel = SkalaDerZeile(e.Dateizeile);
    long double t = 0;
    switch (ziel) {
      case Skala::Celsius:
        t = kelvin - kNullpunkt;
        break;
      case Skala::Fahrenheit: {
        t = (kelvin - kNullpunkt) * 9 / 5 + 32;
        // Remove the residue of the division by 9: 100 °C give exactly 212 °F.
        const long double bruchteil = t - std::trunc(t);
        if (bruchteil != 0 && (std::fabs(bruchteil) <= 1e-10L || std::fabs(bruchteil) >= 0.9999999999L))
          t = std::round(t);
        break;
      }
      case Skala::Kelvin:
        t = kelvin;
        break;
      case Skala::Rankine:
        t = kelvin * 9 / 5;
        break;
      case Skala::Reaumur:
        t = (kelvin - kNullpunkt) * 4 / 5;
        break;
      case Skala::Keine:
        ErgebnisSetzen(e, Text1252());
        continue;
    }
    if (std::fabs(t) < 1e-10L) t = 0;
    StandardErgebnis(e, t);
    if (t == 0) e.ErgebnisFliess = Cp1252("0,0000000000");
  }
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

}  // namespace kolvaro
