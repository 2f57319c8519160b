// Going back to a category takes its list from the store of lists: what
// the list shows must be what reading the file afresh shows.
#include <gtest/gtest.h>

#include "gemeinsam/Standardkonverter.h"

namespace kolvaro {
namespace {

using Listenvorrat = test::Standardkonverter;

std::vector<std::string> Namen(const Konverter& k) {
  std::vector<std::string> namen;
  for (const auto& e : k.Einheiten()) namen.push_back(Cp1252NachUtf8(e.Einheitenname + " " + e.Landname));
  return namen;
}

// A converter that reads the data afresh with the settings of k.
std::vector<std::string> FrischGelesen(const Konverter& k, bool temporaer = false) {
  Konverter frisch(k.Verzeichnis());
  EXPECT_TRUE(frisch.LaenderLaden());
  EXPECT_TRUE(frisch.KatalogLaden());
  frisch.EinstellungenUebernehmen(k.Einstellungen());
  frisch.SetTemporaereAnzeige(temporaer);
  frisch.GebietWaehlen(k.Gebietsindex());
  EXPECT_TRUE(frisch.EinheitenLaden());
  return Namen(frisch);
}

TEST_F(Listenvorrat, ZurueckGleichtDemFrischenLesenInJederOrdnung) {
  // A favourite on top: then the orders by name, country and size all differ.
  (void)k.FavoritUmschalten(k.EinheitFinden(Cp1252("Fuß")).at(0));
  for (auto modus : {Sortiermodus::Land, Sortiermodus::Groesse, Sortiermodus::Alphabet}) {
    SCOPED_TRACE(SortiermodusText(modus));
    (void)k.Sortieren(modus, 0);
    ASSERT_TRUE(k.Umrechnen(Cp1252("1"), 0).Erfolg);
    (void)k.Sortieren(Sortiermodus::Land, 0);  // re-sorted with its results
    (void)k.Sortieren(modus, 0);
    Laden(1);
    Laden(0);
    EXPECT_EQ(Namen(k), FrischGelesen(k));
    EXPECT_TRUE(k.AngezeigtesErgebnis(0).empty());
    EXPECT_EQ(k.Zaehler().Gesamt, 6);
    EXPECT_EQ(k.Zaehler().Verborgen, 1);
  }
  // Another order taken from the settings, then the list loaded again.
  auto werte = k.Einstellungen();
  werte.Sortierung = Sortiermodus::Groesse;
  k.EinstellungenUebernehmen(werte);
  Laden(0);
  EXPECT_EQ(Namen(k), FrischGelesen(k));
}

TEST_F(Listenvorrat, GeaenderteDateiOderListeWirdNeuGelesen) {
  // The file changes while another category is shown, to the same size.
  Laden(1);
  test::Verschluesselt(m_Verzeichnis.Pfad() / "LAENGE.DAT",
                       {test::Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "2000"),
                        test::Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1")});
  Laden(0);
  ASSERT_EQ(Namen(k), FrischGelesen(k));
  EXPECT_EQ(k.Einheiten()[0].Faktor, 2000.0L);

  // A unit taken out of the list alone comes back with the file's list.
  k.EinheitAusblendenInListe(0);
  Laden(1);
  Laden(0);
  EXPECT_EQ(Namen(k).size(), 2u);

  // Hidden units shown for a while, then no more.
  k.SetTemporaereAnzeige(true);
  Laden(0);
  k.SetTemporaereAnzeige(false);
  Laden(1);
  Laden(0);
  EXPECT_EQ(Namen(k), FrischGelesen(k));
}

}  // namespace
}  // namespace kolvaro
