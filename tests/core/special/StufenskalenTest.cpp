// The scales of named steps (wire gauges, grit sizes, ring sizes) and the
// must and wort scales of the hydrometers, on unit lists built in memory.
// One conversion of each category on the shipped data is a golden case of
// kolvaro-cli (tests/cli/golden).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "gemeinsam/Sonderliste.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

const std::string kBitteAendern = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
const char* const kKeine = "keine Angabe";

class Skalen : public test::Sonderliste {
 protected:
  // Units by name; the hydrometer scales need their reference temperature.
  void Gebiet(Sonderroutine routine, std::vector<std::pair<const char*, const char*>> liste) {
    m_Routine = routine;
    m_Einheiten.clear();
    for (const auto& [name, entspricht] : liste) Anhaengen(name).Entspricht = Cp1252(entspricht);
  }
  void Gebiet(Sonderroutine routine, std::initializer_list<const char*> namen) {
    std::vector<std::pair<const char*, const char*>> liste;
    for (const char* n : namen) liste.push_back({n, ""});
    Gebiet(routine, liste);
  }
  double Zahl(const char* name) const {
    auto z = ZahlLesen(Fliess(name));
    return z ? static_cast<double>(*z) : NAN;
  }

  // Each row: source unit, input, target unit, the target's float text.
  struct Fall {
    const char *Quelle, *Eingabe, *Ziel, *Erwartet;
  };
  void Erwarte(std::initializer_list<Fall> faelle) {
    for (const Fall& f : faelle) {
      auto r = Rechnen(f.Eingabe, f.Quelle);
      ASSERT_TRUE(r.Erfolg) << f.Quelle << " " << f.Eingabe << ": " << Text(r);
      EXPECT_EQ(Fliess(f.Ziel), f.Erwartet) << f.Quelle << " " << f.Eingabe << " -> " << f.Ziel;
    }
  }
  void ErwarteFalsch(const char* quelle, std::initializer_list<const char*> eingaben) {
    for (const char* e : eingaben) EXPECT_EQ(Text(Rechnen(e, quelle)), kBitteAendern) << quelle << " " << e;
  }
};

// ------------------------------------------------------------ wire gauges

// AWG 12 is 2,053 mm; 4/0 is 0,46 inch. A diameter shows the gauge with the
// nearest diameter, and nothing more than half a step beyond either end.
TEST_F(Skalen, Drahtstaerken) {
  Gebiet(&DrahtstaerkenUmrechnen, {"AWG", "SWG", "Durchmesser in Millimeter", "Querschnitt in Quadratmillimeter"});
  const char* const mm = "Durchmesser in Millimeter";
  Erwarte({{"AWG", "12", mm, "2,0525253885"},
           {"AWG", "4/0", mm, "11,684000000"},
           {"AWG", "0000", mm, "11,684000000"},
           {"AWG", "1/0", "AWG", "1/0"},
           {"AWG", "0", "AWG", "1/0"},
           {"AWG", "2*6", "AWG", "12"},
           {"SWG", "7/0", mm, "12,700000000"},
           {"SWG", "50", mm, "0,0254000000"},
           {mm, "2", "AWG", "12"},
           {mm, "2", "SWG", "14"},
           {mm, "12,9", "SWG", "7/0"},
           {mm, "13,2", "SWG", kKeine},
           {mm, "12", "AWG", "4/0"},
           {mm, "12,5", "AWG", kKeine},
           {mm, "0,076", "AWG", "40"},
           {mm, "0,074", "AWG", kKeine},
           {mm, "0,07", "SWG", "45"},
           {"Querschnitt in Quadratmillimeter", "2,5", "AWG", "13"},
           {"Querschnitt in Quadratmillimeter", "2,5", mm, "1,7841241162"}});
  ErwarteFalsch("AWG", {"41", "5/0", "-1", "12,5", "dick", ""});
  ErwarteFalsch("SWG", {"8/0", "51"});
  ErwarteFalsch(mm, {"0", "-2"});
  ErwarteFalsch("Querschnitt in Quadratmillimeter", {"0"});
}

// ------------------------------------------------------------- grit sizes

TEST_F(Skalen, Schleifkoernung) {
  Gebiet(&SchleifkoernungUmrechnen,
         {"FEPA P (Schleifpapier)", "ANSI/CAMI", "JIS", "Mittlere Korngröße in Mikrometer", "FEPA F (gebunden)"});
  const char* const p = "FEPA P (Schleifpapier)";
  const char* const um = "Mittlere Korngröße in Mikrometer";
  const char* const f = "FEPA F (gebunden)";
  // CAMI 400 and P800 are the well-known pair; below 220 the two match.
  Erwarte({{p, "P120", um, "125,00000000"},
           {p, "p400", "ANSI/CAMI", "320"},
           {p, "180", "ANSI/CAMI", "180"},
           {"ANSI/CAMI", "400", p, "P800"},
           {"ANSI/CAMI", "400", um, "23,000000000"},
           {um, "1815", p, "P12"},
           {um, "1815", "ANSI/CAMI", kKeine},
           {um, "5", p, kKeine},
           {um, "9", p, "P2500"},
           {"JIS", "#1000", um, "11,500000000"},
           {"JIS", "6000", p, kKeine},
           {p, "P1200", "JIS", "#800"},
           {um, "90", "JIS", kKeine},
           // An F grit shows its sieve range and stands for the range's
           // geometric middle; a size in two ranges takes the nearer middle.
           {f, "F80", um, "150–212"},
           {f, "f4", um, "4000–5600"},
           {f, "150", um, "63–106"},
           {f, "180", um, "63–90"},
           {f, "F80", p, "P100"},
           {f, "F80", f, "F80"},
           {p, "P80", f, "F70"},
           {um, "212", f, "F70"},
           {um, "300", f, "F54"},
           {um, "53", f, "F220"},
           {um, "52", f, kKeine},
           {um, "5601", f, kKeine}});
  ErwarteFalsch(p, {"130", "F120", "P", "P120,5"});
  ErwarteFalsch(f, {"P80", "F230", "F75"});
  ErwarteFalsch("JIS", {"#100", "P1000"});
  ErwarteFalsch(um, {"0"});
}

