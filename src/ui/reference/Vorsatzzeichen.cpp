// The viewer of the SI prefixes.
#include "ui/reference/Vorsatzzeichen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reference/FesteTabellen.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

TVorsatzzeichen::TVorsatzzeichen(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Vorsatzzeichen"), QStringLiteral("Vorsatzzeichen"), eltern, false) {
  ListBox1 = new Tabellenansicht(m_Plattform, this);
  auto* label1 = new QLabel(QStringLiteral("&Vorsatzzeichen:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setBuddy(ListBox1);
  BitBtn1 = SchliessenKnopf();

  auto* knoepfe = RechtsBuendig(BitBtn1);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(label1);
  gesamt->addWidget(ListBox1);
  gesamt->addLayout(knoepfe);
  setTabOrder(ListBox1, BitBtn1);
  resize(360, 620);

  // The table never changes while the program runs.
  ListBox1->Fuellen(VorsatzzeichenTabelle());
}

void TVorsatzzeichen::Vorbereiten() { ListBox1->setFocus(); }

}  // namespace kolvaro::ui
