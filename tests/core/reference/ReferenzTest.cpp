// The reference tables: the RTF reader, the fixed tables, and the shipped
// data files the viewers and the command line read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Nfo.h"
#include "gemeinsam/Testdaten.h"
#include "reference/FesteTabellen.h"
#include "reference/Nfotabellen.h"
#include "reference/Rtf.h"
#include "reference/Tabellenverzeichnis.h"

using namespace kolvaro;

TEST(Rtf, LiestAbsaetzeFormateUndTabellen) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue255;}"
      "{\\*\\generator Hand;}\\pard\\b\\fs32 Gr\\'f6\\'dfen\\b0\\par\n"
      "\\cf1\\i blau & <kursiv>\\i0\\cf0\\tab x\\par\n"
      "\\trowd\\cellx2000\\cellx4000\\intbl DE\\cell UK\\cell\\row\n"
      "\\trowd\\cellx2000\\cellx4000\\intbl 38\\cell 10\\cell\\row\\pard Ende\\par}";
  auto dokument = RtfLesen(rtf);
  ASSERT_TRUE(dokument);
  EXPECT_EQ(dokument->Text, Cp1252("Größen\nblau & <kursiv>\tx\nDE\tUK\n38\t10\nEnde\n"));
  const std::string html = Cp1252NachUtf8(dokument->Html);
  EXPECT_NE(html.find("font-size:16pt;font-weight:bold\">Größen"), std::string::npos) << html;
  EXPECT_NE(html.find("font-style:italic;color:#0000ff\">blau &amp; &lt;kursiv&gt;"), std::string::npos) << html;
  EXPECT_NE(html.find("<table"), std::string::npos);
  EXPECT_NE(html.find("<tr><td><span style=\"font-size:16pt\">38</span></td>"), std::string::npos) << html;
  EXPECT_EQ(html.find("Hand"), std::string::npos);  // destinations are not text
  EXPECT_EQ(html.find("Arial"), std::string::npos);
}

TEST(Rtf, LehntKaputteDokumenteAb) {
  for (const std::string& kaputt : {std::string("kein rtf"), std::string("{\\rtf1 offen"), std::string("{\\rtf1 }}"),
                                    "{\\rtf1 " + std::string(100000, '{')})
    EXPECT_FALSE(RtfLesen(kaputt)) << kaputt.substr(0, 20);
  EXPECT_TRUE(RtfLesen("{\\rtf1 \\'zz\\'4}"));  // a broken escape is passed over, not read past the end
}

TEST(FesteTabellen, KonstantenUndZeichen) {
  const Referenztabelle konstanten = PhysikalischeKonstanten();
  ASSERT_EQ(konstanten.Zeilen.size(), 33u);
  std::set<std::string> namen;
  for (const auto& z : konstanten.Zeilen) {
    namen.insert(Cp1252NachUtf8(z[0]));
    const std::string_view wert = z[1].Sicht();
    EXPECT_EQ(std::count(wert.begin(), wert.end(), '('), std::count(wert.begin(), wert.end(), ')')) << z[0];
    EXPECT_EQ(wert.find(" s-1"), std::string::npos) << z[0];
  }
  EXPECT_TRUE(namen.count("Gravitations-Konstante"));
  EXPECT_EQ(konstanten.Zeilen[4][1], "1,380649 x 10^-23 J K^-1 (exakt)");
  // The prefixes: golden tabelle_vorsatzzeichen. Codes 128 and 129 of both
  // code pages and the last spelling position: FesteTabellenTest's cells.

  EXPECT_EQ(Steuerzeichentabelle()[16].Beschreibung, "Data link escape");
  EXPECT_EQ(CodeZeichen(0xE4, Codeseite::Ansi), U'\u00E4');
  EXPECT_EQ(CodeZeichen(255, Codeseite::Oem), U'\u00A0');
}

