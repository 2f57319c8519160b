// Local times from the system's time-zone database: the places where a
// fixed offset or a northern summer would be wrong, the hours that summer
// time skips or repeats, the reader of the typed date and time, and the
// routine of the category on a unit list built in memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Testdaten.h"
#include "special/Sonderumrechnung.h"
#include "special/Zeitzonen.h"

namespace kolvaro {
namespace {

const std::string kFormat =
    "Falsche Eingabe im Werteingabeld! Datum und Uhrzeit im Format >> TT.MM.JJJJ hh:mm << eingeben!";

std::string Utf8(const Text1252& t) { return Cp1252NachUtf8(t); }

// The row text of zone `nach` when the clocks of `von` show `eingabe`.
std::string Umgerechnet(const std::string& von, const char* eingabe, const std::string& nach) {
  const auto zeit = WandzeitLesen(eingabe);
  if (!zeit) return "Lesefehler: " + Utf8(zeit.Fehler().Text);
  const auto moment = ZeitpunktIn(von, *zeit);
  if (!moment) return "Fehler: " + Utf8(moment.Fehler().Text);
  const auto ortszeit = ZonenzeitBei(nach, moment->Moment);
  if (!ortszeit) return "Fehler: " + Utf8(ortszeit.Fehler().Text);
  return Utf8(ZonenzeitText(*ortszeit));
}

TEST(Zeitzonen, OrtszeitenMitSommerzeitUndKrummenVersaetzen) {
  struct Fall {
    const char *Von, *Eingabe, *Nach, *Erwartet;
  };
  const Fall faelle[] = {
      {"Europe/Berlin", "01.07.2026 12:00", "America/New_York", "01.07.2026 06:00 -04:00 EDT"},
      {"Europe/Berlin", "06.12.2026 14:30", "America/New_York", "06.12.2026 08:30 -05:00 EST"},
      // Lord Howe moves its clocks by half an hour only.
      {"UTC", "15.01.2026 00:00", "Australia/Lord_Howe", "15.01.2026 11:00 +11:00 +11"},
      {"UTC", "15.07.2026 00:00", "Australia/Lord_Howe", "15.07.2026 10:30 +10:30 +1030"},
      {"UTC", "01.01.2026 00:00", "Asia/Kathmandu", "01.01.2026 05:45 +05:45 +0545"},
      {"UTC", "15.01.2026 00:00", "Pacific/Chatham", "15.01.2026 13:45 +13:45 +1345"},
      {"UTC", "15.07.2026 00:00", "Pacific/Chatham", "15.07.2026 12:45 +12:45 +1245"},
      // Summer in the south is January.
      {"UTC", "15.01.2026 00:00", "Australia/Sydney", "15.01.2026 11:00 +11:00 AEDT"},
      {"UTC", "15.07.2026 00:00", "Australia/Sydney", "15.07.2026 10:00 +10:00 AEST"},
      {"Australia/Sydney", "01.01.2026 09:00", "America/Los_Angeles", "31.12.2025 14:00 -08:00 PST"},
      {"Asia/Kolkata", "31.12.2026 23:45", "UTC", "31.12.2026 18:15 +00:00 UTC"},
      // Before standard time: the local mean time, to the second.
      {"UTC", "01.01.1890 12:00", "Europe/Berlin", "01.01.1890 12:53 +00:53:28 LMT"},
      // Either side of the hour the clocks skip and repeat in Berlin.
      {"Europe/Berlin", "29.03.2026 01:59", "UTC", "29.03.2026 00:59 +00:00 UTC"},
      {"Europe/Berlin", "29.03.2026 03:00", "UTC", "29.03.2026 01:00 +00:00 UTC"},
      {"Europe/Berlin", "25.10.2026 03:00", "UTC", "25.10.2026 02:00 +00:00 UTC"},
      {"UTC", "25.10.2026 00:30", "Europe/Berlin", "25.10.2026 02:30 +02:00 CEST"},
      {"UTC", "25.10.2026 01:30", "Europe/Berlin", "25.10.2026 02:30 +01:00 CET"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Umgerechnet(f.Von, f.Eingabe, f.Nach), f.Erwartet) << f.Von << " " << f.Eingabe << " -> " << f.Nach;
}

TEST(Zeitzonen, UebersprungeneUndDoppelteStunde) {
  const auto zeit = WandzeitLesen("29.03.2026 02:30");
  ASSERT_TRUE(zeit);
  const auto fehlt = ZeitpunktIn("Europe/Berlin", *zeit);
  ASSERT_FALSE(fehlt);
  EXPECT_EQ(Utf8(fehlt.Fehler().Text),
            "Die Zeit 29.03.2026 02:30 gibt es in der Zeitzone Europe/Berlin nicht: "
            "Die Uhren springen an diesem Tag von 02:00 auf 03:00.");

  const auto doppelt = ZeitpunktIn("Europe/Berlin", *WandzeitLesen("25.10.2026 02:30"));
  ASSERT_TRUE(doppelt);
  ASSERT_TRUE(doppelt->Hinweis);
  EXPECT_EQ(doppelt->Hinweis->Art, Meldungsart::Information);
  EXPECT_EQ(Utf8(doppelt->Hinweis->Text),
            "Die Zeit 25.10.2026 02:30 gibt es in der Zeitzone Europe/Berlin zweimal, weil die Uhren zurückgestellt "
            "werden: zuerst 02:30 UTC+02:00 CEST, dann 02:30 UTC+01:00 CET. Gerechnet wird mit der früheren.");
  EXPECT_EQ(Utf8(ZonenzeitText(*ZonenzeitBei("UTC", doppelt->Moment))), "25.10.2026 00:30 +00:00 UTC");
  EXPECT_FALSE(ZeitpunktIn("Europe/Berlin", *WandzeitLesen("25.10.2026 03:30"))->Hinweis);
}

TEST(Zeitzonen, EingabeLesen) {
  const std::pair<const char*, const char*> gut[] = {
      {"6.12.2026 14:30", "06.12.2026 14:30"},
      {"  06.12.2026   9:05 ", "06.12.2026 09:05"},
      {"06.12.2026", "06.12.2026 00:00"},
      {"29.02.2028 23:59", "29.02.2028 23:59"},
  };
  for (const auto& [eingabe, erwartet] : gut)
    EXPECT_EQ(Umgerechnet("UTC", eingabe, "UTC"), std::string(erwartet) + " +00:00 UTC") << eingabe;
  for (const char* falsch :
       {"", "12:00", "06.12.26 14:30", "06-12-2026 14:30", "06.12.2026 14", "06.12.2026 24:00", "06.12.2026 12:60",
        "06.12.2026 12:5", "06.12.202614:30", "06.12.2026 14:30 Uhr", "006.12.2026", "06.12.0000 12:00"})
    EXPECT_EQ(Umgerechnet("UTC", falsch, "UTC"), "Lesefehler: " + kFormat) << falsch;
  EXPECT_EQ(Umgerechnet("UTC", "29.02.2026 12:00", "UTC"),
            "Lesefehler: Falsche Eingabe im Werteingabeld! Den 29.02.2026 gibt es nicht!");
  EXPECT_EQ(Umgerechnet("UTC", "31.04.2026", "UTC"),
            "Lesefehler: Falsche Eingabe im Werteingabeld! Den 31.04.2026 gibt es nicht!");
}

// After 2037 the system's files leave summer time to a rule the library
// does not read: zones that still change their clocks have no answer then,
// zones with one time all year keep theirs.
TEST(Zeitzonen, NachDenTabellenDerDatenbank) {
  EXPECT_EQ(Umgerechnet("UTC", "31.12.2037 12:00", "Europe/Berlin"), "31.12.2037 13:00 +01:00 CET");
  EXPECT_EQ(Umgerechnet("UTC", "01.07.2040 12:00", "Asia/Kathmandu"), "01.07.2040 17:45 +05:45 +0545");
  const std::string ende =
      "Die Zeitzonendatenbank des Systems führt die Sommerzeit der Zeitzone Europe/Berlin nur "
      "bis 2037. Bitte einen früheren Zeitpunkt eingeben.";
  EXPECT_EQ(Umgerechnet("UTC", "01.07.2040 12:00", "Europe/Berlin"), "Fehler: " + ende);
  EXPECT_EQ(Umgerechnet("Europe/Berlin", "01.07.2040 12:00", "UTC"), "Fehler: " + ende);
}

TEST(Zeitzonen, UnbekannteZone) {
  const auto fehlt = ZoneVorhanden("Mars/Olympus_Mons");
  ASSERT_FALSE(fehlt);
  EXPECT_EQ(Utf8(fehlt.Fehler().Text),
            "Die Zeitzone \"Mars/Olympus_Mons\" fehlt in der Zeitzonendatenbank des Systems (/usr/share/zoneinfo) "
            "oder ist dort nicht lesbar.");
  EXPECT_TRUE(ZoneVorhanden("Europe/Berlin"));
}

// The routine: the zone of a unit is its other name.
class ZeitzonenRoutine : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* zone : {"Europe/Berlin", "America/New_York", "Mars/Olympus_Mons", "Asia/Kathmandu"}) {
      TAusgabetextobject e;
      e.Einheitenname = Cp1252(zone);
      e.SonstigeNamen = Cp1252(zone);
      e.Dateizeile = static_cast<int>(m_Einheiten.size());
      m_Einheiten.push_back(e);
    }
  }
  Rechenergebnis Rechnen(const char* eingabe, int auswahl) {
    const Text1252 text = Cp1252(eingabe);
    Sonderkontext k{text.Sicht(), m_Einheiten, auswahl, m_Verzeichnis, m_Frage};
    return SonderroutineFuer(Cp1252("Zeitzonen"))(k);
  }
  std::vector<TAusgabetextobject> m_Einheiten;
  std::filesystem::path m_Verzeichnis;
  Rueckfrage m_Frage = [](const Text1252&) { return FrageAntwort::Abbrechen; };
};

