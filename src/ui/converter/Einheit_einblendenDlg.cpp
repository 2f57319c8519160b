// The dialog that shows hidden units again.
#include "ui/converter/Einheit_einblendenDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Einheitensichtbarkeit.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TDlg_Einheit_einblenden::TDlg_Einheit_einblenden(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Dlg_Einheit_einblenden"),
                  QStringLiteral("Ausgeblendete Einheiten wieder einblenden"), eltern) {
  auto* label1 = new QLabel(QStringLiteral("Gebiet:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  Label_Gebiet = new QLabel(this);
  Label_Gebiet->setObjectName(QStringLiteral("Label_Gebiet"));
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setAccessibleName(QStringLiteral("Ausgeblendete Einheiten"));
  Label2->setBuddy(ListBox1);
  BitBtn1 = new QPushButton(QStringLiteral("&Markierte Einheit einblenden"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn2 = new QPushButton(QStringLiteral("&Alle Einheiten einblenden"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  OKBtn = new QPushButton(QStringLiteral("Schließen"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  // Enter must not close the dialog while the list has the focus.
  for (QPushButton* knopf : {BitBtn1, BitBtn2, OKBtn}) knopf->setAutoDefault(false);

  auto* gebiet = new QHBoxLayout;
  gebiet->addWidget(label1);
  gebiet->addWidget(Label_Gebiet, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BitBtn1);
  knoepfe->addWidget(BitBtn2);
  knoepfe->addStretch(1);
  knoepfe->addWidget(OKBtn);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(gebiet);
  haupt->addWidget(Label2);
  haupt->addWidget(ListBox1, 1);
  haupt->addLayout(knoepfe);
  setTabOrder(ListBox1, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);
  setTabOrder(BitBtn2, OKBtn);

  connect(BitBtn1, &QPushButton::clicked, this, &TDlg_Einheit_einblenden::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TDlg_Einheit_einblenden::BitBtn2Click);
  connect(OKBtn, &QPushButton::clicked, this, &TDlg_Einheit_einblenden::reject);
}

void TDlg_Einheit_einblenden::Vorbereiten() {
  Label_Gebiet->setText(QtText(m_Konverter.Gebietsname()));
  Label2->setText(QStringLiteral("Ausgeblendete Einheiten:"));
  Label2->setStyleSheet(QString());
  BitBtn1->setEnabled(true);
  BitBtn2->setEnabled(true);
  ListeLaden();
}

void TDlg_Einheit_einblenden::ListeLaden() {
  ListBox1->clear();
  auto gelesen = AusgeblendeteEinheitenLesen(m_Konverter.Verzeichnis(), m_Konverter.Datendatei());
  if (!gelesen) {
    // Nothing can be shown again from a file that cannot be read.
    Melden(gelesen.Fehler());
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(false);
    return;
  }
  for (const auto& einheit : *gelesen) {
    auto* eintrag = new QListWidgetItem(QtText(einheit.Text), ListBox1);
    eintrag->setData(DateizeileRolle, einheit.Dateizeile);
  }
  if (ListBox1->count() == 0)
    KeineAusgeblendet();
  else
    ListBox1->setCurrentRow(0);
}

void TDlg_Einheit_einblenden::KeineAusgeblendet() {
  Label2->setText(QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
  Label2->setStyleSheet(QStringLiteral("color: red;"));
  BitBtn1->setEnabled(false);
  BitBtn2->setEnabled(false);
}

void TDlg_Einheit_einblenden::BitBtn1Click() {
  const QList<QListWidgetItem*> markiert = ListBox1->selectedItems();
  if (markiert.isEmpty()) return;
  std::vector<int> dateizeilen;
  for (const QListWidgetItem* eintrag : markiert) dateizeilen.push_back(eintrag->data(DateizeileRolle).toInt());
  if (auto geschrieben = SichtbarkeitSetzen(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), dateizeilen, true);
      !geschrieben) {
    Melden(geschrieben.Fehler());  // the list stays as it was, nothing is shown again
    return;
  }
  AenderungMelden(Neuladen::Gebiet);
  m_Konverter.SetVerborgenZaehler(
      VerborgenNachEinblenden(m_Konverter.Zaehler().Verborgen, static_cast<int>(dateizeilen.size())));
  m_Umgebung.StatusAnzeigen();
  qDeleteAll(markiert);
  if (ListBox1->count() == 0)
    KeineAusgeblendet();
  else
    ListBox1->setCurrentRow(0);
}

void TDlg_Einheit_einblenden::BitBtn2Click() {
  std::vector<int> dateizeilen;
  for (int i = 0; i < ListBox1->count(); ++i) dateizeilen.push_back(ListBox1->item(i)->data(DateizeileRolle).toInt());
  if (auto geschrieben = SichtbarkeitSetzen(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), dateizeilen, true);
      !geschrieben) {
    Melden(geschrieben.Fehler());
    return;
  }
  m_Konverter.SetErgebnisseVorhanden(false);
  m_Konverter.SetVerborgenZaehler(0);
  m_Umgebung.StatusAnzeigen();
  AenderungMelden(Neuladen::Gebiet);
  accept();
}

void TDlg_Einheit_einblenden::reject() {
  // With hidden units listed, the category is loaded anew on closing (this
  // also ends a temporary display of hidden units).
  if (BitBtn1->isEnabled()) {
    m_Konverter.SetErgebnisseVorhanden(false);
    AenderungMelden(Neuladen::Gebiet);
  }
  Dialogbasis::reject();
}

void TDlg_Einheit_einblenden::hideEvent(QHideEvent* ereignis) {
  ListBox1->clear();
  Dialogbasis::hideEvent(ereignis);
}

}  // namespace kolvaro::ui
