// The one reader of enciphered files: header lines, empty lines, the
// message for a damaged line, and stopping early.
#include <gtest/gtest.h>

#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::TempVerzeichnis;

TEST(Geheimdatei, KopfzeilenLeereZeilenUndSchluessel) {
  TempVerzeichnis v;
  const auto datei = v.Pfad() / "T.NFO";
  test::Schreiben(datei, {"Kopf 1", "Kopf 2", LinieVerschluesseln("eins", 3), "", LinieVerschluesseln("zwei", 3)});
  Geheimleseart art{3, 2, true};  // key, header lines, skip empty lines
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

}  // namespace
}  // namespace kolvaro
