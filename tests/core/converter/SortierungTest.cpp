// The comparison keys of the three orders.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Sortierung.h"

namespace kolvaro {
namespace {

TEST(Sortierung, NameSchluesselMitUmlauten) {
  EXPECT_EQ(NameSchluessel(Cp1252("Ölfass")), "OELFASS");
  EXPECT_EQ(NameSchluessel(Cp1252("Maß")), Cp1252("MAß"));  // ß is not replaced
  EXPECT_EQ(NameSchluessel(std::string(40, 'a')).size(), 34u);
  std::vector<TAusgabetextobject> einheiten(3);
  einheiten[0].Einheitenname = "Ofen";
  einheiten[1].Einheitenname = Cp1252("Öl");
  einheiten[2].Einheitenname = "Oder";
  NachNameSortieren(einheiten);
  EXPECT_EQ(einheiten[0].Einheitenname, "Oder");
  EXPECT_EQ(einheiten[1].Einheitenname, Cp1252("Öl"));
  EXPECT_EQ(einheiten[2].Einheitenname, "Ofen");
}

TEST(Sortierung, BytesZaehlenOhneVorzeichen) {
  // "É" is byte C9: after every ASCII letter, not before (as a signed char would be).
  std::vector<TAusgabetextobject> einheiten(2);
  einheiten[0].Einheitenname = Cp1252("Écu");
  einheiten[1].Einheitenname = "Zoll";
  NachNameSortieren(einheiten);
  EXPECT_EQ(einheiten[0].Einheitenname, "Zoll");
}

TEST(Sortierung, LandSchluesselKlassenZuerst) {
  std::vector<TAusgabetextobject> einheiten;
  for (const char* land : {"Argentinien", "Sonstige Einheit", "Ägypten", "Eigene Einheit", "Englisches System",
                           "Internationale Einheit", "SI-Einheit", "Australien"}) {
    TAusgabetextobject e;
    e.Landname = Cp1252(land);
    e.Einheitenname = "x";
    einheiten.push_back(e);
  }
  NachLandSortieren(einheiten);
  std::vector<std::string> reihenfolge;
  for (const auto& e : einheiten) reihenfolge.push_back(Cp1252NachUtf8(e.Landname));
  // "Ägypten" sorts as "AEgypten": before every "A" followed by a lower-case letter.
  EXPECT_EQ(reihenfolge,
            (std::vector<std::string>{"SI-Einheit", "Internationale Einheit", "Englisches System", "Eigene Einheit",
                                      "Sonstige Einheit", "Ägypten", "Argentinien", "Australien"}));
}

TEST(Sortierung, GleichesLandNachName) {
  std::vector<TAusgabetextobject> einheiten(3);
  einheiten[0] = {};
  einheiten[0].Landname = "USA";
  einheiten[0].Einheitenname = "pint";
  einheiten[1].Landname = "USA";
  einheiten[1].Einheitenname = "Gallon";
  einheiten[2].Landname = "Japan";
  einheiten[2].Einheitenname = "Ken";
  NachLandSortieren(einheiten);
  EXPECT_EQ(einheiten[0].Einheitenname, "Ken");
  EXPECT_EQ(einheiten[1].Einheitenname, "Gallon");
  EXPECT_EQ(einheiten[2].Einheitenname, "pint");
}

TEST(Sortierung, GroesseNachErgebnisOhneErgebnisBleibtDieReihenfolge) {
  std::vector<TAusgabetextobject> einheiten(3);
  einheiten[0].Einheitenname = "a";
  einheiten[1].Einheitenname = "b";
  einheiten[2].Einheitenname = "c";
  NachGroesseSortieren(einheiten, true);
  EXPECT_EQ(einheiten[0].Einheitenname, "a");
  EXPECT_EQ(einheiten[2].Einheitenname, "c");
  einheiten[0].ErgebnisWiss = "3,000000E+0000";
  einheiten[1].ErgebnisWiss = "keine Angabe";  // no number counts as 0
  einheiten[2].ErgebnisWiss = "-1,000000E+0000";
  NachGroesseSortieren(einheiten, true);
  EXPECT_EQ(einheiten[0].Einheitenname, "c");
  EXPECT_EQ(einheiten[1].Einheitenname, "b");
  EXPECT_EQ(einheiten[2].Einheitenname, "a");
}

}  // namespace
}  // namespace kolvaro
