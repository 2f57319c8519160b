// Choosing the data directory: the current one, the user's, or a copy of
// the installed data, which the programs find where the install rules put
// them, under any prefix, relative to the program file. The copy is whole
// or not there; a user's copy that is no longer whole is named as such.
#include <gtest/gtest.h>

#include <algorithm>

#include "basis/Zeichensatz.h"
#include "data/Datenverzeichnis.h"
#include "data/Katalog.h"
#include "data/Textdatei.h"
#include "gemeinsam/Schreibsperre.h"
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
  const auto ziel = benutzer.Pfad() / "Ostravin" / "Kolvaro";
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {aktuell.Pfad() / "gibtsnicht", installiert.Pfad()});
  ASSERT_TRUE(gewaehlt);
  ASSERT_EQ(*gewaehlt, ziel);
  EXPECT_EQ(*DateiLaden(ziel / "X.DAT"), std::vector<std::string>{"1234"});
  // A second start keeps the user's (possibly edited) files.
  ASSERT_TRUE(SchreibeAtomar(ziel / "X.DAT", {"geaendert"}));
  gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()});
  EXPECT_EQ(*DateiLaden(ziel / "X.DAT"), std::vector<std::string>{"geaendert"});
}

// Nothing beside the target but the finished directory, or nothing at all.
std::vector<std::string> Inhalt(const fs::path& verzeichnis) {
  std::vector<std::string> namen;
  for (const auto& e : fs::directory_iterator(verzeichnis)) namen.push_back(e.path().filename().string());
  std::sort(namen.begin(), namen.end());
  return namen;
}

TEST(Datenverzeichnis, MisslungenesKopierenHinterlaesstNichts) {
  TempVerzeichnis aktuell, benutzer, installiert;
  DatenAnlegen(installiert.Pfad(), std::string(4000, 'x'));
  test::Schreiben(installiert.Pfad() / "A.NFO", {"klein"});
  const auto ziel = benutzer.Pfad() / "k";
  const std::string anfang = "Die Datendateien konnten nicht nach " + ziel.string() + " kopiert werden";
  {
    // The disk fills up in the middle of X.DAT (a limit of the file size
    // stands in for it): no half copy, a German message naming the file.
    test::Schreibsperre sperre(1000);
    auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()});
    ASSERT_FALSE(gewaehlt);
    EXPECT_EQ(Cp1252NachUtf8(gewaehlt.Fehler().Text),
              anfang +
                  " (Datei X.DAT): Die Datei ist größer, als das System erlaubt. Es wurde nichts davon "
                  "behalten; Kolvaro versucht es beim nächsten Start erneut.");
  }
  EXPECT_EQ(Inhalt(benutzer.Pfad()), std::vector<std::string>{});
  // An installed file that cannot be read (as root, too: reading a process's
  // memory from address 0 fails).
  fs::create_symlink("/proc/self/mem", installiert.Pfad() / "B.NFO");
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()});
  ASSERT_FALSE(gewaehlt);
  EXPECT_EQ(Cp1252NachUtf8(gewaehlt.Fehler().Text).rfind(anfang + " (Datei B.NFO): Ein- oder Ausgabefehler", 0), 0u);
  EXPECT_EQ(Inhalt(benutzer.Pfad()), std::vector<std::string>{});
  fs::remove(installiert.Pfad() / "B.NFO");
  // The user's directory cannot be made: a file stands in its place.
  test::Schreiben(benutzer.Pfad() / "datei", {"x"});
  gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), benutzer.Pfad() / "datei" / "k", {installiert.Pfad()});
  ASSERT_FALSE(gewaehlt);
  EXPECT_EQ(gewaehlt.Fehler().Text.Sicht().rfind("Die Datendateien konnten nicht nach ", 0), 0u);
  fs::remove(benutzer.Pfad() / "datei");

  // A directory of an earlier failed copy, without its catalogue, moves
  // aside whole; the new copy is complete.
  fs::create_directories(ziel);
  test::Schreiben(ziel / "X.DAT", {"abgeschn"});
  gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()});
  ASSERT_TRUE(gewaehlt) << gewaehlt.Fehler().Text;
  EXPECT_EQ(Inhalt(benutzer.Pfad()), (std::vector<std::string>{"k", "k (unvollständig)"}));
  EXPECT_EQ(Inhalt(ziel), (std::vector<std::string>{"A.NFO", "Gruppen.nfo", "X.DAT"}));
  EXPECT_EQ(*DateiLaden(benutzer.Pfad() / "k (unvollständig)" / "X.DAT"), std::vector<std::string>{"abgeschn"});
}

