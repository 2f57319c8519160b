// The dialling codes viewer.
#include "ui/reference/AuslandsvorwahlDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Feld.h"
#include "data/Laendertabelle.h"
#include "reference/Nfotabellen.h"
#include "ui/Flaggen.h"
#include "ui/Text.h"
#include "ui/Zugaenglichkeit.h"
#include "ui/reference/Tabellenansicht.h"

namespace kolvaro::ui {

TAuslandsvorwahlDlg::TAuslandsvorwahlDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("AuslandsvorwahlDlg"), QStringLiteral("Auslandsvorwahlen"), eltern) {
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  auto* laender = new QLabel(QStringLiteral("&Land:"), this);
  laender->setBuddy(ListBox1);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont gross = Label1->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 1.3);
  Label1->setFont(gross);
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(gross);
  Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(64, 32);
  auto* schliessen = SchliessenKnopf();

  auto* rechts = new QGridLayout;
  rechts->addWidget(Image1, 0, 0);
  rechts->addWidget(Label1, 0, 1);
  auto* vorwahl = new QLabel(QStringLiteral("Vorwahl:"), this);
  AlsWertLesen(Label2, vorwahl);
  rechts->addWidget(vorwahl, 1, 0);
  rechts->addWidget(Label2, 1, 1);
  rechts->setRowStretch(2, 1);
  rechts->setColumnStretch(1, 1);
  auto* mitte = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  links->addWidget(laender);
  links->addWidget(ListBox1);
  mitte->addLayout(links, 1);
  mitte->addLayout(rechts, 1);
  auto* knoepfe = RechtsBuendig(schliessen);
  auto* gesamt = new QVBoxLayout(this);
  gesamt->addLayout(mitte, 1);
  gesamt->addLayout(knoepfe);
  resize(520, 480);

  // Ctrl+C in the list copies the whole table, country and code.
  KopierenMitStrgC(ListBox1, [this] { m_Plattform.ZwischenablageSetzen(QtText(AlsTabText(m_Tabelle))); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TAuslandsvorwahlDlg::LandZeigen);
}

void TAuslandsvorwahlDlg::Vorbereiten() {
  auto zeilen = VorwahlenLesen(m_Konverter.Verzeichnis());
  m_Tabelle = VorwahlTabelle(zeilen ? *zeilen : std::vector<std::string>());
  if (!zeilen) Melden(zeilen.Fehler());
  const QSignalBlocker sperre(ListBox1);
  ListBox1->clear();
  for (const auto& zeile : m_Tabelle.Zeilen) ListBox1->addItem(QtText(zeile[0]));
  ListBox1->setCurrentRow(0);
  ListBox1->setFocus();
  LandZeigen();
}

void TAuslandsvorwahlDlg::LandZeigen() {
  const int zeile = ListBox1->currentRow();
  Label1->clear();
  Label2->clear();
  Image1->clear();
  if (zeile < 0 || zeile >= static_cast<int>(m_Tabelle.Zeilen.size())) return;
  const auto& z = m_Tabelle.Zeilen[static_cast<std::size_t>(zeile)];
  const Text1252& land = z[0];
  Label1->setText(QtText(land));
  Label2->setText(QtText(z[1]));
  const QPixmap flagge = Flagge(QtText(Flaggenname(land)));
  Image1->setPixmap(flagge.isNull() ? QPixmap() : flagge.scaled(Image1->size(), Qt::KeepAspectRatio));
  Image1->setAccessibleName(flagge.isNull() ? QString() : QStringLiteral("Flagge: ") + QtText(land));
}

}  // namespace kolvaro::ui
