// Reading and rewriting the data files: the one reader of enciphered files
// (header lines, empty lines, the message for a damaged line, stopping
// early), atomic rewriting, and files cut off in the middle of a line. Every
// file the program writes ends with a line break, so a last line without one
// is the rest of a cut file: the reader and the rewriter refuse such a file;
// whatever the program wrote itself, and every shipped file, passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "basis/Zeichensatz.h"
#include "data/Einheitendatei.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::TempVerzeichnis;

TEST(Geheimdatei, KopfzeilenLeereZeilenUndSchluessel) {
  TempVerzeichnis v;
  const auto datei = v.Pfad() / "T.NFO";
  test::Schreiben(datei, {"Kopf 1", "Kopf 2", LinieVerschluesseln("eins", 3), "", LinieVerschluesseln("zwei", 3)});
  Geheimleseart art{3, 2, true, {}};  // key, header lines, skip empty lines
  EXPECT_EQ(*GeheimdateiLesen(datei, art), (std::vector<std::string>{"eins", "zwei"}));

  // An empty line is the cipher text of an empty line.
  art.LeereUeberspringen = false;
  EXPECT_EQ(*GeheimdateiLesen(datei, art), (std::vector<std::string>{"eins", "", "zwei"}));
  // A line that is not cipher text stops the read; the message names file and line.
  test::Schreiben(datei,
                  {"Kopf 1", "Kopf 2", LinieVerschluesseln("eins", 3), "kaputt", LinieVerschluesseln("zwei", 3)});
  auto gelesen = GeheimdateiLesen(datei, art);
  ASSERT_FALSE(gelesen);
  EXPECT_EQ(gelesen.Fehler().Text, BeschaedigtMeldung("T.NFO", 4).Text);
  // The wrong key reads other text, not a damaged file: the cipher has no check.
  test::Schreiben(datei, {"Kopf 1", "Kopf 2", LinieVerschluesseln("eins", 3)});
  art.Schluessel = 1;
  auto fremd = GeheimdateiLesen(datei, art);
  ASSERT_TRUE(fremd);
  EXPECT_NE(fremd->front(), "eins");
}

TEST(Geheimdatei, FehlendeDateiUndFrueherHalt) {
  TempVerzeichnis v;
  auto fehlt = GeheimdateiLesen(v.Pfad() / "FEHLT.DAT");
  ASSERT_FALSE(fehlt);
  EXPECT_EQ(fehlt.Fehler().Text, NichtGeoeffnetMeldung("FEHLT.DAT").Text);

  // Lines after the one that stops the walk are not read, damaged or not.
  test::Schreiben(v.Pfad() / "A.DAT", {LinieVerschluesseln("a", 1), LinieVerschluesseln("b", 1), "kaputt"});
  std::vector<std::size_t> gesehen;
  auto gelaufen = GeheimdateiDurchlaufen(v.Pfad() / "A.DAT", {}, [&](std::string_view, std::size_t zeile) {
    gesehen.push_back(zeile);
    return zeile < 1;
  });
  EXPECT_TRUE(gelaufen);
  EXPECT_EQ(gesehen, (std::vector<std::size_t>{0, 1}));
}

const std::string kAbgeschnitten =
    " endet ohne Zeilenumbruch, die Datei ist abgeschnitten. Der Vorgang wurde abgebrochen.";

