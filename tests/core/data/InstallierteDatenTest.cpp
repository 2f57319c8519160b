// The programs find the data where the install rules put them: under any
// prefix, relative to the program file.
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

TEST(InstallierteDaten, DieSucheFindetDieInstallationsregeln) {
  if (fs::path(KOLVARO_INSTALL_BINDIR).is_absolute() || fs::path(KOLVARO_INSTALL_DATEN).is_absolute())
    GTEST_SKIP() << "absolute Installationsverzeichnisse gelten nur an ihrem einen Ort";
  TempVerzeichnis praefix, aktuell, heim;
  const fs::path programm = praefix.Pfad() / KOLVARO_INSTALL_BINDIR;
  fs::create_directories(programm);
  DatenAnlegen(praefix.Pfad() / KOLVARO_INSTALL_DATEN, "installiert");
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), heim.Pfad() / "k", InstallierteDaten(programm));
  ASSERT_TRUE(gewaehlt) << gewaehlt.Fehler().Text;
  EXPECT_EQ(*gewaehlt, heim.Pfad() / "k");
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
