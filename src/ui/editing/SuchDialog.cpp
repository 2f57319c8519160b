// The search dialog: its controls, the search and the questions before a jump.
#include "ui/editing/SuchDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Text.h"
#include "ui/Zugaenglichkeit.h"

namespace kolvaro::ui {

namespace {

QRadioButton* Knopf(const QString& text, const char* name, QWidget* eltern) {
  auto* knopf = new QRadioButton(text, eltern);
  knopf->setObjectName(QString::fromLatin1(name));
  return knopf;
}

QPushButton* Taste(const QString& text, const char* name, QWidget* eltern) {
  auto* taste = new QPushButton(text, eltern);
  taste->setObjectName(QString::fromLatin1(name));
  // Enter in the term field starts the search; no button closes the dialog on Enter.
  taste->setAutoDefault(false);
  return taste;
}

}  // namespace

TSuch_Dialog::TSuch_Dialog(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Such_Dialog"), QStringLiteral("Einheiten suchen"), eltern) {
  // Created in reading order, which is the tab order.
  RadioGroup1 = new QGroupBox(QStringLiteral("Suchen nach"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  m_NachName = Knopf(QStringLiteral("Name"), "RadioGroup1Name", RadioGroup1);
  m_NachAbkuerzung = Knopf(QStringLiteral("Abkürzung"), "RadioGroup1Abkuerzung", RadioGroup1);
  m_NachName->setChecked(true);
  auto* spalten = new QHBoxLayout(RadioGroup1);
  spalten->addWidget(m_NachName);
  spalten->addWidget(m_NachAbkuerzung);

  auto* begriffText = new QLabel(QStringLiteral("Suchbegriff:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(20);
  begriffText->setBuddy(Edit1);

  RadioGroup2 = new QGroupBox(this);
  RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
  RadioGroup2->setAccessibleName(QStringLiteral("Vergleich mit dem Namen"));
  m_Bestandteil =
      Knopf(QStringLiteral("Suchbegriff als Bestandteil des Namens"), "RadioGroup2Bestandteil", RadioGroup2);
  m_Exakt = Knopf(QStringLiteral("Exakte Übereinstimmung mit Namen"), "RadioGroup2Exakt", RadioGroup2);
  m_Bestandteil->setChecked(true);
  auto* zeilen = new QVBoxLayout(RadioGroup2);
  zeilen->addWidget(m_Bestandteil);
  zeilen->addWidget(m_Exakt);

  BitBtn1 = Taste(QStringLiteral("S&uche starten"), "BitBtn1", this);

  auto* listeText = new QLabel(QStringLiteral("Gefundene Einheiten:"), this);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  listeText->setBuddy(ListBox1);

  auto* anzahlText = new QLabel(QStringLiteral("Anzahl:"), this);
  Label4 = new QLabel(QStringLiteral("0"), this);
  Label4->setObjectName(QStringLiteral("Label4"));
  AlsWertLesen(Label4, anzahlText);

  HelpBtn = Taste(QStringLiteral("&Gehe zu"), "HelpBtn", this);
  CancelBtn = Taste(QStringLiteral("Schließen"), "CancelBtn", this);

  auto* begriffZeile = new QHBoxLayout;
  begriffZeile->addWidget(begriffText);
  begriffZeile->addWidget(Edit1, 1);
  begriffZeile->addWidget(BitBtn1);
  auto* fussZeile = new QHBoxLayout;
  fussZeile->addWidget(anzahlText);
  fussZeile->addWidget(Label4);
  fussZeile->addStretch(1);
  fussZeile->addWidget(HelpBtn);
  fussZeile->addWidget(CancelBtn);
  auto* aussen = new QVBoxLayout(this);
  aussen->addWidget(RadioGroup1);
  aussen->addLayout(begriffZeile);
  aussen->addWidget(RadioGroup2);
  aussen->addWidget(listeText);
  aussen->addWidget(ListBox1, 1);
  aussen->addLayout(fussZeile);
  HelpBtn->setEnabled(false);

  connect(m_NachName, &QRadioButton::toggled, this, &TSuch_Dialog::RadioGroup1Click);
  connect(Edit1, &QLineEdit::returnPressed, this, &TSuch_Dialog::BitBtn1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TSuch_Dialog::BitBtn1Click);
  connect(HelpBtn, &QPushButton::clicked, this, &TSuch_Dialog::HelpBtnClick);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TSuch_Dialog::HelpBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TSuch_Dialog::Vorbereiten() {
  // The hits of the previous search stay listed.
  m_Sprungziel.reset();
  RadioGroup1Click();
  HelpBtn->setEnabled(!m_Trefferliste.empty());
  Edit1->setFocus();
}

void TSuch_Dialog::RadioGroup1Click() { RadioGroup2->setVisible(m_NachName->isChecked()); }

Suchmodus TSuch_Dialog::Modus() const {
  if (m_NachAbkuerzung->isChecked()) return Suchmodus::Abkuerzung;
  return m_Exakt->isChecked() ? Suchmodus::Exakt : Suchmodus::Bestandteil;
}

void TSuch_Dialog::BitBtn1Click() {
  if (Edit1->text().isEmpty()) return;
  Suchergebnis ergebnis;
  {
    Sanduhr sanduhr(m_Plattform);
    ListBox1->clear();
    m_Trefferliste.clear();
    // A character Windows-1252 cannot hold is in no data file: no hit.
    if (auto begriff = Cp1252AusQt(Edit1->text()))
      ergebnis = Suchen(m_Konverter.Verzeichnis(), m_Konverter.Katalog(), *begriff, Modus());
    m_Trefferliste = std::move(ergebnis.Treffer);
    for (const auto& treffer : m_Trefferliste) ListBox1->addItem(QtText(treffer.Ergebniszeile));
    Label4->setText(QString::number(m_Trefferliste.size()));
    HelpBtn->setEnabled(!m_Trefferliste.empty());
    if (!m_Trefferliste.empty()) {
      ListBox1->setCurrentRow(0);
      ListBox1->setFocus();
    }
  }
  if (ergebnis.Meldung) Melden(*ergebnis.Meldung);
}

void TSuch_Dialog::HelpBtnClick() {
  const int zeile = ListBox1->currentRow();
  if (zeile < 0 || zeile >= static_cast<int>(m_Trefferliste.size())) return;
  const TSuchobjekt& treffer = m_Trefferliste[static_cast<std::size_t>(zeile)];
  // The two questions have only Yes and No.
  const Rueckfrage frage = [this](const Text1252& text) {
    return m_Plattform.Frage(QtText(text), false) == Antwort::Ja ? FrageAntwort::Ja : FrageAntwort::Nein;
  };
  const Rechenergebnis vorbereitet = SprungVorbereiten(m_Konverter, treffer, frage, m_Umgebung.PasswortAbfragen);
  if (vorbereitet.GebietNeuLaden) AenderungMelden(Neuladen::Gebiet);
  if (vorbereitet.Fehler) Melden(*vorbereitet.Fehler);
  if (!vorbereitet.Erfolg) return;
  m_Sprungziel = Suchsprung{treffer.Gebietsnummer - 1, treffer.Name, treffer.Landname};
  accept();
}

}  // namespace kolvaro::ui