// A user's copy that lost a file or holds one cut inside a line is not read
// as if it were whole; a category the user deleted is no loss.
TEST(Datenverzeichnis, UnvollstaendigeBenutzerdatenWerdenGemeldet) {
  TempVerzeichnis aktuell, benutzer, installiert;
  DatenAnlegen(installiert.Pfad(), "1234");
  test::Schreiben(installiert.Pfad() / "Gruppen.nfo", {"x\tX.DAT\tm", "y\tY.DAT\tm"});
  test::Schreiben(installiert.Pfad() / "Y.DAT", {"5678"});
  test::Schreiben(installiert.Pfad() / "A.NFO", {"Tabelle"});
  const auto ziel = benutzer.Pfad() / "k";
  ASSERT_TRUE(DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()}));
  const std::string hilfe = " Um die installierte Fassung zurückzuholen, die Datei X.DAT aus " +
                            installiert.Pfad().string() + " in dieses Verzeichnis kopieren, oder das Verzeichnis " +
                            ziel.string() +
                            " löschen: dann kopiert Kolvaro beim nächsten Start alle installierten "
                            "Daten neu (eigene Einheiten und Gebiete, geänderte Faktoren und das "
                            "Passwort gehen dabei verloren).";
  auto meldung = [&] {
    auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), ziel, {installiert.Pfad()});
    return gewaehlt ? std::string() : Cp1252NachUtf8(gewaehlt.Fehler().Text);
  };
  // Category y deleted (entry and file): fine. No password file yet: fine.
  test::Schreiben(ziel / "Gruppen.nfo", {"x\tX.DAT\tm"});
  fs::remove(ziel / "Y.DAT");
  EXPECT_EQ(meldung(), "");
  ASSERT_TRUE(SchreibeAtomarRoh(ziel / "X.DAT", "12"));
  EXPECT_EQ(meldung(), "Die Datei X.DAT im Datenverzeichnis " + ziel.string() +
                           " ist abgeschnitten: ihre letzte Zeile endet ohne Zeilenumbruch." + hilfe);
  fs::remove(ziel / "X.DAT");
  EXPECT_EQ(meldung(), "Im Datenverzeichnis " + ziel.string() + " fehlt die Datei X.DAT." + hilfe);
  test::Schreiben(ziel / "X.DAT", {"1234"});
  fs::remove(ziel / "A.NFO");
  EXPECT_NE(meldung().find("fehlt die Datei A.NFO."), std::string::npos);
}

// Both programs take the user's directory from here: named without the
// version, so that the next version finds the user's data.
TEST(Datenverzeichnis, BenutzerdatenOrtOhneVersion) {
  const fs::path aktuell = "/arbeit";
  const struct {
    const char* Xdg;
    const char* Heim;
    const char* Ort;
  } faelle[] = {{"/xdg", "/heim", "/xdg/Ostravin/Kolvaro"},
                {"", "/heim", "/heim/.local/share/Ostravin/Kolvaro"},
                {nullptr, "/heim", "/heim/.local/share/Ostravin/Kolvaro"},
                {"rel/../xdg", "/heim", "/arbeit/xdg/Ostravin/Kolvaro"},
                {nullptr, nullptr, "/arbeit/Ostravin/Kolvaro"}};
  for (const auto& fall : faelle) EXPECT_EQ(BenutzerdatenOrt(fall.Xdg, fall.Heim, aktuell), fs::path(fall.Ort));
}

// The directory of version 6.0 beside it moves to its place, whole: own
// units, changes and the password stay the user's.
TEST(Datenverzeichnis, VerzeichnisDerAltenVersionWirdUebernommen) {
  TempVerzeichnis aktuell, benutzer, installiert;
  DatenAnlegen(installiert.Pfad(), "installiert");
  DatenAnlegen(benutzer.Pfad() / "Kolvaro 6.0", "eigen");
  test::Schreiben(benutzer.Pfad() / "Kolvaro 6.0" / "STOFFW10.NFO", {"geheim"});
  // A first start of the new layout that found nothing left an empty directory.
  fs::create_directories(benutzer.Pfad() / "Kolvaro");
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad(), benutzer.Pfad() / "Kolvaro", {installiert.Pfad()});
  ASSERT_TRUE(gewaehlt) << gewaehlt.Fehler().Text;
  EXPECT_EQ(*gewaehlt, benutzer.Pfad() / "Kolvaro");
  EXPECT_EQ(Inhalt(benutzer.Pfad()), std::vector<std::string>{"Kolvaro"});
  EXPECT_EQ(*DateiLaden(benutzer.Pfad() / "Kolvaro" / "X.DAT"), std::vector<std::string>{"eigen"});
  EXPECT_EQ(*DateiLaden(benutzer.Pfad() / "Kolvaro" / "STOFFW10.NFO"), std::vector<std::string>{"geheim"});
}

// A relative setting of the user's directory names the same place after the
// program has changed its current directory.
TEST(Datenverzeichnis, RelativeAngabeWirdAbsolut) {
  TempVerzeichnis aktuell, installiert;
  DatenAnlegen(installiert.Pfad(), "1234");
  const auto vorher = fs::current_path();
  fs::current_path(aktuell.Pfad());
  auto gewaehlt = DatenverzeichnisWaehlen(aktuell.Pfad() / "leer", fs::path("rel") / "k", {installiert.Pfad()});
  fs::current_path(vorher);
  ASSERT_TRUE(gewaehlt) << gewaehlt.Fehler().Text;
  EXPECT_EQ(*gewaehlt, aktuell.Pfad() / "rel" / "k");
}

// Every data file the catalogue names lies in the data directory: a
// catalogue from the directory Kolvaro was started in could otherwise send
// every rewrite of a unit to any file the user may write.
TEST(Katalog, NurDateinamenImDatenverzeichnis) {
  TempVerzeichnis v;
  test::Schreiben(v.Pfad() / "Gruppen.nfo", {"x\tX.DAT\tm", "y\tY.DAT\tm"});
  ASSERT_TRUE(KatalogLaden(v.Pfad()));
  for (const char* name :
       {"../X.DAT", "/etc/passwd", "unter/X.DAT", "..", ".", "", "a\\b", "gruppen.NFO", "Gebiet.nfo"}) {
    SCOPED_TRACE(name);
    test::Schreiben(v.Pfad() / "Gruppen.nfo", {"x\tX.DAT\tm", std::string("y\t") + name + "\tm"});
    auto katalog = KatalogLaden(v.Pfad());
    ASSERT_FALSE(katalog);
    EXPECT_EQ(Cp1252NachUtf8(katalog.Fehler().Text),
              std::string("Die Datei Gruppen.nfo ist beschädigt: Zeile 2 (Gebiet \"y\") nennt als Datendatei \"") +
                  name +
                  "\"; erlaubt ist nur ein Dateiname im Datenverzeichnis ohne Pfad. Der Vorgang wurde abgebrochen.");
  }
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
