// The clothing sizes.
#include "ui/reference/KonfektionDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <memory>

#include "reference/Rtf.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TKonfektionDlg::TKonfektionDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("KonfektionDlg"), QStringLiteral("Konfektionsgrößen"), eltern) {
  RichEdit1 = new QTextBrowser(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setAccessibleName(QStringLiteral("Konfektionsgrößen"));
  RichEdit1->setReadOnly(true);
  // The documents are ours and link nowhere; a click must not empty the view.
  RichEdit1->setOpenLinks(false);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);

  RadioGroup1 = new QGroupBox(QStringLiteral("Konfektionsgrößen für"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  m_Gruppen = new QButtonGroup(this);
  auto* spalten = new QHBoxLayout(RadioGroup1);
  // In the order of kKonfektionsgruppen: the button's id is the document's index.
  static const char* const kKnoepfe[] = {"&Damen", "&Herren", "&Kinder"};
  for (int i = 0; i < 3; ++i) {
    auto* knopf = new QRadioButton(QString::fromLatin1(kKnoepfe[i]), RadioGroup1);
    knopf->setObjectName(QString::fromLatin1(kKonfektionsgruppen[i]));
    m_Gruppen->addButton(knopf, i);
    spalten->addWidget(knopf);
  }
  m_Gruppen->button(0)->setChecked(true);

  BitBtn1 = SchliessenKnopf();

  auto* unten = new QHBoxLayout;
  unten->addWidget(RadioGroup1, 1);
  unten->addWidget(BitBtn1, 0, Qt::AlignBottom);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(RichEdit1, 1);
  gesamt->addLayout(unten);
  setTabOrder(RichEdit1, m_Gruppen->button(0));
  setTabOrder(m_Gruppen->button(0), BitBtn1);
  resize(680, 560);

  connect(m_Gruppen, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) DokumentZeigen();
  });
  connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& stelle) {
    std::unique_ptr<QMenu> menue(RichEdit1->createStandardContextMenu(stelle));
    menue->addSeparator();
    QAction* alles = menue->addAction(QStringLiteral("&Alles kopieren"), this, &TKonfektionDlg::AllesKopieren);
    alles->setObjectName(QStringLiteral("AllesKopieren"));
    alles->setEnabled(!m_Text.isEmpty());
    menue->exec(RichEdit1->viewport()->mapToGlobal(stelle));
  });
}

void TKonfektionDlg::Vorbereiten() {
  DokumentZeigen();
  RichEdit1->setFocus();
}

void TKonfektionDlg::DokumentZeigen() {
  const auto dokument = KonfektionLesen(m_Konverter.Verzeichnis(), m_Gruppen->checkedId());
  if (!dokument) {
    // The dialog stays open: another group may have its document.
    RichEdit1->clear();
    m_Text.clear();
    Melden(dokument.Fehler());
    return;
  }
  RichEdit1->setHtml(QtText(dokument->Html));
  m_Text = QtText(dokument->Text);
}

void TKonfektionDlg::AllesKopieren() {
  if (!m_Text.isEmpty()) m_Plattform.ZwischenablageSetzen(m_Text);
}

}  // namespace kolvaro::ui
