// The new-category dialog.
#include "ui/editing/GebietNeuDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Faktoraenderung.h"
#include "editing/Gebietsverwaltung.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

QLabel* Erklaerung(const char* utf8, QWidget* eltern) {
  auto* label = new QLabel(QString::fromUtf8(utf8), eltern);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TGebietNeuDlg::TGebietNeuDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("GebietNeuDlg"), QStringLiteral("Neues Gebiet einfügen"), eltern) {
  auto* raster = new QGridLayout;
  int reihe = 0;
  auto zeile = [&](const char* beschriftung, QWidget* feld, const char* name) {
    feld->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(QString::fromUtf8(beschriftung), this);
    label->setBuddy(feld);
    raster->addWidget(label, reihe, 0);
    raster->addWidget(feld, reihe, 1);
    ++reihe;
    return label;
  };
  Edit1 = new QLineEdit(this);
  zeile("Name des neuen &Gebietes (z.B. Länge):", Edit1, "Edit1");
  Edit2 = new QLineEdit(this);
  zeile("Name der G&rundeinheit (z.B. Meter):", Edit2, "Edit2");
  raster->addWidget(Erklaerung("Die Grundeinheit ist die Einheit, auf das sich die anderen Einheiten des Gebietes "
                               "beziehen. Die Grundeinheit hat immer den Umrechnungsfaktor 1 (z.B. Das Gebiet Länge "
                               "hat die Grundeinheit Meter).",
                               this),
                    reihe++, 0, 1, 2);
  Edit4 = new QLineEdit(this);
  zeile("&Kurzzeichen der Grundeinheit:", Edit4, "Edit4");
  Edit6 = new QLineEdit(this);
  zeile("&Weiterer Namen:", Edit6, "Edit6");
  Edit5 = new QLineEdit(this);
  zeile("Ein&satzgebiet:", Edit5, "Edit5");
  ComboBox1 = new QComboBox(this);
  zeile("&Land der Grundeinheit:", ComboBox1, "ComboBox1");
  Memo1 = new QPlainTextEdit(this);
  Memo1->setTabChangesFocus(true);
  zeile("&Information zum neuen Gebiet:", Memo1, "Memo1");
  raster->addWidget(Erklaerung("Dieser Text wird bei Anwahl des Menüs Gebiet/Information über Gebiet angezeigt.", this),
                    reihe++, 1);
  // The file name with its fixed extension behind it.
  auto* dateiname = new QWidget(this);
  auto* dateinameZeile = new QHBoxLayout(dateiname);
  dateinameZeile->setContentsMargins(0, 0, 0, 0);
  Edit3 = new QLineEdit(dateiname);
  dateinameZeile->addWidget(Edit3);
  dateinameZeile->addWidget(new QLabel(QStringLiteral(".DAT"), dateiname));
  dateinameZeile->addStretch();
  zeile("&Dateiname:", dateiname, "Dateiname")->setBuddy(Edit3);
  Edit3->setObjectName(QStringLiteral("Edit3"));

  const OkAbbrechen knoepfe =
      OkAbbrechenZeile("BitBtn2", "BitBtn1", Eingabetaste::Fokusknopf, QStringLiteral("Gebiet &einfügen"));
  BitBtn2 = knoepfe.Ok;
  BitBtn1 = knoepfe.Abbrechen;

  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(raster);
  gesamt->addLayout(knoepfe.Zeile);

  QWidget* reihenfolge[] = {Edit1, Edit2, Edit4, Edit6, Edit5, ComboBox1, Memo1, Edit3, BitBtn2, BitBtn1};
  for (std::size_t i = 1; i < std::size(reihenfolge); ++i) setTabOrder(reihenfolge[i - 1], reihenfolge[i]);

  connect(Edit1, &QLineEdit::editingFinished, this, &TGebietNeuDlg::Edit1Exit);
  connect(BitBtn2, &QPushButton::clicked, this, &TGebietNeuDlg::BitBtn2Click);
}

