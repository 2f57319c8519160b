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

const char* const kJD = "Julianisches Datum";
const char* const kMJD = "Julianisches Datum, modifiziert";
const char* const kTJD = "Julianisches Datum, truncated";
const char* const kLilian = "Lilianisches Datum";
const char* const kJulianisch = "Julianischer Kalender (12 Uhr)";
const char* const kGregorianisch = "Gregorianischer Kalender (12 Uhr)";
const char* const kAbendland = "Abendländischer Kalender (12 Uhr)";
const char* const kJuedisch = "Jüdischer Kalender";
const char* const kRevolution = "Franz. Revolutionskalender";
const char* const kIslamisch = "Islamischer Kalender";
const char* const kIranisch = "Iranischer Kalender (neu)";
const char* const kYazdegard = "Iranischer Kalender (Yazdegard)";
const char* const kAegyptisch = "Ägyptischer Kalender (Nabon.)";
const char* const kArmenisch = "Armenischer Kalender";
const char* const kAethiopisch = "Äthiopischer Kalender";
const char* const kKoptisch = "Koptischer Kalender";
const char* const kBahai = "Bahá'i Kalender";
const char* const kSaka = "Indischer Kalender (Saka)";
const char* const kMaya = "Maya-Kalender";

const char* const Namen[] = {kJD,          kMJD,        kTJD,       kLilian,   kJulianisch, kGregorianisch, kAbendland,
                             kJuedisch,    kRevolution, kIslamisch, kIranisch, kYazdegard,  kAegyptisch,    kArmenisch,
                             kAethiopisch, kKoptisch,   kBahai,     kSaka,     kMaya};

const std::string Anfang = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
const std::string Lang = Anfang +
                         "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000. Die "
                         "Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht existiert.";
const std::string Kurz = Anfang + "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850";

// An input of one unit and the text another unit shows then.
struct Beispiel {
  const char* Einheit;
  const char* Eingabe;
  const char* Ziel;
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

  template <std::size_t N>
  void ErwarteBeispiele(const Beispiel (&faelle)[N]) {
    for (const Beispiel& b : faelle) {
      SCOPED_TRACE(std::string(b.Einheit) + " " + b.Eingabe + " -> " + b.Ziel);
      ErwarteErfolg(b.Einheit, b.Eingabe);
      EXPECT_EQ(Ergebnis(b.Ziel), b.Ergebnis);
    }
  }

  std::vector<TAusgabetextobject> m_Einheiten;
  std::filesystem::path m_Verzeichnis;
  Rueckfrage m_Frage = [](const std::string&) { return FrageAntwort::Nein; };
};

const std::map<std::string, std::string> Jahr2000 = {{kJD, "2451545"},
                                                     {kMJD, "51544"},
                                                     {kTJD, "11544"},
                                                     {kLilian, "152385"},
                                                     {kJulianisch, "19.12.1999"},
                                                     {kGregorianisch, "01.01.2000"},
                                                     {kAbendland, "01.01.2000"},
                                                     {kJuedisch, "23.04.5760"},
                                                     {kRevolution, "außerh. Bereich"},
                                                     {kIslamisch, "25.09.1420"},
                                                     {kIranisch, "11.10.1378"},
                                                     {kYazdegard, "13.06.1369"},
                                                     {kAegyptisch, "13.09.2748"},
                                                     {kArmenisch, "08.06.1449"},
                                                     {kAethiopisch, "22.04.1992"},
                                                     {kKoptisch, "22.04.1716"},
                                                     {kBahai, "02.16.156"},
                                                     {kSaka, "11.10.1921"},
                                                     {kMaya, "12.19.6.15.2"}};

// From every unit's own text of 1 January 2000 back to the same day, and
// from it to every unit's text (the golden case kalender_julianisches_datum
// has them in the list's order; here the list is reversed: each unit is
// found by its name, not by its place).
TEST_F(KalenderUmrechnungTest, JedeEinheitFuehrtZumSelbenTag) {
  std::reverse(m_Einheiten.begin(), m_Einheiten.end());
  for (const char* name : Namen) {
    if (std::string(name) == kRevolution) continue;
    ErwarteErfolg(name, Cp1252(Jahr2000.at(name)));
    EXPECT_EQ(Ergebnis(kJD), "2451545") << name;
  }
  for (const char* name : Namen) EXPECT_EQ(Ergebnis(name), Jahr2000.at(name)) << name;
  ErwarteErfolg(kRevolution, "01.01.01");
  EXPECT_EQ(Ergebnis(kGregorianisch), "22.09.1792");
}

TEST_F(KalenderUmrechnungTest, Tageszahlen) {
  // Day numbers before their own day 0 are shown negative.
  const Beispiel faelle[] = {{kMJD, "51544", kGregorianisch, "01.01.2000"},
                             {kTJD, " 11544", kJD, "2451545"},
                             {kLilian, "1", kGregorianisch, "15.10.1582"},
                             {kJD, "0", kJulianisch, "01.01.-4713"},
                             {kJD, "0", kMJD, "-2400001"},
                             {kJD, "10000000", kGregorianisch, "20.12.22666"},
                             {kMJD, "-2400001", kJD, "0"}};
  ErwarteBeispiele(faelle);
}

