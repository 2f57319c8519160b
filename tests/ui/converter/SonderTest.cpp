// The special categories in the window: questions, notes before and after
// the results, corrected input, focus and the exclusions of automatic
// calculation. The texts and rules are SonderumrechnungTest's of the core;
// damaged data files are BeschaedigteDatenTest's.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class SonderFensterTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::Katalog(Verzeichnis(), {{"Aräometerskalen", "ARAEOM.DAT", "Gramm/Zentimeter^3 bei 15° C"},
                                           {"Weltzeit", "WELTZEIT.DAT", "Weltzeit (UTC)"},
                                           {"Zahlensysteme", "ZAHLSYS.DAT", "Dezimalzahl"}});
    kolvaro::test::LaenderSchreiben(Verzeichnis());
    auto araeo = [](const char* land, const char* name, const char* bezug) {
      return FeldErsetzen(Einheitenzeile("j", land, "", name, "1"), 13, kolvaro::test::DateiBytes(bezug));
    };
    Daten("ARAEOM.DAT", {araeo("Deutschland", "Grad API", "15,56° C = 60° F"),
                         araeo("Deutschland", "Grad Brix", "15,625° C = 12,5° R"),
                         araeo("SI-Einheit", "Gramm/Zentimeter^3 bei 15° C", "15° C")});
    Daten("WELTZEIT.DAT",
          {Einheitenzeile("j", "Deutschland", "", "Berlin", "1"), Einheitenzeile("j", "USA", "", "New York", "-5")});
    std::vector<std::string> zahlen;
    for (const char* z : {"Binärzahl", "Dezimalzahl", "Hexadezimalzahl", "Oktalzahl", "Römische Zahl"})
      zahlen.push_back(Einheitenzeile("j", "SI-Einheit", "", z, "1"));
    Daten("ZAHLSYS.DAT", zahlen);
    Starten();
  }
};

TEST_F(SonderFensterTest, RoemischeZahlErstErgebnisseDannMeldung) {
  GebietWaehlen(QStringLiteral("Zahlensysteme"));
  Waehlen(QStringLiteral("Römische Zahl"));
  Rechnen(QStringLiteral("IIII"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Dezimalzahl")), QStringLiteral("4"));
  EXPECT_EQ(Texte("Fehler"), QStringList{"Falsche Römische Zahl!"});
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
  EXPECT_TRUE(Aktion("WertKopieren1")->isEnabled());
  EXPECT_TRUE(Eingabe()->selectedText().isEmpty());  // focus only: the text is not selected
}

TEST_F(SonderFensterTest, AraeometerFragtUndKorrigiertDieEingabe) {
  GebietWaehlen(QStringLiteral("Aräometerskalen"));
  Waehlen(QStringLiteral("Grad Brix"));
  m_Plattform.Antworten = {Antwort::Abbrechen};
  Rechnen(QStringLiteral("20"));
  ASSERT_EQ(Texte("Frage").size(), 1);
  EXPECT_TRUE(Ergebnis(QStringLiteral("Grad Brix")).isEmpty());  // cancelled: nothing shown
  m_Plattform.Antworten = {Antwort::Nein};
  Rechnen(QStringLiteral("20"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Grad Brix")), QStringLiteral("20,000000000"));

  m_Plattform.Boxen.clear();
  Waehlen(QStringLiteral("Grad API"));
  Rechnen(QStringLiteral("5"));
  EXPECT_EQ(Texte("Schlicht").size(), 1);  // its text is the golden case araeometer_api_unter_10's
  EXPECT_EQ(Eingabe()->text(), QStringLiteral("10"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Grad API")), QStringLiteral("10,000000000"));
  EXPECT_EQ(Label("Label_Ausgangseinheit"), QStringLiteral("10  Grad API"));
}

TEST_F(SonderFensterTest, WeltzeitRechnetNichtBeimTippen) {
  GebietWaehlen(QStringLiteral("Weltzeit"));
  Aktion("AutomatischesRechnen1")->trigger();  // no conversion here
  Waehlen(QStringLiteral("Berlin"));
  Eingabe()->clear();
  QTest::keyClicks(Eingabe(), QStringLiteral("23:00"));
  EXPECT_TRUE(Ergebnis(QStringLiteral("New York")).isEmpty());
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  QTest::keyClick(Eingabe(), Qt::Key_Return);
  EXPECT_EQ(Ergebnis(QStringLiteral("New York")), QStringLiteral("17:00"));
  Rechnen(QStringLiteral("25:00"));
  ASSERT_EQ(Texte("Fehler").size(), 1);
  EXPECT_EQ(Eingabe()->selectedText(), QStringLiteral("25:00"));
  EXPECT_EQ(Ergebnis(QStringLiteral("New York")), QStringLiteral("17:00"));  // unchanged
}

}  // namespace
}  // namespace kolvaro::ui
