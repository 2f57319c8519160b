// The category "Kalender": one input converted to all calendar units, and
// every message of a wrong input.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "basis/Zeichensatz.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

// The units of the category by their row in its file.
using Einheit = int;
constexpr Einheit JD = 0, MJD = 1, TJD = 2, Lilian = 3, Julianisch = 4, Gregorianisch = 5, Abendland = 6, Juedisch = 7,
                  Revolution = 8, Islamisch = 9, Iranisch = 10, Yazdegard = 11, Aegyptisch = 12, Armenisch = 13,
                  Aethiopisch = 14, Koptisch = 15, Bahai = 16, Saka = 17, Maya = 18;
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

// An input of one unit and the text another unit shows then.
struct Beispiel {
  Einheit Quelle;
  const char* Eingabe;
  Einheit Ziel;
  const char* Ergebnis;
};

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

  Rechenergebnis Rechnen(Einheit einheit, const std::string& eingabe) {
    Sonderkontext k{eingabe, m_Einheiten, Index(einheit), m_Verzeichnis, m_Frage};
    return KalenderUmrechnen(k);
  }

  int Index(Einheit einheit) const {
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      if (m_Einheiten[i].Einheitenname == Cp1252(Namen[einheit])) return static_cast<int>(i);
    ADD_FAILURE() << Namen[einheit];
    return 0;
  }

  // The result text of a unit, in UTF-8 for readable comparisons.
  std::string Ergebnis(Einheit einheit) const {
    const TAusgabetextobject& e = m_Einheiten[Index(einheit)];
    EXPECT_EQ(e.ErgebnisWiss, e.ErgebnisFliess) << Namen[einheit];
    return Cp1252NachUtf8(e.ErgebnisFliess);
  }

  void ErwarteFehler(Einheit einheit, const std::string& eingabe, const std::string& meldung) {
    std::vector<std::string> vorher;
    for (const TAusgabetextobject& e : m_Einheiten) vorher.push_back(e.ErgebnisWiss + "|" + e.ErgebnisFliess);
    Rechenergebnis r = Rechnen(einheit, eingabe);
    EXPECT_FALSE(r.Erfolg) << Namen[einheit] << " " << eingabe;
    ASSERT_TRUE(r.Fehler.has_value()) << Namen[einheit] << " " << eingabe;
    EXPECT_EQ(r.Fehler->Art, Meldungsart::Fehler);
    EXPECT_EQ(Cp1252NachUtf8(r.Fehler->Text), meldung) << Namen[einheit] << " " << eingabe;
    EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      EXPECT_EQ(m_Einheiten[i].ErgebnisWiss + "|" + m_Einheiten[i].ErgebnisFliess, vorher[i]) << Namen[einheit];
  }

  void ErwarteErfolg(Einheit einheit, const std::string& eingabe) {
    Rechenergebnis r = Rechnen(einheit, eingabe);
    ASSERT_TRUE(r.Erfolg) << Namen[einheit] << " " << eingabe;
    EXPECT_FALSE(r.Fehler.has_value());
  }

  template <std::size_t N>
  void ErwarteBeispiele(const Beispiel (&faelle)[N]) {
    for (const Beispiel& b : faelle) {
      SCOPED_TRACE(std::string(Namen[b.Quelle]) + " " + b.Eingabe + " -> " + Namen[b.Ziel]);
      ErwarteErfolg(b.Quelle, b.Eingabe);
      EXPECT_EQ(Ergebnis(b.Ziel), b.Ergebnis);
    }
  }

  std::vector<TAusgabetextobject> m_Einheiten;
  std::filesystem::path m_Verzeichnis;
  Rueckfrage m_Frage = [](const std::string&) { return FrageAntwort::Nein; };
};

// 1 January 2000 in every unit, in the order of Namen.
const char* const Jahr2000[] = {"2451545",    "51544",      "11544",      "152385",          "19.12.1999",
                                "01.01.2000", "01.01.2000", "23.04.5760", "außerh. Bereich", "25.09.1420",
                                "11.10.1378", "13.06.1369", "13.09.2748", "08.06.1449",      "22.04.1992",
                                "22.04.1716", "02.16.156",  "11.10.1921", "12.19.6.15.2"};

