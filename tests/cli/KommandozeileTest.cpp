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
  lauf.Fehler = *kolvaro::DateiInhalt(temp.Pfad() / "fehler");
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

TEST(Kommandozeile, SondergebieteWieDieListe) {
  auto t = Cli({"umrechnen", "Temperatur", "Celsius", "100"});
  ASSERT_EQ(t.Status, 0) << t.Fehler;
  EXPECT_TRUE(HatZeile(t.Aus, "212,00000000\tFahrenheit\tSonstige Einheit")) << t.Aus;
  auto b = Cli({"umrechnen", "Brüche", "Bruch", "-7/3"});
  ASSERT_EQ(b.Status, 0) << b.Fehler;
  EXPECT_EQ(b.Aus.substr(0, b.Aus.find('\t')), "-2 1/3");
  auto z = Cli({"umrechnen", "Zahlensysteme", "Römische Zahl", "IIII"});
  ASSERT_EQ(z.Status, 0);
  EXPECT_NE(z.Aus.find("4\tDezimalzahl"), std::string::npos);
  EXPECT_EQ(z.Fehler, "Falsche Römische Zahl!\n");  // after the results, on standard error
  auto s = Cli({"umrechnen", "Schuhgrößen", "Größe Europa", "42"});
  ASSERT_EQ(s.Status, 0) << s.Fehler;
  EXPECT_NE(s.Aus.find("27,0\tFußlänge/cm"), std::string::npos) << s.Aus;
  auto w = Cli({"umrechnen", "Weltzeit", "Weltzeit (UTC)", "23:30"});
  ASSERT_EQ(w.Status, 0) << w.Fehler;
  EXPECT_NE(w.Aus.find("23:30\tWeltzeit (UTC)"), std::string::npos);
  EXPECT_NE(w.Aus.find(" nä. Tag\t"), std::string::npos);
  EXPECT_EQ(Cli({"umrechnen", "Weltzeit", "Weltzeit (UTC)", "-1:00"}).Status, 1);
  auto v = Cli({"umrechnen", "Viskosität, kinem. alt", "Millimeter^2/Sekunde", "1"});
  ASSERT_EQ(v.Status, 0) << v.Fehler;
  EXPECT_NE(v.Aus.find("0,0000010000\tMeter^2/Sekunde"), std::string::npos) << v.Aus;
  auto e = Cli({"umrechnen", "Viskosität, kinem. alt", "Engler-Grad", "131,7"});
  EXPECT_EQ(e.Status, 1);
  EXPECT_EQ(e.Fehler, "Eingabe außerhalb des gültigen Wertebereiches (1 bis 131,6)!\n");
  auto geld = Cli({"umrechnen", "Währungen", "Euro", "100"});
  ASSERT_EQ(geld.Status, 0) << geld.Fehler;
  EXPECT_NE(geld.Aus.find("195,58300000\tDeutsche Mark"), std::string::npos);
}

TEST(Kommandozeile, Kalender) {
  auto k = Cli({"umrechnen", "Kalender", "Julianisches Datum", "2451545"});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  EXPECT_TRUE(HatZeile(k.Aus, "01.01.2000\tGregorianischer Kalender (12 Uhr)\tSonstige Einheit")) << k.Aus;
  EXPECT_TRUE(HatZeile(k.Aus, "19.12.1999\tJulianischer Kalender (12 Uhr)\tSonstige Einheit"));
  EXPECT_TRUE(HatZeile(k.Aus, "152385\tLilianisches Datum\tSonstige Einheit"));
  EXPECT_NE(k.Aus.find("12.19.6.15.2\tMaya-Kalender"), std::string::npos);
  auto maya = Cli({"umrechnen", "Kalender", "Maya-Kalender", "13.0.0.0.0"});
  ASSERT_EQ(maya.Status, 0) << maya.Fehler;
  EXPECT_NE(maya.Aus.find("21.12.2012\tGregorianischer Kalender (12 Uhr)"), std::string::npos) << maya.Aus;
  EXPECT_EQ(Cli({"umrechnen", "Kalender", "Julianisches Datum", "10000001"}).Status, 1);
  EXPECT_EQ(Cli({"umrechnen", "Kalender", "Abendländischer Kalender (12 Uhr)", "10.10.1582"}).Status, 1);
}

TEST(Kommandozeile, AraeometerFrage) {
  auto ohne = Cli({"umrechnen", "Aräometerskalen", "Grad Brix", "20"});
  EXPECT_EQ(ohne.Status, 2);
  EXPECT_NE(ohne.Fehler.find("Ist Ihre Flüssigkeit leichter als Wasser?"), std::string::npos);
  EXPECT_TRUE(ohne.Aus.empty());
  auto schwer = Cli({"umrechnen", "--schwerer", "Aräometerskalen", "Grad Brix", "20"});
  auto leicht = Cli({"umrechnen", "--leichter", "Aräometerskalen", "Grad Brix", "20"});
  ASSERT_EQ(schwer.Status, 0);
  ASSERT_EQ(leicht.Status, 0);
  EXPECT_NE(schwer.Aus, leicht.Aus);
  auto api = Cli({"umrechnen", "Aräometerskalen", "Grad API", "5"});
  ASSERT_EQ(api.Status, 0);  // converted with 10, the note comes after the results
  EXPECT_EQ(api.Fehler, "Eingabe von Werten < 10 ist bei API nicht zulässig!\n");
  EXPECT_NE(api.Aus.find("10,000000000\tGrad API"), std::string::npos);
}

TEST(Kommandozeile, DatenverzeichnisFehltOderIstBeschaedigt) {
  kolvaro::test::TempVerzeichnis leer;
  auto lauf = Cli({"gebiete"}, leer.Pfad().string());
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_EQ(lauf.Fehler, "Die Datei Gruppen.nfo konnte nicht geöffnet werden!\n");

  kolvaro::test::StandardDaten(leer.Pfad());
  ASSERT_TRUE(kolvaro::SchreibeAtomar(leer.Pfad() / "MASSE.DAT", {"nicht verschlüsselt"}));
  lauf = Cli({"einheiten", "Masse"}, leer.Pfad().string());
  EXPECT_EQ(lauf.Status, 1);
  EXPECT_NE(lauf.Fehler.find("MASSE.DAT ist beschädigt: Zeile 1"), std::string::npos) << lauf.Fehler;
  EXPECT_EQ(Cli({"einheiten", "Länge"}, leer.Pfad().string()).Status, 0);
}

}  // namespace
