#include "calculators/Rechenfigur.h"

#include <algorithm>
#include <cmath>

#include "basis/Texte.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "calculators/Ergebnistext.h"

namespace kolvaro {

namespace {

Rechenergebnis Abweisen(Text1252 text, int feld, Fokus fokus) {
  return EingabeFehler(std::move(text), Rechenwertfeld(feld), fokus);
}

}  // namespace

const Rechenfigur* FigurFinden(const std::vector<Rechenfigur>& liste, const Text1252& name) {
  auto it = std::find_if(liste.begin(), liste.end(), [&](const Rechenfigur& f) { return f.Name == name; });
  return it == liste.end() ? nullptr : &*it;
}

Rechenergebnis FigurBerechnen(const Rechenfigur& figur, const std::array<Text1252, kRecheneingaben>& texte) {
  Eingabewerte e{};
  for (std::size_t i = 0; i < figur.Eingaben.size() && i < e.size(); ++i) {
    std::string text = texte[i].Bytes();
    std::replace(text.begin(), text.end(), ',', '.');
    std::optional<long double> zahl = ZahlLesen(text);
    if (!zahl || !std::isfinite(*zahl))
      return Abweisen(Cp1252(texte::kFalscheEingabe), static_cast<int>(i) + 1, Fokus::FokusUndMarkieren);
    if (*zahl == 0.0L) return {};
    e[i] = *zahl;
  }
  switch (figur.Pruefung) {
    case Figurpruefung::Keine:
      break;
    case Figurpruefung::DGroesserKleinD:
      if (!(e[1] < e[0])) return Abweisen(Cp1252("D muss größer als d sein! Bitte ändern! "), 1, Fokus::NurFokus);
      break;
    case Figurpruefung::WinkelHoechstens360:
      if (e[1] > 360.0L)
        return Abweisen(Cp1252("Der Winkel darf maximal 360 Grad betragen! Bitte ändern! "), 2, Fokus::NurFokus);
      break;
    case Figurpruefung::BGroesserA:
      if (!(e[1] < e[2])) return Abweisen(Cp1252("b muss größer als a sein! Bitte ändern! "), 2, Fokus::NurFokus);
      break;
    case Figurpruefung::Eckenzahl:
      // Fewer than three corners close no polygon, and a part of a corner is none.
      if (!(e[0] >= 3 && e[0] == std::floor(e[0])))
        return Abweisen(Cp1252(texte::kFalscheEingabe), 1, Fokus::FokusUndMarkieren);
      break;
  }
  const Ergebniswerte werte = figur.Rechnen(e);
  Rechenergebnis r;
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (figur.Ergebnisse[i].empty()) {
      r.Werte.emplace_back();
      continue;
    }
    // Negative inputs reach the formulas; where one then has no real value
    // (a root or logarithm of a negative number), nothing is shown.
    if (!std::isfinite(werte[i]))
      return Abweisen(Cp1252("Mit diesen Werten gibt es kein reelles Ergebnis! Bitte ändern! "), 1, Fokus::NurFokus);
    r.Werte.push_back(ErgebnisText(werte[i]));
  }
  r.Erfolg = true;
  return r;
}

}  // namespace kolvaro
