// The scale tables viewer. The file is read on every show; a table view with
// real columns takes the place of tab stops and moved headings.
#include "ui/reference/DivDatenDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reference/Nfotabellen.h"
#include "ui/Text.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

TDivDatenDlg::TDivDatenDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("DivDatenDlg"), QStringLiteral("Diverse Daten"), eltern) {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setMaxVisibleItems(15);
  for (const Skalentabelle& s : Skalentabellen()) ComboBox1->addItem(QtText(s.Name));
  auto* auswahl = new QLabel(QStringLiteral("&Tabelle:"), this);
  auswahl->setBuddy(ComboBox1);
  ListBox1 = new Tabellenansicht(m_Plattform, this);
  ListBox1->setWordWrap(true);
  auto* schliessen = SchliessenKnopf();

  auto* oben = new QHBoxLayout;
  oben->addWidget(auswahl);
  oben->addWidget(ComboBox1, 1);
  auto* knoepfe = RechtsBuendig(schliessen);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(oben);
  gesamt->addWidget(ListBox1, 1);
  gesamt->addLayout(knoepfe);
  resize(720, 520);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDivDatenDlg::TabelleZeigen);
}

void TDivDatenDlg::Vorbereiten() {
  auto zeilen = SkalenLesen(m_Konverter.Verzeichnis());
  m_Zeilen = zeilen ? std::move(*zeilen) : std::vector<std::string>();
  if (!zeilen) Melden(zeilen.Fehler());
  const QSignalBlocker sperre(ComboBox1);
  ComboBox1->setCurrentIndex(0);
  ComboBox1->setFocus();
  TabelleZeigen();
}

void TDivDatenDlg::TabelleZeigen() {
  ListBox1->Leeren();
  const int index = ComboBox1->currentIndex();
  if (m_Zeilen.empty() || index < 0 || index >= static_cast<int>(Skalentabellen().size())) return;
  ListBox1->Fuellen(SkalenTabelle(m_Zeilen, Skalentabellen()[static_cast<std::size_t>(index)]));
  ListBox1->resizeRowsToContents();
}

}  // namespace kolvaro::ui
