// "Währungen": one exchange factor per currency, like the factor conversion,
// but a currency without a known rate shows "unbekannt" instead of a number.
#include <cmath>

#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {

Rechenergebnis WaehrungenUmrechnen(Sonderkontext& k) {
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe || *eingabe == 0.0L) return AllgemeinerEingabeFehler();
  // Money is converted in double precision.
  const double basis =
      static_cast<double>(*eingabe) * static_cast<double>(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Faktor);
  for (auto& e : k.Einheiten) {
    const double faktor = static_cast<double>(e.Faktor);
    const double ergebnis = faktor > 0 ? basis / faktor : 0.0;
    if (faktor == 0 || ergebnis == 0 || !std::isfinite(ergebnis))
      ErgebnisSetzen(e, Cp1252("unbekannt"));
    else
      StandardErgebnis(e, ergebnis);
  }
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

}  // namespace kolvaro
