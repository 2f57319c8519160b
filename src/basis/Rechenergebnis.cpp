// The common wrong-input results.
#include "basis/Rechenergebnis.h"

#include "basis/Texte.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

Rechenergebnis Erledigt() {
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

Rechenergebnis Abgebrochen(OptMeldung meldung) {
  Rechenergebnis r;
  r.Fehler = std::move(meldung);
  return r;
}

Rechenergebnis EingabeFehler(Text1252 text, Fokus fokus) {
  Rechenergebnis r;
  r.Fehler = FehlerMeldung(std::move(text));
  r.FokusDanach = fokus;
  return r;
}

Rechenergebnis EingabeFehler(Text1252 text, Eingabefeld feld, Fokus fokus) {
  Rechenergebnis r = EingabeFehler(std::move(text), fokus);
  r.Feld = feld;
  return r;
}

Rechenergebnis ErledigtMit(std::vector<Text1252> werte) {
  Rechenergebnis r = Erledigt();
  r.Werte = std::move(werte);
  return r;
}

Eingabefeld Rechenwertfeld(int n) {
  static constexpr Eingabefeld kFelder[] = {Eingabefeld::Wert1, Eingabefeld::Wert2, Eingabefeld::Wert3,
                                            Eingabefeld::Wert4, Eingabefeld::Wert5};
  return n >= 1 && n <= 5 ? kFelder[n - 1] : Eingabefeld::Keines;
}

Rechenergebnis AllgemeinerEingabeFehler() { return EingabeFehler(Cp1252(texte::kFalscheEingabe)); }

}  // namespace kolvaro
