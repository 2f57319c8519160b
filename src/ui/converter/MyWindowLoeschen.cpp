// TMyWindow: deleting the hidden units of the current category from its file.
#include "editing/Gebietsverwaltung.h"
#include "ui/Text.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

void TMyWindow::AusgeblendeteLoeschen() {
  const Rechenergebnis ergebnis = AusgeblendeteEinheitenLoeschen(
      m_Konverter.Verzeichnis(), m_Konverter.Gebietsname(), m_Konverter.Datendatei(), [this](const Text1252& frage) {
        return m_Plattform.Frage(QtText(frage), false) == Antwort::Ja ? FrageAntwort::Ja : FrageAntwort::Nein;
      });
  if (ergebnis.Fehler) Meldung(*ergebnis.Fehler);
  for (const auto& meldung : ergebnis.Nachher) Meldung(meldung);
  // The remaining units have new line numbers: every later rewrite must use them.
  if (ergebnis.GebietNeuLaden) NachAenderung(Neuladen::Gebiet);
}

}  // namespace kolvaro::ui
