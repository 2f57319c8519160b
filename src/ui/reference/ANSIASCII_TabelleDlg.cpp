// The character code table.
#include "ui/reference/ANSIASCII_TabelleDlg.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

constexpr int kSpalten = 10;
constexpr int kZeilen = 52;  // 26 pairs of a code row and a character row: codes 0 to 259
constexpr int kCodes = 256;

// What a code's cell shows: the control characters by their abbreviation,
// since they have no glyph; nothing for a code the code page leaves free.
QString Zeichen(int code, Codeseite seite) {
  if (code < static_cast<int>(Steuerzeichentabelle().size()))
    return QtText(Steuerzeichentabelle()[static_cast<std::size_t>(code)].Kurz);
  if (code == 127) return QStringLiteral("DEL");
  const char32_t zeichen = CodeZeichen(code, seite);
  return zeichen == 0 ? QString() : QString::fromUcs4(&zeichen, 1);
}

QTableWidgetItem* Zelle(const QString& text, const QColor& farbe) {
  auto* zelle = new QTableWidgetItem(text);
  zelle->setForeground(farbe);
  zelle->setTextAlignment(Qt::AlignCenter);
  return zelle;
}

}  // namespace

TANSIASCII_TabelleDlg::TANSIASCII_TabelleDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("ANSIASCII_TabelleDlg"), QStringLiteral("ANSI-ASCII-Zeichentabelle"), eltern,
                  false) {
  StringGrid1 = new QTableWidget(kZeilen, kSpalten, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setAccessibleName(QStringLiteral("Zeichentabelle"));
  StringGrid1->horizontalHeader()->setVisible(false);
  StringGrid1->verticalHeader()->setVisible(false);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
  auto* kopieren = new QAction(QStringLiteral("Tabelle &kopieren"), StringGrid1);
  kopieren->setObjectName(QStringLiteral("Kopieren"));
  StringGrid1->addAction(kopieren);
  StringGrid1->installEventFilter(this);
  StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);

  RadioGroup1 = new QGroupBox(QStringLiteral("Zeichensatz"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  m_Seiten = new QButtonGroup(this);
  auto* ansi = new QRadioButton(QStringLiteral("&ANSI"), RadioGroup1);
  ansi->setObjectName(QStringLiteral("Ansi"));
  auto* ascii = new QRadioButton(QStringLiteral("AS&CII"), RadioGroup1);
  ascii->setObjectName(QStringLiteral("Ascii"));
  m_Seiten->addButton(ansi, static_cast<int>(Codeseite::Ansi));
  m_Seiten->addButton(ascii, static_cast<int>(Codeseite::Oem));
  ansi->setChecked(true);
  auto* seiten = new QHBoxLayout(RadioGroup1);
  seiten->addWidget(ansi);
  seiten->addWidget(ascii);

  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (std::size_t code = 0; code < Steuerzeichentabelle().size(); ++code) {
    const Steuerzeichen& s = Steuerzeichentabelle()[code];
    ComboBox1->addItem(QString::number(code) + QStringLiteral(" - ") + QtText(s.Kurz) + QStringLiteral(" - ") +
                       QtText(s.Beschreibung));
  }
  ComboBox1->setCurrentIndex(0);
  auto* label1 = new QLabel(QStringLiteral("&Bedeutung der Steuerzeichen (0 - 31):"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setBuddy(ComboBox1);

  BitBtn1 = SchliessenKnopf();

  auto* steuerzeichen = new QVBoxLayout;
  steuerzeichen->addWidget(label1);
  steuerzeichen->addWidget(ComboBox1);
  auto* unten = new QHBoxLayout;
  unten->addWidget(RadioGroup1);
  unten->addLayout(steuerzeichen, 1);
  unten->addWidget(BitBtn1, 0, Qt::AlignBottom);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(StringGrid1, 1);
  gesamt->addLayout(unten);
  setTabOrder(StringGrid1, ansi);
  setTabOrder(ansi, ComboBox1);
  setTabOrder(ComboBox1, BitBtn1);
  resize(640, 640);

  connect(m_Seiten, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) TabelleZeigen();
  });
  connect(kopieren, &QAction::triggered, this, &TANSIASCII_TabelleDlg::Kopieren);
}

Codeseite TANSIASCII_TabelleDlg::GewaehlteSeite() const {
  return m_Seiten->checkedId() == static_cast<int>(Codeseite::Oem) ? Codeseite::Oem : Codeseite::Ansi;
}

bool TANSIASCII_TabelleDlg::eventFilter(QObject* objekt, QEvent* ereignis) {
  // By itself the grid copies only its current cell.
  if (objekt == StringGrid1 && ereignis->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
    Kopieren();
    return true;
  }
  return Dialogbasis::eventFilter(objekt, ereignis);
}

void TANSIASCII_TabelleDlg::Vorbereiten() {
  TabelleZeigen();
  StringGrid1->setFocus();
}

void TANSIASCII_TabelleDlg::TabelleZeigen() {
  const Codeseite seite = GewaehlteSeite();
  StringGrid1->setUpdatesEnabled(false);
  StringGrid1->clearContents();
  for (int code = 0; code < kCodes; ++code) {
    const int spalte = code % kSpalten;
    const int zeile = 2 * (code / kSpalten);
    StringGrid1->setItem(zeile, spalte, Zelle(QString::number(code), Qt::blue));
    StringGrid1->setItem(zeile + 1, spalte, Zelle(Zeichen(code, seite), Qt::black));
  }
  StringGrid1->setUpdatesEnabled(true);
}

void TANSIASCII_TabelleDlg::Kopieren() {
  const Codeseite seite = GewaehlteSeite();
  QString text = QStringLiteral("Code\tZeichen\n");
  for (int code = 0; code < kCodes; ++code)
    text += QString::number(code) + QLatin1Char('\t') + Zeichen(code, seite) + QLatin1Char('\n');
  m_Plattform.ZwischenablageSetzen(text);
}

}  // namespace kolvaro::ui
