// The dialog that changes one world-time unit.
#include "ui/editing/FaktorAendernWeltzeitDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "basis/Zahlformat.h"
#include "data/Einheit.h"
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

TFaktor_aendern_Weltzeit::TFaktor_aendern_Weltzeit(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Faktor_aendern_Weltzeit"),
                  QStringLiteral("Umrechnungsfaktor ändern - Weltzeit"), eltern) {
  auto* label1 = Beschriftung(QStringLiteral("Gebiet:"), "Label1", this);
  Label_Gebiet = Beschriftung(QString(), "Label_Gebiet", this);
  auto* label2 = Beschriftung(QStringLiteral("Land:"), "Label2", this);
  Label_Land = Beschriftung(QString(), "Label_Land", this);
  auto* label3 = Beschriftung(QStringLiteral("Einheit:"), "Label3", this);
  Label_Einheit = Beschriftung(QString(), "Label_Einheit", this);
  auto* label4 = Beschriftung(QStringLiteral("&Zeitdifferenz zur Weltzeit:"), "Label4", this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  label4->setBuddy(Edit1);
  auto* label5 = Beschriftung(QStringLiteral("Minuten"), "Label5", this);
  auto* panel = new QGroupBox(QStringLiteral("Angabe für Info-Feld:"), this);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* label6 = Beschriftung(QStringLiteral("&Sommerzeit (+ 1 Stunde) von..bis"), "Label6", panel);
  Edit2 = new QLineEdit(panel);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setMaxLength(static_cast<int>(kapazitaet::Uebersetzung));
  label6->setBuddy(Edit2);
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
  raster->addWidget(label5, 3, 2);
  raster->setColumnStretch(1, 1);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(label6);
  panelLayout->addWidget(Edit2);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(OKBtn);
  knoepfe->addWidget(CancelBtn);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(raster);
  haupt->addWidget(panel);
  haupt->addLayout(knoepfe);
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, OKBtn);
  setTabOrder(OKBtn, CancelBtn);

  connect(OKBtn, &QPushButton::clicked, this, &TFaktor_aendern_Weltzeit::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TFaktor_aendern_Weltzeit::reject);
}

void TFaktor_aendern_Weltzeit::Vorbereiten() {
  m_Zeile = m_Umgebung.Auswahl();
  const auto& einheiten = m_Konverter.Einheiten();
  if (m_Zeile < 0 || m_Zeile >= static_cast<int>(einheiten.size())) {
    m_Zeile = -1;
    QTimer::singleShot(0, this, &TFaktor_aendern_Weltzeit::reject);
    return;
  }
  const auto& einheit = einheiten[static_cast<std::size_t>(m_Zeile)];
  Label_Gebiet->setText(QtText(m_Konverter.Gebietsname()));
  Label_Land->setText(QtText(einheit.Landname));
  Label_Einheit->setText(QtText(einheit.Einheitenname));
  Edit1->setText(QtText(MinutenText(einheit.Faktor)));
  Edit2->setText(QtText(einheit.Uebersetzung));
  Edit1->selectAll();
  Edit1->setFocus();
}

void TFaktor_aendern_Weltzeit::OKBtnClick() {
  if (m_Zeile < 0) return;
  const std::string minuten = Cp1252AusQt(Edit1->text()).value_or(std::string());
  const auto sommerzeit = Cp1252AusQt(Edit2->text());
  if (!sommerzeit && ZahlLesen(minuten)) {
    Melden(NichtSpeicherbarMeldung(kSommerzeitFeld));
    Edit2->setFocus();
    Edit2->selectAll();
    return;
  }
  const Rechenergebnis ergebnis =
      WeltzeitAendern(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), m_Konverter.EinheitAnpassen(m_Zeile),
                      minuten, sommerzeit.value_or(std::string()));
  if (ergebnis.Fehler) Melden(*ergebnis.Fehler);
  if (ergebnis.Erfolg) {
    AenderungMelden(Neuladen::Liste);
    accept();
    return;
  }
  // The minutes are checked first: a refused entry is theirs when they do
  // not read as a number, otherwise the summer-time text's.
  QLineEdit* feld = ZahlLesen(minuten) ? Edit2 : Edit1;
  if (ergebnis.FokusDanach == Fokus::Keiner) feld = Edit1;
  feld->setFocus();
  if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren) feld->selectAll();
}

}  // namespace kolvaro::ui
