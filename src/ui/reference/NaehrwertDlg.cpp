// The nutrition viewer.
#include "ui/reference/NaehrwertDlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reference/Nfotabellen.h"
#include "ui/Text.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

TNaehrwertDlg::TNaehrwertDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("NaehrwertDlg"), QStringLiteral("Nährwerttabelle"), eltern) {
  auto* hinweis = new QLabel(QStringLiteral("Die Nährwertangaben beziehen sich auf 100 g Lebensmittel."), this);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (const Text1252& g : Naehrwertgruppen()) ComboBox1->addItem(QtText(g));
  auto* gruppe = new QLabel(QStringLiteral("&Lebensmittelgruppe:"), this);
  gruppe->setBuddy(ComboBox1);
  auto* RadioGroup1 = new QGroupBox(QStringLiteral("Anzeige der Daten als"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  m_Kcal = new QRadioButton(QStringLiteral("kc&al"), RadioGroup1);
  m_Kcal->setObjectName(QStringLiteral("kcal"));
  m_KJoule = new QRadioButton(QStringLiteral("k&Joule"), RadioGroup1);
  m_KJoule->setObjectName(QStringLiteral("kJoule"));
  m_Kcal->setChecked(true);
  auto* einheit = new QHBoxLayout(RadioGroup1);
  einheit->addWidget(m_Kcal);
  einheit->addWidget(m_KJoule);
  ListBox1 = new Tabellenansicht(m_Plattform, this, QStringLiteral("Lebensmittel"));
  auto* schliessen = SchliessenKnopf();

  auto* oben = new QHBoxLayout;
  oben->addWidget(gruppe);
  oben->addWidget(ComboBox1, 1);
  oben->addWidget(RadioGroup1);
  auto* knoepfe = RechtsBuendig(schliessen);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(hinweis);
  gesamt->addLayout(oben);
  gesamt->addWidget(ListBox1, 1);
  gesamt->addLayout(knoepfe);
  resize(560, 600);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TNaehrwertDlg::ListeFuellen);
  connect(m_Kcal, &QRadioButton::toggled, this, &TNaehrwertDlg::ListeFuellen);
}

void TNaehrwertDlg::Vorbereiten() {
  auto zeilen = NaehrwerteLesen(m_Konverter.Verzeichnis());
  m_Zeilen = zeilen ? std::move(*zeilen) : std::vector<std::string>();
  if (!zeilen) Melden(zeilen.Fehler());
  const QSignalBlocker sperre(ComboBox1);
  ComboBox1->setCurrentIndex(0);
  ComboBox1->setFocus();
  ListeFuellen();
}

void TNaehrwertDlg::ListeFuellen() {
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= static_cast<int>(Naehrwertgruppen().size())) return;
  ListBox1->Fuellen(
      NaehrwertTabelle(m_Zeilen, Naehrwertgruppen()[static_cast<std::size_t>(index)], m_KJoule->isChecked()));
}

}  // namespace kolvaro::ui
