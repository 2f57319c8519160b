// "Weltzeit": a clock time in one time zone, shown in every zone. A unit's
// factor is its offset to world time in hours.
#include <cmath>

#include "basis/Zeichensatz.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

constexpr int kTag = 1440;

// The converter lets no zone beyond a day through (FaktorMangel); called
// with one, the routine still must not overflow: a year is plenty.
long long Minuten(long double stunden) {
  if (!(std::fabs(stunden) < 8784.0L)) stunden = stunden < 0 ? -8784.0L : 8784.0L;
  return std::llround(stunden * 60);
}

std::string Zweistellig(int wert) { return (wert < 10 ? "0" : "") + std::to_string(wert); }

}  // namespace

Rechenergebnis WeltzeitUmrechnen(Sonderkontext& k) {
  const Text1252 formatfehler = Cp1252("Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!");
  const auto doppelpunkt = k.Eingabe.find(':');
  if (doppelpunkt == std::string_view::npos) return EingabeFehler(formatfehler);
  auto stunden = Ganzzahl32Lesen(Getrimmt(k.Eingabe.substr(0, doppelpunkt)));
  auto minuten = Ganzzahl32Lesen(Getrimmt(k.Eingabe.substr(doppelpunkt + 1)));
  // Negative parts would leave the day even after the correction below.
  if (!stunden || !minuten || *stunden < 0 || *minuten < 0) return EingabeFehler(formatfehler);
  long long m = static_cast<long long>(*stunden) * 60 + *minuten;
  if (m == kTag) m = 0;  // 24:00 is midnight
  if (m > kTag) return EingabeFehler(formatfehler);
  const long long basis = m - Minuten(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Faktor);
  for (auto& e : k.Einheiten) {
    long long t = Minuten(e.Faktor) + basis;
    // Zones up to 26 hours apart can land two days off: count whole days.
    const long long tage = t >= 0 ? t / kTag : -((-t + kTag - 1) / kTag);
    t -= tage * kTag;
    Text1252 text(Zweistellig(static_cast<int>(t / 60)) + ":" + Zweistellig(static_cast<int>(t % 60)));
    if (tage == 1)
      text += Cp1252(" nä. Tag");
    else if (tage == -1)
      text += " Vortag";
    else if (tage > 1)
      text += " +" + Text1252::Zahl(tage) + " Tage";
    else if (tage < -1)
      text += " " + Text1252::Zahl(tage) + " Tage";
    ErgebnisSetzen(e, text);
  }
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

}  // namespace kolvaro