// The constants that follow from the exactly defined ones of the SI show
// their exact value correctly rounded to the digits they show.
TEST(FesteTabellen, AbgeleiteteKonstantenRichtigGerundet) {
  const long double avogadro = 6.02214076e23L, boltzmann = 1.380649e-23L, ladung = 1.602176634e-19L,
                    normtemperatur = 273.15L, normdruck = 101325.0L;
  const std::map<std::string, long double> exakt = {
      {"Molare Gaskonstante", avogadro * boltzmann},
      {"Faraday-Konstante", avogadro * ladung},
      {"Molvolumen idealer Gase", avogadro * boltzmann * normtemperatur / normdruck},
      {"Loschmidt-Konstante", normdruck / (boltzmann * normtemperatur)}};
  std::size_t gefunden = 0;
  const std::regex zahl("^([0-9]+,([0-9]+))(?: x 10\\^(-?[0-9]+))?");
  for (const auto& z : PhysikalischeKonstanten().Zeilen) {
    const auto wert = exakt.find(Cp1252NachUtf8(z[0]));
    if (wert == exakt.end()) continue;
    ++gefunden;
    std::smatch teile;
    const std::string text = z[1].Bytes();
    ASSERT_TRUE(std::regex_search(text, teile, zahl)) << z[0];
    const int hochzahl = teile[3].matched ? std::stoi(teile[3].str()) : 0;
    const long double gezeigt = ZahlLesen(teile[1].str()).value_or(0.0L);
    const long double richtig = wert->second / std::pow(10.0L, static_cast<long double>(hochzahl));
    EXPECT_LE(std::fabs(gezeigt - richtig), 0.5L * std::pow(10.0L, -static_cast<long double>(teile[2].length())))
        << z[0] << ": " << z[1];
  }
  EXPECT_EQ(gefunden, exakt.size());
}

// Every table the command line names reads from the shipped data.
TEST(Referenzdaten, JedeTabelleLiestSichAusDenGeliefertenDaten) {
  for (const Text1252& name : Tabellennamen()) {
    auto text = TabelleAlsText(KOLVARO_DATEN_DIR, name);
    ASSERT_TRUE(text) << Cp1252NachUtf8(name) << ": " << Cp1252NachUtf8(text.Fehler().Text);
    EXPECT_GT(std::count(text->Sicht().begin(), text->Sicht().end(), '\n'), 3) << Cp1252NachUtf8(name);
  }
}

