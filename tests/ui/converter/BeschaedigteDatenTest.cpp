// Damaged data files in the window: the same messages as on the command
// line, a unit without a usable factor without a number, and its note once
// per load, however often automatic calculation converts.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;
using kolvaro::test::Verschluesselt;

class BeschaedigteDatenFenster : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    const std::filesystem::path v = Verzeichnis();
    kolvaro::test::Schreiben(v / "Gruppen.nfo", {"Masse\tMASSE.DAT\tKilogramm", "Temperatur\tTEMPERAT.DAT\tKelvin"});
    kolvaro::test::Schreiben(v / "Gebiet.nfo", {"M", "*", "T", "*"});
    kolvaro::test::LaenderSchreiben(v);
    Verschluesselt(v / "MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1"),
                                     Einheitenzeile("j", "Österreich", "", "Pfund", "0"),
                                     Einheitenzeile("j", "USA", "lb", "Pound", "0.45359237")});
    // The scales, one line short.
    Verschluesselt(v / "TEMPERAT.DAT", {Einheitenzeile("j", "SI-Einheit", "K", "Kelvin", "1")});
    Starten();
  }
};

TEST_F(BeschaedigteDatenFenster, UnbrauchbarerFaktorEinmalGemeldet) {
  GebietWaehlen(QStringLiteral("Masse"));
  Waehlen(QStringLiteral("Kilogramm"));
  Rechnen(QStringLiteral("1"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Pfund")), QStringLiteral("Faktor ungültig"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Pound")), QStringLiteral("2,2046226218"));
  const QStringList hinweis = {
      QStringLiteral("Die Datei MASSE.DAT ist beschädigt: Zeile 2 (\"Pfund\") hat keinen "
                     "gültigen Umrechnungsfaktor. Diese Einheit zeigt kein Ergebnis.")};
  EXPECT_EQ(Texte("Warnung"), hinweis);
  Rechnen(QStringLiteral("2"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Pound")), QStringLiteral("4,4092452437"));
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
}

TEST_F(BeschaedigteDatenFenster, FalscheDateiformVerweigertDasRechnen) {
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(Namen(), QStringList{QStringLiteral("Kelvin")});
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  Rechnen(QStringLiteral("0"));
  EXPECT_EQ(Texte("Fehler"),
            QStringList{QStringLiteral("Die Datei TEMPERAT.DAT ist beschädigt: Zeile 1 enthält "
                                       "\"Kelvin\" statt \"Celsius\". Der Vorgang wurde abgebrochen.")});
  EXPECT_TRUE(Ergebnis(0).isEmpty());
  EXPECT_FALSE(Aktion("WertKopieren1")->isEnabled());
}

}  // namespace
}  // namespace kolvaro::ui