// From every unit's own text of 1 January 2000 back to the same day, and
// from it to every unit's text (the golden case kalender_julianisches_datum
// has them in the list's order; here the list is reversed: each unit is
// found by its name, not by its place).
TEST_F(KalenderUmrechnungTest, JedeEinheitFuehrtZumSelbenTag) {
  std::reverse(m_Einheiten.begin(), m_Einheiten.end());
  for (int i = JD; i <= Maya; ++i) {
    if (i == Revolution) continue;
    ErwarteErfolg(i, Cp1252(Jahr2000[i]));
    EXPECT_EQ(Ergebnis(JD), "2451545") << Namen[i];
  }
  for (int i = JD; i <= Maya; ++i) EXPECT_EQ(Ergebnis(i), Jahr2000[i]) << Namen[i];
  ErwarteErfolg(Revolution, "01.01.01");
  EXPECT_EQ(Ergebnis(Gregorianisch), "22.09.1792");
}

// Day numbers before their own day 0 are shown negative; a fraction is refused.
TEST_F(KalenderUmrechnungTest, Tageszahlen) {
  const Beispiel faelle[] = {{TJD, " 11544", JD, "2451545"},
                             {Lilian, "1", Gregorianisch, "15.10.1582"},
                             {JD, "0", MJD, "-2400001"},
                             {MJD, "-2400001", JD, "0"}};
  ErwarteBeispiele(faelle);
  const std::pair<Einheit, const char*> namen[] = {{JD, "Julianische Datum"},
                                                   {MJD, "Julianische Datum, modifiziert"},
                                                   {TJD, "Julianische Datum, truncated"},
                                                   {Lilian, "Lilianische Datum"}};
  for (const auto& [einheit, was] : namen) {
    std::string meldung = Anfang + "Bitte geben Sie das \"" + was +
                          "\" in der folgenden Form ein: 45205. Nachkommastellen sind nicht möglich.";
    for (const char* eingabe : {"2451545,5", "", "1e5", "99999999999"}) ErwarteFehler(einheit, eingabe, meldung);
  }
}

TEST_F(KalenderUmrechnungTest, Bereichsgrenzen) {
  const std::string unten =
      "Kalenderberechnungen können erst ab dem 01.01.4713 v. Chr. des Julian. Kalenders (Julian. Datum = 0)) "
      "durchgeführt werden!";
  const std::string oben =
      "Kalenderberechnungen können max. bis zum Jahr 22666 des Greg. Kalenders (Julian. Datum = 10 000 000)) "
      "durchgeführt werden!";
  // A year before the era with five digits is read whole, not cut to four.
  const std::tuple<Einheit, const char*, bool> faelle[] = {{JD, "-1", false},
                                                           {MJD, "-2400002", false},
                                                           {Gregorianisch, "23.11.-4714", false},
                                                           {Gregorianisch, "21.12.22666", true},
                                                           {Gregorianisch, "01.01.-10000", false},
                                                           {Juedisch, "01.01.999999", true},
                                                           {Maya, "-5.0.0.0.0", false}};
  for (const auto& [einheit, eingabe, zuSpaet] : faelle) ErwarteFehler(einheit, eingabe, zuSpaet ? oben : unten);
  ErwarteErfolg(Gregorianisch, "24.11.-4714");
  EXPECT_EQ(Ergebnis(JD), "0");
}

// The reform gap from 5 to 14 October 1582 (10 October is the golden case
// kalender_fehler_reformluecke); the same days exist in the Gregorian calendar.
TEST_F(KalenderUmrechnungTest, AbendlaendischerKalender) {
  const std::string fehlt = Anfang + "Das eingegebene Datum ist im Abendländischen Kalender nicht vorhanden.";
  for (const char* text : {"05.10.1582", "14.10.1582"}) ErwarteFehler(Abendland, text, fehlt);
  const Beispiel faelle[] = {{Gregorianisch, "10.10.1582", Abendland, "30.09.1582"}};
  ErwarteBeispiele(faelle);
}

