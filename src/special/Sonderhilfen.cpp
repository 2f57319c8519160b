// Helpers of the special routines.
#include "special/Sonderhilfen.h"

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

void RohesErgebnis(TAusgabetextobject& einheit, long double wert, int dezimalen) {
  std::string fest(Getrimmt(FestTextRoh(wert, dezimalen).Sicht()));
  for (char& c : fest)
    if (c == '.') c = ',';
  ErgebnisSetzen(einheit, WissTextRoh(wert), Text1252(std::move(fest)));
}

Text1252 FestTextKomma(long double wert, int dezimalen) {
  std::string fest(Getrimmt(FestTextRoh(wert, dezimalen).Sicht()));
  for (char& c : fest)
    if (c == '.') c = ',';
  return Text1252(std::move(fest));
}

void StandardErgebnisMitNull(TAusgabetextobject& einheit, long double wert) {
  StandardErgebnis(einheit, wert);
  if (wert == 0) einheit.ErgebnisFliess = Cp1252("0,0000000000");
}

Rechenergebnis UnbekannteEinheitFehler() {
  return EingabeFehler(Cp1252("Für die gewählte Einheit ist in diesem Gebiet keine Umrechnungsvorschrift vorhanden. "
                              "Bitte eine andere Einheit wählen."),
                       Fokus::NurFokus);
}

}  // namespace kolvaro
