// Choosing the data directory: the current one, the user's, or a copy of
// the installed data, which the programs find where the install rules put
// them, under any prefix, relative to the program file.
#include <gtest/gtest.h>

#include "data/Datenverzeichnis.h"
#include "data/Textdatei.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

namespace fs = std::filesystem;
using test::TempVerzeichnis;

void DatenAnlegen(const fs::path& ort, const std::string& kennung) {
  fs::create_directories(ort);
  test::Schreiben(ort / "Gruppen.nfo", {"x\tX.DAT\tm"});
  test::Schreiben(ort / "X.DAT", {kennung});
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
  DatenAnlegen(installiert.Pfad(), "1234");
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
  DatenAnlegen(installiert.Pfad(), "1234");
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

TEST(InstallierteDaten, DieSucheFindetDieInstallationsregeln) {
  if (fs::path(KOLVARO_INSTALL_BINDIR).is_absolute() || fs::path(KOLVARO_INSTALL_DATEN).is_absolute())
    GTEST_SKIP() << "absolute Installationsverzeichnisse gelten nur an ihrem einen Ort";
  TempVerzeichnis praefix, aktuell, heim;
  const fs::path programm = praefix.Pfad() / KOLVARO_INSTALL_BINDIR;
  fs::create_directories(programm);
  DatenAnlegen(praefix.Pfad() / KOLVARO_INSTALL_DATEN, "installiert");
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), heim.Pfad() / "k", InstallierteDaten(programm));
  ASSERT_TRUE(gewaehlt) << gewaehlt.Fehler().Text;
  EXPECT_EQ(*DateiLaden(heim.Pfad() / "k" / "X.DAT"), std::vector<std::string>{"installiert"});
}

// In the build tree the data stand beside the program; they win over an
// older installation under the same prefix.
TEST(InstallierteDaten, DieDatenNebenDemProgrammZuerst) {
  TempVerzeichnis praefix, aktuell, heim;
  const fs::path programm = praefix.Pfad() / "bin";
  DatenAnlegen(programm / "daten", "gebaut");
  DatenAnlegen(praefix.Pfad() / "share" / "kolvaro" / "daten", "installiert");
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), heim.Pfad() / "k", InstallierteDaten(programm));
  ASSERT_TRUE(gewaehlt) << gewaehlt.Fehler().Text;
  EXPECT_EQ(*DateiLaden(heim.Pfad() / "k" / "X.DAT"), std::vector<std::string>{"gebaut"});
}

}  // namespace
}  // namespace kolvaro
