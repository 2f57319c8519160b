// The delete-category dialog.
#include "ui/editing/GebietLoeschenDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Gebietsverwaltung.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TGebietLoeschenDlg::TGebietLoeschenDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("GebietLoeschenDlg"), QStringLiteral("Vorhandenes Gebiet löschen"), eltern) {
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  auto* label = new QLabel(QStringLiteral("&Vorhandene Gebiete:"), this);
  label->setBuddy(ListBox1);
  const OkAbbrechen knoepfe =
      OkAbbrechenZeile("BitBtn1", "BitBtn2", Eingabetaste::Fokusknopf, QStringLiteral("Gebiet &löschen"));
  BitBtn1 = knoepfe.Ok;
  BitBtn2 = knoepfe.Abbrechen;

  auto* gesamt = new QVBoxLayout(this);
  gesamt->addWidget(label);
  gesamt->addWidget(ListBox1);
  gesamt->addLayout(knoepfe.Zeile);
  setTabOrder(ListBox1, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);

  connect(BitBtn1, &QPushButton::clicked, this, &TGebietLoeschenDlg::BitBtn1Click);
  // A double click deletes nothing by accident: only the button does.
}

void TGebietLoeschenDlg::Vorbereiten() {
  ListBox1->clear();
  for (const auto& eintrag : m_Konverter.Katalog()) ListBox1->addItem(QtText(eintrag.Gebietsname));
  ListBox1->setCurrentRow(m_Konverter.Gebietsindex() >= 0 ? m_Konverter.Gebietsindex() : 0);
  ListBox1->setFocus();
}

void TGebietLoeschenDlg::BitBtn1Click() {
  QListWidgetItem* eintrag = ListBox1->currentItem();
  if (!eintrag) return;
  const auto name = Cp1252AusQt(eintrag->text());
  if (!name) return;  // the list holds only names read from the catalogue
  const Rechenergebnis ergebnis = GebietLoeschen(m_Konverter.Verzeichnis(), *name, [this](const Text1252& frage) {
    return m_Plattform.Frage(QtText(frage), false) == Antwort::Ja ? FrageAntwort::Ja : FrageAntwort::Nein;
  });
  if (ergebnis.Fehler) {
    // Nothing was deleted: the dialog stays open for another choice.
    Melden(*ergebnis.Fehler);
    return;
  }
  for (const auto& meldung : ergebnis.Nachher) Melden(meldung);
  if (ergebnis.Erfolg) {
    // The window reloads the catalogue and shows its first category.
    if (m_Konverter.KatalogLaden()) m_Konverter.GebietWaehlen(0);
    AenderungMelden(Neuladen::Katalog);
  }
  accept();
}

}  // namespace kolvaro::ui
