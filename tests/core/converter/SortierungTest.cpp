// The comparison keys of the three orders. The orders of a whole category
// are the golden cases einheiten_winkel_*.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Sortierung.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

// Units of the given names and countries (UTF-8), in this order.
std::vector<TAusgabetextobject> Einheiten(std::initializer_list<std::pair<const char*, const char*>> namenUndLaender) {
  std::vector<TAusgabetextobject> einheiten;
  for (const auto& [name, land] : namenUndLaender) {
    auto& e = einheiten.emplace_back();
    e.Einheitenname = Cp1252(name);
    e.Landname = Cp1252(land);
  }
  return einheiten;
}
std::vector<std::string> Namen(const std::vector<TAusgabetextobject>& einheiten) {
  std::vector<std::string> namen;
  for (const auto& e : einheiten) namen.push_back(Cp1252NachUtf8(e.Einheitenname));
  return namen;
}

TEST(Sortierung, NameSchluesselMitUmlautenUndBytesOhneVorzeichen) {
  EXPECT_EQ(NameSchluessel(test::DateiBytes("Ölfass")), "OELFASS");
  EXPECT_EQ(NameSchluessel(test::DateiBytes("Maß")), test::DateiBytes("MAß"));  // ß is not replaced
  EXPECT_EQ(NameSchluessel(std::string(40, 'a')).size(), 34u);
  // "É" is byte C9: after every ASCII letter, not before (as a signed char would be).
  auto einheiten = Einheiten({{"Ofen", ""}, {"Öl", ""}, {"Écu", ""}, {"Oder", ""}, {"Zoll", ""}});
  NachNameSortieren(einheiten);
  EXPECT_EQ(Namen(einheiten), (std::vector<std::string>{"Oder", "Öl", "Ofen", "Zoll", "Écu"}));
}

TEST(Sortierung, LandSchluesselKlassenZuerstDannNachName) {
  using P = std::pair<const char*, const char*>;
  auto einheiten =
      Einheiten({P{"x", "Argentinien"}, P{"x", "Sonstige Einheit"}, P{"x", "Ägypten"}, P{"x", "Eigene Einheit"},
                 P{"pint", "USA"}, P{"x", "Englisches System"}, P{"x", "Internationale Einheit"}, P{"Gallon", "USA"},
                 P{"x", "SI-Einheit"}, P{"x", "Australien"}});
  NachLandSortieren(einheiten);
  std::vector<std::string> reihenfolge;
  for (const auto& e : einheiten) reihenfolge.push_back(Cp1252NachUtf8(e.Landname + " " + e.Einheitenname));
  // "Ägypten" sorts as "AEgypten": before every "A" followed by a lower-case letter.
  EXPECT_EQ(reihenfolge, (std::vector<std::string>{"SI-Einheit x", "Internationale Einheit x", "Englisches System x",
                                                   "Eigene Einheit x", "Sonstige Einheit x", "Ägypten x",
                                                   "Argentinien x", "Australien x", "USA Gallon", "USA pint"}));
}

TEST(Sortierung, GroesseNachErgebnisOhneErgebnisBleibtDieReihenfolge) {
  auto einheiten = Einheiten({{"a", ""}, {"b", ""}, {"c", ""}});
  NachGroesseSortieren(einheiten, true);
  EXPECT_EQ(Namen(einheiten), (std::vector<std::string>{"a", "b", "c"}));
  einheiten[0].ErgebnisWiss = "3,000000E+0000";
  einheiten[1].ErgebnisWiss = "keine Angabe";  // no number counts as 0
  einheiten[2].ErgebnisWiss = "-1,000000E+0000";
  NachGroesseSortieren(einheiten, true);
  EXPECT_EQ(Namen(einheiten), (std::vector<std::string>{"c", "b", "a"}));
}

}  // namespace
}  // namespace kolvaro
