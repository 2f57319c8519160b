// What typed fields may hold before they go into a data file. The line
// built from them is checked with each command that writes one.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "editing/Eingabepruefung.h"

namespace kolvaro {
namespace {

TEST(Eingabepruefung, ZeichenDieDieDateienZerbraechen) {
  EXPECT_TRUE(FeldPruefen(Cp1252("Fuß (alt) – 1/3 · ½ € ©"), "Name der Einheit"));
  EXPECT_TRUE(FeldPruefen("", "Name der Einheit"));
  struct Fall {
    const char* Text;
    Feldart Art;
    const char* Grund;
  } faelle[] = {{"a\tb", Feldart::Zeilenfeld, "einen Tabulator"},
                {"a\r\nb", Feldart::Zeilenfeld, "einen Zeilenumbruch"},
                {"a\nb", Feldart::Infotext, "einen einzelnen Zeilenvorschub"},
                {"a*b", Feldart::Infotext, "einen Stern (*), der die Texte trennt"},
                {"a\x01", Feldart::Zeilenfeld, "ein Steuerzeichen"},
                {"a\x7F", Feldart::Infotext, "ein Steuerzeichen"},
                {"\xFF", Feldart::Zeilenfeld, "das Zeichen \"ÿ\", das Kolvaro nicht speichern kann"}};
  for (const auto& f : faelle) {
    auto geprueft = FeldPruefen(f.Text, "Kurzzeichen", f.Art);
    ASSERT_FALSE(geprueft) << f.Grund;
    EXPECT_EQ(Cp1252NachUtf8(geprueft.Fehler().Text),
              std::string("Das Feld \"Kurzzeichen\" enthält ") + f.Grund + ". Bitte ändern!");
  }
  EXPECT_TRUE(FeldPruefen("Zeile 1\r\nZeile 2", "Information", Feldart::Infotext));
  EXPECT_TRUE(FeldPruefen("5*3", "Kurzzeichen"));  // a star only ends an information block
}

TEST(Eingabepruefung, Dateinamen) {
  for (const char* gut : {"SCHALLPE", "A", "x_1-2", "LPT10"}) EXPECT_TRUE(DateinamePruefen(gut)) << gut;
  for (const char* schlecht : {"", "NEUNZEICH", "../X", "A/B", "A.B", "A B", "\xC4RGER", "con", "Nul", "COM1"})
    EXPECT_FALSE(DateinamePruefen(schlecht)) << schlecht;
}

}  // namespace
}  // namespace kolvaro
