// The scales that are no factor: consumption and range of vehicles, wind
// force, power levels and gas marks, on unit lists built in memory. One
// conversion of each category on the shipped data is a golden case of
// kolvaro-cli.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/Gebietsnamen.h"
#include "basis/Zeichensatz.h"
#include "editing/Bearbeitungstor.h"
#include "gemeinsam/Sonderliste.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

const char* const kKeine = "keine Angabe";
const std::string kBitteAendern = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";

// One input and the float texts it must give; an empty Ziel checks only that
// the conversion succeeds. With a message the conversion must refuse.
struct Fall {
  const char *Quelle, *Eingabe;
  std::vector<std::pair<const char*, const char*>> Ziele;
  std::string Meldung = "";
};

class Skala : public test::Sonderliste {
 protected:
  void Gebiet(const char* name, std::vector<const char*> einheiten) {
    m_Routine = SonderroutineFuer(Cp1252(name));
    ASSERT_NE(m_Routine, nullptr) << name;
    einheiten.push_back("Eigene Einheit");  // an own unit no rule knows
    m_Einheiten.clear();
    for (const char* n : einheiten) Anhaengen(n);
  }

  void Pruefen(const std::vector<Fall>& faelle) {
    for (const Fall& f : faelle) {
      SCOPED_TRACE(std::string(f.Eingabe) + " " + f.Quelle);
      for (auto& e : m_Einheiten) e.ErgebnisFliess = Text1252();
      const Rechenergebnis r = Rechnen(f.Eingabe, f.Quelle);
      EXPECT_EQ(Text(r), f.Meldung);
      EXPECT_EQ(r.Erfolg, f.Meldung.empty());
      if (!f.Meldung.empty()) {
        EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);
        for (const auto& e : m_Einheiten) EXPECT_TRUE(e.ErgebnisFliess.empty());  // nothing was written
        continue;
      }
      for (const auto& [ziel, fliess] : f.Ziele) EXPECT_EQ(Fliess(ziel), fliess) << ziel;
      EXPECT_EQ(Fliess("Eigene Einheit"), kKeine);
    }
  }
};

// ------------------------------------------------------------ consumption

// 5 l/100 km = 20 km/l = 47,04 mpg (US) = 56,50 mpg (UK); every unit is the
// reciprocal of the others but Wh/km, which is proportional.
TEST_F(Skala, Kraftstoffverbrauch) {
  Gebiet("Kraftstoffverbrauch", {"Liter pro 100 Kilometer", "Kilometer pro Liter", "Meilen pro Gallone (USA)",
                                 "Meilen pro Gallone (Großbrit.)"});
  const char *l100 = "Liter pro 100 Kilometer", *kml = "Kilometer pro Liter", *us = "Meilen pro Gallone (USA)",
             *gb = "Meilen pro Gallone (Großbrit.)";
  const std::string null = "Zu 0 gibt es keinen Kehrwert! Bitte einen Wert größer als 0 eingeben.";
  const std::string negativ = "Ein Verbrauch kann nicht negativ sein! Bitte einen Wert größer als 0 eingeben.";
  Pruefen({
      {l100, "5", {{kml, "20,000000000"}, {us, "47,042916667"}, {gb, "56,496187266"}, {l100, "5,0000000000"}}},
      {us, "47,042916667", {{l100, "5,0000000000"}, {gb, "56,496187267"}}},
      {kml, "8*2,5", {{l100, "5,0000000000"}}},  // a calculation
      {gb, "1", {{l100, "282,48093633"}, {us, "0,8326741846"}}},
      {l100, "0", {}, null},
      {us, "-30", {}, negativ},
      {l100, "fünf", {}, kBitteAendern},
  });
}

// 20 kWh/100 km = 200 Wh/km = 3,107 mi/kWh = 104,7 MPGe (33,705 kWh per gallon).
TEST_F(Skala, Stromverbrauch) {
  Gebiet("Stromverbrauch (Fahrzeuge)",
         {"Kilowattstunden pro 100 Kilometer", "Wattstunden pro Kilometer", "Meilen pro Kilowattstunde", "MPGe"});
  const char *kwh = "Kilowattstunden pro 100 Kilometer", *wh = "Wattstunden pro Kilometer",
             *mikwh = "Meilen pro Kilowattstunde", *mpge = "MPGe";
  Pruefen({
      {kwh, "20", {{wh, "200,00000000"}, {mikwh, "3,1068559612"}, {mpge, "104,71658017"}}},
      {wh, "200", {{kwh, "20,000000000"}, {mpge, "104,71658017"}}},
      {mpge, "100", {{kwh, "20,943316034"}, {mikwh, "2,9669188548"}}},
      {mikwh, "0", {}, "Zu 0 gibt es keinen Kehrwert! Bitte einen Wert größer als 0 eingeben."},
  });
}

// -------------------------------------------------------------- wind force

class Wind : public Skala {
  void SetUp() override {
    Gebiet("Windstärke", {"Beaufort", "Meter pro Sekunde", "Kilometer pro Stunde", "Knoten", "Meilen pro Stunde"});
  }
};

