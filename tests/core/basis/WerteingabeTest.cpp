// The value field: plain numbers read as they always did, small
// calculations, and calculations still being typed.
#include <gtest/gtest.h>

#include "basis/Werteingabe.h"
#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "gemeinsam/Standardkonverter.h"

namespace kolvaro {
namespace {

TEST(Werteingabe, ZahlRechnungUnfertigOderFalsch) {
  using F = Eingabeform;
  const struct {
    const char* Text;
    Eingabeform Form;
    long double Wert;
  } faelle[] = {{"37,5", F::Zahl, 37.5L},
                {" 2.5 ", F::Zahl, 2.5L},
                {"-1E3", F::Zahl, -1000.0L},
                {"3*12,5", F::Rechnung, 37.5L},
                {"(5+3)/2", F::Rechnung, 4.0L},
                {"2^10", F::Rechnung, 1024.0L},
                {"1/4", F::Rechnung, 0.25L},
                {"-2*3", F::Rechnung, -6.0L},
                {"3 * 2", F::Rechnung, 6.0L},
                {"wur(16)", F::Rechnung, 4.0L},
                // Still being typed: the list keeps its results without a message.
                {"3*", F::Unfertig, 0},
                {"(5+3", F::Unfertig, 0},
                {"2^(", F::Unfertig, 0},
                {"1 - ", F::Unfertig, 0},
                // Refused: an unknown name, the calculators' variable, division by 0, empty.
                {"3*abc", F::Falsch, 0},
                {"x+1", F::Falsch, 0},
                {"1/0", F::Falsch, 0},
                {"", F::Falsch, 0},
                {"   ", F::Falsch, 0},
                {"5)", F::Falsch, 0},
                {"10^400", F::Falsch, 0}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Text);
    const Eingabewert gelesen = WertLesen(f.Text);
    EXPECT_EQ(gelesen.Form, f.Form);
    if (f.Form == F::Zahl || f.Form == F::Rechnung) {
      EXPECT_NEAR(static_cast<double>(gelesen.Wert), static_cast<double>(f.Wert), 1e-12);
    }
  }
  EXPECT_NEAR(static_cast<double>(*ZahlOderRechnung("Pi/2")), 1.5707963267948966, 1e-15);
  EXPECT_FALSE(ZahlOderRechnung("3*"));
}

// The converter takes a calculation and number-unit pairs; automatic
// calculation while typing waits for the end of one.
using WerteingabeImKonverter = test::Standardkonverter;

TEST_F(WerteingabeImKonverter, RechnungenPaareUndAutomatischesRechnen) {
  const int kilometer = k.EinheitFinden("Kilometer").at(0), meter = k.EinheitFinden("Meter").at(0);
  ASSERT_TRUE(k.Umrechnen("(1+2)*0,5", kilometer).Erfolg);
  EXPECT_EQ(k.Ergebnistext(meter, false), "1.500,0000000");
  const Rechenergebnis falsch = k.Umrechnen("3*", kilometer);
  EXPECT_EQ(falsch.Fehler.value().Text, AllgemeinerEingabeFehler().Fehler->Text);
  EXPECT_EQ(k.Ergebnistext(meter, false), "1.500,0000000");

  // Number-unit pairs: the sum, in the selected unit.
  ASSERT_TRUE(k.Umrechnen("1 km + 200 m", kilometer).Erfolg);
  EXPECT_EQ(k.Ergebnistext(meter, false), "1.200,0000000");
  EXPECT_NE(k.Umrechnen("1 km 3", kilometer).Fehler.value().Text.Sicht().find("hat keine Einheit"), std::string::npos);

  k.SetAutorechnen(true);
  EXPECT_FALSE(k.AutomatischRechnenBeiEingabe("1 km 3"));
  EXPECT_FALSE(k.AutomatischRechnenBeiEingabe("1 km 3 Me"));
  EXPECT_TRUE(k.AutomatischRechnenBeiEingabe("1 km 3 xyz"));
  EXPECT_TRUE(k.AutomatischRechnenBeiEingabe("3*2"));
  EXPECT_FALSE(k.AutomatischRechnenBeiEingabe("3*"));
  EXPECT_FALSE(k.AutomatischRechnenBeiEingabe("(3"));
  EXPECT_TRUE(k.AutomatischRechnenBeiEingabe("3*x"));  // complete, and wrong: the message comes
}

}  // namespace
}  // namespace kolvaro
