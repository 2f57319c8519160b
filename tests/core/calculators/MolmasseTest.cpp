#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "calculators/Molmasse.h"

using namespace kolvaro;

namespace {

// Two-letter symbols stand before the one-letter ones they contain, as in the file.
const std::vector<Element> kElemente = {
    {"H", "1,008"}, {"C", "12,011"}, {"N", "14,007"},  {"O", "15,999"},  {"Na", "22,990"},
    {"S", "32,06"}, {"Cl", "35,45"}, {"Ca", "40,078"}, {"Cu", "63,546"}, {"Co", "58,933"},
};

std::string Masse(const std::string& formel) {
  Rechenergebnis r = MolmasseBerechnen(Cp1252(formel), kElemente);
  return r.Werte.empty() ? "-" : Cp1252NachUtf8(r.Werte.front());
}

}  // namespace

TEST(Molmasse, SchreibtDieFormelInEinenAusdruckUm) {
  EXPECT_EQ(FormelUmschreiben("CaSO4*2H2O", kElemente), "40,078+32,06+15,999*4+2*(1,008*2+15,999)");
  EXPECT_EQ(FormelUmschreiben("CaSO4*1/2H2O", kElemente), "40,078+32,06+15,999*4+0,5*(1,008*2+15,999)");
  EXPECT_EQ(FormelUmschreiben("CH2=C(CH3)2", kElemente), "12,011+1,008*2++12,011+(12,011+1,008*3)*2");
}

TEST(Molmasse, RechnetFormelnMitZaehlernKlammernUndKristallwasser) {
  const std::pair<const char*, const char*> faelle[] = {
      {"H2O", "18,015"},         {"Na2SO4", "142,036"},  // 2·22,990 + 32,06 + 4·15,999
      {"CaSO4·2H2O", "172,164"},                         // the middle dot of an adduct adds, too
      {"2CaSO4*H2O", "290,283"},                         // hemihydrate
      {"CaCl2*6NH3", "213,164"},                         // the count multiplies every molecule, not only water
      {"2NaCl", "116,880"},      {"CH2=C(CH3)2", "56,108"},   {"[Co(NH3)6]Cl3", "267,469"},
      {"HOCH2CH2OH", "62,068"},  {"D2O", "20,027"},            // every D is deuterium
      {"T2O", "22,031"},         {"C1000H2002", "14029,016"},  // three decimals also above 10000
      {"CuSO4·5H2O", "249,677"},                               // 63,546 + 32,06 + 4·15,999 + 5·18,015
      {"2^3", "8,000"},  // a number before no molecule is no count: here the base of a power
  };
  for (const auto& [formel, masse] : faelle) EXPECT_EQ(Masse(formel), masse) << formel;
}

TEST(Molmasse, ZeigtDenRestUndMeldetJedenFehler) {
  EXPECT_TRUE(MolmasseBerechnen("", kElemente).Werte.empty());

  // The rest and the message of "Na-Xy": golden molmasse_unbekanntes_symbol.
  Rechenergebnis r = MolmasseBerechnen("Na-Xy", kElemente);
  EXPECT_EQ(r.Vorher.size(), 1u);
  EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren);

  EXPECT_EQ(Masse("xyz"), "0,000");
  EXPECT_EQ(Masse("NaXy"), "0,000");  // an unknown symbol spoils its whole term

  // One message per error, but never hundreds of boxes in a row.
  std::string viele;
  for (int i = 0; i < 50; ++i) viele += "Q+";
  r = MolmasseBerechnen(Cp1252(viele), kElemente);
  ASSERT_EQ(r.Vorher.size(), kMolmasseFehlerHoechstens);
  EXPECT_NE(r.Vorher.back().Text.Sicht().find("(und 40 weitere Fehler)"), std::string::npos);

  r = MolmasseBerechnen("C^999999", kElemente);
  EXPECT_TRUE(r.Werte.empty());
  EXPECT_EQ(r.Fehler->Text, Cp1252("Falsche Eingabe im Werteingabeld! Bitte ändern!"));
}

// The golden molmasse_* cases read the shipped element file.
TEST(Molmasse, OhneElementdateiNenntSieDieDatei) {
  auto fehlt = ElementeLaden("/gibt/es/nicht");
  ASSERT_FALSE(fehlt);
  EXPECT_NE(fehlt.Fehler().Text.Sicht().find("Stoffw8.nfo"), std::string::npos);
}
