// kolvaro-cli as a user runs it: the real program on the real built data.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "gemeinsam/Testdaten.h"

namespace {

struct Lauf {
  int Status = -1;
  std::string Aus;
  std::string Fehler;
};

std::string Zitiert(const std::string& text) {
  std::string z = "'";
  for (char c : text) z += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return z + "'";
}

// Runs kolvaro-cli with the given arguments; standard error goes to a file.
Lauf Cli(const std::vector<std::string>& argumente, const std::string& daten = KOLVARO_DATEN_DIR) {
  kolvaro::test::TempVerzeichnis temp;
  std::string befehl = Zitiert(KOLVARO_CLI_PFAD);
  if (!daten.empty()) befehl += " --daten " + Zitiert(daten);
  for (const auto& a : argumente) befehl += " " + Zitiert(a);
  befehl += " 2>" + Zitiert((temp.Pfad() / "fehler").string()) + " </dev/null";
  Lauf lauf;
  FILE* rohr = popen(befehl.c_str(), "r");
  std::array<char, 4096> puffer;
  std::size_t n;
  while ((n = fread(puffer.data(), 1, puffer.size(), rohr)) > 0) lauf.Aus.append(puffer.data(), n);
  int status = pclose(rohr);
  lauf.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  lauf.Fehler = kolvaro::DateiInhalt(temp.Pfad() / "fehler").value_or("");
  return lauf;
}

bool HatZeile(const std::string& text, const std::string& zeile) {
  std::istringstream s(text);
  for (std::string z; std::getline(s, z);)
    if (z == zeile) return true;
  return false;
}

TEST(Kommandozeile, GebieteInKatalogreihenfolge) {
  auto lauf = Cli({"gebiete"});
  ASSERT_EQ(lauf.Status, 0) << lauf.Fehler;
  EXPECT_TRUE(HatZeile(lauf.Aus, "Länge"));
  EXPECT_TRUE(HatZeile(lauf.Aus, "Masse"));
  EXPECT_LT(lauf.Aus.find("Fläche"), lauf.Aus.find("Länge"));
  EXPECT_LT(lauf.Aus.find("Länge"), lauf.Aus.find("Volumen"));
}

TEST(Kommandozeile, EinheitenMitKurzzeichenUndLand) {
  auto lauf = Cli({"einheiten", "Länge"});
  ASSERT_EQ(lauf.Status, 0) << lauf.Fehler;
  EXPECT_TRUE(HatZeile(lauf.Aus, "Meter\tm\tSI-Einheit"));
  EXPECT_TRUE(HatZeile(lauf.Aus, "Kilometer\tkm\tSI-Einheit"));
  auto nachLand = Cli({"einheiten", "--sortierung", "land", "Länge"});
  ASSERT_EQ(nachLand.Status, 0);
  // The SI units come first in the country order.
  EXPECT_EQ(nachLand.Aus.substr(nachLand.Aus.find('\n') - 10, 10), "SI-Einheit");
  EXPECT_EQ(nachLand.Aus.size(), lauf.Aus.size());
}

TEST(Kommandozeile, UmrechnenWieDieListe) {
  auto lauf = Cli({"umrechnen", "Länge", "Kilometer", "1,5"});
  ASSERT_EQ(lauf.Status, 0) << lauf.Fehler;
  EXPECT_TRUE(HatZeile(lauf.Aus, "1.500,0000000\tMeter\tSI-Einheit"));
  EXPECT_TRUE(HatZeile(lauf.Aus, "1,5000000000\tKilometer\tSI-Einheit"));
  auto wiss = Cli({"umrechnen", "--wiss", "Länge", "Meter", "1500"});
  ASSERT_EQ(wiss.Status, 0) << wiss.Fehler;
  EXPECT_TRUE(HatZeile(wiss.Aus, "1,500000E+0000\tKilometer\tSI-Einheit"));
  EXPECT_TRUE(HatZeile(wiss.Aus, "1,500000E+0003\tMeter\tSI-Einheit"));
  auto masse = Cli({"umrechnen", "Masse", "Kilogramm", "0,45359237"});
  ASSERT_EQ(masse.Status, 0) << masse.Fehler;
  EXPECT_NE(masse.Aus.find("1,0000000000\tPfund\tInternationale Einheit"), std::string::npos) << masse.Aus;
}

TEST(Kommandozeile, MehrdeutigeEinheitBrauchtLand) {
  auto lauf = Cli({"umrechnen", "Länge", "Fuß", "1"});
  EXPECT_EQ(lauf.Status, 2);
  EXPECT_NE(lauf.Fehler.find("Fuß\tInternationale Einheit"), std::string::npos) << lauf.Fehler;
  EXPECT_TRUE(lauf.Aus.empty());
  auto mitLand = Cli({"umrechnen", "--land", "Internationale Einheit", "Länge", "Fuß", "1"});
  ASSERT_EQ(mitLand.Status, 0) << mitLand.Fehler;
  EXPECT_TRUE(HatZeile(mitLand.Aus, "0,3048000000\tMeter\tSI-Einheit"));
}

TEST(Kommandozeile, FalscheEingabenUndNutzungsfehler) {
  auto null = Cli({"umrechnen", "Länge", "Meter", "0"});
  EXPECT_EQ(null.Status, 1);
  EXPECT_EQ(null.Fehler, "Falsche Eingabe im Werteingabeld! Bitte ändern! \n");
  EXPECT_EQ(Cli({"umrechnen", "Länge", "Meter", "abc"}).Status, 1);
  EXPECT_EQ(Cli({"umrechnen", "Länge", "Meter", "1E99999"}).Status, 1);
  EXPECT_EQ(Cli({"umrechnen", "Länge", "Lichtmeile", "1"}).Status, 1);
  EXPECT_EQ(Cli({"umrechnen", "Atlantis", "Meter", "1"}).Status, 1);
  EXPECT_EQ(Cli({"umrechnen", "Länge", "Meter"}).Status, 2);
  EXPECT_EQ(Cli({"zaubern"}).Status, 2);
  EXPECT_EQ(Cli({}).Status, 2);
  EXPECT_EQ(Cli({"einheiten", "--sortierung", "farbe", "Länge"}).Status, 2);
  auto hilfe = Cli({"--help"});
  EXPECT_EQ(hilfe.Status, 0);
  EXPECT_NE(hilfe.Aus.find("umrechnen"), std::string::npos);
  auto pi = Cli({"umrechnen", "Länge", "Meter", "π"});
  EXPECT_EQ(pi.Status, 1);
  EXPECT_FALSE(pi.Fehler.empty());
}

TEST(Kommandozeile, DatenverzeichnisFehltOderIstBeschaedigt) {
  kolvaro::test::TempVerzeichnis leer;
  auto lauf = Cli({"gebiete"}, leer.Pfad().string());
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_EQ(lauf.Fehler, "Die Datei Gruppen.nfo konnte nicht geöffnet werden!\n");

  kolvaro::test::StandardDaten(leer.Pfad());
  kolvaro::SchreibeAtomar(leer.Pfad() / "MASSE.DAT", {"nicht verschlüsselt"});
  lauf = Cli({"einheiten", "Masse"}, leer.Pfad().string());
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_NE(lauf.Fehler.find("MASSE.DAT ist beschädigt: Zeile 1"), std::string::npos) << lauf.Fehler;
  EXPECT_EQ(Cli({"einheiten", "Länge"}, leer.Pfad().string()).Status, 0);
}

}  // namespace
