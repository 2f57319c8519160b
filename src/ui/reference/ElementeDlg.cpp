// The element viewer.
#include "ui/reference/ElementeDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Feld.h"
#include "ui/Text.h"
#include "ui/Zugaenglichkeit.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

namespace {

// The details in the order of the form: the value label's objectName and its caption.
constexpr const char* kFelder[][2] = {
    {"Englisch", "Englischer Name:"},
    {"Zustand", "Aggregatzustand:"},
    {"Atommasse", "Atommasse:"},
    {"Ordnungszahl", "Ordnungszahl:"},
    {"Gruppe", "Gruppe:"},
    {"Oxidationszahl", "Oxidationszahl:"},
    {"Konfiguration", "Elektronenkonfig.:"},
    {"Dichte", ""},  // the caption depends on the state
    {"Schmelzpunkt", "Schmelzpunkt in °C:"},
    {"Siedepunkt", "Siedepunkt in °C:"},
    {"WaermeJeGramm", "in J/g K:"},
    {"WaermeJeMol", "in J/mol K:"},
    {"Waermeleitfaehigkeit", "Wärmeleitfähigkeit in W/m K:"},
    {"Atomradius", "Atomradius in pm:"},
    {"KritischeTemperatur", "Kritische Temp. in °C:"},
};

}  // namespace

TElementeDlg::TElementeDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("ElementeDlg"), QStringLiteral("Chemische Elemente"), eltern) {
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setAccessibleName(QStringLiteral("Elemente"));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont gross = Label1->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 1.5);
  Label1->setFont(gross);
  Label2->setFont(gross);
  AlsWertLesen(Label2, QStringLiteral("Symbol:"));
  auto* entdeckung = new QLabel(this);
  entdeckung->setObjectName(QStringLiteral("Entdeckung"));
  m_Werte["Entdeckung"] = entdeckung;

  auto* formular = new QFormLayout;
  auto* waerme = new QGroupBox(QStringLiteral("Spez. Wärmekapazität bei 25° C und 1 bar"), this);
  auto* waermeFormular = new QFormLayout(waerme);
  for (const auto& feld : kFelder) {
    auto* wert = new QLabel(this);
    wert->setObjectName(QString::fromLatin1(feld[0]));
    wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Werte[feld[0]] = wert;
    auto* titel = new QLabel(QString::fromUtf8(feld[1]), this);
    titel->setBuddy(wert);
    // The two heat capacities are captioned by their unit under the group's title.
    if (std::string(feld[0]).rfind("WaermeJe", 0) == 0)
      AlsWertLesen(wert, QStringLiteral("Spez. Wärmekapazität ") + titel->text());
    else
      AlsWertLesen(wert, titel);
    if (std::string(feld[0]) == "Dichte") {
      m_Dichtetitel = titel;
      m_Dichtetitel->setObjectName(QStringLiteral("Dichtetitel"));
    }
    if (std::string(feld[0]).rfind("WaermeJe", 0) == 0) {
      waermeFormular->addRow(titel, wert);
      if (std::string(feld[0]) == "WaermeJeMol") formular->addRow(waerme);
    } else {
      formular->addRow(titel, wert);
    }
  }
  auto* schliessen = SchliessenKnopf();

  auto* kopf = new QHBoxLayout;
  kopf->addWidget(Label1, 1);
  kopf->addWidget(Label2);
  auto* rechts = new QVBoxLayout;
  rechts->addLayout(kopf);
  rechts->addWidget(entdeckung);
  rechts->addLayout(formular);
  rechts->addStretch();
  auto* mitte = new QHBoxLayout;
  mitte->addWidget(ListBox1);
  mitte->addLayout(rechts, 1);
  auto* knoepfe = RechtsBuendig(schliessen);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(mitte, 1);
  gesamt->addLayout(knoepfe);

  // Ctrl+C in the list copies every element with all its values.
  KopierenMitStrgC(ListBox1,
                   [this] { m_Plattform.ZwischenablageSetzen(QtText(AlsTabText(ElementTabelle(m_Zeilen)))); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TElementeDlg::DetailsZeigen);
}

QLabel* TElementeDlg::Wert(const char* name) { return m_Werte.at(name); }

void TElementeDlg::Vorbereiten() {
  auto zeilen = ElementeLesen(m_Konverter.Verzeichnis());
  m_Zeilen = zeilen ? std::move(*zeilen) : std::vector<std::string>();
  if (!zeilen) Melden(zeilen.Fehler());
  m_Vorher = {};
  const QSignalBlocker sperre(ListBox1);
  ListBox1->clear();
  for (const std::string& zeile : m_Zeilen) ListBox1->addItem(QtText(ElementDetails(zeile).Name));
  ListBox1->setCurrentRow(0);
  ListBox1->setFocus();
  DetailsZeigen();
}

void TElementeDlg::DetailsZeigen() {
  const int zeile = ListBox1->currentRow();
  if (zeile < 0 || zeile >= static_cast<int>(m_Zeilen.size())) return;
  const Elementdetails d = ElementDetails(m_Zeilen[static_cast<std::size_t>(zeile)], m_Vorher);
  Label1->setText(QtText(d.Name));
  Label2->setText(QtText(d.Symbol));
  const std::pair<const char*, const Text1252*> werte[] = {
      {"Englisch", &d.Englisch},
      {"Zustand", &d.Zustand},
      {"Atommasse", &d.Atommasse},
      {"Ordnungszahl", &d.Ordnungszahl},
      {"Gruppe", &d.Gruppe},
      {"Oxidationszahl", &d.Oxidationszahl},
      {"Konfiguration", &d.Konfiguration},
      {"Dichte", &d.Dichte},
      {"Schmelzpunkt", &d.Schmelzpunkt},
      {"Siedepunkt", &d.Siedepunkt},
      {"WaermeJeGramm", &d.WaermeJeGramm},
      {"WaermeJeMol", &d.WaermeJeMol},
      {"Waermeleitfaehigkeit", &d.Waermeleitfaehigkeit},
      {"Atomradius", &d.Atomradius},
      {"KritischeTemperatur", &d.KritischeTemperatur},
      {"Entdeckung", &d.Entdeckung},
  };
  for (const auto& [name, text] : werte) Wert(name)->setText(QtText(*text));
  m_Dichtetitel->setText(QtText(d.Dichtetitel));
  m_Vorher = d;
}

}  // namespace kolvaro::ui
