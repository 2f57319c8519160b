// The molar-mass calculator.
#include "ui/calculators/MolmasseDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Text.h"
#include "ui/Zugaenglichkeit.h"

namespace kolvaro::ui {

TMolmasseDlg::TMolmasseDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("MolmasseDlg"), QStringLiteral("Molmassen-Rechner"), eltern) {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  auto* formel = new QLabel(QStringLiteral("&Chemische Formel:"), this);
  formel->setBuddy(Edit1);
  auto* beispiele = new QLabel(QStringLiteral("Beispiele: Na2SO4, CaSO4*2H2O, CH2=C(CH3)2"), this);
  Label3 = new QLabel(this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label3->setMinimumWidth(120);
  auto* masse = new QLabel(QStringLiteral("Molmasse in g/mol:"), this);
  masse->setBuddy(Label3);
  AlsWertLesen(Label3, masse);
  BitBtn1 = new QPushButton(QStringLiteral("&Berechnen"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("&Schließen"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

  auto* felder = new QGridLayout;
  felder->addWidget(formel, 0, 0);
  felder->addWidget(Edit1, 0, 1);
  felder->addWidget(beispiele, 1, 1);
  felder->addWidget(masse, 2, 0);
  felder->addWidget(Label3, 2, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(BitBtn1);
  knoepfe->addWidget(BitBtn2);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(felder);
  gesamt->addLayout(knoepfe);
  setTabOrder(Edit1, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);

  connect(Edit1, &QLineEdit::textChanged, this, &TMolmasseDlg::Edit1Change);
  connect(BitBtn1, &QPushButton::clicked, this, &TMolmasseDlg::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TMolmasseDlg::Vorbereiten() {
  Label3->clear();
  auto elemente = ElementeLaden(m_Konverter.Verzeichnis());
  if (elemente) {
    m_Elemente = std::move(*elemente);
  } else {
    // Without the element file every symbol would count 0: say so once and
    // leave the dialog open without a calculation.
    m_Elemente.clear();
    Melden(elemente.Fehler());
  }
  BitBtn1->setEnabled(!m_Elemente.empty());
  Edit1->setFocus();
}

void TMolmasseDlg::done(int ergebnis) {
  m_Elemente.clear();
  m_Elemente.shrink_to_fit();
  Dialogbasis::done(ergebnis);
}

void TMolmasseDlg::Edit1Change() { Label3->clear(); }

void TMolmasseDlg::Edit1Markieren() {
  Edit1->setFocus();
  Edit1->selectAll();
}

void TMolmasseDlg::BitBtn1Click() {
  if (Edit1->text().isEmpty() || m_Elemente.empty()) return;
  // A character outside the files' character set can be no symbol: it is
  // reported like any unknown part.
  const Text1252 formel = Cp1252MitErsatz(Edit1->text());
  const Rechenergebnis ergebnis = MolmasseBerechnen(formel, m_Elemente);
  for (const Meldung& meldung : ergebnis.Vorher) Melden(meldung);
  if (ergebnis.Fehler) Melden(*ergebnis.Fehler);
  if (!ergebnis.Werte.empty()) Label3->setText(QtText(ergebnis.Werte.front()));
  if (ergebnis.FokusDanach != Fokus::Keiner) Edit1Markieren();
}

}  // namespace kolvaro::ui
