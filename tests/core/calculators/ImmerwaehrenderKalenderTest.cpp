#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "calculators/ImmerwaehrenderKalender.h"

using namespace kolvaro;

TEST(ImmerwaehrenderKalender, NenntDenWochentag) {
  const std::pair<const char*, const char*> faelle[] = {
      {"01.01.2000", "Samstag"},  {"04.10.1582", "Donnerstag"}, {"06.12.2026", "Sonntag"}, {"01.01.-4713", "Montag"},
      {"31.12.-4714", "Sonntag"}, {"29.02.2000", "Dienstag"},   {"29.02.1500", "Samstag"},  // Julian leap day
      {"29.02.-1", "Sonntag"}};                                                             // the year before year 1
  for (const auto& [datum, tag] : faelle)
    EXPECT_EQ(WochentagBerechnen(Cp1252(datum)).Werte, std::vector<Text1252>{"Wochentag = " + Cp1252(tag)}) << datum;
  EXPECT_TRUE(WochentagBerechnen("").Werte.empty());
  EXPECT_FALSE(WochentagBerechnen("").Fehler);
}

TEST(ImmerwaehrenderKalender, LehntFalscheTageAb) {
  // The skipped days of 1582: golden wochentag_ausgelassen.
  const Text1252 form = Cp1252(
      "Falsche Eingabe im Werteingabeld! Bitte ändern! Bitte geben Sie das Datum in der folgenden Form ein: "
      "20.03.1850 oder 20.03.-1000");
  for (const char* falsch : {"1.1.2000", "32.01.2000", "01.01.0", "01.13.2000", "01.01.99999999999"}) {
    const auto fehler = WochentagBerechnen(Cp1252(falsch)).Fehler;
    EXPECT_EQ(fehler ? fehler->Text.Sicht().rfind(form.Sicht(), 0) : std::string::npos, 0u) << falsch;
  }
  // Days the month lacks: as wrong as the 32nd of January, not carried into the next month.
  const Text1252 lang = WochentagBerechnen("32.01.2000").Fehler->Text;
  for (const char* fehlt : {"31.02.2001", "29.02.2001", "29.02.1900", "29.02.1582", "29.02.-2", "31.04.2000"}) {
    const Rechenergebnis r = WochentagBerechnen(Cp1252(fehlt));
    EXPECT_TRUE(r.Werte.empty()) << fehlt;
    EXPECT_EQ(r.Fehler ? r.Fehler->Text : Text1252(), lang) << fehlt;
  }
  // The days left out in 1582 however written.
  const auto luecke = WochentagBerechnen("14.10.01582").Fehler;
  EXPECT_TRUE(luecke && luecke->Text.Sicht().find("nicht vorhanden") != std::string::npos);
}

TEST(ImmerwaehrenderKalender, BerechnetDieBeweglichenFeiertage) {
  // 2000 in both calendars: golden feiertage_2000 and feiertage_julianisch_2000.
  EXPECT_EQ(FeiertageBerechnen("1981", false).Werte[2], "Ostersonntag am 19.04.1981");
  EXPECT_EQ(FeiertageBerechnen("1500", true).Werte[2], "Ostersonntag am 19.04.1500");
  EXPECT_EQ(FeiertageBerechnen("2027", false).Werte[0], "Fastnachtsdienstag am 09.02.2027");
}

TEST(ImmerwaehrenderKalender, PrueftJahrUndKalender) {
  auto meldung = [](const char* jahr, bool julianisch) {
    Rechenergebnis r = FeiertageBerechnen(Cp1252(jahr), julianisch);
    EXPECT_TRUE(r.Werte.empty()) << jahr;
    return r.Fehler ? Cp1252NachUtf8(r.Fehler->Text) : std::string();
  };
  EXPECT_EQ(meldung("", false), "");
  EXPECT_NE(meldung("zwei", false).find("Bitte geben Sie das Jahr in der folgenden Form ein"), std::string::npos);
  EXPECT_NE(meldung("500", true).find("erst ab dem Jahre 532"), std::string::npos);
  // Day numbers stay within 32 bits: the last computable year, and beyond.
  EXPECT_FALSE(FeiertageBerechnen("5874000", false).Werte.empty());
  EXPECT_NE(meldung("5880000", false).find("nur bis etwa zum Jahre"), std::string::npos);
  EXPECT_NE(meldung("9223372036854775807", true).find("nur bis etwa zum Jahre"), std::string::npos);
}