void TGebietNeuDlg::Vorbereiten() {
  Edit2->setMaxLength(34);
  Edit4->setMaxLength(20);
  Edit6->setMaxLength(33);
  Edit5->setMaxLength(27);
  Edit3->setMaxLength(8);
  for (QLineEdit* feld : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) feld->clear();
  Memo1->clear();
  ComboBox1->clear();
  for (const auto& land : m_Konverter.Laender().Alle)
    if (!land.empty()) ComboBox1->addItem(QtText(land));
  ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
  Edit1->setFocus();
}

void TGebietNeuDlg::Edit1Exit() {
  const auto name = Cp1252AusQt(Edit1->text());
  // A name Kolvaro cannot store gets no proposal; the check on inserting says why.
  if (name) Edit3->setText(QtText(DateinameVorschlagen(*name)));
}

QWidget* TGebietNeuDlg::Steuerelement(Eingabefeld feld) const {
  switch (feld) {
    case Eingabefeld::Gebietsname:
      return Edit1;
    case Eingabefeld::Grundeinheit:
      return Edit2;
    case Eingabefeld::Kurzzeichen:
      return Edit4;
    case Eingabefeld::SonstigeNamen:
      return Edit6;
    case Eingabefeld::Einsatzgebiet:
      return Edit5;
    case Eingabefeld::Information:
      return Memo1;
    case Eingabefeld::Dateiname:
      return Edit3;
    default:
      return nullptr;
  }
}

void TGebietNeuDlg::BitBtn2Click() {
  NeuesGebiet neu;
  QWidget* fokus = nullptr;
  // Characters outside the files' code page cannot be written at all.
  auto lesen = [&](const QString& text, const char* feldname, QWidget* feld, Text1252& ziel) {
    if (auto cp = Cp1252AusQt(text)) {
      ziel = std::move(*cp);
      return true;
    }
    Melden(NichtSpeicherbarMeldung(feldname));
    if (!fokus) fokus = feld;
    return false;
  };
  bool ok = lesen(Edit1->text(), "Name des neuen Gebietes", Edit1, neu.Gebietsname);
  ok = lesen(Edit2->text(), "Name der Grundeinheit", Edit2, neu.Grundeinheit) && ok;
  ok = lesen(Edit4->text(), "Kurzzeichen der Grundeinheit", Edit4, neu.Kurzzeichen) && ok;
  ok = lesen(Edit6->text(), "Weiterer Namen", Edit6, neu.SonstigeNamen) && ok;
  ok = lesen(Edit5->text(), "Einsatzgebiet", Edit5, neu.Einsatzgebiet) && ok;
  ok = lesen(ComboBox1->currentText(), "Land der Grundeinheit", ComboBox1, neu.Landname) && ok;
  ok = lesen(Memo1->toPlainText(), "Information zum neuen Gebiet", Memo1, neu.Information) && ok;
  ok = lesen(Edit3->text(), "Dateiname", Edit3, neu.Dateiname) && ok;
  if (!ok) {
    fokus->setFocus();
    return;
  }

  const Rechenergebnis ergebnis = GebietAnlegen(m_Konverter.Verzeichnis(), neu);
  for (const auto& meldung : ergebnis.Vorher) Melden(meldung);
  if (ergebnis.Fehler) Melden(*ergebnis.Fehler);
  if (!ergebnis.Erfolg) {
    if (QWidget* feld = Steuerelement(ergebnis.Feld)) {
      feld->setFocus();
      if (auto* zeile = qobject_cast<QLineEdit*>(feld)) zeile->selectAll();
    }
    return;
  }
  // The window reloads the catalogue and keeps the category the converter
  // holds: the new one.
  if (m_Konverter.KatalogLaden()) {
    const auto& katalog = m_Konverter.Katalog();
    for (std::size_t i = 0; i < katalog.size(); ++i)
      if (katalog[i].Gebietsname == neu.Gebietsname) m_Konverter.GebietWaehlen(static_cast<int>(i));
  }
  AenderungMelden(Neuladen::Katalog);
  accept();
}

}  // namespace kolvaro::ui