// The element table Stoffw8.nfo: one line per element in order of atomic
// number, with the fields the molar-mass calculator and the element viewer
// rely on. Where IUPAC gives the standard atomic weight as an interval (CIAAW
// 2021), the shipped abridged value lies within it, give or take the
// abridged value's own last digit.
TEST(Referenzdaten, ElementeInDerReihenfolgeDerOrdnungszahl) {
  auto zeilen = ElementeLesen(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(zeilen);
  ASSERT_EQ(zeilen->size(), 118u);
  const std::regex symbolForm("[A-Z][a-z]?"), gruppenForm("H[1-8]|N[1-8]|L|A");
  std::map<std::string, long double> massen;
  long double vorige = 0;
  for (std::size_t i = 0; i < zeilen->size(); ++i) {
    const auto felder = Felder((*zeilen)[i], '\t');
    const std::vector<std::string> f(felder.begin(), felder.end());
    const int z = static_cast<int>(i) + 1;
    ASSERT_EQ(f.size(), 19u) << "Zeile " << z;
    EXPECT_EQ(GanzzahlLesen(f[5]), z) << f[1];
    EXPECT_TRUE(std::regex_match(f[1], symbolForm)) << z;
    EXPECT_TRUE(std::regex_match(f[6], gruppenForm)) << f[1];
    EXPECT_TRUE(f[3] == "fest" || f[3] == "fl" || f[3] == "gas") << f[1];
    EXPECT_EQ(f[6] == "L", z >= 57 && z <= 71) << f[1];
    EXPECT_EQ(f[6] == "A", z >= 89 && z <= 103) << f[1];
    // The mass grows with the atomic number, up to the known inversions
    // (Ar/K, Co/Ni, Te/I, Th/Pa, U/Np, Pu/Am), none of them above 1.1.
    auto masse = ZahlLesen(f[4]);
    ASSERT_TRUE(masse) << f[1] << ": " << f[4];
    EXPECT_EQ(f[4].find('.'), std::string::npos) << f[1] << ": Dezimalkomma erwartet";
    EXPECT_GE(*masse, z) << f[1];
    EXPECT_LE(*masse, 3.0L * z) << f[1];
    EXPECT_GT(*masse, vorige - 1.1L) << f[1];
    EXPECT_TRUE(massen.emplace(f[1], vorige = *masse).second) << f[1] << " doppelt";
  }
  const std::tuple<const char*, long double, long double> intervalle[] = {
      {"H", 1.00784L, 1.00811L},   {"Li", 6.938L, 6.997L},      {"B", 10.806L, 10.821L},  {"C", 12.0096L, 12.0116L},
      {"N", 14.00643L, 14.00728L}, {"O", 15.99903L, 15.99977L}, {"Mg", 24.304L, 24.307L}, {"Si", 28.084L, 28.086L},
      {"S", 32.059L, 32.076L},     {"Cl", 35.446L, 35.457L},    {"Ar", 39.792L, 39.963L}, {"Br", 79.901L, 79.907L},
      {"Tl", 204.382L, 204.385L}};
  for (const auto& [symbol, von, bis] : intervalle) {
    EXPECT_GE(massen[symbol], von - 0.01L) << symbol;
    EXPECT_LE(massen[symbol], bis + 0.01L) << symbol;
  }
}

TEST(Referenzdaten, DateienHabenIhreForm) {
  auto skalen = SkalenLesen(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(skalen);
  ASSERT_EQ(skalen->size(), 153u);
  for (const Skalentabelle& s : Skalentabellen())
    for (int i = s.Von; i <= s.Bis; ++i)
      EXPECT_EQ(Felder((*skalen)[static_cast<std::size_t>(i - 1)], '\t').size(), s.Ueberschriften.size())
          << Cp1252NachUtf8(s.Name) << " Zeile " << i;

  auto naehrwerte = NaehrwerteLesen(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(naehrwerte);
  EXPECT_GE(naehrwerte->size(), 400u);
  const std::set<Text1252> gruppen(Naehrwertgruppen().begin() + 1, Naehrwertgruppen().end());
  for (const std::string& zeile : *naehrwerte) {
    EXPECT_TRUE(gruppen.count(Text1252(Feld(zeile, '\t', 2)))) << test::AlsUtf8(zeile);
    const double kcal = std::stod(Feld(zeile, '\t', 3)), kj = std::stod(Feld(zeile, '\t', 4));
    EXPECT_NEAR(kj, kcal * 4.184, 1.0) << test::AlsUtf8(zeile);
  }

  auto vorwahlen = VorwahlenLesen(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(vorwahlen);
  EXPECT_GE(vorwahlen->size(), 200u);
  std::map<std::string, std::string> vorwahl;
  for (const std::string& zeile : *vorwahlen) {
    EXPECT_EQ(Felder(zeile, '\t').size(), 3u) << test::AlsUtf8(zeile);
    EXPECT_EQ(Feld(zeile, '\t', 3).substr(0, 1), "+") << test::AlsUtf8(zeile);
    vorwahl[test::AlsUtf8(Feld(zeile, '\t', 1))] = Feld(zeile, '\t', 3);
  }
  // Names as the countries are called (the flag table and the country table spell them alike).
  EXPECT_EQ(vorwahl["Ecuador"], "+593");
  EXPECT_EQ(vorwahl["Saint Vincent und die Grenadinen"], "+1 784");
  EXPECT_FALSE(vorwahl.count("Equador") || vorwahl.count("Saint Vincent und die Grenadien"));

  const std::pair<const char*, std::size_t> stoffdateien[] = {
      {"Stoffw1.nfo", 150}, {"Stoffw2.nfo", 60}, {"Stoffw3.nfo", 100}, {"Stoffw4.nfo", 40},
      {"Stoffw5.nfo", 60},  {"Stoffw6.nfo", 60}, {"Stoffw7.nfo", 150}};
  for (const auto& [datei, mindestens] : stoffdateien) {
    auto zeilen = NfoLesen(KOLVARO_DATEN_DIR, datei, 0);
    ASSERT_TRUE(zeilen) << datei;
    EXPECT_GE(zeilen->size(), mindestens) << datei;
  }
}
