// The category "Kalender": one input converted to all calendar units, and
// every message of a wrong input.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "basis/Zeichensatz.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

const char* const Namen[] = {"Julianisches Datum",
                             "Julianisches Datum, modifiziert",
                             "Julianisches Datum, truncated",
                             "Lilianisches Datum",
                             "Julianischer Kalender (12 Uhr)",
                             "Gregorianischer Kalender (12 Uhr)",
                             "Abendländischer Kalender (12 Uhr)",
                             "Jüdischer Kalender",
                             "Franz. Revolutionskalender",
                             "Islamischer Kalender",
                             "Iranischer Kalender (neu)",
                             "Iranischer Kalender (Yazdegard)",
                             "Ägyptischer Kalender (Nabon.)",
                             "Armenischer Kalender",
                             "Äthiopischer Kalender",
                             "Koptischer Kalender",
                             "Bahá'i Kalender",
                             "Indischer Kalender (Saka)",
                             "Maya-Kalender"};

const std::string Anfang = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
const std::string Lang = Anfang +
                         "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000. Die "
                         "Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht existiert.";
const std::string Kurz = Anfang + "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850";

class KalenderUmrechnungTest : public ::testing::Test {
 protected:
  KalenderUmrechnungTest() {
    int zeile = 0;
    for (const char* name : Namen) {
      TAusgabetextobject e;
      e.Einheitenname = Cp1252(name);
      e.Landname = "Sonstige Einheit";
      e.Faktor = 1.0L;
      e.Dateizeile = zeile++;
      e.ErgebnisWiss = e.ErgebnisFliess = "alt";
      m_Einheiten.push_back(e);
    }
  }

  Rechenergebnis Rechnen(const char* einheit, const std::string& eingabe) {
    int auswahl = Index(einheit);
    Sonderkontext k{eingabe, m_Einheiten, auswahl, m_Verzeichnis, m_Frage};
    return KalenderUmrechnen(k);
  }

  int Index(const char* einheit) const {
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      if (m_Einheiten[i].Einheitenname == Cp1252(einheit)) return static_cast<int>(i);
    ADD_FAILURE() << einheit;
    return 0;
  }

  // The result text of a unit, in UTF-8 for readable comparisons.
  std::string Ergebnis(const char* einheit) const {
    const TAusgabetextobject& e = m_Einheiten[Index(einheit)];
    EXPECT_EQ(e.ErgebnisWiss, e.ErgebnisFliess) << einheit;
    return Cp1252NachUtf8(e.ErgebnisFliess);
  }

  void ErwarteFehler(const char* einheit, const std::string& eingabe, const std::string& meldung) {
    std::vector<std::string> vorher;
    for (const TAusgabetextobject& e : m_Einheiten) vorher.push_back(e.ErgebnisWiss + "|" + e.ErgebnisFliess);
    Rechenergebnis r = Rechnen(einheit, eingabe);
    EXPECT_FALSE(r.Erfolg) << einheit << " " << eingabe;
    ASSERT_TRUE(r.Fehler.has_value()) << einheit << " " << eingabe;
    EXPECT_EQ(r.Fehler->Art, Meldungsart::Fehler);
    EXPECT_EQ(Cp1252NachUtf8(r.Fehler->Text), meldung) << einheit << " " << eingabe;
    EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      EXPECT_EQ(m_Einheiten[i].ErgebnisWiss + "|" + m_Einheiten[i].ErgebnisFliess, vorher[i]) << einheit;
  }

  void ErwarteErfolg(const char* einheit, const std::string& eingabe) {
    Rechenergebnis r = Rechnen(einheit, eingabe);
    ASSERT_TRUE(r.Erfolg) << einheit << " " << eingabe;
    EXPECT_FALSE(r.Fehler.has_value());
  }

  std::vector<TAusgabetextobject> m_Einheiten;
  std::filesystem::path m_Verzeichnis;
  Rueckfrage m_Frage = [](const std::string&) { return FrageAntwort::Nein; };
};

