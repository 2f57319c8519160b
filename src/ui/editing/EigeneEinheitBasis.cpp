// The common behaviour of the own-unit dialogs.
#include "ui/editing/EigeneEinheitBasis.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "basis/Zeichensatz.h"
#include "editing/Faktoraenderung.h"
#include "ui/Text.h"

namespace kolvaro::ui {

EigeneEinheitBasis::EigeneEinheitBasis(const Dialogumgebung& umgebung, Eigenart art, const QString& formname,
                                       const QString& titel, QWidget* eltern)
    : Dialogbasis(umgebung, formname, titel, eltern), m_Art(art) {
  auto* haupt = new QVBoxLayout(this);
  m_Gitter = new QGridLayout;
  m_Gitter->setColumnStretch(1, 1);
  haupt->addLayout(m_Gitter);
}

void EigeneEinheitBasis::Beschriften(QWidget* feld, const QString& beschriftung, const QString& hinweis) {
  auto* label = new QLabel(beschriftung, this);
  label->setBuddy(feld);
  if (hinweis.isEmpty()) {
    m_Gitter->addWidget(label, m_Zeilen, 0);
    return;
  }
  auto* spalte = new QVBoxLayout;
  spalte->setSpacing(0);
  spalte->addWidget(label);
  auto* klein = new QLabel(hinweis, this);
  QFont schrift = klein->font();
  schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
  klein->setFont(schrift);
  spalte->addWidget(klein);
  m_Gitter->addLayout(spalte, m_Zeilen, 0);
}

QLineEdit* EigeneEinheitBasis::Textzeile(Eingabefeld feld, const char* objektname, const QString& beschriftung,
                                         int maxLaenge, const QString& hinweis) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(objektname));
  if (maxLaenge > 0) edit->setMaxLength(maxLaenge);
  Beschriften(edit, beschriftung, hinweis);
  m_Gitter->addWidget(edit, m_Zeilen++, 1);
  m_Edits[feld] = edit;
  return edit;
}

void EigeneEinheitBasis::Landzeile() {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  Beschriften(ComboBox1, QStringLiteral("Land:"), {});
  m_Gitter->addWidget(ComboBox1, m_Zeilen++, 1);
}

void EigeneEinheitBasis::Faktorzeile(const QString& beschriftung, int maxLaenge, bool mitBezugseinheit) {
  QLineEdit* edit = Textzeile(Eingabefeld::Faktor, "Edit5", beschriftung, maxLaenge);
  if (!mitBezugseinheit) return;
  // The reference unit stands right behind the factor: "1 own unit = x <Bezugseinheit>".
  m_Gitter->removeWidget(edit);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(edit, 1);
  Label6 = new QLabel(this);
  Label6->setObjectName(QStringLiteral("Label6"));
  zeile->addWidget(Label6);
  m_Gitter->addLayout(zeile, m_Zeilen - 1, 1);
}

void EigeneEinheitBasis::Knoepfe() {
  const OkAbbrechen knoepfe = OkAbbrechenZeile("OKBtn", "CancelBtn", Eingabetaste::Ok);
  OKBtn = knoepfe.Ok;
  CancelBtn = knoepfe.Abbrechen;
  static_cast<QVBoxLayout*>(layout())->addLayout(knoepfe.Zeile);
  connect(OKBtn, &QPushButton::clicked, this, &EigeneEinheitBasis::OKBtnClick);
}

void EigeneEinheitBasis::Vorbereiten() {
  if (Label6) Label6->setText(QtText(m_Konverter.Bezugseinheit()));
  // Filled anew each time, so the countries never appear twice.
  ComboBox1->clear();
  for (const Text1252& land : m_Konverter.Laender().Alle)
    if (!land.empty()) ComboBox1->addItem(QtText(land));
  ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
  // The fields keep what was typed last time.
  m_Edits.at(Eingabefeld::Name)->setFocus();
}

QWidget* EigeneEinheitBasis::Steuerelement(Eingabefeld feld) const {
  if (feld == Eingabefeld::Land) return ComboBox1;
  auto gefunden = m_Edits.find(feld);
  return gefunden == m_Edits.end() ? m_Edits.at(Eingabefeld::Name) : gefunden->second;
}

void EigeneEinheitBasis::Ablehnen(const Meldung& meldung, Eingabefeld feld) {
  Melden(meldung);
  QWidget* ziel = Steuerelement(feld);
  ziel->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(ziel)) edit->selectAll();
}

void EigeneEinheitBasis::OKBtnClick() {
  EigeneEingabe eingabe;
  auto uebernehmen = [&](Eingabefeld feld, Text1252& ziel) {
    QWidget* element = Steuerelement(feld);
    const QString text =
        feld == Eingabefeld::Land ? ComboBox1->currentText() : static_cast<QLineEdit*>(element)->text();
    auto cp1252 = Cp1252AusQt(text);
    if (!cp1252) {
      // The data files are Windows-1252: a character outside it cannot be stored.
      Ablehnen(NichtSpeicherbarMeldung(Beschriftung(m_Art, feld)), feld);
      return false;
    }
    ziel = std::move(*cp1252);
    return true;
  };
  for (Eingabefeld feld : kAlleEingabefelder) {
    if (feld != Eingabefeld::Land && !m_Edits.count(feld)) continue;
    if (!uebernehmen(feld, Feldtext(eingabe, feld))) return;
  }

  const Rechenergebnis ergebnis =
      EigeneEinheitEinfuegen(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), m_Art, eingabe);
  if (ergebnis.Fehler && ergebnis.Feld != Eingabefeld::Keines) {
    Ablehnen(*ergebnis.Fehler, ergebnis.Feld);
    return;
  }
  if (ergebnis.Fehler) {
    // The file could not be written. Nothing is lost: the dialog stays open
    // with everything typed.
    Melden(*ergebnis.Fehler);
    return;
  }
  AenderungMelden(Neuladen::Gebiet);
  accept();
}

}  // namespace kolvaro::ui
