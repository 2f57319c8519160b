// The dialog of the significant digits.
#include "ui/converter/StellenDlg.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "converter/Einstellungswerte.h"

namespace kolvaro::ui {

TStellenDlg::TStellenDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("StellenDlg"), QStringLiteral("Stellen"), eltern) {
  NachGroesse = new QCheckBox(QStringLiteral("&Nachkommastellen nach der Größe (wie bisher)"), this);
  NachGroesse->setObjectName(QStringLiteral("NachGroesse"));
  auto* beschriftung = Beschriftung(this, "Label1", QStringLiteral("&Gültige Stellen der Fließkommaanzeige:"));
  Stellen = new QSpinBox(this);
  Stellen->setObjectName(QStringLiteral("Stellen"));
  Stellen->setRange(kStellenMin, kStellenMax);
  beschriftung->setBuddy(Stellen);
  connect(NachGroesse, &QCheckBox::toggled, Stellen, [this](bool an) { Stellen->setEnabled(!an); });
  const auto knoepfe = OkAbbrechenZeile("OKBtn", "CancelBtn", Eingabetaste::Ok);
  connect(knoepfe.Ok, &QPushButton::clicked, this, &TStellenDlg::OKBtnClick);
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(NachGroesse);
  haupt->addWidget(beschriftung);
  haupt->addWidget(Stellen);
  haupt->addLayout(knoepfe.Zeile);
  setTabOrder(NachGroesse, Stellen);
  setTabOrder(Stellen, knoepfe.Ok);
  setTabOrder(knoepfe.Ok, knoepfe.Abbrechen);
}

void TStellenDlg::Vorbereiten() {
  const int stellen = m_Konverter.Stellen();
  NachGroesse->setChecked(stellen == 0);
  Stellen->setValue(stellen == 0 ? 4 : stellen);
  Stellen->setEnabled(stellen != 0);
  NachGroesse->setFocus();
}

void TStellenDlg::OKBtnClick() {
  m_Konverter.SetStellen(NachGroesse->isChecked() ? 0 : Stellen->value());
  accept();
}

}  // namespace kolvaro::ui