// ------------------------------------------------------------- ring sizes

// US 7 is about 54,4 mm around, the British N½; 54 mm is the Swiss 14 and the
// Japanese 14 (13,6: 13 mm of diameter is size 1, three sizes a millimetre).
TEST_F(Skalen, Ringgroessen) {
  Gebiet(&RinggroessenUmrechnen, {"Deutschland (Innenumfang in mm)", "Frankreich", "Schweiz", "USA/Kanada",
                                  "Großbritannien/Australien", "Innendurchmesser in Millimeter", "Japan"});
  const char* const de = "Deutschland (Innenumfang in mm)";
  const char* const gb = "Großbritannien/Australien";
  Erwarte({{de, "54", "Schweiz", "14,000000000"},
           {de, "54", "Frankreich", "54,000000000"},
           {de, "54", "Innendurchmesser in Millimeter", "17,188733854"},
           {de, "54", "USA/Kanada", "6,75"},
           {de, "54", gb, "N"},
           {"USA/Kanada", "7", gb, "N½"},
           {"USA/Kanada", "7", de, "54,421181220"},
           {gb, "n 1/2", gb, "N½"},
           {gb, "N½", "USA/Kanada", "7"},
           {"Schweiz", "10", de, "50,000000000"},
           {de, "30", "USA/Kanada", kKeine},
           {de, "30", gb, kKeine},
           {de, "30", "Schweiz", kKeine},
           {de, "80", gb, kKeine},
           {de, "54", "Japan", "14"},
           {"Japan", "9", "Innendurchmesser in Millimeter", "15,666666667"},
           {"Japan", "3*3", "Japan", "9"}});
  ErwarteFalsch(gb, {"Ä", "N¾", "", "AA", "Z½"});
  ErwarteFalsch("USA/Kanada", {"-1"});
  ErwarteFalsch("Japan", {"9,5", "0", "31"});
  ErwarteFalsch(de, {"0"});
}

// ------------------------------------------------------ must and wort

class Mostwaagen : public Skalen {
  void SetUp() override {
    Gebiet(&AraeometerUmrechnen,
           std::vector<std::pair<const char*, const char*>>{{"Grad Oechsle", "20° C"},
                                                            {"Grad Plato", "20° C"},
                                                            {"Grad Klosterneuburger Mostwaage", "20° C"},
                                                            {"Gramm/Zentimeter^3 bei 15° C", "15° C"},
                                                            {"g/cm^3 relativ Bezugstemp.", "4° C"}});
    // Must and wort are heavier than water: no question.
    m_Frage = [](const Text1252&) {
      ADD_FAILURE() << "keine Frage erwartet";
      return FrageAntwort::Abbrechen;
    };
  }
};

TEST_F(Mostwaagen, RelativeDichteBei20Grad) {
  const char* const rel = "g/cm^3 relativ Bezugstemp.";
  Erwarte({{"Grad Oechsle", "90", rel, "1,0900000000"},
           {"Grad Oechsle", "90", "Grad Oechsle", "90,000000000"},
           {"Grad Klosterneuburger Mostwaage", "20", "Grad Oechsle", "99,600000000"},
           {"Grad Klosterneuburger Mostwaage", "20", "Grad Klosterneuburger Mostwaage", "20,000000000"},
           {"Grad Plato", "12", "Grad Plato", "12,000000000"},
           {"Gramm/Zentimeter^3 bei 15° C", "0,8", "Grad Oechsle", kKeine},
           {"Gramm/Zentimeter^3 bei 15° C", "0,8", "Grad Plato", kKeine},
           {"Gramm/Zentimeter^3 bei 15° C", "0,8", "Grad Klosterneuburger Mostwaage", kKeine}});
  // The Plato scale against the ASBC table (relative density 20/20 °C, four
  // decimals): 12 °P is 1,0484, 20 °P is 1,0830.
  for (const auto& [plato, dichte] : {std::pair{"12", 1.0484}, std::pair{"20", 1.0830}}) {
    ASSERT_TRUE(Rechnen(plato, "Grad Plato").Erfolg);
    EXPECT_NEAR(Zahl(rel), dichte, 0.00006) << plato;
  }
  ErwarteFalsch("Grad Plato", {"100000"});
}

}  // namespace
}  // namespace kolvaro
