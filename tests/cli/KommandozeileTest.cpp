// kolvaro-cli on data directories the golden cases cannot hold: missing,
// damaged or incomplete files, and the choice of the directory without
// --daten. Every run is compared as a whole: status, output and errors.
#include <gtest/gtest.h>

#include <ostream>

#include "cli/CliAufruf.h"

namespace kolvaro::test {

bool operator==(const CliLauf& a, const CliLauf& b) {
  return a.Status == b.Status && a.Aus == b.Aus && a.Fehler == b.Fehler;
}
void PrintTo(const CliLauf& l, std::ostream* os) {
  *os << "Status " << l.Status << "\n--- Ausgabe:\n" << l.Aus << "--- Fehler:\n" << l.Fehler;
}

namespace {

CliLauf Cli(const TempVerzeichnis& daten, std::vector<std::string> argumente) {
  argumente.insert(argumente.begin(), {"--daten", daten.Pfad().string()});
  return CliAufrufen(argumente);
}

TEST(Kommandozeile, OhneKatalogKeinBefehl) {
  TempVerzeichnis leer;
  EXPECT_EQ(Cli(leer, {"gebiete"}), (CliLauf{1, "", "Die Datei Gruppen.nfo konnte nicht geöffnet werden!\n"}));
}

// A damaged or missing category file stops only the commands that read it.
TEST(Kommandozeile, BeschaedigteUndFehlendeGebietsdateien) {
  TempVerzeichnis daten;
  StandardDaten(daten.Pfad());
  Schreiben(daten.Pfad() / "MASSE.DAT", {"nicht verschlüsselt"});
  const CliLauf beschaedigt{1, "",
                            "Die Datei MASSE.DAT ist beschädigt: Zeile 1 ist keine gültige verschlüsselte Zeile. Der "
                            "Vorgang wurde abgebrochen.\n"};
  EXPECT_EQ(Cli(daten, {"einheiten", "Masse"}), beschaedigt);
  EXPECT_EQ(Cli(daten, {"bericht"}), beschaedigt);  // the report reads every file
  EXPECT_EQ(Cli(daten, {"umrechnen", "Zeit", "Sekunde", "1"}),
            (CliLauf{1, "", "Die Datei ZEIT.DAT konnte nicht geöffnet werden!\n"}));
  // The hidden "Rute" and the "Zoll" of a country that is not present stay out.
  const std::string laenge =
      "3,2808398950\tFuß\tInternationale Einheit\n"
      "0,0010000000\tKilometer\tSI-Einheit\n"
      "1,0000000000\tMeter\tSI-Einheit\n"
      "0,0006213712\tMeile\tInternationale Einheit\n";
  EXPECT_EQ(Cli(daten, {"umrechnen", "Länge", "Meter", "1"}), (CliLauf{0, laenge, ""}));
}

// Without the country table the country categories list no unit, the
// others all of theirs; the note comes on every run.
TEST(Kommandozeile, OhneLaendertabelle) {
  TempVerzeichnis daten;
  StandardDaten(daten.Pfad());
  std::filesystem::remove(daten.Pfad() / "Laender.nfo");
  const std::string hinweis = "Die Datei Laender.nfo konnte nicht geöffnet werden!\n";
  EXPECT_EQ(Cli(daten, {"einheiten", "Länge"}), (CliLauf{0, "", hinweis}));
  EXPECT_EQ(Cli(daten, {"einheiten", "Temperatur"}), (CliLauf{0, "Kelvin\tK\tAtlantis\n", hinweis}));
}

// Without --daten: the current directory if it holds the catalogue, else the
// user's directory, which a first run fills from the data beside the program.
TEST(Kommandozeile, DatenverzeichnisOhneAngabe) {
  TempVerzeichnis heim, aktuell;
  const std::vector<std::string> umgebung = {"HOME=" + heim.Pfad().string(),
                                             "XDG_DATA_HOME=" + (heim.Pfad() / "xdg").string()};
  const CliLauf installiert = CliAufrufen({"--daten", KOLVARO_DATEN_DIR, "gebiete"});
  ASSERT_EQ(installiert.Status, 0);
  EXPECT_EQ(CliAufrufen({"gebiete"}, aktuell.Pfad(), umgebung), installiert);
  EXPECT_TRUE(DateiExistiert(heim.Pfad() / "xdg" / "Ostravin" / "Kolvaro 6.0" / "Gruppen.nfo"));

  StandardDaten(aktuell.Pfad());
  EXPECT_EQ(CliAufrufen({"gebiete"}, aktuell.Pfad(), umgebung), (CliLauf{0, "Länge\nMasse\nTemperatur\nZeit\n", ""}));
}

// The search stops at a data file it cannot read; the hits before it are
// printed, the message goes to standard error.
TEST(Kommandozeile, SuchenBisZurUnlesbarenDatei) {
  TempVerzeichnis daten;
  StandardDaten(daten.Pfad());  // ZEIT.DAT, the last category's file, is missing
  EXPECT_EQ(Cli(daten, {"suchen", "e"}),
            (CliLauf{1,
                     "Länge\tKilometer - SI-Einheit\nLänge\tMeter - SI-Einheit\nLänge\tMeile - Internationale "
                     "Einheit\nLänge\tRute - Deutschland\nTemperatur\tKelvin - Atlantis\n",
                     "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden "
                     "sind.\n"}));
  // Without hits before it the message alone.
  EXPECT_EQ(Cli(daten, {"suchen", "--abkuerzung", "s"}),
            (CliLauf{1, "",
                     "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden "
                     "sind.\n"}));
}

}  // namespace
}  // namespace kolvaro::test
