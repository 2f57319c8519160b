// kolvaro-cli zeitzonen on the shipped data. Its zones are those of the
// build machine's database, so the whole output is no golden case: the
// lines of the awkward zones are checked, and that every zone has one.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliAufruf.h"

namespace kolvaro::test {
namespace {

CliLauf Zeitzonen(std::vector<std::string> argumente) {
  argumente.insert(argumente.begin(), {"--daten", KOLVARO_DATEN_DIR, "zeitzonen"});
  return CliAufrufen(argumente);
}

// The line of a zone, "" if there is none.
std::string Zeile(const std::string& ausgabe, const std::string& zone) {
  std::istringstream zeilen(ausgabe);
  for (std::string z; std::getline(zeilen, z);)
    if (z.rfind(zone + "\t", 0) == 0) return z;
  return "";
}

TEST(Zeitzonenbefehl, EinMomentInAllenZonen) {
  const CliLauf lauf = Zeitzonen({"--zone", "Europe/Berlin", "01.07.2026 12:00"});
  EXPECT_EQ(lauf.Status, 0);
  EXPECT_EQ(lauf.Fehler, "");
  const std::pair<const char*, const char*> zeilen[] = {
      {"America/New_York", "America/New_York\t01.07.2026 06:00\tUTC-04:00\tEDT\tUSA"},
      {"Europe/Berlin", "Europe/Berlin\t01.07.2026 12:00\tUTC+02:00\tCEST\tDeutschland"},
      {"Etc/UTC", "Etc/UTC\t01.07.2026 10:00\tUTC+00:00\tUTC\tInternationale Einheit"},
      {"Australia/Lord_Howe", "Australia/Lord_Howe\t01.07.2026 20:30\tUTC+10:30\t+1030\tAustralien"},
      {"Pacific/Chatham", "Pacific/Chatham\t01.07.2026 22:45\tUTC+12:45\t+1245\tNeuseeland"},
      {"Asia/Kathmandu", "Asia/Kathmandu\t01.07.2026 15:45\tUTC+05:45\t+0545\tNepal"},
      {"Pacific/Pago_Pago", "Pacific/Pago_Pago\t30.06.2026 23:00\tUTC-11:00\tSST\tAS"},
  };
  for (const auto& [zone, zeile] : zeilen) EXPECT_EQ(Zeile(lauf.Aus, zone), zeile);
  // One line per zone of the category, each with its five columns.
  const CliLauf einheiten = CliAufrufen({"--daten", KOLVARO_DATEN_DIR, "einheiten", "Zeitzonen"});
  std::istringstream aus(lauf.Aus);
  int n = 0;
  for (std::string z; std::getline(aus, z); ++n) EXPECT_EQ(std::count(z.begin(), z.end(), '\t'), 4) << z;
  EXPECT_EQ(n, std::count(einheiten.Aus.begin(), einheiten.Aus.end(), '\n'));
  EXPECT_GT(n, 250);
}

TEST(Zeitzonenbefehl, MeldungenUndStatus) {
  // The repeated hour: the lines of the earlier reading, then the note.
  CliLauf lauf = Zeitzonen({"--zone", "Europe/Berlin", "25.10.2026 02:30"});
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_EQ(Zeile(lauf.Aus, "Etc/UTC"), "Etc/UTC\t25.10.2026 00:30\tUTC+00:00\tUTC\tInternationale Einheit");
  EXPECT_EQ(lauf.Fehler,
            "Die Zeit 25.10.2026 02:30 gibt es in der Zeitzone Europe/Berlin zweimal, weil die Uhren zurückgestellt "
            "werden: zuerst 02:30 UTC+02:00 CEST, dann 02:30 UTC+01:00 CET. Gerechnet wird mit der früheren.\n");

  lauf = Zeitzonen({"--zone", "Europe/Berlin", "29.03.2026 02:30"});
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_EQ(lauf.Aus, "");
  EXPECT_EQ(lauf.Fehler,
            "Die Zeit 29.03.2026 02:30 gibt es in der Zeitzone Europe/Berlin nicht: Die Uhren springen an diesem Tag "
            "von 02:00 auf 03:00.\n");

  lauf = Zeitzonen({"--zone", "Europe/Atlantis", "01.07.2026 12:00"});
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_EQ(lauf.Fehler,
            "Die Zeitzone \"Europe/Atlantis\" fehlt in der Zeitzonendatenbank des Systems (/usr/share/zoneinfo) oder "
            "ist dort nicht lesbar.\n");

  lauf = Zeitzonen({"1.7.2026 12 Uhr"});
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_EQ(lauf.Fehler,
            "Falsche Eingabe im Werteingabeld! Datum und Uhrzeit im Format >> TT.MM.JJJJ hh:mm << eingeben!\n");

  EXPECT_EQ(Zeitzonen({"01.07.2026", "12:00"}).Status, 2);
  EXPECT_EQ(Zeitzonen({"--zone"}).Status, 2);
  // Without a moment: now, in every zone.
  lauf = Zeitzonen({});
  EXPECT_EQ(lauf.Status, 0);
  EXPECT_NE(Zeile(lauf.Aus, "Etc/UTC"), "");
}

}  // namespace
}  // namespace kolvaro::test