// A number shows its range in every speed unit, converted from the WMO's
// limits in m/s.
TEST_F(Wind, BeaufortZeigtBereich) {
  const char *ms = "Meter pro Sekunde", *kmh = "Kilometer pro Stunde", *kn = "Knoten", *mph = "Meilen pro Stunde";
  Pruefen({
      {"Beaufort",
       "6",
       {{ms, "10,8–13,8"}, {kmh, "38,9–49,7"}, {kn, "21,0–26,8"}, {mph, "24,2–30,9"}, {"Beaufort", "6"}}},
      {"Beaufort", "0", {{ms, "0,0–0,2"}, {kn, "0,0–0,4"}}},
      {"Beaufort", "17", {{ms, "56,1–61,2"}, {kmh, "202,0–220,3"}}},
  });
}

// A speed shows the number whose range holds it; in the gap between two
// rounded limits the nearer one, beyond the extended scale none.
TEST_F(Wind, GeschwindigkeitZeigtStufe) {
  const char *ms = "Meter pro Sekunde", *bft = "Beaufort";
  Pruefen({
      {ms, "0", {{bft, "0"}, {"Knoten", "0,0000000000"}}},
      {ms, "0,26", {{bft, "1"}}},
      {ms, "13,84", {{bft, "6"}}},
      {ms, "13,86", {{bft, "7"}}},
      {ms, "61,2", {{bft, "17"}}},
      {ms, "61,3", {{bft, kKeine}}},
      {"Kilometer pro Stunde", "100", {{bft, "10"}, {ms, "27,777777778"}, {"Knoten", "53,995680346"}}},
      {"Knoten", "64", {{bft, "12"}, {"Meilen pro Stunde", "73,649884674"}}},
  });
}

TEST_F(Wind, FalscheEingaben) {
  const std::string stufe = "Windstärken nach Beaufort sind ganze Zahlen von 0 bis 17!";
  Pruefen({
      {"Beaufort", "6,5", {}, stufe},
      {"Beaufort", "18", {}, stufe},
      {"Beaufort", "-1", {}, stufe},
      {"Knoten", "-3", {}, "Eine Windgeschwindigkeit kann nicht negativ sein! Bitte ändern!"},
      {"Knoten", "x", {}, kBitteAendern},
  });
}

// -------------------------------------------------------------- power levels

TEST_F(Skala, Leistungspegel) {
  Gebiet("Leistungspegel", {"dBm", "dBW", "Watt", "Milliwatt", "Mikrowatt"});
  const std::string keinPegel =
      "Eine Leistung von 0 oder darunter hat keinen Pegel! Bitte eine Leistung größer als 0 eingeben.";
  Pruefen({
      {"dBm", "30", {{"Watt", "1,0000000000"}, {"dBW", "0,0000000000"}, {"Milliwatt", "1.000,0000000"}}},
      {"Milliwatt", "1", {{"dBm", "0,0000000000"}, {"dBW", "-30,000000000"}}},
      {"Watt", "2", {{"dBm", "33,010299957"}}},
      {"dBW", "-10", {{"Milliwatt", "100,00000000"}}},
      {"dBm", "-174", {{"Watt", "3,981072E-0021"}}},  // levels below 0 have a power
      {"Watt", "0", {}, keinPegel},
      {"Mikrowatt", "-5", {}, keinPegel},
      {"dBm", "1E6", {}, kBitteAendern},  // no power that large
  });
}

// --------------------------------------------------------------- gas marks

TEST_F(Skala, Ofenstufen) {
  Gebiet("Ofenstufen", {"Gas Mark", "Grad Celsius", "Grad Fahrenheit"});
  const char *gm = "Gas Mark", *c = "Grad Celsius", *f = "Grad Fahrenheit";
  const std::string stufen = "Gas Mark gibt es nur als ¼, ½ und 1 bis 10!";
  Pruefen({
      {gm, "4", {{f, "350,0"}, {c, "176,7"}, {gm, "4"}}},
      {gm, "¼", {{f, "225,0"}, {c, "107,2"}, {gm, "¼"}}},
      {gm, "1/2", {{f, "250,0"}, {gm, "½"}}},
      {c, "180", {{gm, "4"}, {f, "356,0"}}},
      {f, "212,5", {{gm, "¼"}}},  // half a step below the first mark
      {f, "212,4", {{gm, kKeine}}},
      {f, "512,5", {{gm, "10"}}},
      {c, "270", {{gm, kKeine}, {f, "518,0"}}},
      {gm, "4,5", {}, stufen},
      {gm, "11", {}, stufen},
      {c, "heiß", {}, kBitteAendern},
  });
}

// -------------------------------------------------------------------------

// Their units are bound by name and have no factor to change.
TEST(SkalenOhneFaktor, KeineFaktorenZuBearbeiten) {
  for (const char* name :
       {"Kraftstoffverbrauch", "Stromverbrauch (Fahrzeuge)", "Windstärke", "Leistungspegel", "Ofenstufen"}) {
    EXPECT_TRUE(gebiet::OhneUmrechnungsfaktor(Cp1252(name))) << name;
    bool gefragt = false;
    EXPECT_FALSE(BearbeitungPruefen(Bearbeitung::FaktorAendern, Cp1252(name), [&] { return gefragt = true; }).Erfolg);
    EXPECT_FALSE(gefragt) << name;
  }
}

}  // namespace
}  // namespace kolvaro
