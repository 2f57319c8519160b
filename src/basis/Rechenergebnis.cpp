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

Rechenergebnis EingabeFehler(std::string text, Fokus fokus) {
  Rechenergebnis r;
  r.Fehler = FehlerMeldung(std::move(text));
  r.FokusDanach = fokus;
  return r;
}

Rechenergebnis AllgemeinerEingabeFehler() { return EingabeFehler(Cp1252(texte::kFalscheEingabe)); }

}  // namespace kolvaro
