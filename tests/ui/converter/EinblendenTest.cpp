// The dialog that shows hidden units again, driven through its widgets while
// it is open: which units it lists (those of hidden countries too), the
// hidden count at once after showing some, showing all, a category without
// hidden units, and a failed rewrite that keeps file and dialog as they were.
// That no other field or line changes is EinheitensichtbarkeitTest's.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"
#include "ui/converter/Einheit_einblendenDlg.h"

namespace kolvaro::ui {
namespace {

class EinblendenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    // Three hidden units, one of them of a country that is not present.
    Daten("LAENGE.DAT", {Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
                         Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
                         Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"),
                         Einheitenzeile("n", "Atlantis", "", "Elle", "0.6"),
                         Einheitenzeile("n", "Österreich", "", "Klafter", "1.8965")});
    Starten();
    GebietWaehlen(QStringLiteral("Länge"));
    m_Roh = Roh("LAENGE.DAT");
    m_Plattform.Boxen.clear();
  }
  // Opens the dialog from the menu and runs bedienen while it is open.
  void Oeffnen(const std::function<void(QDialog&)>& bedienen) {
    EXPECT_TRUE(ImDialog("Einheiteinblenden1", "Dlg_Einheit_einblenden", bedienen));
  }
  static QListWidget* Liste(QDialog& d) { return Element<QListWidget>(&d, "ListBox1"); }
  static bool Knopf(QDialog& d, const char* name) { return Element<QPushButton>(&d, name)->isEnabled(); }
  QString Gezaehlt(int ausgeblendet) {
    return QStringLiteral("4 Einheiten vorhanden, davon %1 ausgeblendet.").arg(ausgeblendet);
  }

  std::string m_Roh;
};

TEST_F(EinblendenTest, ZweiVonDreienEinblendenZaehltSofortEins) {
  ASSERT_EQ(Label("Panel2"), Gezaehlt(3));
  Oeffnen([&](QDialog& d) {
    auto* liste = Liste(d);
    ASSERT_EQ(Eintraege(liste), QStringList({"Rute - Deutschland", "Elle - Atlantis", "Klafter - Österreich"}));
    EXPECT_EQ(liste->item(2)->data(TDlg_Einheit_einblenden::DateizeileRolle).toInt(), 4);
    // Rute and Klafter, by the user's clicks.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      liste->visualItemRect(liste->item(2)).center());
    ASSERT_EQ(liste->selectedItems().size(), 2);
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Label("Panel2"), Gezaehlt(1));
    EXPECT_EQ(Eintraege(liste), QStringList({"Elle - Atlantis"}));
    EXPECT_EQ(liste->currentRow(), 0);
  });
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "jjjnj");
  // The list is loaded anew; Elle's country is not shown.
  EXPECT_EQ(Namen(), QStringList({"Meter", "Rute", "Kilometer", "Klafter"}));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(EinblendenTest, AlleEinblendenSchliesst) {
  Oeffnen([&](QDialog& d) {
    Klick(&d, "BitBtn2");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "jjjjj");
  EXPECT_EQ(Namen(), QStringList({"Meter", "Rute", "Kilometer", "Klafter"}));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(0));
  // Opened again there is nothing left to show.
  Oeffnen([&](QDialog& d) {
    EXPECT_EQ(Element<QLabel>(&d, "Label2")->text(), QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
    EXPECT_FALSE(Knopf(d, "BitBtn1") || Knopf(d, "BitBtn2"));
    EXPECT_EQ(Liste(d)->count(), 0);
  });
  // Another category with hidden units lists them.
  GebietWaehlen(QStringLiteral("Masse"));
  Daten("MASSE.DAT", {Einheitenzeile("n", "USA", "lb", "Pound", "0.45")});
  Oeffnen([&](QDialog& d) {
    EXPECT_EQ(Element<QLabel>(&d, "Label_Gebiet")->text(), QStringLiteral("Masse"));
    EXPECT_EQ(Eintraege(Liste(d)), QStringList({"Pound - USA"}));
    EXPECT_TRUE(Knopf(d, "BitBtn1"));
  });
}

TEST_F(EinblendenTest, FehlgeschlagenesSchreibenLaesstDialogUndDatei) {
  Oeffnen([&](QDialog& d) {
    Liste(d)->selectAll();
    for (const char* knopf : {"BitBtn1", "BitBtn2"}) {
      SCOPED_TRACE(knopf);
      m_Plattform.Boxen.clear();
      Gesperrt([&] { Klick(&d, knopf); });
      EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("LAENGE.DAT"));
      EXPECT_TRUE(d.isVisible());
      EXPECT_EQ(Liste(d)->count(), 3);
      EXPECT_EQ(Label("Panel2"), Gezaehlt(3));
    }
  });
  EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
  EXPECT_EQ(Namen(), QStringList({"Meter", "Kilometer"}));
}

TEST_F(EinblendenTest, OhnePasswortKeinDialog) {
  Passwort(false);
  EXPECT_FALSE(ImDialog("ToolButton4", "Dlg_Einheit_einblenden", [](QDialog&) {}));
  EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
}

}  // namespace
}  // namespace kolvaro::ui
