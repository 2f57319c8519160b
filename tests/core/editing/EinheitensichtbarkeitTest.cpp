// Hiding and showing units in the data file and the working lists of the
// country dialog: which lines change, that the others keep their stored
// bytes, that a failed rewrite leaves the file alone (a missing file or line
// is the line rewrite's, in DatenverzeichnisTest), and which rows and counts
// follow.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "editing/Einheitensichtbarkeit.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::Einheitenzeile;
using test::Schreibsperre;

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
  std::vector<std::string> Roh() const { return *DateiLaden(m_Temp.Pfad() / "L.DAT"); }
  std::vector<std::string> Klartext() const { return *GeheimdateiLesen(m_Temp.Pfad() / "L.DAT"); }
  std::string Sichtbar(std::size_t zeile) const { return Feld(Klartext()[zeile], '\t', 1); }

  test::TempVerzeichnis m_Temp;
  std::vector<std::string> m_Roh;  // the cipher text as written
};

TEST_F(EinheitensichtbarkeitTest, NurFeldEinsDerGenanntenZeilenAendertSich) {
  const auto vorher = Klartext();
  ASSERT_TRUE(SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {4, 0}, false));
  ASSERT_TRUE(SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {1}, true));
  const auto nachher = Klartext();
  ASSERT_EQ(nachher.size(), 5u);
  for (auto [zeile, sichtbar] : {std::pair{0u, "n"}, {1u, "j"}, {4u, "n"}}) {
    EXPECT_EQ(Feld(nachher[zeile], '\t', 1), sichtbar);
    EXPECT_EQ(nachher[zeile].substr(1), vorher[zeile].substr(1));  // the rest of the line is the same text
  }
  // The other lines keep their cipher text.
  const auto roh = Roh();
  for (std::size_t i : {2u, 3u}) EXPECT_EQ(roh[i], m_Roh[i]) << "Zeile " << i;
}

TEST_F(EinheitensichtbarkeitTest, FehlschlagLaesstDieDateiWieSieWar) {
  {
    Schreibsperre sperre;
    auto r = SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {0, 2}, false);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.Fehler().Text, NichtGeschriebenMeldung("L.DAT").Text);
  }
  EXPECT_EQ(Roh(), m_Roh);
  // No temporary file is left beside it.
  int dateien = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_Temp.Pfad())) ++dateien;
  EXPECT_EQ(dateien, 1);
}

TEST_F(EinheitensichtbarkeitTest, AusgeblendeteAuchVerborgenerLaender) {
  auto liste = AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "L.DAT");
  ASSERT_TRUE(liste);
  ASSERT_EQ(liste->size(), 2u);
  EXPECT_EQ((*liste)[0].Text, "Rute - Deutschland");
  EXPECT_EQ((*liste)[0].Dateizeile, 1);
  EXPECT_EQ((*liste)[1].Text, "Elle - Atlantis");
  EXPECT_EQ((*liste)[1].Dateizeile, 3);

  // Shown again, they are gone from the list.
  ASSERT_TRUE(SichtbarkeitSetzen(m_Temp.Pfad(), "L.DAT", {1, 3}, true));
  liste = AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "L.DAT");
  ASSERT_TRUE(liste);
  EXPECT_TRUE(liste->empty());
}

TEST_F(EinheitensichtbarkeitTest, BeschaedigteOderFehlendeDateiMeldet) {
  auto roh = m_Roh;
  roh[2] = "kein Geheimtext";
  test::Schreiben(m_Temp.Pfad() / "L.DAT", roh);
  auto liste = AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "L.DAT");
  ASSERT_FALSE(liste);
  EXPECT_EQ(liste.Fehler().Text, BeschaedigtMeldung("L.DAT", 3).Text);
  EXPECT_FALSE(AusgeblendeteEinheitenLesen(m_Temp.Pfad(), "FEHLT.DAT"));
}

TEST(AuswahlNachAusblendenTest, ZeileVorDerErstenAusgeblendeten) {
  struct Fall {
    std::vector<int> Zeilen;
    int Auswahl;
  };
  const Fall faelle[] = {{{0}, 0}, {{1}, 0}, {{5}, 4}, {{7, 3, 9}, 2}, {{0, 4}, 0}, {{}, 0}};
  for (const auto& f : faelle) EXPECT_EQ(AuswahlNachAusblenden(f.Zeilen), f.Auswahl) << f.Zeilen.size();
}

TEST(LaenderauswahlTest, VerschiebenAnsEnde) {
  Laenderauswahl a({"A", "B", "C"}, {"X"});
  EXPECT_TRUE(a.Ausblenden(1));
  EXPECT_EQ(a.Angezeigt(), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(a.Ausgeblendet(), (std::vector<std::string>{"X", "B"}));
  EXPECT_TRUE(a.Einblenden(0));
  EXPECT_EQ(a.Angezeigt(), (std::vector<std::string>{"A", "C", "X"}));
  EXPECT_EQ(a.Ausgeblendet(), (std::vector<std::string>{"B"}));
  // No selection, or a row that is not there: nothing moves.
  EXPECT_FALSE(a.Ausblenden(-1));
  EXPECT_FALSE(a.Einblenden(1));
  EXPECT_EQ(a.Angezeigt().size() + a.Ausgeblendet().size(), 4u);
}

TEST(LaenderauswahlTest, AlleUndTechnischeVerwendung) {
  const std::vector<std::string> vorhanden = {
      "SI-Einheit", "Internationale Einheit", "Deutschland", "Frankreich", Cp1252("Großbritannien"), "Japan", "USA"};
  Laenderauswahl a({"Japan"}, {});
  a.AlleAusblenden(vorhanden);
  EXPECT_TRUE(a.Angezeigt().empty());
  EXPECT_EQ(a.Ausgeblendet(), vorhanden);
  a.AlleEinblenden(vorhanden);
  EXPECT_EQ(a.Angezeigt(), vorhanden);
  EXPECT_TRUE(a.Ausgeblendet().empty());

  a.TechnischeVerwendung(vorhanden);
  // "Deutschland" is among the first three and is listed once.
  EXPECT_EQ(a.Angezeigt(), (std::vector<std::string>{"SI-Einheit", "Internationale Einheit", "Deutschland",
                                                     Cp1252("Großbritannien"), "USA"}));
  EXPECT_EQ(a.Ausgeblendet(), (std::vector<std::string>{"Frankreich", "Japan"}));
}

}  // namespace
}  // namespace kolvaro
