// A value split over units: whole parts, two decimals at the end, carries,
// and the line of the information panel.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "converter/Zerlegung.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

TEST(Zerlegung, TeileRundungUndUebertrag) {
  const std::vector<Zerlegungsteil> zeit = {{86400, "d"}, {3600, "h"}, {60, "min"}, {1, "s"}};
  const std::vector<Zerlegungsteil> fuss = {{0.3048L, "ft"}, {0.0254L, "in"}};
  const struct {
    long double Basis;
    const std::vector<Zerlegungsteil>& Teile;
    const char* Text;
  } faelle[] = {
      {4830, zeit, "1 h 20 min 30 s"},
      {3599.999L, zeit, "1 h 0 min 0 s"},  // 59,999 s round to a minute, 60 min carry into the hour
      {1200, zeit, "20 min 0 s"},          // leading zero parts left out, the others kept
      {90061.25L, zeit, "1 d 1 h 1 min 1,25 s"},
      {0, zeit, "0 s"},
      {1.6002L, fuss, "5 ft 3 in"},
      {0.6096L, fuss, "2 ft 0 in"},  // 1,999... ft by the floor, carried back
      {-1.6002L, fuss, "-5 ft 3 in"},
      {0.01L, fuss, "0,39 in"},
  };
  for (const auto& f : faelle) EXPECT_EQ(ZerlegungText(f.Basis, f.Teile), f.Text) << f.Text;
}

TEST(Zerlegung, ZeileDerInformationstafel) {
  test::TempVerzeichnis v;
  test::Katalog(v.Pfad(), {{"Zeit", "ZEIT.DAT", "Sekunde"}});
  test::LaenderSchreiben(v.Pfad());
  test::Verschluesselt(v.Pfad() / "ZEIT.DAT", {test::Einheitenzeile("j", "SI-Einheit", "d", "Tag", "86400"),
                                               test::Einheitenzeile("j", "SI-Einheit", "h", "Stunde", "3600"),
                                               test::Einheitenzeile("j", "SI-Einheit", "min", "Minute", "60"),
                                               test::Einheitenzeile("j", "SI-Einheit", "s", "Sekunde", "1")});
  Konverter k(v.Pfad());
  ASSERT_TRUE(k.LaenderLaden());
  ASSERT_TRUE(k.KatalogLaden());
  k.GebietWaehlen(0);
  ASSERT_TRUE(k.EinheitenLaden());
  const int minute = k.EinheitFinden("Minute").at(0);
  EXPECT_TRUE(k.Info(minute).Zerlegt.Wert.empty());  // nothing converted yet
  ASSERT_TRUE(k.Umrechnen("80,5", minute).Erfolg);
  EXPECT_EQ(k.Info(minute).Zerlegt.Beschriftung, "Zerlegt:");
  EXPECT_EQ(k.Info(minute).Zerlegt.Wert, "1 h 20 min 30 s");
}

}  // namespace
}  // namespace kolvaro
