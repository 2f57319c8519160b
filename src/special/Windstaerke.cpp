// "Windstärke": a Beaufort number stands for a range of wind speeds, so it
// shows that range in every speed unit, and a speed shows the number whose
// range holds it. The speeds among themselves go through metres per second.
#include <cmath>
#include <string>

#include "basis/Werteingabe.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

// The mean wind speed 10 m above open ground, in m/s, for Beaufort 0 to
// 12 as the WMO tabulates it (Manual on Codes, WMO-No. 306, code table 1100;
// Guide to Instruments and Methods of Observation, WMO-No. 8), and 13 to 17
// as the weather services of China and Taiwan extend it for typhoons
// (China Meteorological Administration, GB/T 28591-2012; Central Weather
// Bureau, Taipei). Published to 0.1 m/s; force 12 of the WMO has no upper
// limit, the extension closes it at 36.9.
struct Beaufortstufe {
  long double Von, Bis;
};
const Beaufortstufe kStufen[] = {
    {0.0L, 0.2L},   {0.3L, 1.5L},   {1.6L, 3.3L},   {3.4L, 5.4L},   {5.5L, 7.9L},   {8.0L, 10.7L},
    {10.8L, 13.8L}, {13.9L, 17.1L}, {17.2L, 20.7L}, {20.8L, 24.4L}, {24.5L, 28.4L}, {28.5L, 32.6L},
    {32.7L, 36.9L}, {37.0L, 41.4L}, {41.5L, 46.1L}, {46.2L, 50.9L}, {51.0L, 56.0L}, {56.1L, 61.2L},
};
constexpr int kHoechsteStufe = static_cast<int>(sizeof kStufen / sizeof kStufen[0]) - 1;
// The limits are rounded to 0.1 m/s; a speed in the gap between two numbers
// belongs to the nearer one.
constexpr long double kHalbeRundung = 0.05L;

// Metres per second in one unit; 0 for the Beaufort number itself. The
// knot is 1852 m per hour, the mile 1609.344 m (both exact).
struct Windeinheit {
  const char* Name;  // UTF-8
  long double MeterProSekunde;
};
const Windeinheit kEinheiten[] = {
    {"Beaufort", 0},
    {"Meter pro Sekunde", 1},
    {"Kilometer pro Stunde", 1000.0L / 3600.0L},
    {"Knoten", 1852.0L / 3600.0L},
    {"Meilen pro Stunde", 1609.344L / 3600.0L},
};

// The Beaufort number of a speed (m/s), -1 beyond the scale's end.
int Stufe(long double v) {
  for (int b = 0; b <= kHoechsteStufe; ++b)
    if (v < kStufen[b].Bis + kHalbeRundung) return b;
  return -1;
}

}  // namespace

Rechenergebnis WindstaerkeUmrechnen(Sonderkontext& k) {
  const Windeinheit* quelle = RegelFuer(kEinheiten, k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (!quelle) return UnbekannteEinheitFehler();
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  const long double x = *eingabe;
  const bool vonBeaufort = quelle->MeterProSekunde == 0;
  if (vonBeaufort && !(x >= 0 && x <= kHoechsteStufe && x == std::floor(x)))
    return EingabeFehler(Cp1252("Windstärken nach Beaufort sind ganze Zahlen von 0 bis 17!"));
  if (!vonBeaufort && x < 0)
    return EingabeFehler(Cp1252("Eine Windgeschwindigkeit kann nicht negativ sein! Bitte ändern!"));
  const long double v = vonBeaufort ? 0 : x * quelle->MeterProSekunde;
  const int stufe = vonBeaufort ? static_cast<int>(x) : Stufe(v);
  for (auto& e : k.Einheiten) {
    const Windeinheit* ziel = RegelFuer(kEinheiten, e.Einheitenname);
    if (!ziel) {
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
    } else if (ziel->MeterProSekunde == 0) {
      ErgebnisSetzen(e, stufe < 0 ? Cp1252(kKeineAngabe) : Text1252::Zahl(stufe));
    } else if (vonBeaufort) {
      const Beaufortstufe& s = kStufen[stufe];
      ErgebnisSetzen(e, FestTextKomma(s.Von / ziel->MeterProSekunde, 1) + Cp1252("–") +
                            FestTextKomma(s.Bis / ziel->MeterProSekunde, 1));
    } else {
      StandardErgebnisMitNull(e, ziel == quelle ? x : v / ziel->MeterProSekunde);
    }
  }
  return Erledigt();
}

}  // namespace kolvaro