TEST_F(KalenderUmrechnungTest, DatumspruefungJeEinheit) {
  const std::pair<Einheit, const std::string&> faelle[] = {
      {Julianisch, Lang},  {Gregorianisch, Lang}, {Abendland, Lang}, {Juedisch, Kurz},   {Revolution, Kurz},
      {Islamisch, Lang},   {Iranisch, Lang},      {Yazdegard, Lang}, {Aegyptisch, Lang}, {Armenisch, Lang},
      {Aethiopisch, Lang}, {Koptisch, Lang},      {Bahai, Kurz},     {Saka, Lang}};
  for (const auto& [einheit, meldung] : faelle)
    for (const char* eingabe : {"1.1.2000", "01-01-2000", "01.01.", "01.01.0", "00.01.2000", "01.00.2000", "01.01.20x0",
                                "xx.01.2000", "01.1", "-1.01.2000"})
      ErwarteFehler(einheit, eingabe, meldung);
}

TEST_F(KalenderUmrechnungTest, GroessterTagUndMonat) {
  const std::tuple<Einheit, int, int> grenzen[] = {{Julianisch, 31, 12}, {Juedisch, 30, 13}, {Revolution, 30, 13},
                                                   {Islamisch, 31, 12},  {Iranisch, 31, 13}, {Aegyptisch, 35, 13},
                                                   {Armenisch, 35, 13},  {Bahai, 19, 20},    {Saka, 31, 12}};
  auto text = [](int t, int m) {
    return (t < 10 ? "0" : "") + std::to_string(t) + "." + (m < 10 ? "0" : "") + std::to_string(m) + ".10";
  };
  for (const auto& [einheit, tag, monat] : grenzen) {
    ErwarteErfolg(einheit, text(tag, monat));
    EXPECT_TRUE(Rechnen(einheit, text(tag + 1, monat)).Fehler.has_value()) << einheit;
    EXPECT_TRUE(Rechnen(einheit, text(tag, monat + 1)).Fehler.has_value()) << einheit;
  }
}

TEST_F(KalenderUmrechnungTest, MayaMeldung) {
  const std::string pruefung =
      Anfang + "Bitte geben Sie das Datum des Maya-Kalenders in der folgenden Form ein: 7.17.18.13.1";
  for (const char* eingabe : {"12.19.6.15", "", "12.19.6.15.", "12,19,6,15,2"}) ErwarteFehler(Maya, eingabe, pruefung);
}

TEST_F(KalenderUmrechnungTest, LeereEingabeBeiEinemDatumTutNichts) {
  for (int i = Julianisch; i < Maya; ++i) {
    Rechenergebnis r = Rechnen(i, "");
    EXPECT_FALSE(r.Erfolg) << Namen[i];
    EXPECT_FALSE(r.Fehler.has_value()) << Namen[i];
    for (const TAusgabetextobject& e : m_Einheiten) EXPECT_EQ(e.ErgebnisFliess, "alt");
  }
}

TEST_F(KalenderUmrechnungTest, UnbekannteEinheitBleibtLeer) {
  TAusgabetextobject fremd;
  fremd.Einheitenname = "Mondkalender";
  fremd.ErgebnisWiss = fremd.ErgebnisFliess = "alt";
  m_Einheiten.push_back(fremd);
  ErwarteErfolg(JD, "2451545");
  EXPECT_EQ(m_Einheiten.back().ErgebnisFliess + m_Einheiten.back().ErgebnisWiss, "");
  // A selected unit that the conversion does not know changes nothing and says why.
  Sonderkontext k{"2451545", m_Einheiten, static_cast<int>(m_Einheiten.size()) - 1, m_Verzeichnis, m_Frage};
  Rechenergebnis r = KalenderUmrechnen(k);
  EXPECT_FALSE(r.Erfolg);
  EXPECT_TRUE(r.Fehler.has_value());
}

}  // namespace
}  // namespace kolvaro
