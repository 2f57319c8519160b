// kolvaro-cli on data directories the golden cases cannot hold: missing,
// damaged or incomplete files, and the choice of the directory without
// --daten. Every run is compared as a whole: status, output and errors.
// And the control characters it writes out instead of passing them to the
// terminal; everything else converts to UTF-8 as it is.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "cli/CliAufruf.h"
#include "cli/Terminaltext.h"

namespace kolvaro::test {

bool operator==(const CliLauf& a, const CliLauf& b) {
  return a.Status == b.Status && a.Aus == b.Aus && a.Fehler == b.Fehler;
}
void PrintTo(const CliLauf& l, std::ostream* os) {
  *os << "Status " << l.Status << "\n--- Ausgabe:\n" << l.Aus << "--- Fehler:\n" << l.Fehler;
}

namespace {

using namespace std::string_literals;

TEST(Terminaltext, SteuerzeichenAusgeschrieben) {
  // Windows-1252 in, UTF-8 out; ESC and BEL from data files: below.
  const std::pair<std::string, std::string> faelle[] = {
      {"Meter\tm\n", "Meter\tm\n"},  // columns and lines stay
      {"\r\x00\x1F\x7F"s, "\\x0D\\x00\\x1F\\x7F"},
      // Undefined in Windows-1252, they would reach the terminal as C1 controls (0x9D is OSC).
      {"\x81\x8D\x8F\x90\x9D", "\\x81\\x8D\\x8F\\x90\\x9D"},
      {"\x80 \x9B \xE4\xDF \xFF", "\xE2\x82\xAC \xE2\x80\xBA \xC3\xA4\xC3\x9F \xC3\xBF"},  // € › äß ÿ
  };
  for (const auto& [cp1252, utf8] : faelle) EXPECT_EQ(cli::Terminaltext(Text1252(cp1252)), utf8) << utf8;
}

CliLauf Cli(const TempVerzeichnis& daten, std::vector<std::string> argumente) {
  argumente.insert(argumente.begin(), {"--daten", daten.Pfad().string()});
  return CliAufrufen(argumente);
}

// The run that stops at a damaged file.
CliLauf Beschaedigt(const std::string& datei, const std::string& grund) {
  return {1, "", "Die Datei " + datei + " ist beschädigt: " + grund + ". Der Vorgang wurde abgebrochen.\n"};
}

// A missing catalogue stops every command; a damaged or missing category
// file only the commands that read it.
TEST(Kommandozeile, BeschaedigteUndFehlendeGebietsdateien) {
  TempVerzeichnis daten;
  EXPECT_EQ(Cli(daten, {"gebiete"}), (CliLauf{1, "", "Die Datei Gruppen.nfo konnte nicht geöffnet werden!\n"}));
  StandardDaten(daten.Pfad());
  Schreiben(daten.Pfad() / "MASSE.DAT", {"nicht verschlüsselt"});
  const CliLauf beschaedigt = Beschaedigt("MASSE.DAT", "Zeile 1 ist keine gültige verschlüsselte Zeile");
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
  const auto benutzer = heim.Pfad() / "xdg" / "Ostravin" / "Kolvaro";
  EXPECT_TRUE(DateiExistiert(benutzer / "Gruppen.nfo"));
  EXPECT_EQ(CliAufrufen({"gebiete"}, aktuell.Pfad(), umgebung), installiert);
  // An empty directory argument is a mistake, not "the usual directory".
  EXPECT_EQ(CliAufrufen({"--daten", "", "gebiete"}, aktuell.Pfad(), umgebung).Status, 2);

  StandardDaten(aktuell.Pfad());
  EXPECT_EQ(CliAufrufen({"gebiete"}, aktuell.Pfad(), umgebung), (CliLauf{0, "Länge\nMasse\nTemperatur\nZeit\n", ""}));
}

// A damaged table that only converting finds ends the run with a message
// naming the file and the line, exit 1 (a damaged category file: above). The
// rules for each damage are the core tests' (BeschaedigteDatenTest,
// SonderumrechnungTest).
TEST(Kommandozeile, BeschaedigteDateienWerdenAbgelehnt) {
  TempVerzeichnis kopie;  // of the shipped data, to damage
  for (const auto& eintrag : std::filesystem::directory_iterator(KOLVARO_DATEN_DIR))
    std::filesystem::copy_file(eintrag.path(), kopie.Pfad() / eintrag.path().filename());
  auto pfad = [&](const char* datei) { return kopie.Pfad() / datei; };
  // Two rows of the viscosity table swapped (the lines stay enciphered).
  auto tabelle = *DateiLaden(pfad("STOFFW12.NFO"));
  std::swap(tabelle[4], tabelle[5]);
  Schreiben(pfad("STOFFW12.NFO"), tabelle);
  EXPECT_EQ(Cli(kopie, {"umrechnen", "Viskosität, kinem. alt", "Engler-Grad", "2"}),
            Beschaedigt("STOFFW12.NFO",
                        "Zeile 6 ist in Spalte 1 nicht größer als die Zeile davor (die Spalten müssen aufsteigen)"));
}

// A unit without a usable factor shows no number; the note after the
// results names file and line, and the run ends with 1. What a shared data
// file holds reaches the terminal with its control characters written out:
// an ESC sequence cannot clear the screen or set the window title.
TEST(Kommandozeile, UnbrauchbarerFaktorUndSteuerzeichenAusDaten) {
  TempVerzeichnis daten;
  StandardDaten(daten.Pfad());
  Verschluesselt(daten.Pfad() / "MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "\x1B[2J", "Kilogramm\x07", "1"),
                                              Einheitenzeile("j", "USA", "lb", "Pound\x1B]0;gekapert\x07", "0"),
                                              Einheitenzeile("j", "USA", "", "Unze\r", "0.028349523125")});
  EXPECT_EQ(Cli(daten, {"einheiten", "Masse"}),
            (CliLauf{0, "Kilogramm\\x07\t\\x1B[2J\tSI-Einheit\nPound\\x1B]0;gekapert\\x07\tlb\tUSA\nUnze\\x0D\t\tUSA\n",
                     ""}));
  EXPECT_EQ(Cli(daten, {"umrechnen", "Masse", "Unze\r", "1"}),
            (CliLauf{1,
                     "0,0283495231\tKilogramm\\x07\tSI-Einheit\nFaktor ungültig\tPound\\x1B]0;gekapert\\x07\tUSA\n"
                     "1,0000000000\tUnze\\x0D\tUSA\n",
                     "Die Datei MASSE.DAT ist beschädigt: Zeile 2 (\"Pound\\x1B]0;gekapert\\x07\") hat keinen "
                     "gültigen Umrechnungsfaktor. Diese Einheit zeigt kein Ergebnis.\n"}));
  EXPECT_EQ(Cli(daten, {"umrechnen", "Masse", "Pound\x1B]0;gekapert\x07", "1"}),
            (CliLauf{1, "",
                     "Die Einheit \"Pound\\x1B]0;gekapert\\x07\" (Datei MASSE.DAT, Zeile 2) hat keinen gültigen "
                     "Umrechnungsfaktor. Bitte eine andere Einheit wählen oder den Faktor ändern.\n"}));
}

}  // namespace
}  // namespace kolvaro::test