const std::map<std::string, std::string> Jahr2000 = {
    {"Julianisches Datum", "2451545"},
    {"Julianisches Datum, modifiziert", "51544"},
    {"Julianisches Datum, truncated", "11544"},
    {"Lilianisches Datum", "152385"},
    {"Julianischer Kalender (12 Uhr)", "19.12.1999"},
    {"Gregorianischer Kalender (12 Uhr)", "01.01.2000"},
    {"Abendländischer Kalender (12 Uhr)", "01.01.2000"},
    {"Jüdischer Kalender", "23.04.5760"},
    {"Franz. Revolutionskalender", "außerh. Bereich"},
    {"Islamischer Kalender", "25.09.1420"},
    {"Iranischer Kalender (neu)", "11.10.1378"},
    {"Iranischer Kalender (Yazdegard)", "13.06.1369"},
    {"Ägyptischer Kalender (Nabon.)", "13.09.2748"},
    {"Armenischer Kalender", "08.06.1449"},
    {"Äthiopischer Kalender", "22.04.1992"},
    {"Koptischer Kalender", "22.04.1716"},
    {"Bahá'i Kalender", "02.16.156"},
    {"Indischer Kalender (Saka)", "11.10.1921"},
    {"Maya-Kalender", "12.19.6.15.2"}};

TEST_F(KalenderUmrechnungTest, JulianischesDatumInAlleEinheiten) {
  ErwarteErfolg("Julianisches Datum", "2451545");
  for (const char* name : Namen) EXPECT_EQ(Ergebnis(name), Jahr2000.at(name)) << name;
}

// From every unit's own text of 1 January 2000 back to the same day.
TEST_F(KalenderUmrechnungTest, JedeEinheitFuehrtZumSelbenTag) {
  for (const char* name : Namen) {
    if (std::string(name) == "Franz. Revolutionskalender") continue;
    ErwarteErfolg(name, Cp1252(Jahr2000.at(name)));
    EXPECT_EQ(Ergebnis("Julianisches Datum"), "2451545") << name;
  }
  ErwarteErfolg("Franz. Revolutionskalender", "01.01.01");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "22.09.1792");
}

TEST_F(KalenderUmrechnungTest, Tageszahlen) {
  ErwarteErfolg("Julianisches Datum, modifiziert", "51544");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "01.01.2000");
  ErwarteErfolg("Julianisches Datum, truncated", " 11544");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "2451545");
  ErwarteErfolg("Lilianisches Datum", "1");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "15.10.1582");
  // Day numbers before their own day 0 are shown negative.
  ErwarteErfolg("Julianisches Datum", "0");
  EXPECT_EQ(Ergebnis("Julianischer Kalender (12 Uhr)"), "01.01.-4713");
  EXPECT_EQ(Ergebnis("Julianisches Datum, modifiziert"), "-2400001");
  EXPECT_EQ(Ergebnis("Jüdischer Kalender"), "außerh. Bereich");
  EXPECT_EQ(Ergebnis("Bahá'i Kalender"), "außerh. Bereich");
  EXPECT_EQ(Ergebnis("Maya-Kalender"), "außerh. Bereich");
  ErwarteErfolg("Julianisches Datum", "10000000");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "20.12.22666");
  ErwarteErfolg("Julianisches Datum, modifiziert", "-2400001");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "0");
}

TEST_F(KalenderUmrechnungTest, Tageszahlmeldungen) {
  const std::pair<const char*, const char*> faelle[] = {
      {"Julianisches Datum", "Julianische Datum"},
      {"Julianisches Datum, modifiziert", "Julianische Datum, modifiziert"},
      {"Julianisches Datum, truncated", "Julianische Datum, truncated"},
      {"Lilianisches Datum", "Lilianische Datum"}};
  for (const auto& [einheit, was] : faelle) {
    std::string meldung = Anfang + "Bitte geben Sie das \"" + was +
                          "\" in der folgenden Form ein: 45205. Nachkommastellen sind nicht möglich.";
    for (const char* eingabe : {"2451545,5", "2451545.5", "", "abc", "1e5", "99999999999"})
      ErwarteFehler(einheit, eingabe, meldung);
  }
}

TEST_F(KalenderUmrechnungTest, Bereichsgrenzen) {
  const std::string unten =
      "Kalenderberechnungen können erst ab dem 01.01.4713 v. Chr. des Julian. Kalenders (Julian. Datum = 0)) "
      "durchgeführt werden!";
  const std::string oben =
      "Kalenderberechnungen können max. bis zum Jahr 22666 des Greg. Kalenders (Julian. Datum = 10 000 000)) "
      "durchgeführt werden!";
  ErwarteFehler("Julianisches Datum", "-1", unten);
  ErwarteFehler("Julianisches Datum", "10000001", oben);
  ErwarteFehler("Julianisches Datum, modifiziert", "-2400002", unten);
  ErwarteFehler("Gregorianischer Kalender (12 Uhr)", "23.11.-4714", unten);
  ErwarteFehler("Gregorianischer Kalender (12 Uhr)", "21.12.22666", oben);
  // A year before the era with five digits is read whole, not cut to four.
  ErwarteFehler("Gregorianischer Kalender (12 Uhr)", "01.01.-10000", unten);
  ErwarteFehler("Jüdischer Kalender", "01.01.999999", oben);
  ErwarteFehler("Maya-Kalender", "-5.0.0.0.0", unten);
  ErwarteErfolg("Gregorianischer Kalender (12 Uhr)", "24.11.-4714");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "0");
}

