// The value field's calculations and number-unit pairs, the split line of
// the information panel, the significant digits, the favourites and the
// history, through
// the window on the built data; the rules themselves are the core's tests'.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class WertfeldTest : public test::GebautesFenster {};

TEST_F(WertfeldTest, PaareZerlegtUndStellen) {
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Rechnen(QStringLiteral("5 ft 3 in"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Ergebnis("Meter"), QStringLiteral("1,6002000000"));
  EXPECT_EQ(Label("Info_Zerlegt1"), QStringLiteral("Zerlegt:"));
  EXPECT_EQ(Label("Info_Zerlegt2"), QStringLiteral("1 yd 2 ft 3 in"));

  // Four significant digits: shown at once, remembered in the settings.
  ASSERT_TRUE(ImDialog("Stellen1", "StellenDlg", [](QDialog& d) {
    Element<QCheckBox>(&d, "NachGroesse")->setChecked(false);
    Element<QSpinBox>(&d, "Stellen")->setValue(4);
    Klick(&d, "OKBtn");
  }));
  EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("0,001600"));
  Schliessen();
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("Stellen")).toString(), QStringLiteral("4"));

  // A favourite stands first, with its star read out, also after a restart.
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Aktion("Favorit1")->trigger();
  EXPECT_EQ(Liste()->currentIndex().row(), 0);
  EXPECT_TRUE(Liste()->currentIndex().data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("Favorit: ")));
  Schliessen();
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  EXPECT_EQ(Liste()->model()->index(0, 0).data().toString(), QStringLiteral("Meter"));

  // The values converted with Enter come back on Alt+Down, also after a
  // restart; a refused one and the half-typed ones of automatic calculation do not.
  Rechnen(QStringLiteral("2,5"));
  Rechnen(QStringLiteral("7"));
  Rechnen(QStringLiteral("x"));
  Aktion("AutomatischesRechnen1")->trigger();
  Eintippen(QStringLiteral("12"));
  Aktion("AutomatischesRechnen1")->trigger();
  Schliessen();
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  QTest::keyClick(Eingabe(), Qt::Key_Down, Qt::AltModifier);
  auto* verlauf = Kind<QCompleter>("Verlauf");
  ASSERT_TRUE(verlauf->popup()->isVisible());
  EXPECT_EQ(verlauf->completionModel()->index(0, 0).data().toString(), QStringLiteral("7"));
  EXPECT_EQ(verlauf->completionModel()->index(1, 0).data().toString(), QStringLiteral("2,5"));
  EXPECT_EQ(verlauf->completionModel()->index(2, 0).data().toString(), QStringLiteral("5 ft 3 in"));
  EXPECT_EQ(verlauf->completionModel()->rowCount(), 3);
  verlauf->popup()->hide();

  // A calculation still being typed waits without a message.
  m_Plattform.Boxen.clear();
  GebietWaehlen(QStringLiteral("Länge"));
  Aktion("AutomatischesRechnen1")->trigger();
  Eintippen(QStringLiteral("3*"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

// The table dialog: targets chosen in the list, the rows shown, saved as CSV.
TEST_F(WertfeldTest, UmrechnungstabelleZeigenUndAlsCsvSpeichern) {
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Zoll")));
  m_Plattform.Speicherort = m_Temp.filePath(QStringLiteral("tabelle.csv"));
  ASSERT_TRUE(ImDialog("Umrechnungstabelle1", "UmrechnungstabelleDlg", [](QDialog& d) {
    auto* nach = Element<QListWidget>(&d, "ListBox2");
    nach->setCurrentItem(nach->findItems(QStringLiteral("Millimeter (SI-Einheit)"), Qt::MatchExactly).at(0));
    Element<QLineEdit>(&d, "Edit2")->setText(QStringLiteral("3"));
    Klick(&d, "BitBtn1");
    auto* tabelle = Element<QTableWidget>(&d, "ListBox1");
    ASSERT_EQ(tabelle->rowCount(), 3);
    EXPECT_EQ(tabelle->item(2, 1)->text(), QStringLiteral("76,200000000"));
    Klick(&d, "BitBtn3");
    Klick(&d, "BitBtn5");
  }));
  ASSERT_EQ(m_Plattform.Drucke.size(), 1);
  EXPECT_TRUE(m_Plattform.Drucke[0].contains(QStringLiteral("<h2>Länge: Zoll in Millimeter</h2><p>Stand: ")));
  QFile datei(m_Plattform.Speicherort);
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  // UTF-8 with its byte order mark, as spreadsheets expect it.
  EXPECT_EQ(datei.readAll(),
            QByteArray("\xEF\xBB\xBFZoll;Millimeter\r\n1;25,400000000\r\n2;50,800000000\r\n3;76,200000000\r\n"));
}

// The main window's list as CSV and as a printout, from the "Datei" menu.
TEST_F(WertfeldTest, ListeAlsCsvUndGedruckt) {
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Rechnen(QStringLiteral("1"));
  m_Plattform.Speicherort = m_Temp.filePath(QStringLiteral("liste.csv"));
  Aktion("ListeSpeichern1")->trigger();
  EXPECT_EQ(m_Plattform.Vorschlaege, QStringList{QStringLiteral("Länge.csv")});
  QFile datei(m_Plattform.Speicherort);
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QString csv = QString::fromUtf8(datei.readAll());
  EXPECT_TRUE(csv.startsWith(QStringLiteral("Ergebnis;Einheit;Land\r\n"))) << csv.left(80).toStdString();
  EXPECT_TRUE(csv.contains(QStringLiteral("\r\n1,0000000000;Meter;SI-Einheit\r\n")));
  Aktion("ListeDrucken1")->trigger();
  ASSERT_EQ(m_Plattform.Drucke.size(), 1);
  EXPECT_TRUE(m_Plattform.Drucke[0].contains(QStringLiteral("<td>1,0000000000</td><td>Meter</td>")));
  // A printer that fails is said, not passed over.
  m_Plattform.DruckenGelingt = false;
  Aktion("ListeDrucken1")->trigger();
  ASSERT_FALSE(m_Plattform.Boxen.empty());
  EXPECT_EQ(m_Plattform.Boxen.back().Art, QStringLiteral("Fehler"));
  EXPECT_TRUE(m_Plattform.Boxen.back().Text.startsWith(QStringLiteral("Die Tabelle konnte nicht gedruckt werden.")));
}

}  // namespace
}  // namespace kolvaro::ui
