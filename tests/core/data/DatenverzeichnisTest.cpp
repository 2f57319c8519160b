// Choosing the data directory and atomic rewriting.
#include <gtest/gtest.h>

#include "data/Datenverzeichnis.h"
#include "data/Einheitendatei.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::TempVerzeichnis;

void Installieren(const std::filesystem::path& ort) {
  ASSERT_TRUE(SchreibeAtomar(ort / "Gruppen.nfo", {"x\tX.DAT\tm"}));
  ASSERT_TRUE(SchreibeAtomar(ort / "X.DAT", {"1234"}));
}

// Without data anywhere a message; a catalogue in the current directory wins.
TEST(Datenverzeichnis, AktuellesVerzeichnisMitKatalogGewinnt) {
  TempVerzeichnis aktuell, benutzer, installiert;
  EXPECT_FALSE(DatenverzeichnisWaehlen(aktuell.Pfad(), benutzer.Pfad(), {}));
  ASSERT_TRUE(SchreibeAtomar(aktuell.Pfad() / "Gruppen.nfo", {"x\tX.DAT\tm"}));
  EXPECT_EQ(*DatenverzeichnisWaehlen(aktuell.Pfad(), benutzer.Pfad() / "k", {installiert.Pfad()}), aktuell.Pfad());
}

TEST(Datenverzeichnis, ErsterStartKopiertDieInstalliertenDaten) {
  TempVerzeichnis aktuell, benutzer, installiert;
  Installieren(installiert.Pfad());
  const auto ziel = benutzer.Pfad() / "Ostravin" / "Kolvaro 6.0";
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {aktuell.Pfad() / "gibtsnicht", installiert.Pfad()});
  ASSERT_TRUE(gewaehlt);
  ASSERT_EQ(*gewaehlt, ziel);
  EXPECT_EQ(*DateiLaden(ziel / "X.DAT"), std::vector<std::string>{"1234"});
  // A second start keeps the user's (possibly edited) files.
  ASSERT_TRUE(SchreibeAtomar(ziel / "X.DAT", {"geaendert"}));
  gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()});
  EXPECT_EQ(*DateiLaden(ziel / "X.DAT"), std::vector<std::string>{"geaendert"});
}

TEST(Datenverzeichnis, MisslungenesKopierenIstEineMeldung) {
  TempVerzeichnis aktuell, benutzer, installiert;
  Installieren(installiert.Pfad());
  // The user's directory cannot be made: a file stands in its place.
  ASSERT_TRUE(SchreibeAtomar(benutzer.Pfad() / "datei", {"x"}));
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), benutzer.Pfad() / "datei" / "k", {installiert.Pfad()});
  ASSERT_FALSE(gewaehlt);
  EXPECT_EQ(gewaehlt.Fehler().Text.rfind("Die Datendateien konnten nicht nach ", 0), 0u);
  // The catalogue cannot be copied (a folder has its name): a message, not a half-filled directory in use.
  std::filesystem::create_directories(benutzer.Pfad() / "k" / "Gruppen.nfo" / "inhalt");
  gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), benutzer.Pfad() / "k", {installiert.Pfad()});
  ASSERT_FALSE(gewaehlt);
  EXPECT_FALSE(DateiExistiert(benutzer.Pfad() / "k" / "Gruppen.nfo"));
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

TEST(Einheitendatei, FelderErsetzenUndFehlerLassenDieDateiStehen) {
  test::TempVerzeichnis v;
  test::StandardDaten(v.Pfad());
  const auto vorher = *DateiLaden(v.Pfad() / "LAENGE.DAT");
  ASSERT_TRUE(EinheitenzeilenAendern(v.Pfad(), "LAENGE.DAT", {{0, 1, "n"}, {2, 11, Cp1252("Übersetzung")}}));
  const auto nachher = *DateiLaden(v.Pfad() / "LAENGE.DAT");
  ASSERT_EQ(nachher.size(), vorher.size());
  EXPECT_EQ(Feld(*LinieEntschluesseln(nachher[0], 1), '\t', 1), "n");
  EXPECT_EQ(Feld(*LinieEntschluesseln(nachher[2], 1), '\t', 11), Cp1252("Übersetzung"));
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
  EXPECT_NE(geschrieben.Fehler().Text.find("Zeile 4"), std::string::npos);
}

}  // namespace
}  // namespace kolvaro
