// Fields of delimited lines and the Windows-1252 edge. The flag name of
// every shipped country is checked in FlaggenTest.
#include <gtest/gtest.h>

#include <tuple>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"

namespace kolvaro {
namespace {

TEST(Feld, NteFelderUndFeldErsetzen) {
  const std::tuple<const char*, char, int, const char*> faelle[] = {
      {"a\tb\tc", '\t', 1, "a"}, {"a\tb\tc", '\t', 2, "b"}, {"a\tb\tc", '\t', 3, "c"}, {"a\tb\tc", '\t', 4, ""},
      {"a\tb\t", '\t', 3, ""},   {"x*y*", '*', 2, "y"},     {"", '\t', 1, ""}};
  for (const auto& [zeile, trenner, nummer, erwartet] : faelle) EXPECT_EQ(Feld(zeile, trenner, nummer), erwartet);
  // Replacing one field keeps all the others.
  EXPECT_EQ(FeldErsetzen("j\ta\tb", 1, "n"), "n\ta\tb");
  EXPECT_EQ(FeldErsetzen("j\ta\t", 2, "x"), "j\tx\t");  // the empty last field stays
  EXPECT_EQ(FeldErsetzen("j\ta\t", 3, "z"), "j\ta\tz");
  EXPECT_EQ(FeldErsetzen("j\ta", 5, "z"), "j\ta");  // beyond the last field: unchanged
}

TEST(Zeichensatz, HinUndZurueckUndGrossschreibung) {
  const std::string utf8 = "Länge Größe Ångström € – “x” µ²";
  auto cp = Utf8NachCp1252(utf8);
  ASSERT_TRUE(cp.has_value());
  EXPECT_EQ(cp->size(), 31u);
  EXPECT_EQ(Cp1252NachUtf8(*cp), utf8);
  EXPECT_FALSE(Utf8NachCp1252("pi = π").has_value());
  EXPECT_FALSE(Utf8NachCp1252("\xC3").has_value());      // cut sequence
  EXPECT_FALSE(Utf8NachCp1252("\xC0\x80").has_value());  // overlong zero
  EXPECT_EQ(GrossCp1252(Cp1252("länge ölß")), Cp1252("LÄNGE ÖLß"));
  EXPECT_EQ(GrossCp1252(Cp1252("šœžÿ")), Cp1252("ŠŒŽŸ"));
}

}  // namespace
}  // namespace kolvaro
