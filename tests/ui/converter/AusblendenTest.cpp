// Hiding units from the main window: one row or several, the row selected
// afterwards, the hidden count, the lines of the data file that change, an
// emptied list, and a failed rewrite that leaves file and list as they were.
// That no other field or line changes is EinheitensichtbarkeitTest's.
#include <gtest/gtest.h>

#include <QToolButton>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

// LAENGE.DAT: 0 Fuß, 1 Kilometer, 2 Meter, 3 Meile, 4 Rute (hidden), 5 Zoll
// (country not present); listed in file order.
class AusblendenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    Starten({});
    GebietWaehlen(QStringLiteral("Länge"));
    m_Roh = Roh("LAENGE.DAT");
    m_Plattform.Boxen.clear();
  }
  // Ctrl+click adds a row to the selection, as the user does it.
  void Dazuwaehlen(const QString& name) {
    const QModelIndex index = Liste()->model()->index(Zeile(name), 0);
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, Qt::ControlModifier, Liste()->visualRect(index).center());
  }
  void Ausblenden() { Aktion("Einheitausblenden1")->trigger(); }
  QString Gezaehlt(int ausgeblendet) {
    return QStringLiteral("5 Einheiten vorhanden, davon %1 ausgeblendet.").arg(ausgeblendet);
  }

  std::string m_Roh;
};

TEST_F(AusblendenTest, EineEinheitGehtDieZeileDavorWirdGewaehlt) {
  ASSERT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter", "Meile"}));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(1));
  Waehlen(QStringLiteral("Meile"));
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter"}));
  EXPECT_EQ(Liste()->currentIndex().row(), 2);
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Meter"));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(2));
  EXPECT_TRUE(Kind<QToolButton>("SpeedButton7")->isEnabled());
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "jjjnnj");
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  // The rows still address their own lines after a removal.
  Waehlen(QStringLiteral("Fuß"));
  Ausblenden();
  Waehlen(QStringLiteral("Meter"));
  Ausblenden();
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "njnnnj");
}

TEST_F(AusblendenTest, ZweiAufEinmalZaehlenZwei) {
  Waehlen(QStringLiteral("Meile"));
  Dazuwaehlen(QStringLiteral("Meter"));
  ASSERT_EQ(Liste()->selectionModel()->selectedIndexes().size(), 2);
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer"}));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(3));
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Kilometer"));  // the row before the first hidden
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "jjnnnj");
  EXPECT_EQ(m_Plattform.Sanduhren, 0);
}

TEST_F(AusblendenTest, DieEinzigeEinheitHinterlaesstLeereListe) {
  GebietWaehlen(QStringLiteral("Temperatur"));
  m_Plattform.Boxen.clear();
  Waehlen(QStringLiteral("Kelvin"));
  Ausblenden();
  EXPECT_EQ(Liste()->model()->rowCount(), 0);
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].startsWith(QStringLiteral("Die Einheiten-Liste enthält keine Einträge!")));
  EXPECT_TRUE(Label("Label_gewaehlte_einheit").isEmpty());
  EXPECT_EQ(Sichtbar("TEMP.DAT"), "n");
  Ausblenden();  // nothing left to hide: the command does nothing
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
}

TEST_F(AusblendenTest, FehlgeschlagenesSchreibenLaesstAllesWieEsWar) {
  for (bool mehrere : {false, true}) {
    SCOPED_TRACE(mehrere ? "mehrere" : "eine");
    m_Plattform.Boxen.clear();
    Waehlen(QStringLiteral("Meile"));
    if (mehrere) Dazuwaehlen(QStringLiteral("Fuß"));
    Gesperrt([&] { Ausblenden(); });
    EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("LAENGE.DAT"));
    EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
    EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter", "Meile"}));
    EXPECT_EQ(Label("Panel2"), Gezaehlt(1));
    EXPECT_EQ(m_Plattform.Sanduhren, 0);
  }
  // The data file gone: the same message, the list unchanged.
  std::filesystem::remove(Verzeichnis() / "LAENGE.DAT");
  m_Plattform.Boxen.clear();
  Waehlen(QStringLiteral("Meter"));
  Ausblenden();
  EXPECT_EQ(Texte("Fehler").size(), 1);
  EXPECT_EQ(Namen().size(), 4);
}

TEST_F(AusblendenTest, OhnePasswortOderAuswahlGeschiehtNichts) {
  Waehlen(QStringLiteral("Meile"));
  Passwort(false);
  Ausblenden();
  Passwort(true);
  Liste()->clearSelection();
  Aktion("ToolButton3")->trigger();
  EXPECT_EQ(Namen().size(), 4);
  EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

}  // namespace
}  // namespace kolvaro::ui