TEST_F(KalenderUmrechnungTest, AbendlaendischerKalender) {
  const std::string fehlt = Anfang + "Das eingegebene Datum ist im Abendländischen Kalender nicht vorhanden.";
  for (int tag = 5; tag <= 14; ++tag) {
    std::string text = (tag < 10 ? "0" : "") + std::to_string(tag) + ".10.1582";
    ErwarteFehler("Abendländischer Kalender (12 Uhr)", text, fehlt);
  }
  ErwarteErfolg("Abendländischer Kalender (12 Uhr)", "04.10.1582");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "2299160");
  EXPECT_EQ(Ergebnis("Abendländischer Kalender (12 Uhr)"), "04.10.1582");
  ErwarteErfolg("Abendländischer Kalender (12 Uhr)", "15.10.1582");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "2299161");
  EXPECT_EQ(Ergebnis("Abendländischer Kalender (12 Uhr)"), "15.10.1582");
  // The same days exist in the Julian and the Gregorian calendar.
  ErwarteErfolg("Gregorianischer Kalender (12 Uhr)", "10.10.1582");
  EXPECT_EQ(Ergebnis("Abendländischer Kalender (12 Uhr)"), "30.09.1582");
}

struct Pruefung {
  const char* Einheit;
  bool Lang;
};

TEST_F(KalenderUmrechnungTest, DatumspruefungJeEinheit) {
  const Pruefung faelle[] = {{"Julianischer Kalender (12 Uhr)", true},
                             {"Gregorianischer Kalender (12 Uhr)", true},
                             {"Abendländischer Kalender (12 Uhr)", true},
                             {"Jüdischer Kalender", false},
                             {"Franz. Revolutionskalender", false},
                             {"Islamischer Kalender", true},
                             {"Iranischer Kalender (neu)", true},
                             {"Iranischer Kalender (Yazdegard)", true},
                             {"Ägyptischer Kalender (Nabon.)", true},
                             {"Armenischer Kalender", true},
                             {"Äthiopischer Kalender", true},
                             {"Koptischer Kalender", true},
                             {"Bahá'i Kalender", false},
                             {"Indischer Kalender (Saka)", true}};
  for (const Pruefung& p : faelle)
    for (const char* eingabe : {"1.1.2000", "01-01-2000", "01.01.", "01.01.0", "00.01.2000", "01.00.2000",
                                "01.01.20x0", "xx.01.2000", "01.1", "-1.01.2000"})
      ErwarteFehler(p.Einheit, eingabe, p.Lang ? Lang : Kurz);
}

TEST_F(KalenderUmrechnungTest, GroessterTagUndMonat) {
  const std::tuple<const char*, int, int> grenzen[] = {
      {"Julianischer Kalender (12 Uhr)", 31, 12}, {"Jüdischer Kalender", 30, 13},
      {"Franz. Revolutionskalender", 30, 13},     {"Islamischer Kalender", 31, 12},
      {"Iranischer Kalender (neu)", 31, 13},      {"Ägyptischer Kalender (Nabon.)", 35, 13},
      {"Armenischer Kalender", 35, 13},           {"Bahá'i Kalender", 19, 20},
      {"Indischer Kalender (Saka)", 31, 12}};
  for (const auto& [einheit, tag, monat] : grenzen) {
    auto text = [](int t, int m) {
      return (t < 10 ? "0" : "") + std::to_string(t) + "." + (m < 10 ? "0" : "") + std::to_string(m) + ".10";
    };
    ErwarteErfolg(einheit, text(tag, monat));
    Rechenergebnis r = Rechnen(einheit, text(tag + 1, monat));
    EXPECT_TRUE(r.Fehler.has_value()) << einheit;
    r = Rechnen(einheit, text(tag, monat + 1));
    EXPECT_TRUE(r.Fehler.has_value()) << einheit;
  }
}