TEST_F(ZeitzonenRoutine, ZeilenMeldungenUndFokus) {
  Rechenergebnis r = Rechnen("01.07.2026 12:00", 0);
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(Utf8(m_Einheiten[1].ErgebnisFliess), "01.07.2026 06:00 -04:00 EDT");
  EXPECT_EQ(Utf8(m_Einheiten[1].ErgebnisWiss), "01.07.2026 06:00 -04:00 EDT");
  EXPECT_EQ(Utf8(m_Einheiten[3].ErgebnisFliess), "01.07.2026 15:45 +05:45 +0545");
  // A zone the database lacks shows so in its row, and a warning names it.
  EXPECT_EQ(Utf8(m_Einheiten[2].ErgebnisFliess), "Zone fehlt");
  ASSERT_EQ(r.Nachher.size(), 1u);
  EXPECT_EQ(r.Nachher[0].Art, Meldungsart::Warnung);
  EXPECT_NE(Utf8(r.Nachher[0].Text).find("Mars/Olympus_Mons"), std::string::npos);

  // The repeated hour converts and adds the note; the skipped one changes nothing.
  r = Rechnen("25.10.2026 02:30", 0);
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(r.Nachher.front().Art, Meldungsart::Information);
  EXPECT_EQ(Utf8(m_Einheiten[1].ErgebnisFliess), "24.10.2026 20:30 -04:00 EDT");
  r = Rechnen("29.03.2026 02:30", 0);
  EXPECT_FALSE(r.Erfolg);
  ASSERT_TRUE(r.Fehler);
  EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);
  EXPECT_EQ(Utf8(m_Einheiten[1].ErgebnisFliess), "24.10.2026 20:30 -04:00 EDT");

  r = Rechnen("1.7.26", 0);
  ASSERT_TRUE(r.Fehler);
  EXPECT_EQ(Utf8(r.Fehler->Text), kFormat);
  EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);

  // Converting from the missing zone is not the input's fault.
  r = Rechnen("01.07.2026 12:00", 2);
  ASSERT_TRUE(r.Fehler);
  EXPECT_EQ(r.FokusDanach, Fokus::Keiner);
}

}  // namespace
}  // namespace kolvaro
