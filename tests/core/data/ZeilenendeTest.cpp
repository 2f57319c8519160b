// Files cut off in the middle of a line: every file the program writes ends
// with a line break, so a last line without one is the rest of a cut file.
// The reader and the rewriter refuse such a file; whatever the program
// wrote itself, and every shipped file, passes.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "data/Einheitendatei.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::TempVerzeichnis;

const std::string kAbgeschnitten =
    " endet ohne Zeilenumbruch, die Datei ist abgeschnitten. Der Vorgang wurde "
    "abgebrochen.";

TEST(Zeilenende, LetzteZeileOhneUmbruchIstAbgeschnitten) {
  const struct {
    const char* Inhalt;
    int Zeile;  // 0: whole
  } faelle[] = {
      {"", 0}, {"a\r\n", 0}, {"a\n", 0}, {"a\r\n\r\n", 0}, {"a", 1}, {"a\r\nb", 2}, {"a\r\nb\r", 2}, {"a\nb\nc", 3},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Inhalt);
    auto geprueft = ZeilenendePruefen(fall.Inhalt, "X.DAT");
    if (fall.Zeile == 0) {
      EXPECT_TRUE(geprueft);
      continue;
    }
    ASSERT_FALSE(geprueft);
    EXPECT_EQ(Cp1252NachUtf8(geprueft.Fehler().Text),
              "Die Datei X.DAT ist beschädigt: Zeile " + std::to_string(fall.Zeile) + kAbgeschnitten);
  }
}

TEST(Zeilenende, AbgeschnitteneGeheimdateiWirdNichtGelesen) {
  TempVerzeichnis v;
  const auto datei = v.Pfad() / "A.DAT";
  const std::string eins = LinieVerschluesseln("eins", 1), zwei = LinieVerschluesseln("zwei", 1);
  ASSERT_TRUE(SchreibeAtomarRoh(datei, eins + "\r\n" + zwei.substr(0, zwei.size() - 2)));
  int gelesen = 0;
  auto gelaufen = GeheimdateiDurchlaufen(datei, {}, [&](std::string_view, std::size_t) {
    ++gelesen;
    return true;
  });
  ASSERT_FALSE(gelaufen);
  EXPECT_EQ(Cp1252NachUtf8(gelaufen.Fehler().Text), "Die Datei A.DAT ist beschädigt: Zeile 2" + kAbgeschnitten);
  EXPECT_EQ(gelesen, 0);  // not even the whole first line

  // What SchreibeAtomar wrote reads back, an empty file as no line.
  test::Schreiben(datei, {eins, zwei});
  EXPECT_EQ(*GeheimdateiLesen(datei), (std::vector<std::string>{"eins", "zwei"}));
  test::Schreiben(datei, {});
  EXPECT_TRUE(GeheimdateiLesen(datei)->empty());
}

// Rewritten with line breaks, the cut file would pass for a whole one from
// then on: it stays as it is.
TEST(Zeilenende, AbgeschnitteneEinheitendateiWirdNichtUmgeschrieben) {
  TempVerzeichnis v;
  const std::string inhalt = LinieVerschluesseln(test::Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"), 1) +
                             "\r\n" + LinieVerschluesseln("j\t\t\t\tSI-Einheit\t\tkm\tKilometer\t10", 1);
  ASSERT_TRUE(SchreibeAtomarRoh(v.Pfad() / "L.DAT", inhalt));
  auto geaendert = EinheitenzeileAendern(v.Pfad(), "L.DAT", 0, 1, "n");
  ASSERT_FALSE(geaendert);
  EXPECT_EQ(Cp1252NachUtf8(geaendert.Fehler().Text), "Die Datei L.DAT ist beschädigt: Zeile 2" + kAbgeschnitten);
  EXPECT_EQ(*DateiInhalt(v.Pfad() / "L.DAT"), inhalt);
}

TEST(Zeilenende, GelieferteDateienSindVollstaendig) {
  int dateien = 0;
  for (const auto& eintrag : std::filesystem::directory_iterator(KOLVARO_DATEN_DIR)) {
    auto inhalt = DateiInhalt(eintrag.path());
    ASSERT_TRUE(inhalt) << eintrag.path();
    EXPECT_TRUE(ZeilenendePruefen(*inhalt, eintrag.path().filename().string())) << eintrag.path();
    ++dateien;
  }
  EXPECT_GT(dateien, 80);
}

}  // namespace
}  // namespace kolvaro
