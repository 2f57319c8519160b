#include "ui/editing/Faktordialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/Text.h"

namespace kolvaro::ui {

Faktordialog::Faktordialog(const Dialogumgebung& umgebung, const QString& formname, const QString& titel,
                           const QString& einheitText, const QString& wertText, QWidget* eltern)
    : Dialogbasis(umgebung, formname, titel, eltern) {
  auto* label1 = Beschriftung(this, "Label1", QStringLiteral("Gebiet:"));
  Label_Gebiet = Beschriftung(this, "Label_Gebiet");
  auto* label2 = Beschriftung(this, "Label2", QStringLiteral("Land:"));
  Label_Land = Beschriftung(this, "Label_Land");
  auto* label3 = Beschriftung(this, "Label3", einheitText);
  Label_Einheit = Beschriftung(this, "Label_Einheit");
  auto* label4 = Beschriftung(this, "Label4", wertText);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  label4->setBuddy(Edit1);
  const OkAbbrechen knoepfe = OkAbbrechenZeile("OKBtn", "CancelBtn", Eingabetaste::Ok);
  OKBtn = knoepfe.Ok;
  CancelBtn = knoepfe.Abbrechen;
  m_Knoepfe = knoepfe.Zeile;

  m_Raster = new QGridLayout;
  const std::pair<QWidget*, QWidget*> zeilen[] = {
      {label1, Label_Gebiet}, {label2, Label_Land}, {label3, Label_Einheit}};
  for (int i = 0; i < 3; ++i) {
    m_Raster->addWidget(zeilen[i].first, i, 0);
    m_Raster->addWidget(zeilen[i].second, i, 1, 1, 2);
  }
  m_Raster->addWidget(label4, 3, 0);
  m_Raster->addWidget(Edit1, 3, 1);
  m_Raster->setColumnStretch(1, 1);
}

const TAusgabetextobject* Faktordialog::EinheitUebernehmen() {
  m_Zeile = m_Umgebung.Auswahl();
  const auto& einheiten = m_Konverter.Einheiten();
  if (m_Zeile < 0 || m_Zeile >= static_cast<int>(einheiten.size())) {
    // Nothing selected: nothing to change.
    m_Zeile = -1;
    QTimer::singleShot(0, this, &QDialog::reject);
    return nullptr;
  }
  const auto& einheit = einheiten[static_cast<std::size_t>(m_Zeile)];
  Label_Gebiet->setText(QtText(m_Konverter.Gebietsname()));
  Label_Land->setText(QtText(einheit.Landname));
  Label_Einheit->setText(QtText(einheit.Einheitenname));
  return &einheit;
}

bool Faktordialog::Abschliessen(const Rechenergebnis& ergebnis) {
  if (ergebnis.Fehler) Melden(*ergebnis.Fehler);
  if (!ergebnis.Erfolg) return false;
  AenderungMelden(Neuladen::Liste);
  accept();
  return true;
}

}  // namespace kolvaro::ui
