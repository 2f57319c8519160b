// The central bank's rate files in all their layouts, and every way a
// download can be wrong.
#include <gtest/gtest.h>

#include "gemeinsam/Testdaten.h"
#include "special/Kursdatei.h"

namespace kolvaro {
namespace {

const char* const kTagXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
    "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
    "\t<Cube>\n"
    "\t\t<Cube time='2026-12-04'>\n"
    "\t\t\t<Cube currency='USD' rate='1.0512'/>\n"
    "\t\t\t<Cube currency='JPY' rate='157.3'/>\n"
    "\t\t</Cube>\n"
    "\t</Cube>\n"
    "</gesmes:Envelope>\n";

// Several days, oldest first, in double quotes, another prefix, a comment
// and line breaks inside the tags.
const char* const kVerlaufXml =
    "<?xml version=\"1.0\"?><!-- Verlauf -->\r\n"
    "<e:Envelope xmlns:e=\"x\" xmlns:r=\"y\"><r:Cube>\r\n"
    "<r:Cube time=\"2026-12-02\"><r:Cube currency=\"USD\"\r\n rate=\"1.04\" /></r:Cube>\r\n"
    "<r:Cube\r\ntime = \"2026-12-03\" ><r:Cube rate=\"1.05\" currency=\"USD\"/></r:Cube>\r\n"
    "</r:Cube></e:Envelope>";

const char* const kTagCsv =
    "Date, USD, JPY, \n"
    "04 December 2026, 1.0512, 157.3, \n";

const char* const kVerlaufCsv =
    "Date,USD,JPY,CYP,\n"
    "2026-12-04,1.0512,157.3,N/A,\n"
    "2026-12-03,1.05,156,N/A,\n"
    "2007-12-31,1.4721,164.93,0.585274,\n";

std::vector<std::string> Zeilen(const Kursstichtag& tag) {
  std::vector<std::string> z;
  for (const Kurs& k : tag.Kurse) z.push_back(k.Code + "=" + std::to_string(k.Wert));
  return z;
}

TEST(Kursdatei, LiestAlleFormenNeuesterTagZuerst) {
  struct Fall {
    const char* Inhalt;
    Kursform Form;
    std::vector<Tagesdatum> Tage;
    std::vector<std::string> Neuester;
  };
  const Fall faelle[] = {
      {kTagXml, Kursform::Xml, {{2026, 12, 4}}, {"USD=1.051200", "JPY=157.300000"}},
      {kVerlaufXml, Kursform::Xml, {{2026, 12, 3}, {2026, 12, 2}}, {"USD=1.050000"}},
      {kTagCsv, Kursform::Csv, {{2026, 12, 4}}, {"USD=1.051200", "JPY=157.300000"}},
      {kVerlaufCsv, Kursform::Csv, {{2026, 12, 4}, {2026, 12, 3}, {2007, 12, 31}}, {"USD=1.051200", "JPY=157.300000"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.Inhalt);
    const auto datei = KursdateiLesen(f.Inhalt, "kurse");
    ASSERT_TRUE(datei) << datei.Fehler().Text;
    EXPECT_EQ(datei->Form, f.Form);
    ASSERT_EQ(datei->Tage.size(), f.Tage.size());
    for (std::size_t i = 0; i < f.Tage.size(); ++i) EXPECT_EQ(datei->Tage[i].Datum, f.Tage[i]) << i;
    EXPECT_EQ(Zeilen(datei->Tage.front()), f.Neuester);
  }
  // "N/A" is no rate; an old day has the rate the newer ones lack.
  const auto verlauf = KursdateiLesen(kVerlaufCsv, "kurse");
  EXPECT_EQ(Zeilen(verlauf->Tage[2]), (std::vector<std::string>{"USD=1.472100", "JPY=164.930000", "CYP=0.585274"}));
}

TEST(Kursdatei, LehntJedeFehlerhafteDateiMitZeileAb) {
  const std::string tagXml = kTagXml;
  auto ersetzt = [&](const std::string& alt, const std::string& neu) {
    std::string t = tagXml;
    return t.replace(t.find(alt), alt.size(), neu);
  };
  const std::pair<std::string, std::string> faelle[] = {
      {"", "Die Kursdatei kurse ist leer."},
      {"\r\n \n", "Die Kursdatei kurse ist leer."},
      {"Waehrung;Kurs\nUSD;1,05\n",
       "Zeile 1: Das ist weder die XML- noch die CSV-Form der Referenzkurse der Europäischen Zentralbank."},
      {"<html><body>Nicht gefunden</body></html>", "Zeile 1: Das ist weder die XML- noch die CSV-Form"},
      // cut off after a rate, inside a tag, inside a quoted value
      {tagXml.substr(0, tagXml.find("\t\t</Cube>")), "Zeile 10: Die Datei endet, bevor <Cube> geschlossen ist"},
      {tagXml.substr(0, tagXml.find("rate='157")), "Zeile 10: Die Datei endet mitten in einem Tag"},
      {tagXml.substr(0, tagXml.find("57.3'")), "Zeile 10: Die Datei endet mitten in einem Tag"},
      {ersetzt("1.0512", "0"), "Zeile 9: Der Kurs \"0\" für USD ist keine Zahl größer als 0."},
      {ersetzt("1.0512", "-1.05"), "Zeile 9: Der Kurs \"-1.05\" für USD ist keine Zahl größer als 0."},
      {ersetzt("1.0512", "1.05x"), "Zeile 9: Der Kurs \"1.05x\" für USD ist keine Zahl größer als 0."},
      {ersetzt("1.0512", ""), "Zeile 9: Der Kurs \"\" für USD"},
      {ersetzt("2026-12-04", "2026-02-30"), "Zeile 8: Das Datum \"2026-02-30\" ist kein gültiges Datum."},
      {ersetzt(" time='2026-12-04'", ""), "Zeile 9: Hier stehen Kurse ohne Datum."},
      {ersetzt(" rate='1.0512'", ""), "Zeile 9: Hier steht die Währung USD ohne Kurs."},
      {ersetzt("</gesmes:Sender>", "</Sender>"), "Zeile 6: Das ist weder"},
      {"<a><b/></a>",
       "Zeile 1: Das ist weder die XML- noch die CSV-Form der Referenzkurse der Europäischen "
       "Zentralbank (keine Kurse eines Tages)."},
      {std::string(kVerlaufCsv) + "2007-12-28,1.47", "Zeile 5: Die Zeile hat 2 statt 5 Spalten"},
      {"Date,USD,JPY,\n2026-12-04,1.05,157\n", "Zeile 2: Die Zeile hat 3 statt 4 Spalten"},
      {"\nDate,USD,\n,1.05,\n", "Zeile 3: Die Zeile hat kein Datum."},
      {"Date,USD,\n04.12.2026,1.05,\n", "Zeile 2: Das Datum \"04.12.2026\" ist kein gültiges Datum."},
      {"Date,USD,\n2026-12-04,0,\n", "Zeile 2: Der Kurs \"0\" für USD ist keine Zahl größer als 0."},
      {"Date,USD,\n2026-12-04,1e-400,\n", "Zeile 2: Der Kurs \"1e-400\" für USD"},
      {"Date,USD,usd,\n",
       "Zeile 1: Das ist weder die XML- noch die CSV-Form der Referenzkurse der Europäischen "
       "Zentralbank (Spalte 3: \"usd\")."},
      {"Date,USD,\n2026-12-04,1.05,\n2026-12-04,1.06,\n", "Zeile 3: Der 04.12.2026 steht zweimal in der Datei."},
  };
  for (const auto& [inhalt, meldung] : faelle) {
    const auto datei = KursdateiLesen(inhalt, "kurse");
    ASSERT_FALSE(datei) << inhalt;
    EXPECT_NE(Cp1252NachUtf8(datei.Fehler().Text).find(meldung), std::string::npos) << inhalt << "\n"
                                                                                    << datei.Fehler().Text;
    EXPECT_NE(Cp1252NachUtf8(datei.Fehler().Text).find("Es wurden keine Kurse übernommen."), std::string::npos);
  }
}

TEST(Kursdatei, TagWaehlenNenntDieNaechstenTage) {
  const auto datei = KursdateiLesen(kVerlaufCsv, "eurofxref-hist.csv");
  ASSERT_TRUE(datei);
  EXPECT_EQ((*KurstagWaehlen(*datei, "x", std::nullopt))->Datum, (Tagesdatum{2026, 12, 4}));
  EXPECT_EQ((*KurstagWaehlen(*datei, "x", Tagesdatum{2026, 12, 3}))->Datum, (Tagesdatum{2026, 12, 3}));
  const std::pair<Tagesdatum, const char*> fehlend[] = {
      {{2020, 6, 1},
       "Die Kursdatei eurofxref-hist.csv enthält keine Kurse vom 01.06.2020. Die nächsten Tage mit Kursen sind der "
       "03.12.2026 und der 31.12.2007."},
      {{2026, 12, 5},
       "Die Kursdatei eurofxref-hist.csv enthält keine Kurse vom 05.12.2026. Der nächste Tag mit Kursen ist der "
       "04.12.2026."},
      {{1999, 1, 1}, "Der nächste Tag mit Kursen ist der 31.12.2007."},
  };
  for (const auto& [tag, meldung] : fehlend) {
    const auto gewaehlt = KurstagWaehlen(*datei, "eurofxref-hist.csv", tag);
    ASSERT_FALSE(gewaehlt);
    EXPECT_NE(Cp1252NachUtf8(gewaehlt.Fehler().Text).find(meldung), std::string::npos) << gewaehlt.Fehler().Text;
  }
}

}  // namespace
}  // namespace kolvaro
