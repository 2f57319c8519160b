// Hiding units from the main window: one row or several, the row selected
// afterwards, the hidden count, the lines of the data file that change, an
// emptied list, and a failed rewrite that leaves file and list as they were.
#include <gtest/gtest.h>

#include <QToolButton>

#include "data/Feld.h"
#include "data/Textdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Schreibsperre;

class AusblendenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    Starten({});
    GebietWaehlen(QStringLiteral("Länge"));
    m_Roh = Roh();
    m_Plattform.Boxen.clear();
  }
  std::vector<std::string> Roh() { return *DateiLaden(Verzeichnis() / "LAENGE.DAT"); }
  // Field 1 of every line of LAENGE.DAT, e.g. "jjjjnj"; that no other field
  // or line changes is EinheitensichtbarkeitTest's.
  std::string Sichtbar() {
    std::string t;
    for (const auto& zeile : Klartext("LAENGE.DAT")) t += Feld(zeile, '\t', 1);
    return t;
  }
  // Ctrl+click adds a row to the selection, as the user does it.
  void Dazuwaehlen(const QString& name) {
    const QModelIndex index = Liste()->model()->index(Zeile(name), 0);
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, Qt::ControlModifier, Liste()->visualRect(index).center());
  }
  void Ausblenden() { Aktion("Einheitausblenden1")->trigger(); }

  std::vector<std::string> m_Roh;
};

// LAENGE.DAT: 0 Fuß, 1 Kilometer, 2 Meter, 3 Meile, 4 Rute (hidden), 5 Zoll
// (country not present); listed in file order.

TEST_F(AusblendenTest, EineEinheitGehtDieZeileDavorWirdGewaehlt) {
  ASSERT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter", "Meile"}));
  EXPECT_EQ(Label("Panel2"), QStringLiteral("5 Einheiten vorhanden, davon 1 ausgeblendet."));
  Waehlen(QStringLiteral("Meile"));
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter"}));
  EXPECT_EQ(Liste()->currentIndex().row(), 2);
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Meter"));
  EXPECT_EQ(Label("Panel2"), QStringLiteral("5 Einheiten vorhanden, davon 2 ausgeblendet."));
  EXPECT_TRUE(Kind<QToolButton>("SpeedButton7")->isEnabled());
  EXPECT_EQ(Sichtbar(), "jjjnnj");
  EXPECT_TRUE(m_Plattform.Boxen.empty());

  // The first row: the new first row is selected.
  Waehlen(QStringLiteral("Fuß"));
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Kilometer", "Meter"}));
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Kilometer"));
  EXPECT_EQ(Sichtbar(), "njjnnj");
  // The rows still address their own lines after the removal.
  Waehlen(QStringLiteral("Meter"));
  Ausblenden();
  EXPECT_EQ(Sichtbar(), "njnnnj");
}

TEST_F(AusblendenTest, ZweiAufEinmalZaehlenZwei) {
  Waehlen(QStringLiteral("Meile"));
  Dazuwaehlen(QStringLiteral("Meter"));
  // Rows 2 and 3.
  ASSERT_EQ(Liste()->selectionModel()->selectedIndexes().size(), 2);
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer"}));
  EXPECT_EQ(Label("Panel2"), QStringLiteral("5 Einheiten vorhanden, davon 3 ausgeblendet."));
  // The row before the first hidden one.
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Kilometer"));
  EXPECT_EQ(Sichtbar(), "jjnnnj");
  EXPECT_EQ(m_Plattform.Sanduhren, 0);
}

TEST_F(AusblendenTest, DieEinzigeEinheitHinterlaesstLeereListe) {
  GebietWaehlen(QStringLiteral("Temperatur"));
  ASSERT_EQ(Namen(), QStringList({"Kelvin"}));
  m_Plattform.Boxen.clear();
  Waehlen(QStringLiteral("Kelvin"));
  Ausblenden();
  EXPECT_EQ(Liste()->model()->rowCount(), 0);
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].startsWith(QStringLiteral("Die Einheiten-Liste enthält keine Einträge!")));
  EXPECT_TRUE(Label("Label_gewaehlte_einheit").isEmpty());
  EXPECT_EQ(Feld(Klartext("TEMP.DAT")[0], '\t', 1), "n");
  // Nothing left to hide: the command does nothing.
  Ausblenden();
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
}

TEST_F(AusblendenTest, FehlgeschlagenesSchreibenLaesstAllesWieEsWar) {
  for (bool mehrere : {false, true}) {
    SCOPED_TRACE(mehrere ? "mehrere" : "eine");
    m_Plattform.Boxen.clear();
    Waehlen(QStringLiteral("Meile"));
    if (mehrere) Dazuwaehlen(QStringLiteral("Fuß"));
    {
      Schreibsperre sperre;
      Ausblenden();
    }
    EXPECT_EQ(Texte("Fehler"), QStringList{QtText(NichtGeschriebenMeldung("LAENGE.DAT").Text)});
    EXPECT_EQ(Roh(), m_Roh);
    EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter", "Meile"}));
    EXPECT_EQ(Label("Panel2"), QStringLiteral("5 Einheiten vorhanden, davon 1 ausgeblendet."));
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
  m_Fenster->SetPasswortabfrage([] { return false; });
  Ausblenden();
  EXPECT_EQ(Namen().size(), 4);
  EXPECT_EQ(Roh(), m_Roh);

  m_Fenster->SetPasswortabfrage([] { return true; });
  Liste()->clearSelection();
  Aktion("ToolButton3")->trigger();
  EXPECT_EQ(Namen().size(), 4);
  EXPECT_EQ(Roh(), m_Roh);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

}  // namespace
}  // namespace kolvaro::ui
