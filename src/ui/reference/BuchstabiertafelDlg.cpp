// The phonetic alphabets.
#include "ui/reference/BuchstabiertafelDlg.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "reference/FesteTabellen.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

constexpr int kSpalten = 7;
constexpr int kZeilen = 10;  // five pairs of a letter row and a word row

QTableWidgetItem* Zelle(const QFont& grund, const QString& text, bool buchstabe) {
  auto* zelle = new QTableWidgetItem(text);
  QFont schrift = grund;
  schrift.setPointSize(buchstabe ? 12 : 10);
  schrift.setBold(buchstabe);
  zelle->setFont(schrift);
  zelle->setForeground(buchstabe ? QColor(Qt::blue) : QColor(Qt::black));
  zelle->setTextAlignment(Qt::AlignCenter);
  return zelle;
}

}  // namespace

TBuchstabiertafelDlg::TBuchstabiertafelDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("BuchstabiertafelDlg"), QStringLiteral("Buchstabiertafel"), eltern, false) {
  StringGrid1 = new QTableWidget(kZeilen, kSpalten, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setAccessibleName(QStringLiteral("Buchstabiertafel"));
  StringGrid1->horizontalHeader()->setVisible(false);
  StringGrid1->verticalHeader()->setVisible(false);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto* kopieren = new QAction(QStringLiteral("Tabelle &kopieren"), StringGrid1);
  kopieren->setObjectName(QStringLiteral("Kopieren"));
  StringGrid1->addAction(kopieren);
  StringGrid1->installEventFilter(this);
  StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);

  RadioGroup1 = new QGroupBox(QStringLiteral("Alphabet"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  m_Alphabete = new QButtonGroup(this);
  auto* spalten = new QGridLayout(RadioGroup1);
  struct Knopf {
    const char* Name;
    const char* Text;
  };
  // In the order of Buchstabiertafelnamen(): the button's id is the alphabet's index.
  static const Knopf kKnoepfe[] = {
      {"Deutsch", "&Deutsch"},
      {"Englisch", "&Englisch"},
      {"Telefon", "Intern. (&Telefon)"},
      {"Sprechfunk", "Intern. (S&prechfunk)"},
  };
  for (int i = 0; i < 4; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(kKnoepfe[i].Text), RadioGroup1);
    knopf->setObjectName(QString::fromLatin1(kKnoepfe[i].Name));
    m_Alphabete->addButton(knopf, i);
    spalten->addWidget(knopf, 0, i);
  }
  m_Alphabete->button(0)->setChecked(true);

  BitBtn1 = SchliessenKnopf();

  auto* knoepfe = RechtsBuendig(BitBtn1);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(StringGrid1, 1);
  gesamt->addWidget(RadioGroup1);
  gesamt->addLayout(knoepfe);
  setTabOrder(StringGrid1, m_Alphabete->button(0));
  setTabOrder(m_Alphabete->button(0), BitBtn1);
  resize(720, 440);

  connect(m_Alphabete, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) TafelZeigen();
  });
  connect(kopieren, &QAction::triggered, this, &TBuchstabiertafelDlg::Kopieren);
}

bool TBuchstabiertafelDlg::eventFilter(QObject* objekt, QEvent* ereignis) {
  // By itself the grid copies only its current cell.
  if (objekt == StringGrid1 && ereignis->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
    Kopieren();
    return true;
  }
  return Dialogbasis::eventFilter(objekt, ereignis);
}

void TBuchstabiertafelDlg::Vorbereiten() {
  TafelZeigen();
  StringGrid1->setFocus();
}

void TBuchstabiertafelDlg::TafelZeigen() {
  const auto index = static_cast<std::size_t>(std::max(0, m_Alphabete->checkedId()));
  const auto& worte = Buchstabiertafel(index);
  const auto& buchstaben = Buchstabierbuchstaben();
  const QFont grund = StringGrid1->font();
  StringGrid1->clearContents();
  for (int p = 0; p < kBuchstabierPositionen; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const int spalte = p % kSpalten;
    const int zeile = 2 * (p / kSpalten);
    // The letters beyond Z belong to the alphabets that spell them.
    const bool vorhanden = p < 26 || !worte[i].empty();
    StringGrid1->setItem(zeile, spalte, Zelle(grund, vorhanden ? QtText(buchstaben[i]) : QString(), true));
    StringGrid1->setItem(zeile + 1, spalte, Zelle(grund, QtText(worte[i]), false));
  }
}

void TBuchstabiertafelDlg::Kopieren() {
  m_Plattform.ZwischenablageSetzen(QtText(AlsTabText(BuchstabiertafelTabelle())));
}

}  // namespace kolvaro::ui
