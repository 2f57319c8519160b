// Reading and writing rules of the five settings.
#include <gtest/gtest.h>

#include <map>

#include "converter/Einstellungswerte.h"

namespace kolvaro {
namespace {

EinstellungenGelesen Lesen(const std::map<std::string, std::string>& werte) {
  return EinstellungenAuswerten([&](const char* name) -> std::optional<std::string> {
    auto it = werte.find(name);
    if (it == werte.end()) return std::nullopt;
    return it->second;
  });
}

TEST(Einstellungswerte, GelesenWieGespeichertUndZurueck) {
  auto g =
      Lesen({{"Gruppe", "7"}, {"ESortierung", "Land"}, {"ausg_wiss", "0"}, {"autorechnen", "1"}, {"Laender", "1101"}});
  EXPECT_TRUE(g.Ok);
  EXPECT_EQ(g.Werte.Gruppe, 7);
  EXPECT_EQ(g.Werte.Sortierung, Sortiermodus::Land);
  EXPECT_TRUE(g.Werte.Wissenschaftlich);
  EXPECT_TRUE(g.Werte.Autorechnen);
  const auto& l = g.Werte.Laender;
  EXPECT_EQ((std::vector<bool>{l[1], l[2], l[4], l[210]}),
            (std::vector<bool>{true, false, true, true}));  // beyond the text: shown

  g.Werte.Sortierung = Sortiermodus::Groesse;
  g.Werte.Laender[10] = false;
  std::map<std::string, std::string> gespeichert;
  for (const auto& [name, wert] : EinstellungenSchreibwerte(g.Werte)) gespeichert[name] = wert;
  EXPECT_EQ(gespeichert["ausg_wiss"], "0");
  EXPECT_EQ(gespeichert["Laender"].size(), 211u);
  const auto zurueck = Lesen(gespeichert).Werte;
  EXPECT_EQ(zurueck.Gruppe, 7);
  EXPECT_EQ(zurueck.Sortierung, Sortiermodus::Groesse);
  EXPECT_TRUE(zurueck.Wissenschaftlich);
  EXPECT_TRUE(zurueck.Autorechnen);
  EXPECT_EQ(zurueck.Laender, g.Werte.Laender);
}

TEST(Einstellungswerte, RegelnFuerEinzelneWerte) {
  for (const char* gruppe : {"0", "", "-4"}) EXPECT_EQ(Lesen({{"Gruppe", gruppe}}).Werte.Gruppe, 1) << gruppe;
  EXPECT_EQ(Lesen({{"ESortierung", "Farbe"}}).Werte.Sortierung, Sortiermodus::Alphabet);
  // "0" means scientific, anything else not.
  for (auto [wert, wiss] : {std::pair{"1", false}, {"5", false}, {"0", true}})
    EXPECT_EQ(Lesen({{"ausg_wiss", wert}}).Werte.Wissenschaftlich, wiss) << wert;
  EXPECT_FALSE(Lesen({{"autorechnen", "ja"}}).Werte.Autorechnen);
  EXPECT_TRUE(Lesen({}).Ok);  // the first start: every default, no warning
}

TEST(Einstellungswerte, UnlesbarerWertLaesstDenRestBeiDenVorgaben) {
  auto g = Lesen({{"Gruppe", "drei"}, {"ESortierung", "Land"}, {"autorechnen", "1"}});
  EXPECT_FALSE(g.Ok);
  EXPECT_EQ(g.Werte.Gruppe, 1);
  EXPECT_EQ(g.Werte.Sortierung, Sortiermodus::Alphabet);
  EXPECT_FALSE(g.Werte.Autorechnen);

  g = Lesen({{"Gruppe", "3"}, {"ESortierung", "Groesse"}, {"ausg_wiss", "x"}, {"autorechnen", "1"}});
  EXPECT_FALSE(g.Ok);
  EXPECT_EQ(g.Werte.Gruppe, 3);  // read before the failure
  EXPECT_EQ(g.Werte.Sortierung, Sortiermodus::Groesse);
  EXPECT_FALSE(g.Werte.Autorechnen);
}

}  // namespace
}  // namespace kolvaro
