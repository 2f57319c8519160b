// The area and solid calculators' common form.
#include "ui/calculators/Figurendialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Text.h"
#include "ui/Zugaenglichkeit.h"
#include "ui/calculators/Rechenbild.h"

namespace kolvaro::ui {

namespace {

QString Name(const char* art, int nummer) { return QString::fromLatin1(art) + QString::number(nummer); }

}  // namespace

Figurendialog::Figurendialog(const Dialogumgebung& umgebung, const Art& art, QWidget* eltern)
    : Dialogbasis(umgebung, art.Formname, art.Titel, eltern), m_Art(art) {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setMaxVisibleItems(art.SichtbareZeilen);
  ComboBox1->setAccessibleName(QStringLiteral("Figur"));
  for (const Rechenfigur& f : *art.Figuren) ComboBox1->addItem(QtText(f.Name));
  Image1 = new TRechenbild(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image2 = new TRechenbild(this);
  Image2->setObjectName(QStringLiteral("Image2"));

  auto* felder = new QGridLayout;
  for (int i = 0; i < kRecheneingaben; ++i) {
    m_Eingaben[i] = new QLineEdit(this);
    m_Eingaben[i]->setObjectName(Name("Edit", i + 1));
    m_Eingabetexte[i] = new QLabel(this);
    m_Eingabetexte[i]->setObjectName(Name("Label", i + 1));
    m_Eingabetexte[i]->setBuddy(m_Eingaben[i]);
    felder->addWidget(m_Eingabetexte[i], i, 0);
    felder->addWidget(m_Eingaben[i], i, 1);
    if (art.TippenLeertErgebnis)
      connect(m_Eingaben[i], &QLineEdit::textChanged, this, &Figurendialog::ErgebnisseLeeren);
  }
  for (int i = 0; i < 3; ++i) {
    m_Ergebnistexte[i] = new QLabel(this);
    m_Ergebnistexte[i]->setObjectName(Name("Label", 6 + 2 * i));
    m_Ergebnisse[i] = new QLabel(this);
    m_Ergebnisse[i]->setObjectName(Name("Label", 7 + 2 * i));
    m_Ergebnisse[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Ergebnisse[i]->setMinimumWidth(130);
    AlsWertLesen(m_Ergebnisse[i], m_Ergebnistexte[i]);
    felder->addWidget(m_Ergebnistexte[i], kRecheneingaben + i, 0);
    felder->addWidget(m_Ergebnisse[i], kRecheneingaben + i, 1);
  }
  auto* rechnen = new QPushButton(QStringLiteral("&Berechnen"), this);
  auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
  rechnen->setObjectName(art.RechnenIstBitBtn1 ? QStringLiteral("BitBtn1") : QStringLiteral("BitBtn2"));
  schliessen->setObjectName(art.RechnenIstBitBtn1 ? QStringLiteral("BitBtn2") : QStringLiteral("BitBtn1"));
  rechnen->setDefault(true);
  m_Rechnen = rechnen;
  m_Schliessen = schliessen;

  auto* bilder = new QHBoxLayout;
  bilder->addWidget(Image1);
  bilder->addWidget(Image2);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(rechnen);
  knoepfe->addWidget(schliessen);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(ComboBox1);
  gesamt->addLayout(bilder);
  gesamt->addLayout(felder);
  gesamt->addStretch();
  gesamt->addLayout(knoepfe);
  QWidget* vorher = ComboBox1;
  for (QLineEdit* e : m_Eingaben) {
    setTabOrder(vorher, e);
    vorher = e;
  }
  setTabOrder(vorher, rechnen);
  setTabOrder(rechnen, schliessen);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &Figurendialog::FigurEinrichten);
  connect(rechnen, &QPushButton::clicked, this, &Figurendialog::Berechnen);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
  ComboBox1->setCurrentIndex(0);
  FigurEinrichten();
}

void Figurendialog::Vorbereiten() { m_Eingaben[0]->setFocus(); }

void Figurendialog::ErgebnisseLeeren() {
  for (QLabel* l : m_Ergebnisse) l->clear();
}

void Figurendialog::FigurEinrichten() {
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= static_cast<int>(m_Art.Figuren->size())) return;
  const Rechenfigur& figur = (*m_Art.Figuren)[static_cast<std::size_t>(index)];
  ErgebnisseLeeren();
  Image1->BildSetzen(QString::fromLatin1(figur.Bild.c_str()));
  Image2->BildSetzen(QString::fromLatin1(figur.Bild.c_str()) + QStringLiteral("_F"));
  for (int i = 0; i < kRecheneingaben; ++i) {
    const bool benutzt = i < static_cast<int>(figur.Eingaben.size());
    m_Eingabetexte[i]->setText(benutzt ? QtText(figur.Eingaben[i]) : QString());
    // The first input is always shown; hiding keeps what was typed.
    m_Eingabetexte[i]->setVisible(benutzt || i == 0);
    m_Eingaben[i]->setVisible(benutzt || i == 0);
  }
  for (int i = 0; i < 3; ++i) m_Ergebnistexte[i]->setText(QtText(figur.Ergebnisse[i]));
  NamenAusBeschriftungen(this);
}

void Figurendialog::Berechnen() {
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= static_cast<int>(m_Art.Figuren->size())) return;
  std::array<Text1252, kRecheneingaben> texte;
  for (int i = 0; i < kRecheneingaben; ++i) texte[i] = Cp1252MitErsatz(m_Eingaben[i]->text());
  const Rechenergebnis ergebnis = FigurBerechnen((*m_Art.Figuren)[static_cast<std::size_t>(index)], texte);
  if (ergebnis.Fehler) {
    Melden(*ergebnis.Fehler);
    const int position = static_cast<int>(ergebnis.Feld) - static_cast<int>(Eingabefeld::Wert1);
    QLineEdit* feld = m_Eingaben[static_cast<std::size_t>(std::clamp(position, 0, kRecheneingaben - 1))];
    feld->setFocus();
    if (ergebnis.FokusDanach == Fokus::FokusUndMarkieren) feld->selectAll();
    return;
  }
  if (ergebnis.Werte.empty()) return;  // a zero input: nothing to show
  for (std::size_t i = 0; i < m_Ergebnisse.size() && i < ergebnis.Werte.size(); ++i)
    m_Ergebnisse[i]->setText(QtText(ergebnis.Werte[i]));
}

}  // namespace kolvaro::ui
