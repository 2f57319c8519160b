// The conversion table dialog.
#include "ui/converter/UmrechnungstabelleDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "basis/Zeichensatz.h"
#include "converter/Umrechnungstabelle.h"
#include "data/Feld.h"
#include "special/Sonderumrechnung.h"
#include "ui/Tabellenausgabe.h"
#include "ui/Text.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

namespace {

Text1252 Einheitentext(const TAusgabetextobject& e) { return e.Einheitenname + " (" + e.Landname + ")"; }

}  // namespace

TUmrechnungstabelleDlg::TUmrechnungstabelleDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("UmrechnungstabelleDlg"), QStringLiteral("Umrechnungstabelle"), eltern) {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox2->setMaximumHeight(120);
  auto feld = [this](const char* name, const QString& text) {
    auto* e = new QLineEdit(text, this);
    e->setObjectName(QString::fromLatin1(name));
    return e;
  };
  Edit1 = feld("Edit1", QStringLiteral("1"));
  Edit2 = feld("Edit2", QStringLiteral("10"));
  Edit3 = feld("Edit3", QStringLiteral("1"));
  auto* formular = new QFormLayout;
  auto zeile = [&](const char* name, const QString& text, QWidget* feldwidget) {
    auto* beschriftung = Beschriftung(this, name, text);
    beschriftung->setBuddy(feldwidget);
    formular->addRow(beschriftung, feldwidget);
  };
  zeile("Label1", QStringLiteral("&Von:"), ComboBox1);
  zeile("Label2", QStringLiteral("&Nach (eine oder mehrere):"), ListBox2);
  zeile("Label3", QStringLiteral("&Start:"), Edit1);
  zeile("Label4", QStringLiteral("&Ende:"), Edit2);
  zeile("Label5", QStringLiteral("Sc&hrittweite:"), Edit3);
  Tabelle = new Tabellenansicht(m_Plattform, this, QStringLiteral("Umrechnungstabelle"));
  auto* berechnen = new QPushButton(QStringLiteral("&Berechnen"), this);
  berechnen->setObjectName(QStringLiteral("BitBtn1"));
  berechnen->setDefault(true);
  connect(berechnen, &QPushButton::clicked, this, &TUmrechnungstabelleDlg::BitBtn1Click);
  auto* kopieren = new QPushButton(QStringLiteral("&Kopieren"), this);
  kopieren->setObjectName(QStringLiteral("BitBtn2"));
  connect(kopieren, &QPushButton::clicked, this, [this] { Tabelle->Kopieren(true); });
  auto* csv = new QPushButton(QStringLiteral("Als &CSV speichern..."), this);
  csv->setObjectName(QStringLiteral("BitBtn3"));
  connect(csv, &QPushButton::clicked, this, &TUmrechnungstabelleDlg::BitBtn3Click);
  auto* drucken = new QPushButton(QStringLiteral("&Drucken..."), this);
  drucken->setObjectName(QStringLiteral("BitBtn5"));
  connect(drucken, &QPushButton::clicked, this, [this] {
    if (m_Tabelle.Zeilen.empty()) BitBtn1Click();
    if (m_Tabelle.Zeilen.empty()) return;
    TabelleDrucken(m_Plattform, Ueberschrift(), Zeilen());
  });
  auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
  schliessen->setObjectName(QStringLiteral("BitBtn4"));
  connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* k : {berechnen, kopieren, csv, drucken}) knoepfe->addWidget(k);
  knoepfe->addStretch(1);
  knoepfe->addWidget(schliessen);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(formular);
  haupt->addWidget(Tabelle, 1);
  haupt->addLayout(knoepfe);
  resize(560, 520);
}

void TUmrechnungstabelleDlg::Vorbereiten() {
  ComboBox1->clear();
  ListBox2->clear();
  for (const auto& e : m_Konverter.Einheiten()) {
    ComboBox1->addItem(QtText(Einheitentext(e)));
    ListBox2->addItem(QtText(Einheitentext(e)));
  }
  const int auswahl = m_Umgebung.Auswahl();
  if (auswahl >= 0 && auswahl < ComboBox1->count()) ComboBox1->setCurrentIndex(auswahl);
  Tabelle->Leeren();
  m_Tabelle = {};
  ComboBox1->setFocus();
}

void TUmrechnungstabelleDlg::BitBtn1Click() {
  if (SonderroutineFuer(m_Konverter.Gebietsname())) {
    Melden(InfoMeldung(KeineUmrechnungstabelle(m_Konverter.Gebietsname())));
    return;
  }
  std::vector<int> nach;
  for (const QModelIndex& index : ListBox2->selectionModel()->selectedRows()) nach.push_back(index.row());
  std::sort(nach.begin(), nach.end());
  const Rechenergebnis ergebnis = UmrechnungstabelleBerechnen(
      m_Konverter.Einheiten(), ComboBox1->currentIndex(), nach, Cp1252MitErsatz(Edit1->text()),
      Cp1252MitErsatz(Edit2->text()), Cp1252MitErsatz(Edit3->text()), m_Konverter.Stellen());
  if (ergebnis.Fehler) {
    Melden(*ergebnis.Fehler);
    QWidget* felder[] = {Edit1, Edit2, Edit3};
    const int position = static_cast<int>(ergebnis.Feld) - static_cast<int>(Eingabefeld::Wert1);
    QWidget* ziel = position >= 0 && position < 3 ? felder[position] : static_cast<QWidget*>(ListBox2);
    ziel->setFocus();
    if (auto* zeile = qobject_cast<QLineEdit*>(ziel)) zeile->selectAll();
    return;
  }
  const auto& einheiten = m_Konverter.Einheiten();
  m_Tabelle = {};
  m_Tabelle.Titel = m_Konverter.Gebietsname();
  m_Tabelle.Spalten.push_back(einheiten[static_cast<std::size_t>(ComboBox1->currentIndex())].Einheitenname);
  for (int i : nach) m_Tabelle.Spalten.push_back(einheiten[static_cast<std::size_t>(i)].Einheitenname);
  for (const Text1252& zeile : ergebnis.Werte) {
    std::vector<Text1252> zellen;
    for (std::size_t f = 1; f <= m_Tabelle.Spalten.size(); ++f)
      zellen.emplace_back(Feld(zeile.Sicht(), '\t', static_cast<int>(f)));
    m_Tabelle.Zeilen.push_back(std::move(zellen));
  }
  Tabelle->Fuellen(m_Tabelle);
}

void TUmrechnungstabelleDlg::BitBtn3Click() {
  if (m_Tabelle.Zeilen.empty()) BitBtn1Click();
  if (m_Tabelle.Zeilen.empty()) return;
  AlsCsvSpeichern(m_Plattform, QStringLiteral("Umrechnungstabelle.csv"), Zeilen());
}

std::vector<std::vector<Text1252>> TUmrechnungstabelleDlg::Zeilen() const {
  std::vector<std::vector<Text1252>> zeilen{m_Tabelle.Spalten};
  zeilen.insert(zeilen.end(), m_Tabelle.Zeilen.begin(), m_Tabelle.Zeilen.end());
  return zeilen;
}

// "Länge: Zoll in Millimeter, Meter".
Text1252 TUmrechnungstabelleDlg::Ueberschrift() const {
  Text1252 text = m_Tabelle.Titel + ": " + m_Tabelle.Spalten.front() + " in ";
  for (std::size_t i = 1; i < m_Tabelle.Spalten.size(); ++i) {
    if (i > 1) text += ", ";
    text += m_Tabelle.Spalten[i];
  }
  return text;
}

}  // namespace kolvaro::ui