TEST(Zeilenende, LetzteZeileOhneUmbruchIstAbgeschnitten) {
  // The cut line, 0 for a whole file.
  const std::pair<const char*, int> faelle[] = {{"", 0},  {"a\r\n", 0},  {"a\n", 0},      {"a\r\n\r\n", 0},
                                                {"a", 1}, {"a\r\nb", 2}, {"a\r\nb\r", 2}, {"a\nb\nc", 3}};
  for (const auto& [inhalt, zeile] : faelle) {
    auto geprueft = ZeilenendePruefen(inhalt, "X.DAT");
    EXPECT_EQ(geprueft ? "" : Cp1252NachUtf8(geprueft.Fehler().Text),
              zeile ? "Die Datei X.DAT ist beschädigt: Zeile " + std::to_string(zeile) + kAbgeschnitten : "")
        << inhalt;
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
  // An empty file that SchreibeAtomar wrote is no line.
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

TEST(Textdatei, AtomarErsetzenUndZeilenenden) {
  TempVerzeichnis v;
  const auto datei = v.Pfad() / "A.DAT";
  ASSERT_TRUE(SchreibeAtomar(datei, {"eins", "", "drei"}));
  EXPECT_EQ(*DateiInhalt(datei), "eins\r\n\r\ndrei\r\n");
  EXPECT_EQ(*DateiLaden(datei), (std::vector<std::string>{"eins", "", "drei"}));
  // A target that cannot be replaced: the old file stays whole, no temporary file is left.
  std::filesystem::create_directories(v.Pfad() / "ordner" / "inhalt");
  EXPECT_FALSE(SchreibeAtomar(v.Pfad() / "ordner", {"x"}));
  EXPECT_FALSE(SchreibeAtomar(v.Pfad() / "fehlt" / "B.DAT", {"x"}));
  int dateien = 0;
  for (const auto& e : std::filesystem::directory_iterator(v.Pfad())) dateien += e.is_regular_file();
  EXPECT_EQ(dateien, 1);
  EXPECT_FALSE(DateiLaden(v.Pfad() / "fehlt.DAT"));
}

// A rewrite keeps what the file was: its mode, and a link stays a link to
// the file it pointed to. Temporary files never outlive their rewrite, and
// those a killed rewrite left are cleared when the directory is opened.
TEST(Textdatei, RechteVerknuepfungenUndZwischendateien) {
  namespace fs = std::filesystem;
  using fs::perms;
  TempVerzeichnis v;
  auto nurTextdateien = [&v] {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(v.Pfad())) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  };
  const auto datei = v.Pfad() / "A.DAT";
  test::Schreiben(datei, {"eins"});
  for (perms rechte : {perms::owner_read | perms::owner_write, perms::owner_read | perms::group_read,
                       perms::owner_all | perms::group_read | perms::others_read}) {
    fs::permissions(datei, rechte);
    ASSERT_TRUE(SchreibeAtomar(datei, {"zwei"}));
    EXPECT_EQ(fs::status(datei).permissions(), rechte);
  }
  fs::permissions(datei, perms::owner_read | perms::owner_write);

  fs::create_directories(v.Pfad() / "echt");
  test::Schreiben(v.Pfad() / "echt" / "B.DAT", {"alt"});
  fs::create_symlink("echt/B.DAT", v.Pfad() / "B.DAT");
  ASSERT_TRUE(SchreibeAtomar(v.Pfad() / "B.DAT", {"neu"}));
  EXPECT_TRUE(fs::is_symlink(v.Pfad() / "B.DAT"));
  EXPECT_EQ(*DateiLaden(v.Pfad() / "echt" / "B.DAT"), std::vector<std::string>{"neu"});
  fs::remove(v.Pfad() / "B.DAT");
  fs::remove_all(v.Pfad() / "echt");

  // A write that fails half-way leaves the old file and no temporary one.
  {
    test::Schreibsperre sperre(3);
    EXPECT_FALSE(SchreibeAtomar(datei, {"viel zu lang"}));
  }
  EXPECT_EQ(*DateiLaden(datei), std::vector<std::string>{"zwei"});
  EXPECT_EQ(nurTextdateien(), std::vector<std::string>{"A.DAT"});

  // Left by killed rewrites (this version's names and older ones): removed
  // once they are old; a young one may belong to a rewrite going on now.
  const auto alt = fs::file_time_type::clock::now() - std::chrono::minutes(5);
  for (const char* name : {"A.DAT.neu12345", "A.DAT.neuQx7Zp2", "A.DAT.neu7"}) {
    test::Schreiben(v.Pfad() / name, {"rest"});
    fs::last_write_time(v.Pfad() / name, alt);
  }
  test::Schreiben(v.Pfad() / "A.DAT.neuJung01", {"jung"});
  test::Schreiben(v.Pfad() / "NEU.neuartig", {"eigene Datei"});
  fs::last_write_time(v.Pfad() / "NEU.neuartig", alt);
  VerwaisteZwischendateienEntfernen(v.Pfad());
  EXPECT_EQ(nurTextdateien(), (std::vector<std::string>{"A.DAT", "A.DAT.neuJung01", "NEU.neuartig"}));
}

TEST(Einheitendatei, FelderErsetzenUndFehlerLassenDieDateiStehen) {
  TempVerzeichnis v;
  test::StandardDaten(v.Pfad());
  const auto vorher = *DateiLaden(v.Pfad() / "LAENGE.DAT");
  ASSERT_TRUE(EinheitenzeilenAendern(v.Pfad(), "LAENGE.DAT", {{0, 1, "n"}, {2, 11, test::DateiBytes("Übersetzung")}}));
  const auto nachher = *DateiLaden(v.Pfad() / "LAENGE.DAT");
  ASSERT_EQ(nachher.size(), vorher.size());
  EXPECT_EQ(Feld(*LinieEntschluesseln(nachher[0], 1), '\t', 1), "n");
  EXPECT_EQ(Feld(*LinieEntschluesseln(nachher[2], 1), '\t', 11), test::DateiBytes("Übersetzung"));
  EXPECT_EQ(Felder(*LinieEntschluesseln(nachher[2], 1), '\t').size(), 19u);
  for (std::size_t i : {1u, 3u, 4u, 5u}) EXPECT_EQ(nachher[i], vorher[i]);  // untouched lines keep their text

  // Errors leave the file as it was.
  auto geschrieben = EinheitenzeilenAendern(v.Pfad(), "LAENGE.DAT", {{1, 1, "n"}, {99, 1, "n"}});
  ASSERT_FALSE(geschrieben);
  EXPECT_EQ(*DateiLaden(v.Pfad() / "LAENGE.DAT"), nachher);
  geschrieben = EinheitenzeileAendern(v.Pfad(), "ZEIT.DAT", 0, 1, "n");
  ASSERT_FALSE(geschrieben);
  EXPECT_EQ(geschrieben.Fehler().Text,
            Cp1252("Die Datei ZEIT.DAT konnte nicht geöffnet werden oder die revidierte Datei konnte "
                   "nicht geschrieben werden!"));
  EXPECT_FALSE(DateiExistiert(v.Pfad() / "ZEIT.DAT"));  // nothing created
  auto zeilen = nachher;
  zeilen[3] = "XYZ";
  ASSERT_TRUE(SchreibeAtomar(v.Pfad() / "LAENGE.DAT", zeilen));
  geschrieben = EinheitenzeileAendern(v.Pfad(), "LAENGE.DAT", 3, 1, "n");
  ASSERT_FALSE(geschrieben);
  EXPECT_NE(geschrieben.Fehler().Text.Sicht().find("Zeile 4"), std::string::npos);
}

}  // namespace
}  // namespace kolvaro
