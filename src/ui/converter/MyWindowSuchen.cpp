// TMyWindow: the unit search and the jump to a hit.
#include <QComboBox>
#include <QListView>

#include "ui/Text.h"
#include "ui/converter/MyWindow.h"
#include "ui/editing/SuchDialog.h"

namespace kolvaro::ui {

void TMyWindow::EinheitenSuchen() {
  Dialogbasis* dialog = m_Dialoge->Dialog(Dialogart::Suchen);
  if (!dialog) return;
  ListBoxEinheit->hide();
  const Neuladen neu = dialog->Ausfuehren();
  const auto* suche = qobject_cast<TSuch_Dialog*>(dialog);
  if (suche && suche->Sprungziel()) {
    // The jump reloads the hit's category, which covers any change the
    // dialog made on the way.
    ZuSuchtrefferSpringen(*suche->Sprungziel());
    AutomatischRechnen();
  } else {
    NachAenderung(neu);
    // A reloaded category has converted again already.
    if (neu != Neuladen::Gebiet && neu != Neuladen::Katalog) AutomatischRechnen();
  }
  ListBoxEinheit->show();
}

void TMyWindow::ZuSuchtrefferSpringen(const Suchsprung& ziel) {
  if (ziel.Gebietsindex < 0 || ziel.Gebietsindex >= ComboBox2->count()) return;
  m_Konverter.SetErgebnisseVorhanden(false);
  ComboBox2->setCurrentIndex(ziel.Gebietsindex);
  GebietNeuLaden();
  // The first unit of exactly that name and country; the name alone could
  // pick another country's unit of the same name.
  const auto& einheiten = m_Konverter.Einheiten();
  int zeile = -1;
  for (std::size_t i = 0; i < einheiten.size() && zeile < 0; ++i)
    if (einheiten[i].Einheitenname == ziel.Einheitenname && einheiten[i].Landname == ziel.Landname)
      zeile = static_cast<int>(i);
  if (zeile >= 0) {
    AuswahlSetzen(zeile);
    ListBoxEinheit->scrollTo(ListBoxEinheit->currentIndex());
  }
  InfoAnzeigen();
  EinheitAnzeigen();
  // The reload selected the first row; say why that is not the hit (its
  // unit class or country is not shown in this category).
  if (zeile < 0)
    m_Plattform.Information(QStringLiteral("Die Einheit \"%1\" wird im Gebiet \"%2\" nicht angezeigt, zum Beispiel "
                                           "weil ihr Land oder ihre Einheitenklasse ausgeblendet ist.")
                                .arg(QtText(ziel.Einheitenname), ComboBox2->currentText()));
}

}  // namespace kolvaro::ui
