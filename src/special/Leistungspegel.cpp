// "Leistungspegel": a level in decibels is ten times the decimal logarithm
// of a power ratio (IEC 60027-3, ITU-T G.100.1), here against 1 mW (dBm)
// and 1 W (dBW); the powers among themselves are related by factors. Every
// unit goes through the power in watts.
#include <cmath>

#include "basis/Werteingabe.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

struct Pegeleinheit {
  const char* Name;  // UTF-8
  // A power unit: watts in one unit. A level: 10 log10 of the watts in its
  // reference power, i.e. -30 dB for dBm and 0 dB for dBW.
  long double Watt;
  bool Pegel;
};
const Pegeleinheit kEinheiten[] = {
    {"dBm", -30, true}, {"dBW", 0, true}, {"Watt", 1, false}, {"Milliwatt", 1e-3L, false}, {"Mikrowatt", 1e-6L, false},
};

// A level of 1 mW in dBm comes out a trace beside 0, which the float text
// would show in scientific notation.
constexpr long double kRest = 1e-9L;

}  // namespace

Rechenergebnis LeistungspegelUmrechnen(Sonderkontext& k) {
  const Pegeleinheit* quelle = RegelFuer(kEinheiten, k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (!quelle) return UnbekannteEinheitFehler();
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  const long double x = *eingabe;
  if (!quelle->Pegel && x <= 0)
    return EingabeFehler(
        Cp1252("Eine Leistung von 0 oder darunter hat keinen Pegel! Bitte eine Leistung größer als 0 eingeben."));
  const long double watt = quelle->Pegel ? std::pow(10.0L, (x + quelle->Watt) / 10) : x * quelle->Watt;
  // A level so far out that its power leaves the number range.
  if (!std::isfinite(watt) || !(watt > 0)) return AllgemeinerEingabeFehler();
  for (auto& e : k.Einheiten) {
    const Pegeleinheit* ziel = RegelFuer(kEinheiten, e.Einheitenname);
    if (!ziel) {
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
      continue;
    }
    long double v = x;
    if (ziel != quelle) {
      v = ziel->Pegel ? 10 * std::log10(watt) - ziel->Watt : watt / ziel->Watt;
      if (ziel->Pegel && std::fabs(v) < kRest) v = 0;
    }
    StandardErgebnisMitNull(e, v);
  }
  return Erledigt();
}

}  // namespace kolvaro
