// The dialog that reads exchange rates from a rate file.
#include "ui/editing/KurseEinlesenDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "basis/Gebietsnamen.h"
#include "editing/KurseEinlesen.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TKurseEinlesenDlg::TKurseEinlesenDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("KurseEinlesenDlg"), QStringLiteral("Wechselkurse einlesen"), eltern) {
  auto* hinweis = Beschriftung(this, "Label1",
                               QStringLiteral("Referenzkurse der Europäischen Zentralbank, wie sie deren Website zum "
                                              "Herunterladen anbietet: eurofxref-daily.xml, eurofxref-hist.xml, "
                                              "eurofxref.csv oder eurofxref-hist.csv."));
  hinweis->setWordWrap(true);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMinimumWidth(320);
  auto* dateiBeschriftung = Beschriftung(this, "Label2", QStringLiteral("&Datei:"));
  dateiBeschriftung->setBuddy(Edit1);
  Button1 = new QPushButton(QStringLiteral("D&urchsuchen…"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  auto* tagBeschriftung = Beschriftung(this, "Label3", QStringLiteral("&Tag:"));
  tagBeschriftung->setBuddy(ComboBox1);
  const OkAbbrechen knoepfe = OkAbbrechenZeile("OKBtn", "CancelBtn", Eingabetaste::Ok);
  OKBtn = knoepfe.Ok;
  CancelBtn = knoepfe.Abbrechen;

  auto* raster = new QGridLayout;
  raster->addWidget(dateiBeschriftung, 0, 0);
  raster->addWidget(Edit1, 0, 1);
  raster->addWidget(Button1, 0, 2);
  raster->addWidget(tagBeschriftung, 1, 0);
  raster->addWidget(ComboBox1, 1, 1);
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(hinweis);
  haupt->addLayout(raster);
  haupt->addLayout(knoepfe.Zeile);
  setTabOrder(Edit1, Button1);
  setTabOrder(Button1, ComboBox1);
  setTabOrder(ComboBox1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);

  connect(Button1, &QPushButton::clicked, this, &TKurseEinlesenDlg::Button1Click);
  connect(Edit1, &QLineEdit::editingFinished, this, [this] {
    if (!Edit1->text().trimmed().isEmpty()) DateiLesen();
  });
  connect(OKBtn, &QPushButton::clicked, this, &TKurseEinlesenDlg::OKBtnClick);
}

void TKurseEinlesenDlg::Vorbereiten() {
  // The file may have changed since the last call: it is chosen anew.
  Edit1->clear();
  ComboBox1->clear();
  m_Datei.reset();
  m_Gelesen.clear();
  Edit1->setFocus();
}

void TKurseEinlesenDlg::Button1Click() {
  const QString pfad = m_Plattform.DateiOeffnenWaehlen(QStringLiteral("Kursdatei öffnen"),
                                                       QStringLiteral("Kursdateien (*.xml *.csv);;Alle Dateien (*)"));
  if (pfad.isEmpty()) return;
  Edit1->setText(pfad);
  if (DateiLesen()) ComboBox1->setFocus();
}

bool TKurseEinlesenDlg::DateiLesen() {
  const QString pfad = Edit1->text().trimmed();
  if (m_Datei && pfad == m_Gelesen) return true;
  m_Datei.reset();
  m_Gelesen.clear();
  ComboBox1->clear();
  if (pfad.isEmpty()) return false;
  Resultat<Kursdatei> datei = [&] {
    Sanduhr sanduhr(m_Plattform);
    return KursdateiLaden(pfad.toStdString());
  }();
  if (!datei) {
    Melden(datei.Fehler());
    Edit1->setFocus();
    Edit1->selectAll();
    return false;
  }
  m_Datei = std::move(*datei);
  m_Gelesen = pfad;
  for (const Kursstichtag& tag : m_Datei->Tage) ComboBox1->addItem(QtText(DeutscherText(tag.Datum)));
  ComboBox1->setCurrentIndex(0);
  return true;
}

void TKurseEinlesenDlg::OKBtnClick() {
  if (Edit1->text().trimmed().isEmpty()) {
    Melden(InfoMeldung(Cp1252("Bitte zuerst eine Kursdatei wählen.")));
    Edit1->setFocus();
    return;
  }
  if (!DateiLesen()) return;
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= static_cast<int>(m_Datei->Tage.size())) return;
  const Kurseinlesung k = KurseEinlesen(m_Konverter.Verzeichnis(), m_Datei->Tage[static_cast<std::size_t>(index)]);
  if (k.Ergebnis.Fehler) {
    Melden(*k.Ergebnis.Fehler);
    return;
  }
  QStringList zeilen;
  for (const Text1252& zeile : BerichtZeilen(k.Bericht)) zeilen << QtText(zeile) + QLatin1Char('.');
  m_Plattform.Information(zeilen.join(QLatin1Char('\n')));
  // Only the category on show has to be read anew.
  if (k.Ergebnis.GebietNeuLaden && m_Konverter.Gebietsname() == gebiet::Waehrungen) AenderungMelden(Neuladen::Gebiet);
  accept();
}

}  // namespace kolvaro::ui
