// The category "Kalender": placeholder until the calendar conversion is in.
#include "data/Zeichensatz.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {

Rechenergebnis KalenderUmrechnen(Sonderkontext&) {
  return EingabeFehler(W("Die Kalenderumrechnung ist noch nicht vorhanden."));
}

}  // namespace kolvaro
