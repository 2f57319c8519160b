// The dialog that changes one unit's factor.
#include "ui/editing/FaktorAendernDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editing/Faktoraenderung.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

QLabel* Beschriftung(const QString& text, const char* name, QWidget* eltern) {
  auto* label = new QLabel(text, eltern);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TFaktor_aendern::TFaktor_aendern(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Faktor_aendern"), QStringLiteral("Umrechnungsfaktor ändern"), eltern) {
  auto* label1 = Beschriftung(QStringLiteral("Gebiet:"), "Label1", this);
  Label_Gebiet = Beschriftung(QString(), "Label_Gebiet", this);
  auto* label2 = Beschriftung(QStringLiteral("Land:"), "Label2", this);
  Label_Land = Beschriftung(QString(), "Label_Land", this);
  auto* label3 = Beschriftung(QStringLiteral("1"), "Label3", this);
  Label_Einheit = Beschriftung(QString(), "Label_Einheit", this);
  auto* label4 = Beschriftung(QStringLiteral("&entspricht:"), "Label4", this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  label4->setBuddy(Edit1);
  Label_Bezugseinheit = Beschriftung(QString(), "Label_Bezugseinheit", this);
  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("&Abbrechen"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

  auto* raster = new QGridLayout;
  raster->addWidget(label1, 0, 0);
  raster->addWidget(Label_Gebiet, 0, 1, 1, 2);
  raster->addWidget(label2, 1, 0);
  raster->addWidget(Label_Land, 1, 1, 1, 2);
  raster->addWidget(label3, 2, 0);
  raster->addWidget(Label_Einheit, 2, 1, 1, 2);
  raster->addWidget(label4, 3, 0);
  raster->addWidget(Edit1, 3, 1);
  raster->addWidget(Label_Bezugseinheit, 3, 2);
  raster->setColumnStretch(1, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(OKBtn);
  knoepfe->addWidget(CancelBtn);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(raster);
  haupt->addLayout(knoepfe);
  setTabOrder(Edit1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);

  connect(OKBtn, &QPushButton::clicked, this, &TFaktor_aendern::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TFaktor_aendern::reject);
}

void TFaktor_aendern::Vorbereiten() {
  m_Zeile = m_Umgebung.Auswahl();
  const auto& einheiten = m_Konverter.Einheiten();
  if (m_Zeile < 0 || m_Zeile >= static_cast<int>(einheiten.size())) {
    // Nothing selected: nothing to change.
    m_Zeile = -1;
    QTimer::singleShot(0, this, &TFaktor_aendern::reject);
    return;
  }
  const auto& einheit = einheiten[static_cast<std::size_t>(m_Zeile)];
  Label_Gebiet->setText(QtText(m_Konverter.Gebietsname()));
  Label_Land->setText(QtText(einheit.Landname));
  Label_Einheit->setText(QtText(einheit.Einheitenname));
  const int gebiet = m_Konverter.Gebietsindex();
  Label_Bezugseinheit->setText(
      gebiet >= 0 ? QtText(m_Konverter.Katalog()[static_cast<std::size_t>(gebiet)].Bezugseinheit) : QString());
  Edit1->setText(QtText(FaktorText(einheit.Faktor)));
  Edit1->selectAll();
  Edit1->setFocus();
}

void TFaktor_aendern::OKBtnClick() {
  if (m_Zeile < 0) return;
  // A character outside the files' character set is no number either.
  const std::string eingabe = Cp1252AusQt(Edit1->text()).value_or(std::string());
  const Rechenergebnis ergebnis =
      FaktorAendern(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), m_Konverter.EinheitAnpassen(m_Zeile), eingabe);
  if (ergebnis.Fehler) Melden(*ergebnis.Fehler);
  if (ergebnis.Erfolg) {
    AenderungMelden(Neuladen::Liste);
    accept();
    return;
  }
  // The dialog stays open with what was typed, also after a failed write.
  Edit1->setFocus();
  if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren) Edit1->selectAll();
}

}  // namespace kolvaro::ui
