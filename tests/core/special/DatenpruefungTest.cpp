// The period texts the data check accepts, and the findings' own form.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "data/Pruefbericht.h"
#include "special/Datenpruefung.h"

namespace kolvaro {
namespace {

TEST(Datenpruefung, ZeitraumFormen) {
  for (const char* gut : {"", "seit 1872", "bis 19. Jh.", "1810-1871", "ca. 200 v.-400", "3.-1. Jt. v.Chr",
                          "ab 3.Jt. v.Chr.", "45 v. Chr.-1582", "1945-1960er", "17. Jh.-1889", "bis heute", "Antike"})
    EXPECT_TRUE(ZeitraumBekannt(gut)) << gut;
  for (const char* schlecht : {"irgendwann", "seit", "18721", "1810 - 1871", "seit  1872", "19. Jh", "bis 1872 "})
    EXPECT_FALSE(ZeitraumBekannt(schlecht)) << schlecht;
}

// A reader's message becomes a finding of its line, without the frame.
TEST(Datenpruefung, MeldungAlsBefund) {
  Pruefbericht bericht;
  MeldungAlsBefund("X.DAT",
                   FehlerMeldung(Cp1252("Die Datei X.DAT ist beschädigt: Zeile 12 enthält \"a\" statt \"b\". "
                                        "Der Vorgang wurde abgebrochen.")),
                   bericht);
  MeldungAlsBefund("X.DAT",
                   FehlerMeldung(Cp1252("Die Datei X.DAT ist beschädigt: sie hat 3 statt 2 Zeilen. "
                                        "Der Vorgang wurde abgebrochen.")),
                   bericht);
  ASSERT_EQ(bericht.Befunde.size(), 2u);
  EXPECT_EQ(BefundText(bericht.Befunde[0]), Cp1252("X.DAT:12: enthält \"a\" statt \"b\""));
  EXPECT_EQ(BefundText(bericht.Befunde[1]), Cp1252("X.DAT: sie hat 3 statt 2 Zeilen"));
  EXPECT_EQ(PruefZusammenfassung(bericht), Cp1252("Geprüft: 0 Gebiete, 0 Einheiten, 2 Fehler"));
}

}  // namespace
}  // namespace kolvaro
