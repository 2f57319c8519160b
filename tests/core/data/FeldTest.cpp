// Fields of delimited lines and the Windows-1252 edge.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Laendertabelle.h"

namespace kolvaro {
namespace {

TEST(Feld, NteFelder) {
  EXPECT_EQ(Feld("a\tb\tc", '\t', 1), "a");
  EXPECT_EQ(Feld("a\tb\tc", '\t', 2), "b");
  EXPECT_EQ(Feld("a\tb\tc", '\t', 3), "c");
  EXPECT_EQ(Feld("a\tb\tc", '\t', 4), "");
  EXPECT_EQ(Feld("a\tb\t", '\t', 3), "");
  EXPECT_EQ(Feld("x*y*", '*', 2), "y");
  EXPECT_EQ(Feld("", '\t', 1), "");
}

TEST(Feld, FeldErsetzenBehaeltAlleAnderenFelder) {
  EXPECT_EQ(FeldErsetzen("j\ta\tb", 1, "n"), "n\ta\tb");
  EXPECT_EQ(FeldErsetzen("j\ta\t", 2, "x"), "j\tx\t");  // the empty last field stays
  EXPECT_EQ(FeldErsetzen("j\ta\t", 3, "z"), "j\ta\tz");
  EXPECT_EQ(FeldErsetzen("j\ta", 5, "z"), "j\ta");  // beyond the last field: unchanged
}

TEST(Zeichensatz, HinUndZurueck) {
  const std::string utf8 = "Länge Größe Ångström € – “x” µ²";
  auto cp = Utf8NachCp1252(utf8);
  ASSERT_TRUE(cp.has_value());
  EXPECT_EQ(cp->size(), 31u);
  EXPECT_EQ(Cp1252NachUtf8(*cp), utf8);
  EXPECT_FALSE(Utf8NachCp1252("pi = π").has_value());
  EXPECT_FALSE(Utf8NachCp1252("\xC3").has_value());      // cut sequence
  EXPECT_FALSE(Utf8NachCp1252("\xC0\x80").has_value());  // overlong zero
}

TEST(Zeichensatz, GrossschreibungNachCodepage) {
  EXPECT_EQ(GrossCp1252(Cp1252("länge ölß")), Cp1252("LÄNGE ÖLß"));
  EXPECT_EQ(GrossCp1252(Cp1252("šœžÿ")), Cp1252("ŠŒŽŸ"));
}

TEST(Laendertabelle, Flaggennamen) {
  EXPECT_EQ(Flaggenname(Cp1252("Österreich")), "BM_OESTERREICH");
  EXPECT_EQ(Flaggenname(Cp1252("Großbritannien")), "BM_GROSSBRITANNIEN");
  EXPECT_EQ(Flaggenname(Cp1252("Türkei")), "BM_TUERKEI");
  EXPECT_EQ(Flaggenname(Cp1252("Dänemark")), "BM_DAENEMARK");
  EXPECT_EQ(Flaggenname(Cp1252("Marianen, Nördliche")), "BM_MARIANEN,NOERDLICHE");
  EXPECT_EQ(Flaggenname(Cp1252("Saudi Arabien")), "BM_SAUDIARABIEN");
  EXPECT_EQ(Flaggenname(Cp1252("Kongo Kinshasa (Zaire)")), "BM_KONGOKINSHASA(ZAIRE)");
  EXPECT_EQ(Flaggenname(Cp1252("SI-Einheit")), "BM_SI-EINHEIT");
  EXPECT_EQ(Flaggenname(Cp1252("Internationale Einheit")), "BM_INTERNATIONALEEINHEIT");
}

}  // namespace
}  // namespace kolvaro
