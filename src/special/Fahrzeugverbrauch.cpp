// "Kraftstoffverbrauch" and "Stromverbrauch (Fahrzeuge)": a consumption per
// distance and a distance per amount are reciprocals, so no factor relates
// them. Every unit goes through the consumption per 100 kilometres.
#include <cmath>

#include "basis/Werteingabe.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

// Exact by definition: the international mile (1959) and the US liquid
// gallon of 231 cubic inches (NIST Handbook 44, appendix C), the imperial
// gallon (UK Weights and Measures Act 1985).
constexpr long double kMeileKm = 1.609344L;
constexpr long double kGallonenUsaLiter = 3.785411784L;
constexpr long double kGallonenGbLiter = 4.54609L;
// The energy the US EPA counts as one gallon of gasoline for the MPGe of
// electric vehicles (fuel economy label rule of 2011, 40 CFR 600).
constexpr long double kBenzingallonKwh = 33.705L;

// A reciprocal unit k / x: the conversion is its own inverse.
constexpr long double kMpgUsa = 100.0L * kGallonenUsaLiter / kMeileKm;
constexpr long double kMpgGb = 100.0L * kGallonenGbLiter / kMeileKm;
constexpr long double kMeilenProKwh = 100.0L / kMeileKm;
constexpr long double kMpge = kBenzingallonKwh * 100.0L / kMeileKm;

struct Verbrauchseinheit {
  const char* Name;  // UTF-8
  // x units are k / x (reciprocal) or x / k (proportional) per 100 km.
  long double K;
  bool Kehrwert;
};

const Verbrauchseinheit kKraftstoff[] = {
    {"Liter pro 100 Kilometer", 1, false},
    {"Kilometer pro Liter", 100, true},
    {"Meilen pro Gallone (USA)", kMpgUsa, true},
    // A unit name has at most 34 characters.
    {"Meilen pro Gallone (Großbrit.)", kMpgGb, true},
};

const Verbrauchseinheit kStrom[] = {
    {"Kilowattstunden pro 100 Kilometer", 1, false},
    {"Wattstunden pro Kilometer", 10, false},
    {"Meilen pro Kilowattstunde", kMeilenProKwh, true},
    {"MPGe", kMpge, true},
};

long double AusBasis(const Verbrauchseinheit& e, long double x) { return e.Kehrwert ? e.K / x : x * e.K; }
long double NachBasis(const Verbrauchseinheit& e, long double x) { return e.Kehrwert ? e.K / x : x / e.K; }

template <std::size_t N>
Rechenergebnis VerbrauchUmrechnen(Sonderkontext& k, const Verbrauchseinheit (&einheiten)[N]) {
  const Verbrauchseinheit* quelle =
      RegelFuer(einheiten, k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (!quelle) return UnbekannteEinheitFehler();
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  if (*eingabe == 0)
    return EingabeFehler(Cp1252("Zu 0 gibt es keinen Kehrwert! Bitte einen Wert größer als 0 eingeben."));
  if (*eingabe < 0)
    return EingabeFehler(Cp1252("Ein Verbrauch kann nicht negativ sein! Bitte einen Wert größer als 0 eingeben."));
  const long double basis = NachBasis(*quelle, *eingabe);
  // A value so small that its reciprocal leaves the number range.
  if (!std::isfinite(basis) || basis == 0) return AllgemeinerEingabeFehler();
  for (auto& e : k.Einheiten) {
    const Verbrauchseinheit* ziel = RegelFuer(einheiten, e.Einheitenname);
    if (!ziel) {
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
      continue;
    }
    StandardErgebnis(e, ziel == quelle ? *eingabe : AusBasis(*ziel, basis));
  }
  return Erledigt();
}

}  // namespace

Rechenergebnis KraftstoffverbrauchUmrechnen(Sonderkontext& k) { return VerbrauchUmrechnen(k, kKraftstoff); }

Rechenergebnis StromverbrauchUmrechnen(Sonderkontext& k) { return VerbrauchUmrechnen(k, kStrom); }

}  // namespace kolvaro
