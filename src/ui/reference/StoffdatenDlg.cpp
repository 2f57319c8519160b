// The material data viewer.
#include "ui/reference/StoffdatenDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reference/Nfotabellen.h"
#include "ui/Text.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

TStoffdatenDlg::TStoffdatenDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("StoffdatenDlg"), QStringLiteral("Stoffdaten"), eltern) {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setMaxVisibleItems(19);
  for (const Stoffdateneintrag& e : Stoffdateneintraege()) ComboBox1->addItem(QtText(e.Name));
  auto* auswahl = new QLabel(QStringLiteral("&Eigenschaft:"), this);
  auswahl->setBuddy(ComboBox1);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont fett = Label1->font();
  fett.setBold(true);
  Label1->setFont(fett);
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  ListBox1 = new Tabellenansicht(m_Plattform, this, QStringLiteral("Stoffe und Werte"));
  auto* schliessen = SchliessenKnopf();

  auto* oben = new QHBoxLayout;
  oben->addWidget(auswahl);
  oben->addWidget(ComboBox1, 1);
  auto* knoepfe = RechtsBuendig(schliessen);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(oben);
  gesamt->addWidget(Label1);
  gesamt->addWidget(Label2);
  gesamt->addWidget(ListBox1, 1);
  gesamt->addLayout(knoepfe);
  resize(520, 560);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TStoffdatenDlg::EintragZeigen);
}

void TStoffdatenDlg::Vorbereiten() {
  const QSignalBlocker sperre(ComboBox1);
  ComboBox1->setCurrentIndex(0);
  ComboBox1->setFocus();
  EintragZeigen();
}

void TStoffdatenDlg::EintragZeigen() {
  Label1->clear();
  Label2->clear();
  ListBox1->Leeren();
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= static_cast<int>(Stoffdateneintraege().size())) return;
  const Stoffdateneintrag& eintrag = Stoffdateneintraege()[static_cast<std::size_t>(index)];
  auto tabelle = StoffdatenLesen(m_Konverter.Verzeichnis(), eintrag);
  if (!tabelle) {
    Melden(tabelle.Fehler());
    return;
  }
  ListBox1->Fuellen(*tabelle);
  Label1->setText(QtText(tabelle->Titel));
  if (!tabelle->Hinweis.empty()) Label2->setText(QStringLiteral("(") + QtText(tabelle->Hinweis) + QStringLiteral(")"));
}

}  // namespace kolvaro::ui
