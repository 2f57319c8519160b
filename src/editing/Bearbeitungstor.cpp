// The checks before an editing command.
#include "editing/Bearbeitungstor.h"

#include "basis/Gebietsnamen.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace {

Rechenergebnis Erlaubt() {
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

Rechenergebnis Abgelehnt(OptMeldung meldung = std::nullopt) {
  Rechenergebnis r;
  r.Fehler = std::move(meldung);
  return r;
}

Rechenergebnis OhneFaktorAbgelehnt(const char* was) {
  return Abgelehnt(InfoMeldung(
      Cp1252(std::string("Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor möglich ist, ist ") +
             was + " nicht möglich!")));
}

}  // namespace

Rechenergebnis BearbeitungPruefen(Bearbeitung bearbeitung, std::string_view gebietsname,
                                  const Passwortabfrage& passwortOk) {
  switch (bearbeitung) {
    case Bearbeitung::EigeneEinheit:
      // The password first; a refusal says so.
      if (!passwortOk()) return Abgelehnt(Meldung{Meldungsart::Schlicht, "Falsches Passwort!!"});
      if (gebiet::OhneUmrechnungsfaktor(gebietsname)) return OhneFaktorAbgelehnt("ein Einfügen von eigenen Einheiten");
      return Erlaubt();
    case Bearbeitung::FaktorAendern:
      // The category first, so that no password is asked in vain.
      if (gebiet::OhneUmrechnungsfaktor(gebietsname)) return OhneFaktorAbgelehnt("ein Ändern des Umrechnungsfaktors");
      return passwortOk() ? Erlaubt() : Abgelehnt();
    default:
      return passwortOk() ? Erlaubt() : Abgelehnt();
  }
}

}  // namespace kolvaro
