// Damaged data files in the window: the messages (their texts are
// BeschaedigteDatenTest's of the core), a unit without a usable factor
// without a number, and its note once per load, however often automatic
// calculation converts.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class BeschaedigteDatenFenster : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::Katalog(Verzeichnis(),
                           {{"Masse", "MASSE.DAT", "Kilogramm"}, {"Temperatur", "TEMPERAT.DAT", "Kelvin"}});
    kolvaro::test::LaenderSchreiben(Verzeichnis());
    Daten("MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1"),
                        Einheitenzeile("j", "Österreich", "", "Pfund", "0"),
                        Einheitenzeile("j", "USA", "lb", "Pound", "0.45359237")});
    Daten("TEMPERAT.DAT", {Einheitenzeile("j", "SI-Einheit", "K", "Kelvin", "1")});  // the scales, one line short
    Starten();
  }
};

TEST_F(BeschaedigteDatenFenster, UnbrauchbarerFaktorEinmalGemeldet) {
  GebietWaehlen(QStringLiteral("Masse"));
  Waehlen(QStringLiteral("Kilogramm"));
  Rechnen(QStringLiteral("1"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Pfund")), QStringLiteral("Faktor ungültig"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Pound")), QStringLiteral("2,2046226218"));
  ASSERT_EQ(Texte("Warnung").size(), 1);
  EXPECT_TRUE(Texte("Warnung")[0].startsWith(QStringLiteral("Die Datei MASSE.DAT ist beschädigt: Zeile 2")));
  Rechnen(QStringLiteral("2"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Pound")), QStringLiteral("4,4092452437"));
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
}

TEST_F(BeschaedigteDatenFenster, FalscheDateiformVerweigertDasRechnen) {
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(Namen(), QStringList{QStringLiteral("Kelvin")});
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  Rechnen(QStringLiteral("0"));
  ASSERT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Fehler")[0].startsWith(QStringLiteral("Die Datei TEMPERAT.DAT ist beschädigt")));
  EXPECT_TRUE(Ergebnis(0).isEmpty());
  EXPECT_FALSE(Aktion("WertKopieren1")->isEnabled());
}

}  // namespace
}  // namespace kolvaro::ui
