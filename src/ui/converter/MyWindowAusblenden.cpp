// TMyWindow: hiding the selected units. The gate has asked for the password
// already; the line rewrite is the core's, the window keeps its list in step.
#include <QItemSelectionModel>
#include <QListView>
#include <algorithm>

#include "editing/Einheitensichtbarkeit.h"
#include "ui/converter/EinheitenModell.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

void TMyWindow::EinheitenAusblenden() {
  m_Konverter.SetErgebnisseVorhanden(false);
  if (m_Konverter.Einheiten().empty()) return;
  std::vector<int> zeilen;
  for (const QModelIndex& index : ListBoxEinheit->selectionModel()->selectedIndexes()) zeilen.push_back(index.row());
  if (zeilen.empty()) return;
  // The rows in list order, as the lines are hidden one after the other.
  std::sort(zeilen.begin(), zeilen.end());
  zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
  std::vector<int> dateizeilen;
  for (int zeile : zeilen) dateizeilen.push_back(m_Konverter.Einheiten()[static_cast<std::size_t>(zeile)].Dateizeile);

  if (zeilen.size() == 1) {
    // One unit: its row goes, the other rows and their lines stay as loaded.
    if (auto geschrieben = SichtbarkeitSetzen(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), dateizeilen, false);
        !geschrieben) {
      Meldung(geschrieben.Fehler());
      return;
    }
    m_Konverter.EinheitAusblendenInListe(zeilen.front());
    ListeFuellen();  // reports an emptied list
    AuswahlSetzen(AuswahlNachAusblenden(zeilen));
    AusgangVerbergen();
    EinheitAnzeigen();
    InfoAnzeigen();
    StatusAnzeigen();
    AutomatischRechnen();
    return;
  }

  Sanduhr sanduhr(m_Plattform);
  if (auto geschrieben = SichtbarkeitSetzen(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), dateizeilen, false);
      !geschrieben) {
    Meldung(geschrieben.Fehler());
    return;
  }
  GebietNeuLaden();
  AuswahlSetzen(AuswahlNachAusblenden(zeilen));
  AusgangVerbergen();
  EinheitAnzeigen();
  InfoAnzeigen();
}

}  // namespace kolvaro::ui
