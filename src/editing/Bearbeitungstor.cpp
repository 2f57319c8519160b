// The checks before an editing command.
#include "editing/Bearbeitungstor.h"

#include "basis/Gebietsnamen.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace {

Rechenergebnis OhneFaktorAbgelehnt(const char* was) {
  return Abgebrochen(InfoMeldung(
      Cp1252(std::string("Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor möglich ist, ist ") +
             was + " nicht möglich!")));
}

}  // namespace

Rechenergebnis BearbeitungPruefen(Bearbeitung bearbeitung, const Text1252& gebietsname,
                                  const Passwortabfrage& passwortOk) {
  switch (bearbeitung) {
    case Bearbeitung::EigeneEinheit:
      // The password first; a refusal says so.
      if (!passwortOk()) return Abgebrochen(Meldung{Meldungsart::Schlicht, "Falsches Passwort!!"});
      if (gebiet::OhneUmrechnungsfaktor(gebietsname)) return OhneFaktorAbgelehnt("ein Einfügen von eigenen Einheiten");
      return Erledigt();
    case Bearbeitung::FaktorAendern:
      // The category first, so that no password is asked in vain.
      if (gebiet::OhneUmrechnungsfaktor(gebietsname)) return OhneFaktorAbgelehnt("ein Ändern des Umrechnungsfaktors");
      return passwortOk() ? Erledigt() : Abgebrochen();
    default:
      return passwortOk() ? Erledigt() : Abgebrochen();
  }
}

}  // namespace kolvaro