TEST_F(KalenderUmrechnungTest, BeispieleDerEingabe) {
  ErwarteErfolg("Gregorianischer Kalender (12 Uhr)", "20.03.-1000");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "20.03.-1000");
  ErwarteErfolg("Bahá'i Kalender", "19.20.156");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "2451624");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "20.03.2000");
  ErwarteErfolg("Jüdischer Kalender", "15.08.5779");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "20.04.2019");
  ErwarteErfolg("Gregorianischer Kalender (12 Uhr)", "21.03.2025");
  EXPECT_EQ(Ergebnis("Iranischer Kalender (neu)"), "01.01.1404");
  EXPECT_EQ(Ergebnis("Bahá'i Kalender"), "02.01.182");
}

TEST_F(KalenderUmrechnungTest, AusserhalbDerKalender) {
  ErwarteErfolg("Julianisches Datum", "2375839");
  EXPECT_EQ(Ergebnis("Franz. Revolutionskalender"), "außerh. Bereich");
  ErwarteErfolg("Julianisches Datum", "2375840");
  EXPECT_EQ(Ergebnis("Franz. Revolutionskalender"), "01.01.01");
  ErwarteErfolg("Julianisches Datum", "2380687");
  EXPECT_EQ(Ergebnis("Franz. Revolutionskalender"), "10.04.14");
  ErwarteErfolg("Julianisches Datum", "2380688");
  EXPECT_EQ(Ergebnis("Franz. Revolutionskalender"), "außerh. Bereich");
  ErwarteErfolg("Julianisches Datum", "347997");
  EXPECT_EQ(Ergebnis("Jüdischer Kalender"), "außerh. Bereich");
  ErwarteErfolg("Julianisches Datum", "347998");
  EXPECT_EQ(Ergebnis("Jüdischer Kalender"), "01.01.01");
}

TEST_F(KalenderUmrechnungTest, MayaKalender) {
  ErwarteErfolg("Maya-Kalender", "12.19.6.15.2");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "01.01.2000");
  ErwarteErfolg("Maya-Kalender", "13.0.0.0.0");
  EXPECT_EQ(Ergebnis("Gregorianischer Kalender (12 Uhr)"), "21.12.2012");
  ErwarteErfolg("Maya-Kalender", "12.19.6.15.2.99");
  EXPECT_EQ(Ergebnis("Julianisches Datum"), "2451545");
  const std::string pruefung =
      Anfang + "Bitte geben Sie das Datum des Maya-Kalenders in der folgenden Form ein: 7.17.18.13.1";
  for (const char* eingabe : {"12.19.6.15", "12.19.x.15.2", "", "12.19.6.15.", "12,19,6,15,2"})
    ErwarteFehler("Maya-Kalender", eingabe, pruefung);
}

TEST_F(KalenderUmrechnungTest, LeereEingabeBeiEinemDatumTutNichts) {
  for (const char* name : Namen) {
    std::string n = name;
    if (n.find("Datum") != std::string::npos || n == "Maya-Kalender") continue;
    Rechenergebnis r = Rechnen(name, "");
    EXPECT_FALSE(r.Erfolg) << name;
    EXPECT_FALSE(r.Fehler.has_value()) << name;
    for (const TAusgabetextobject& e : m_Einheiten) EXPECT_EQ(e.ErgebnisFliess, "alt");
  }
}

TEST_F(KalenderUmrechnungTest, UnbekannteEinheitBleibtLeer) {
  TAusgabetextobject fremd;
  fremd.Einheitenname = "Mondkalender";
  fremd.ErgebnisWiss = fremd.ErgebnisFliess = "alt";
  m_Einheiten.push_back(fremd);
  ErwarteErfolg("Julianisches Datum", "2451545");
  EXPECT_EQ(m_Einheiten.back().ErgebnisFliess, "");
  EXPECT_EQ(m_Einheiten.back().ErgebnisWiss, "");
  // A selected unit that the conversion does not know changes nothing and says why.
  Sonderkontext k{"2451545", m_Einheiten, static_cast<int>(m_Einheiten.size()) - 1, m_Verzeichnis, m_Frage};
  Rechenergebnis r = KalenderUmrechnen(k);
  EXPECT_FALSE(r.Erfolg);
  EXPECT_TRUE(r.Fehler.has_value());
}

TEST_F(KalenderUmrechnungTest, ReihenfolgeDerListeIstGleich) {
  std::reverse(m_Einheiten.begin(), m_Einheiten.end());
  ErwarteErfolg("Julianisches Datum", "2451545");
  for (const char* name : Namen) EXPECT_EQ(Ergebnis(name), Jahr2000.at(name)) << name;
}

}  // namespace
}  // namespace kolvaro
