// Reading and writing rules of the five settings.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "converter/Einstellungswerte.h"

namespace kolvaro {
namespace {

// Gruppe, Sortierung, Wissenschaftlich, Autorechnen.
auto Werte(const Einstellungswerte& e) { return std::tuple(e.Gruppe, e.Sortierung, e.Wissenschaftlich, e.Autorechnen); }

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
  EXPECT_EQ(Werte(g.Werte), std::tuple(7, Sortiermodus::Land, true, true));
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
  EXPECT_EQ(Werte(zurueck), std::tuple(7, Sortiermodus::Groesse, true, true));
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
  EXPECT_EQ(Werte(g.Werte), std::tuple(1, Sortiermodus::Alphabet, false, false));

  g = Lesen({{"Gruppe", "3"}, {"ESortierung", "Groesse"}, {"ausg_wiss", "x"}, {"autorechnen", "1"}});
  EXPECT_FALSE(g.Ok);
  EXPECT_EQ(Werte(g.Werte), std::tuple(3, Sortiermodus::Groesse, false, false));  // read before the failure
}

}  // namespace
}  // namespace kolvaro