TEST_F(KalenderUmrechnungTest, Tageszahlmeldungen) {
  const std::pair<const char*, const char*> faelle[] = {{kJD, "Julianische Datum"},
                                                        {kMJD, "Julianische Datum, modifiziert"},
                                                        {kTJD, "Julianische Datum, truncated"},
                                                        {kLilian, "Lilianische Datum"}};
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
  // A year before the era with five digits is read whole, not cut to four.
  using Fall = std::tuple<const char*, const char*, const std::string&>;
  const Fall faelle[] = {{kJD, "-1", unten},
                         {kMJD, "-2400002", unten},
                         {kGregorianisch, "23.11.-4714", unten},
                         {kGregorianisch, "21.12.22666", oben},
                         {kGregorianisch, "01.01.-10000", unten},
                         {kJuedisch, "01.01.999999", oben},
                         {kMaya, "-5.0.0.0.0", unten}};
  for (const auto& [einheit, eingabe, meldung] : faelle) ErwarteFehler(einheit, eingabe, meldung);
  ErwarteErfolg(kGregorianisch, "24.11.-4714");
  EXPECT_EQ(Ergebnis(kJD), "0");
}

TEST_F(KalenderUmrechnungTest, AbendlaendischerKalender) {
  const std::string fehlt = Anfang + "Das eingegebene Datum ist im Abendländischen Kalender nicht vorhanden.";
  for (int tag = 5; tag <= 14; ++tag) {
    std::string text = (tag < 10 ? "0" : "") + std::to_string(tag) + ".10.1582";
    ErwarteFehler(kAbendland, text, fehlt);
  }
  // The same days exist in the Julian and the Gregorian calendar.
  const Beispiel faelle[] = {{kAbendland, "04.10.1582", kJD, "2299160"},
                             {kAbendland, "15.10.1582", kJD, "2299161"},
                             {kGregorianisch, "10.10.1582", kAbendland, "30.09.1582"}};
  ErwarteBeispiele(faelle);
}

TEST_F(KalenderUmrechnungTest, DatumspruefungJeEinheit) {
  const std::pair<const char*, const std::string&> faelle[] = {
      {kJulianisch, Lang},  {kGregorianisch, Lang}, {kAbendland, Lang}, {kJuedisch, Kurz},   {kRevolution, Kurz},
      {kIslamisch, Lang},   {kIranisch, Lang},      {kYazdegard, Lang}, {kAegyptisch, Lang}, {kArmenisch, Lang},
      {kAethiopisch, Lang}, {kKoptisch, Lang},      {kBahai, Kurz},     {kSaka, Lang}};
  for (const auto& [einheit, meldung] : faelle)
    for (const char* eingabe : {"1.1.2000", "01-01-2000", "01.01.", "01.01.0", "00.01.2000", "01.00.2000", "01.01.20x0",
                                "xx.01.2000", "01.1", "-1.01.2000"})
      ErwarteFehler(einheit, eingabe, meldung);
}

TEST_F(KalenderUmrechnungTest, GroessterTagUndMonat) {
  const std::tuple<const char*, int, int> grenzen[] = {
      {kJulianisch, 31, 12}, {kJuedisch, 30, 13},  {kRevolution, 30, 13}, {kIslamisch, 31, 12}, {kIranisch, 31, 13},
      {kAegyptisch, 35, 13}, {kArmenisch, 35, 13}, {kBahai, 19, 20},      {kSaka, 31, 12}};
  auto text = [](int t, int m) {
    return (t < 10 ? "0" : "") + std::to_string(t) + "." + (m < 10 ? "0" : "") + std::to_string(m) + ".10";
  };
  for (const auto& [einheit, tag, monat] : grenzen) {
    ErwarteErfolg(einheit, text(tag, monat));
    EXPECT_TRUE(Rechnen(einheit, text(tag + 1, monat)).Fehler.has_value()) << einheit;
    EXPECT_TRUE(Rechnen(einheit, text(tag, monat + 1)).Fehler.has_value()) << einheit;
  }
}

TEST_F(KalenderUmrechnungTest, BeispieleDerEingabe) {
  // Dates of the Jewish, Bahá'í and Iranian calendars are checked in KalenderTest.
  const Beispiel faelle[] = {{kGregorianisch, "20.03.-1000", kGregorianisch, "20.03.-1000"},
                             {kMaya, "12.19.6.15.2.99", kJD, "2451545"},
                             {kGregorianisch, "21.03.2025", kBahai, "02.01.182"}};
  ErwarteBeispiele(faelle);
}

TEST_F(KalenderUmrechnungTest, MayaMeldung) {
  const std::string pruefung =
      Anfang + "Bitte geben Sie das Datum des Maya-Kalenders in der folgenden Form ein: 7.17.18.13.1";
  for (const char* eingabe : {"12.19.6.15", "12.19.x.15.2", "", "12.19.6.15.", "12,19,6,15,2"})
    ErwarteFehler(kMaya, eingabe, pruefung);
}

TEST_F(KalenderUmrechnungTest, LeereEingabeBeiEinemDatumTutNichts) {
  for (const char* name : Namen) {
    std::string n = name;
    if (n.find("Datum") != std::string::npos || n == kMaya) continue;
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
  ErwarteErfolg(kJD, "2451545");
  EXPECT_EQ(m_Einheiten.back().ErgebnisFliess + m_Einheiten.back().ErgebnisWiss, "");
  // A selected unit that the conversion does not know changes nothing and says why.
  Sonderkontext k{"2451545", m_Einheiten, static_cast<int>(m_Einheiten.size()) - 1, m_Verzeichnis, m_Frage};
  Rechenergebnis r = KalenderUmrechnen(k);
  EXPECT_FALSE(r.Erfolg);
  EXPECT_TRUE(r.Fehler.has_value());
}

}  // namespace
}  // namespace kolvaro
