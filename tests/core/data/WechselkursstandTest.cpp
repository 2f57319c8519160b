// The date of the newest exchange rate: which fields hold a rate's date, and
// the shipped currency file.
#include <gtest/gtest.h>

#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Wechselkursstand.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::TempVerzeichnis;

// The year decides before the month, the month before the day, not the
// text; dates typed by hand without leading zeros are written with them;
// fixed rates and reforms name a later date that is no rate's date; the leap
// day exists in leap years only, the centuries' rule included.
TEST(Wechselkursstand, NeuestesKursdatum) {
  const std::pair<std::vector<std::string_view>, std::string> faelle[] = {
      {{"31.12.2023", "01.01.2024", "30.12.2023"}, "01.01.2024"},
      {{"02.10.2024", "30.09.2024"}, "02.10.2024"},
      {{"1.2.2025 eigener Kurs", "26.09.2024 (EZB)"}, "01.02.2025"},
      {{"  5.9.2025"}, "05.09.2025"},
      {{"26.09.2024 (EZB)", "fester Kurs seit 1.1.2026", "Umstellung 20.6.2048"}, "26.09.2024"},
      {{}, ""},
      {{"", "fester Kurs", "unbekannt"}, ""},
      {{"31.02.2025", "29.02.2023", "0.5.2025", "1.13.2025", "123.1.2025"}, ""},
      {{"1.1.19999", "1.1.202", "1-1-2025", "1.1."}, ""},
      {{"29.02.2024", "29.02.2100"}, "29.02.2024"},
      {{"29.02.2000"}, "29.02.2000"}};
  for (const auto& [staende, erwartet] : faelle) {
    std::string text;
    for (std::string_view st : staende) text += std::string(st) + " | ";
    EXPECT_EQ(NeuestesKursdatum(staende), Cp1252(erwartet)) << text;
  }
}

TEST(Wechselkursstand, AusDerWaehrungsdatei) {
  TempVerzeichnis v;
  test::Schreiben(v.Pfad() / "Gruppen.nfo",
                  {test::DateiBytes("Länge\tLAENGE.DAT\tMeter"), test::DateiBytes("Währungen\tGELD.DAT\tEuro")});
  auto zeile = [](const std::string& name, const std::string& stand, const std::string& sichtbar = "j") {
    return FeldErsetzen(test::Einheitenzeile(sichtbar, "Atlantis", "", name, "1"), feld::Uebersetzung,
                        test::DateiBytes(stand));
  };
  // Hidden currencies still carry a shipped rate.
  test::Verschluesselt(v.Pfad() / "GELD.DAT", {zeile("Euro", "fester Kurs"), zeile("Taler", "03.04.2024 (EZB)"),
                                               zeile("Gulden", "17.05.2024 (IWF)", "n")});
  // Another category's dates do not count.
  test::Verschluesselt(v.Pfad() / "LAENGE.DAT", {zeile("Meter", "01.01.2030")});
  auto stand = Wechselkursstand(v.Pfad());
  ASSERT_TRUE(stand) << stand.Fehler().Text;
  EXPECT_EQ(*stand, "17.05.2024");

  // Without the currency category there is no date; without its file, the reader's message.
  test::Schreiben(v.Pfad() / "Gruppen.nfo", {test::DateiBytes("Länge\tLAENGE.DAT\tMeter")});
  EXPECT_EQ(*Wechselkursstand(v.Pfad()), "");
  test::Schreiben(v.Pfad() / "Gruppen.nfo", {test::DateiBytes("Währungen\tFEHLT.DAT\tEuro")});
  auto fehlt = Wechselkursstand(v.Pfad());
  ASSERT_FALSE(fehlt);
  EXPECT_NE(fehlt.Fehler().Text.Sicht().find("FEHLT.DAT"), std::string::npos) << fehlt.Fehler().Text;
  std::filesystem::remove(v.Pfad() / "Gruppen.nfo");
  EXPECT_FALSE(Wechselkursstand(v.Pfad()));
}

// In the shipped currency file every date of a rate is a real date (a typo
// such as 31.09. would drop the rate from the about box without a word),
// and the newest is the one the shipped rates were last brought up to.
TEST(Wechselkursstand, GelieferteDaten) {
  auto zeilen = GeheimdateiLesen(std::filesystem::path(KOLVARO_DATEN_DIR) / "WAEHRUNG.DAT");
  ASSERT_TRUE(zeilen) << zeilen.Fehler().Text;
  int mitDatum = 0;
  for (const auto& zeile : *zeilen) {
    const std::string stand = Feld(zeile, '\t', feld::Uebersetzung);
    if (stand.empty() || stand[0] < '0' || stand[0] > '9') continue;
    ++mitDatum;
    EXPECT_NE(NeuestesKursdatum({stand}), "") << stand;
  }
  EXPECT_GT(mitDatum, 100);
  auto stand = Wechselkursstand(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(stand) << stand.Fehler().Text;
  EXPECT_EQ(*stand, "05.09.2025");
}

}  // namespace
}  // namespace kolvaro
