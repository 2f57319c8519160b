// Reference rates taken into the currency file: which units take a rate,
// what their lines then hold, that every other line keeps its bytes, and the
// refusals that leave the file alone. And the age of a rate beside its date.
#include <gtest/gtest.h>

#include "basis/Zahlformat.h"
#include "data/Geheimdatei.h"
#include "data/Wechselkursstand.h"
#include "editing/KurseEinlesen.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

// A currency line with its symbol and date field (UTF-8 in, Windows-1252 out).
std::string Waehrung(const std::string& sichtbar, const std::string& kurz, const std::string& name,
                     const std::string& faktor, const std::string& stand) {
  return test::DateiBytes(sichtbar + "\t\t\t\tLand\t\t" + kurz + "\t" + name + "\t" + faktor + "\t\t" + stand +
                          "\t\t\tca. 1\t\t\t\t\tQuelle.");
}

class KurseEinlesenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Katalog(m_Daten.Pfad(), {{"Länge", "LAENGE.DAT", "Meter"}, {"Währungen", "WAEHR.DAT", "Euro"}});
    test::Verschluesselt(Datei(), {
                                      Waehrung("j", "AUD A$", "Australischer Dollar", "0.6", "26.09.2024 (EZB)"),
                                      Waehrung("j", "BGN", "Lew", "0.511291881196218", "fester Kurs seit 1.1.1999"),
                                      Waehrung("j", "EUR €", "Euro", "1", ""),
                                      Waehrung("n", "USD $", "US-Dollar", "0.9", "26.09.2024 (EZB)"),
                                      Waehrung("j", "USDX", "Dollar-Index", "0", ""),
                                  });
  }
  std::filesystem::path Datei() const { return m_Daten.Pfad() / "WAEHR.DAT"; }
  std::vector<std::string> Zeilen() const { return *DateiLaden(Datei()); }
  std::string Klar(std::size_t zeile) const { return test::AlsUtf8(GeheimdateiLesen(Datei())->at(zeile)); }

  Kursstichtag Tag(std::vector<Kurs> kurse) const { return {{2026, 12, 4}, std::move(kurse), 7}; }

  test::TempVerzeichnis m_Daten;
};

TEST_F(KurseEinlesenTest, EinheitenNachIsoCodeUndNurIhreZeilenNeu) {
  const auto vorher = Zeilen();
  const Kurseinlesung k =
      KurseEinlesen(m_Daten.Pfad(), Tag({{"USD", 1.0512}, {"AUD", 1.6}, {"BGN", 1.9558}, {"XYZ", 2}, {"CHF", 0.94}}));
  ASSERT_TRUE(k.Ergebnis.Erfolg) << (k.Ergebnis.Fehler ? k.Ergebnis.Fehler->Text : Text1252());
  EXPECT_TRUE(k.Ergebnis.GebietNeuLaden);
  const auto nachher = Zeilen();
  ASSERT_EQ(nachher.size(), vorher.size());
  // The hidden dollar takes its rate too; "USDX" is no "USD".
  for (std::size_t i : {1, 2, 4}) EXPECT_EQ(nachher[i], vorher[i]) << i;
  EXPECT_EQ(Klar(0), "j\t\t\t\tLand\t\tAUD A$\tAustralischer Dollar\t" + WissText23(1.0L / 1.6L) +
                         "\t\t04.12.2026 (EZB)\t\t\tca. 1\t\t\t\t\tQuelle.");
  EXPECT_EQ(Klar(3), "n\t\t\t\tLand\t\tUSD $\tUS-Dollar\t" + WissText23(1.0L / 1.0512L) +
                         "\t\t04.12.2026 (EZB)\t\t\tca. 1\t\t\t\t\tQuelle.");
  EXPECT_EQ(k.Bericht.Uebernommen, 2);
  EXPECT_EQ(k.Bericht.OhneEinheit, (std::vector<std::string>{"CHF", "XYZ"}));
  EXPECT_EQ(k.Bericht.FesterKurs, (std::vector<std::string>{"BGN"}));
  const std::vector<Text1252> bericht = BerichtZeilen(k.Bericht);
  ASSERT_EQ(bericht.size(), 4U);
  EXPECT_EQ(bericht[0], "Referenzkurse der Europäischen Zentralbank vom 04.12.2026");
  EXPECT_EQ(bericht[1], "2 Kurse übernommen");
  EXPECT_EQ(bericht[2], "Ohne Einheit in Kolvaro: CHF, XYZ");
  EXPECT_EQ(bericht[3], "Fester Kurs beibehalten: BGN");
}

TEST_F(KurseEinlesenTest, AblehnungenSchreibenNichts) {
  const auto vorher = Zeilen();
  // Without a rate a unit takes, the file is not rewritten.
  const Kurseinlesung keine = KurseEinlesen(m_Daten.Pfad(), Tag({{"CHF", 0.94}}));
  EXPECT_TRUE(keine.Ergebnis.Erfolg);
  EXPECT_FALSE(keine.Ergebnis.GebietNeuLaden);
  EXPECT_EQ(BerichtZeilen(keine.Bericht).at(1), "0 Kurse übernommen");

  test::Katalog(m_Daten.Pfad(), {{"Währungen", "WAEHR.DAT", "US-Dollar"}});
  const Kurseinlesung dollar = KurseEinlesen(m_Daten.Pfad(), Tag({{"AUD", 1.6}}));
  EXPECT_FALSE(dollar.Ergebnis.Erfolg);
  ASSERT_TRUE(dollar.Ergebnis.Fehler);
  EXPECT_EQ(dollar.Ergebnis.Fehler->Text,
            "Die Kurse der Europäischen Zentralbank gelten je Euro, die Bezugseinheit des Gebietes \"Währungen\" ist "
            "aber \"US-Dollar\". Es wurden keine Kurse übernommen.");

  test::Katalog(m_Daten.Pfad(), {{"Länge", "LAENGE.DAT", "Meter"}});
  const Kurseinlesung ohne = KurseEinlesen(m_Daten.Pfad(), Tag({{"AUD", 1.6}}));
  ASSERT_TRUE(ohne.Ergebnis.Fehler);
  EXPECT_EQ(ohne.Ergebnis.Fehler->Text, "Es gibt kein Gebiet \"Währungen\", in das Kurse eingelesen werden könnten.");
  EXPECT_EQ(Zeilen(), vorher);
}

TEST(Kursalter, InTagenMonatenUndJahren) {
  const Tagesdatum heute{2026, 12, 7};
  const std::pair<const char*, const char*> faelle[] = {
      {"07.12.2026 (EZB)", "von heute"},
      {"06.12.2026 (EZB)", "vor 1 Tag"},
      {"4.12.2026 (EZB)", "vor 3 Tagen"},
      {"08.11.2026", "vor 29 Tagen"},  // not yet a whole month
      {"07.11.2026", "vor 1 Monat"},
      {"29.02.2024", "vor 2 Jahren"},
      {"26.09.2024 (EZB)", "vor 2 Jahren"},
      {"08.12.2025", "vor 11 Monaten"},
      {"08.12.2026", ""},  // a day to come has no age
      {"fester Kurs seit 1.1.1999", ""},
      {"", ""},
  };
  for (const auto& [stand, alter] : faelle) EXPECT_EQ(Kursalter(stand, heute), alter) << stand;
  EXPECT_EQ(StandMitAlter(Text1252("04.12.2026 (EZB)"), heute), "04.12.2026 (EZB), vor 3 Tagen");
  EXPECT_EQ(StandMitAlter(Text1252("fester Kurs"), heute), "fester Kurs");
}

}  // namespace
}  // namespace kolvaro
