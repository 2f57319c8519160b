// Favourites stand at the top of the list in every order and survive a
// reload and the settings; the value field's history.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "gemeinsam/Standardkonverter.h"

namespace kolvaro {
namespace {

using Favoriten = test::Standardkonverter;
using Verlauf = test::Standardkonverter;

TEST_F(Favoriten, ObenInJederOrdnungUndInDenEinstellungen) {
  auto namen = [&] {
    std::vector<std::string> n;
    for (const auto& e : k.Einheiten()) n.push_back(Cp1252NachUtf8(e.Einheitenname));
    return n;
  };
  EXPECT_EQ(k.FavoritUmschalten(k.EinheitFinden("Meter").at(0)), 0);
  // Among themselves the favourites keep the list's order.
  EXPECT_EQ(k.FavoritUmschalten(k.EinheitFinden("Meile").at(0)), 0);
  EXPECT_EQ(namen(), (std::vector<std::string>{"Meile", "Meter", "Fuß", "Kilometer"}));
  EXPECT_TRUE(k.IstFavorit(0) && k.IstFavorit(1) && !k.IstFavorit(2));
  for (Sortiermodus modus : {Sortiermodus::Land, Sortiermodus::Groesse, Sortiermodus::Alphabet}) {
    ASSERT_TRUE(k.Sortieren(modus, 0).Ausgefuehrt);
    const auto n = namen();
    EXPECT_TRUE((n[0] == "Meter" && n[1] == "Meile") || (n[0] == "Meile" && n[1] == "Meter")) << n[0] << n[1];
  }
  // Through the settings, by category, name and country.
  Einstellungswerte gelesen =
      EinstellungenAuswerten([geschrieben = EinstellungenSchreibwerte(k.Einstellungen())](const char* name) {
        for (const auto& [schluessel, wert] : geschrieben)
          if (schluessel == name) return std::optional<std::string>(wert);
        return std::optional<std::string>();
      }).Werte;
  ASSERT_EQ(gelesen.Favoriten.size(), 2u);
  EXPECT_EQ(gelesen.Favoriten[0].Gebiet, "Länge");
  Konverter neu(m_Verzeichnis.Pfad());
  neu.EinstellungenUebernehmen(gelesen);
  ASSERT_TRUE(neu.LaenderLaden());
  ASSERT_TRUE(neu.KatalogLaden());
  neu.GebietWaehlen(0);
  ASSERT_TRUE(neu.EinheitenLaden());
  EXPECT_TRUE(neu.IstFavorit(0) && neu.IstFavorit(1) && !neu.IstFavorit(2));
  // Taken away again: back in their places.
  k.FavoritUmschalten(0);
  k.FavoritUmschalten(0);
  EXPECT_EQ(namen(), (std::vector<std::string>{"Fuß", "Kilometer", "Meile", "Meter"}));
}

// The value field's history: per category, newest first, each value once, at most 20.
TEST_F(Verlauf, JeGebietNeuesteZuerstHoechstensZwanzig) {
  for (int i = 1; i <= 25; ++i) k.VerlaufMerken(Text1252::Zahl(i));
  k.VerlaufMerken(" 7 ");  // again, trimmed: moves to the front
  k.VerlaufMerken("  ");   // nothing to remember
  auto verlauf = k.Verlauf();
  ASSERT_EQ(verlauf.size(), Konverter::kVerlaufHoechstens);
  EXPECT_EQ(verlauf[0], "7");
  EXPECT_EQ(verlauf[1], "25");
  EXPECT_EQ(verlauf.back(), "6");  // 7 moved up: nothing else went
  Laden(1);                        // Masse: its own history
  EXPECT_TRUE(k.Verlauf().empty());
  EXPECT_EQ(k.Einstellungen().Verlauf.size(), Konverter::kVerlaufHoechstens);
}

}  // namespace
}  // namespace kolvaro
