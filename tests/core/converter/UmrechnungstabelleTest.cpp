// The values and rows of a conversion table.
#include <gtest/gtest.h>

#include "basis/Tabellentext.h"
#include "basis/Zeichensatz.h"
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

// The operation of the dialog and the command line: its rows and which field a refusal names.
TEST(Umrechnungstabelle, BerechnenUndCsv) {
  TAusgabetextobject zoll, mm, temperatur;
  zoll.Faktor = 0.0254L;
  mm.Faktor = 0.001L;
  const std::vector<TAusgabetextobject> einheiten{zoll, mm, temperatur};
  const Rechenergebnis r = UmrechnungstabelleBerechnen(einheiten, 0, {1}, "1", "2*1", "0,5");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(r.Werte, (std::vector<Text1252>{"1\t25,400000000", "1,5\t38,100000000", "2\t50,800000000"}));
  EXPECT_EQ(UmrechnungstabelleBerechnen(einheiten, 0, {1}, "1", "x", "1").Feld, Eingabefeld::Wert2);
  EXPECT_EQ(UmrechnungstabelleBerechnen(einheiten, 0, {1}, "1", "2", "0").Feld, Eingabefeld::Wert3);
  EXPECT_TRUE(UmrechnungstabelleBerechnen(einheiten, 0, {}, "1", "2", "1").Fehler);   // no target
  EXPECT_TRUE(UmrechnungstabelleBerechnen(einheiten, 0, {2}, "1", "2", "1").Fehler);  // no factor

  EXPECT_EQ(CsvText({{"Zoll", "mm"}, {"1,5", "38,1"}, {"a;b", "sagt \"ja\""}}),
            "Zoll;mm\r\n1,5;38,1\r\n\"a;b\";\"sagt \"\"ja\"\"\"\r\n");
  // For printing: headings in th, the rest in td, "<" and "&" escaped.
  const std::string html = Cp1252NachUtf8(HtmlTabelle("A & B", "Stand", {{"x"}, {"<1>"}}));
  EXPECT_NE(html.find("<h2>A &amp; B</h2><p>Stand</p>"), std::string::npos) << html;
  EXPECT_NE(html.find("<tr><th>x</th></tr>\n<tr><td>&lt;1&gt;</td></tr>"), std::string::npos) << html;
}

}  // namespace
}  // namespace kolvaro
