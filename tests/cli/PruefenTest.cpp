// kolvaro-cli pruefen on the shipped data (nothing to report) and on copies
// of it with one damage each: every damage brings its own line naming file
// and line, and the run ends with 1.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/CliAufruf.h"
#include "data/Feld.h"
#include "data/Verschluesselung.h"

namespace kolvaro::test {
namespace {

namespace fs = std::filesystem;

CliLauf Pruefen(const fs::path& daten) { return CliAufrufen({"--daten", daten.string(), "pruefen"}); }

// The deciphered lines of a file and back.
std::vector<std::string> Klar(const fs::path& pfad, int schluessel = 1) {
  const auto zeilen = DateiLaden(pfad);
  std::vector<std::string> klar;
  for (const auto& z : *zeilen) klar.push_back(*LinieEntschluesseln(z, schluessel));
  return klar;
}
void Geheim(const fs::path& pfad, const std::vector<std::string>& klar, int schluessel = 1) {
  std::vector<std::string> zeilen;
  for (const auto& z : klar) zeilen.push_back(LinieVerschluesseln(z, schluessel));
  ASSERT_TRUE(SchreibeAtomar(pfad, zeilen));
}
// Field n of line i (from 1) of a category file set to wert (UTF-8).
std::function<void(const fs::path&)> Feldwert(const char* datei, std::size_t i, int n, const char* wert) {
  return [=](const fs::path& daten) {
    auto klar = Klar(daten / datei);
    klar[i - 1] = FeldErsetzen(klar[i - 1], n, DateiBytes(wert));
    Geheim(daten / datei, klar);
  };
}

TEST(Pruefen, GelieferteDatenSindFehlerfrei) {
  const CliLauf lauf = Pruefen(KOLVARO_DATEN_DIR);
  EXPECT_EQ(lauf.Status, 0) << lauf.Aus;
  EXPECT_EQ(lauf.Fehler, "");
  // Nothing but the summary, and it counts every category.
  EXPECT_EQ(lauf.Aus.rfind("Geprüft: ", 0), 0u) << lauf.Aus;
  EXPECT_NE(lauf.Aus.find(" Einheiten, 0 Fehler\n"), std::string::npos) << lauf.Aus;
}

TEST(Pruefen, JedeBeschaedigungHatIhreZeile) {
  struct Fall {
    const char* Was;
    std::function<void(const fs::path&)> Beschaedigen;
    std::string Erwartet;  // one line of the output
  };
  const Fall faelle[] = {
      {"Faktor keine Zahl", Feldwert("LAENGE.DAT", 1, 9, "abc"), "LAENGE.DAT:1: Faktor \"abc\" ist keine Zahl"},
      {"Faktor 0", Feldwert("LAENGE.DAT", 2, 9, "0"), "LAENGE.DAT:2: Faktor 0 ist nicht größer als 0"},
      {"Währung unter 0", Feldwert("WAEHRUNG.DAT", 1, 9, "-1"), "WAEHRUNG.DAT:1: Faktor -1 ist kleiner als 0"},
      {"Zeitzone über einen Tag", Feldwert("WELTZEIT.DAT", 1, 9, "24.5"),
       "WELTZEIT.DAT:1: Zeitverschiebung 24.5 liegt nicht zwischen -24 und 24 Stunden"},
      {"Sichtbar", Feldwert("ZEIT.DAT", 3, 1, "x"), "ZEIT.DAT:3: Feld 1 (Sichtbar) ist \"x\" statt \"j\" oder \"n\""},
      {"Name zu lang", Feldwert("ZEIT.DAT", 1, 8, "Aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"),
       "ZEIT.DAT:1: Feld 8 (Einheitenname) ist länger als 34 Zeichen"},
      {"unbekanntes Land", Feldwert("LAENGE.DAT", 1, 5, "Atlantis"),
       "LAENGE.DAT:1: Land \"Atlantis\" steht nicht in Laender.nfo"},
      {"Zeitraum", Feldwert("LAENGE.DAT", 1, 17, "irgendwann"),
       "LAENGE.DAT:1: Zeitraum \"irgendwann\" hat keine bekannte Form"},
      {"Reihenfolge", Feldwert("LAENGE.DAT", 1, 8, "Zzz"),
       "LAENGE.DAT:2: \"Admiralitätsmeile\" steht nicht alphabetisch hinter \"Zzz\""},
      {"Name doppelt",
       [](const fs::path& d) {
         auto klar = Klar(d / "LAENGE.DAT");
         klar.insert(klar.begin() + 1, klar[0]);
         Geheim(d / "LAENGE.DAT", klar);
       },
       "LAENGE.DAT:2: \"Actus\" (Römisches Reich) steht schon in Zeile 1"},
      {"Feldzahl",
       [](const fs::path& d) {
         auto klar = Klar(d / "ZEIT.DAT");
         klar[1].pop_back();
         klar[1].erase(klar[1].rfind('\t'));
         Geheim(d / "ZEIT.DAT", klar);
       },
       "ZEIT.DAT:2: hat 18 statt 19 Feldern"},
      {"Zeile nicht verschlüsselt",
       [](const fs::path& d) {
         auto zeilen = *DateiLaden(d / "ZEIT.DAT");
         zeilen[2] = "kein Geheimtext";
         ASSERT_TRUE(SchreibeAtomar(d / "ZEIT.DAT", zeilen));
       },
       "ZEIT.DAT:3: ist keine gültige verschlüsselte Zeile"},
      {"Temperaturzeile", Feldwert("TEMPERAT.DAT", 3, 8, "Fahrenhait"),
       "TEMPERAT.DAT:3: enthält \"Fahrenhait\" statt \"Fahrenheit\""},
      {"Schuhgröße umbenannt (unbekannt)", Feldwert("SCHUHGR.DAT", 4, 8, "Mondopunkt"),
       "SCHUHGR.DAT:4: die Umrechnung des Gebietes \"Schuhgrößen\" kennt die Einheit \"Mondopunkt\" nicht"},
      {"Schuhgröße umbenannt (fehlt)", Feldwert("SCHUHGR.DAT", 4, 8, "Mondopunkt"),
       "SCHUHGR.DAT: die Einheit \"Schuhlänge/cm\" fehlt; die Umrechnung des Gebietes \"Schuhgrößen\" braucht sie"},
      {"Bezugseinheit",
       [](const fs::path& d) {
         auto klar = Klar(d / "ZEIT.DAT");
         for (auto& z : klar)
           if (Feld(z, '\t', 8) == "Sekunde") z = FeldErsetzen(z, 9, "2");
         Geheim(d / "ZEIT.DAT", klar);
       },
       "ZEIT.DAT: die Bezugseinheit \"Sekunde\" fehlt oder hat nicht den Faktor 1"},
      {"Viskositätstabelle",
       [](const fs::path& d) {
         auto zeilen = *DateiLaden(d / "STOFFW12.NFO");
         std::swap(zeilen[4], zeilen[5]);
         ASSERT_TRUE(SchreibeAtomar(d / "STOFFW12.NFO", zeilen));
       },
       "STOFFW12.NFO:6: ist in Spalte 1 nicht größer als die Zeile davor (die Spalten müssen aufsteigen)"},
      {"Elementtabelle gekürzt",
       [](const fs::path& d) {
         auto zeilen = *DateiLaden(d / "Stoffw8.nfo");
         zeilen.pop_back();
         ASSERT_TRUE(SchreibeAtomar(d / "Stoffw8.nfo", zeilen));
       },
       "Stoffw8.nfo: hat 117 statt 118 Zeilen"},
      {"Datei fehlt", [](const fs::path& d) { fs::remove(d / "Stoffw14.nfo"); },
       "Stoffw14.nfo: fehlt oder ist nicht lesbar"},
      {"Land nicht vorhanden",
       [](const fs::path& d) {
         auto klar = Klar(d / "Laender.nfo", 3);
         for (auto& z : klar)
           if (Feld(z, '\t', 1) == "Europa") z = FeldErsetzen(z, 4, "n");
         Geheim(d / "Laender.nfo", klar, 3);
       },
       "SCHUHGR.DAT:2: Land \"Europa\" ist in Laender.nfo nicht als vorhanden markiert"},
  };
  for (const auto& fall : faelle) {
    TempVerzeichnis kopie;
    for (const auto& eintrag : fs::directory_iterator(KOLVARO_DATEN_DIR))
      fs::copy_file(eintrag.path(), kopie.Pfad() / eintrag.path().filename());
    fall.Beschaedigen(kopie.Pfad());
    const CliLauf lauf = Pruefen(kopie.Pfad());
    EXPECT_EQ(lauf.Status, 1) << fall.Was;
    EXPECT_NE(("\n" + lauf.Aus).find("\n" + fall.Erwartet + "\n"), std::string::npos) << fall.Was << "\n" << lauf.Aus;
  }
}

}  // namespace
}  // namespace kolvaro::test
