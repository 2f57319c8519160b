// The country dialog.
#include "ui/converter/Land_neu_Dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "basis/Gebietsnamen.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {
QToolButton* Pfeil(QWidget* eltern, const char* name, const QString& text, const QString& hinweis) {
  auto* knopf = new QToolButton(eltern);
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setText(text);
  knopf->setToolTip(hinweis);
  knopf->setAccessibleName(hinweis);
  return knopf;
}
}  // namespace

TLand_neu_Dlg::TLand_neu_Dlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Land_neu_Dlg"), QStringLiteral("Länder ein-/ausblenden"), eltern) {
  auto* label1 = new QLabel(QStringLiteral("Angezeigte Länder:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  auto* label2 = new QLabel(QStringLiteral("Nicht angezeigte Länder( ausgeblendet):"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  label1->setBuddy(ListBox1);
  label2->setBuddy(ListBox2);
  SpeedButton1 = Pfeil(this, "SpeedButton1", QStringLiteral(">"), QStringLiteral("Markiertes Land ausblenden"));
  SpeedButton2 = Pfeil(this, "SpeedButton2", QStringLiteral(">>"), QStringLiteral("Alle Länder ausblenden"));
  SpeedButton3 = Pfeil(this, "SpeedButton3", QStringLiteral("<<"), QStringLiteral("Alle Länder anzeigen"));
  SpeedButton4 = Pfeil(this, "SpeedButton4", QStringLiteral("<"), QStringLiteral("Markiertes Land anzeigen"));
  auto* hinweis = new QLabel(QStringLiteral("Das Ein- und Ausblenden von Einheiten wirkt sich nur auf die folgenden "
                                            "Gebiete aus: Fläche, Länge, Masse und Volumen"),
                             this);
  hinweis->setObjectName(QStringLiteral("Label3"));
  hinweis->setWordWrap(true);
  Button1 = new QPushButton(QStringLiteral("Technische Verwendung"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  // Abbrechen and Escape leave the converter's lists as they were.
  const OkAbbrechen knoepfe =
      OkAbbrechenZeile("BitBtn1", "BitBtn2", Eingabetaste::Keinen, QStringLiteral("&OK"), {Button1});
  BitBtn1 = knoepfe.Ok;
  BitBtn2 = knoepfe.Abbrechen;

  auto* pfeile = new QVBoxLayout;
  pfeile->addStretch(1);
  for (QToolButton* knopf : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4}) pfeile->addWidget(knopf);
  pfeile->addStretch(1);
  auto* listen = new QGridLayout;
  listen->addWidget(label1, 0, 0);
  listen->addWidget(label2, 0, 2);
  listen->addWidget(ListBox1, 1, 0);
  listen->addLayout(pfeile, 1, 1);
  listen->addWidget(ListBox2, 1, 2);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(listen, 1);
  haupt->addWidget(hinweis);
  haupt->addLayout(knoepfe.Zeile);
  QWidget* reihe[] = {ListBox1, SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4,
                      ListBox2, Button1,      BitBtn1,      BitBtn2};
  for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);

  connect(SpeedButton1, &QToolButton::clicked, this, &TLand_neu_Dlg::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TLand_neu_Dlg::SpeedButton2Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TLand_neu_Dlg::SpeedButton3Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &TLand_neu_Dlg::SpeedButton4Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TLand_neu_Dlg::SpeedButton1Click);
  connect(ListBox2, &QListWidget::itemDoubleClicked, this, &TLand_neu_Dlg::SpeedButton4Click);
  connect(Button1, &QPushButton::clicked, this, &TLand_neu_Dlg::Button1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TLand_neu_Dlg::BitBtn1Click);
}

void TLand_neu_Dlg::Vorbereiten() {
  m_Auswahl = Laenderauswahl(m_Konverter.AngezeigteLaender(), m_Konverter.NichtAngezeigteLaender());
  ListenZeigen();
}

void TLand_neu_Dlg::ListenZeigen(int auswahl1, int auswahl2) {
  auto fuellen = [](QListWidget* liste, const std::vector<Text1252>& namen, int auswahl) {
    liste->clear();
    for (const auto& name : namen) liste->addItem(QtText(name));
    if (liste->count() > 0) liste->setCurrentRow(std::clamp(auswahl, 0, liste->count() - 1));
  };
  fuellen(ListBox1, m_Auswahl.Angezeigt(), auswahl1);
  fuellen(ListBox2, m_Auswahl.Ausgeblendet(), auswahl2);
}

void TLand_neu_Dlg::SpeedButton1Click() {
  const int zeile = ListBox1->currentRow();
  if (m_Auswahl.Ausblenden(zeile)) ListenZeigen(zeile, ListBox2->count());
}

void TLand_neu_Dlg::SpeedButton4Click() {
  const int zeile = ListBox2->currentRow();
  if (m_Auswahl.Einblenden(zeile)) ListenZeigen(ListBox1->count(), zeile);
}

void TLand_neu_Dlg::SpeedButton2Click() {
  m_Auswahl.AlleAusblenden(m_Konverter.Laender().Vorhandene);
  ListenZeigen();
}

void TLand_neu_Dlg::SpeedButton3Click() {
  m_Auswahl.AlleEinblenden(m_Konverter.Laender().Vorhandene);
  ListenZeigen();
}

void TLand_neu_Dlg::Button1Click() {
  m_Auswahl.TechnischeVerwendung(m_Konverter.Laender().Vorhandene);
  ListenZeigen();
}

void TLand_neu_Dlg::BitBtn1Click() {
  m_Konverter.LaenderflaggenAusListe(m_Auswahl.Angezeigt());
  m_Konverter.LaenderlistenNeuAufbauen();
  if (gebiet::NachLandGefiltert(m_Konverter.Gebietsname())) {
    m_Konverter.SetErgebnisseVorhanden(false);
    AenderungMelden(Neuladen::Gebiet);
  }
  accept();
}

}  // namespace kolvaro::ui
