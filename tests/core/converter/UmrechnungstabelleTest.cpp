// The values and rows of a conversion table.
#include <gtest/gtest.h>

#include "converter/Umrechnungstabelle.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

TEST(Umrechnungstabelle, WerteGrenzenUndZeilen) {
  // Ten steps of 0,1 reach 1 despite their rounding; the tenth row is 1 exactly.
  const auto zehntel = Tabellenwerte(0, 1, 0.1L);
  ASSERT_TRUE(zehntel);
  ASSERT_EQ(zehntel->size(), 11u);
  EXPECT_EQ(zehntel->back(), 1.0L);
  EXPECT_EQ(Tabellenwerte(3, 1, -1)->size(), 3u);  // downwards
  EXPECT_EQ(Tabellenwerte(1, 1, 5)->size(), 1u);
  EXPECT_EQ(Tabellenwerte(0, 9999, 1)->size(), 10000u);
  for (const auto& [start, ende, schritt] :
       {std::tuple{0.0L, 10000.0L, 1.0L}, std::tuple{0.0L, 1.0L, 0.0L}, std::tuple{0.0L, 1.0L, -0.5L}})
    EXPECT_FALSE(Tabellenwerte(start, ende, schritt)) << start << " " << ende << " " << schritt;

  TAusgabetextobject zoll, mm, cm;
  zoll.Faktor = 0.0254L;
  mm.Faktor = 0.001L;
  cm.Faktor = 0.01L;
  const auto zeilen = Umrechnungstabelle({1, 2}, zoll, {&mm, &cm});
  ASSERT_EQ(zeilen.size(), 2u);
  EXPECT_NEAR(static_cast<double>(zeilen[1].Ergebnisse[0]), 50.8, 1e-12);
  EXPECT_NEAR(static_cast<double>(zeilen[1].Ergebnisse[1]), 5.08, 1e-12);
  EXPECT_EQ(TabellenwertText(0.25L), "0,25");
  EXPECT_EQ(TabellenwertText(3), "3");
}

}  // namespace
}  // namespace kolvaro
