// The viewer of the physical constants.
#include "ui/reference/PhysKonstDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reference/FesteTabellen.h"
#include "ui/Text.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

TPhysKonstDlg::TPhysKonstDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("PhysKonstDlg"), QStringLiteral("Physikalische Konstanten"), eltern) {
  ListBox1 = new Tabellenansicht(m_Plattform, this);
  auto* label1 = new QLabel(QStringLiteral("&Konstanten:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setBuddy(ListBox1);
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont klein = Label2->font();
  klein.setPointSizeF(klein.pointSizeF() * 0.85);
  Label2->setFont(klein);
  BitBtn1 = SchliessenKnopf();

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(Label2);
  knoepfe->addStretch();
  knoepfe->addWidget(BitBtn1);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(label1);
  gesamt->addWidget(ListBox1);
  gesamt->addLayout(knoepfe);
  setTabOrder(ListBox1, BitBtn1);
  resize(640, 560);
}

void TPhysKonstDlg::Vorbereiten() {
  const Referenztabelle tabelle = PhysikalischeKonstanten();
  ListBox1->Fuellen(tabelle);
  Label2->setText(tabelle.Hinweis.empty() ? QString() : QStringLiteral("Werte: ") + QtText(tabelle.Hinweis));
  ListBox1->setFocus();
}

}  // namespace kolvaro::ui
