// Hiding and showing units in the data file and the working lists of the
// country dialog: which lines change, that the others keep their stored
// bytes, that a failed rewrite leaves the file alone (a missing file or line
// is the line rewrite's, in GeheimdateiTest), and which rows and counts
// follow.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "editing/Einheitensichtbarkeit.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::Einheitenzeile;

using Liste = std::vector<std::string>;
using Laender = std::vector<Text1252>;

class EinheitensichtbarkeitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Verschluesselt(m_Temp.Pfad() / "L.DAT", {Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
                                                   Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
                                                   Einheitenzeile("j", "USA", "ft", "Fuß", "0.3048"),
                                                   Einheitenzeile("n", "Atlantis", "", "Elle", "0.6"),
                                                   Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000")});
    m_Roh = Roh();
  }
  Liste Roh() const { return *DateiLaden(m_Temp.Pfad() / "L.DAT"); }
  Liste Klartext() const { return *GeheimdateiLesen(m_Temp.Pfad() / "L.DAT"); }

  test::TempVerzeichnis m_Temp;
  Liste m_Roh;  // the cipher text as written
};

// That only field 1 of these lines changes is EinheitenzeilenAendern's (GeheimdateiTest).
TEST_F(EinheitensichtbarkeitTest, FeldEinsDerGenanntenZeilen) {
  ASSERT_TRUE(SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {4, 0}, false));
  ASSERT_TRUE(SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {1}, true));
  std::string sichtbar;
  for (const auto& zeile : Klartext()) sichtbar += zeile.substr(0, 2);
  EXPECT_EQ(sichtbar, "n\tj\tj\tn\tn\t");
}

TEST_F(EinheitensichtbarkeitTest, FehlschlagLaesstDieDateiWieSieWar) {
  {
    test::Schreibsperre sperre;
    auto r = SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {0, 2}, false);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Fehler().Text, NichtGeschriebenMeldung("L.DAT").Text);
  }
  EXPECT_EQ(Roh(), m_Roh);
  // No temporary file is left beside it.
  auto it = std::filesystem::directory_iterator(m_Temp.Pfad());
  EXPECT_EQ(std::distance(it, {}), 1);
}

TEST_F(EinheitensichtbarkeitTest, AusgeblendeteAuchVerborgenerLaender) {
  auto liste = *AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "L.DAT");
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(std::pair(liste[0].Text, liste[0].Dateizeile), std::pair(Cp1252("Rute - Deutschland"), 1));
  EXPECT_EQ(std::pair(liste[1].Text, liste[1].Dateizeile), std::pair(Cp1252("Elle - Atlantis"), 3));
  // Shown again, they are gone from the list.
  ASSERT_TRUE(SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {1, 3}, true));
  EXPECT_TRUE(AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "L.DAT")->empty());

  // A damaged or missing file says so.
  auto roh = m_Roh;
  roh[2] = "kein Geheimtext";
  test::Schreiben(m_Temp.Pfad() / "L.DAT", roh);
  EXPECT_EQ(AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "L.DAT").Fehler().Text, BeschaedigtMeldung("L.DAT", 3).Text);
  EXPECT_FALSE(AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "FEHLT.DAT"));
}

TEST(AuswahlNachAusblendenTest, ZeileVorDerErstenAusgeblendeten) {
  const std::pair<std::vector<int>, int> faelle[] = {{{0}, 0},       {{1}, 0},    {{5}, 4},
                                                     {{7, 3, 9}, 2}, {{0, 4}, 0}, {{}, 0}};
  for (const auto& [zeilen, auswahl] : faelle) EXPECT_EQ(AuswahlNachAusblenden(zeilen), auswahl) << zeilen.size();
}

TEST(LaenderauswahlTest, VerschiebenUndTechnischeVerwendung) {
  Laenderauswahl a({"A", "B", "C"}, {"X"});
  EXPECT_TRUE(a.Ausblenden(1));
  EXPECT_EQ(a.Angezeigt(), (Laender{"A", "C"}));
  EXPECT_EQ(a.Ausgeblendet(), (Laender{"X", "B"}));
  EXPECT_TRUE(a.Einblenden(0));
  EXPECT_EQ(a.Angezeigt(), (Laender{"A", "C", "X"}));
  EXPECT_EQ(a.Ausgeblendet(), (Laender{"B"}));
  // No selection, or a row that is not there: nothing moves.
  EXPECT_FALSE(a.Ausblenden(-1));
  EXPECT_FALSE(a.Einblenden(1));
  EXPECT_EQ(a.Angezeigt().size() + a.Ausgeblendet().size(), 4u);

  const Laender vorhanden = {
      "SI-Einheit", "Internationale Einheit", "Deutschland", "Frankreich", Cp1252("Großbritannien"), "Japan", "USA"};
  a.TechnischeVerwendung(vorhanden);
  // "Deutschland" is among the first three and is listed once.
  EXPECT_EQ(a.Angezeigt(),
            (Laender{"SI-Einheit", "Internationale Einheit", "Deutschland", Cp1252("Großbritannien"), "USA"}));
  EXPECT_EQ(a.Ausgeblendet(), (Laender{"Frankreich", "Japan"}));
}

}  // namespace
}  // namespace kolvaro
