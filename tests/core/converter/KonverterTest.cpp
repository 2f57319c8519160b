// The converter state on small data directories. A missing catalogue is
// KommandozeileTest's; whole categories, and the texts of a value 0 or too
// large, are the golden cases; Temperatur's routine is BeschaedigteDatenTest's.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

class KonverterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StandardDaten(m_Verzeichnis.Pfad());
    ASSERT_TRUE(m_Konverter.LaenderLaden());
    ASSERT_TRUE(m_Konverter.KatalogLaden());
  }
  Resultat<> Gebiet(const char* name) {
    for (std::size_t i = 0; i < m_Konverter.Katalog().size(); ++i)
      if (m_Konverter.Katalog()[i].Gebietsname == Cp1252(name)) m_Konverter.GebietWaehlen(static_cast<int>(i));
    return m_Konverter.EinheitenLaden();
  }
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& e : m_Konverter.Einheiten()) namen.push_back(Cp1252NachUtf8(e.Einheitenname));
    return namen;
  }
  // What went wrong, if anything (a run that neither succeeds nor says why counts as wrong).
  OptMeldung Rechnen(std::string_view eingabe, const char* einheit) {
    auto ergebnis = m_Konverter.Umrechnen(Cp1252(eingabe), Zeile(einheit));
    if (!ergebnis.Erfolg && !ergebnis.Fehler) return FehlerMeldung("ohne Ergebnis");
    return ergebnis.Fehler;
  }
  int Zeile(const char* name) const { return m_Konverter.EinheitFinden(Cp1252(name)).at(0); }
  const TAusgabetextobject& Einheit(const char* name) const { return m_Konverter.Einheiten()[Zeile(name)]; }
  Text1252 Fliess(const char* name) const { return m_Konverter.Ergebnistext(Zeile(name), false); }
  Text1252 Wiss(const char* name) const { return m_Konverter.Ergebnistext(Zeile(name), true); }

  test::TempVerzeichnis m_Verzeichnis;
  Konverter m_Konverter{m_Verzeichnis.Pfad()};
};

TEST_F(KonverterTest, LadenZaehltVerborgeneUndFiltertLaender) {
  ASSERT_TRUE(Gebiet("Länge"));
  // "Rute" is hidden, "Zoll" belongs to a country that is not present.
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Fuß", "Kilometer", "Meter", "Meile"}));
  EXPECT_EQ(m_Konverter.StatusEinheiten(), "5 Einheiten vorhanden, davon 1 ausgeblendet.");
  EXPECT_EQ(m_Konverter.StatusLaender(), Cp1252("5 Länder vorhanden, davon 0 ausgeblendet."));
  EXPECT_EQ(Einheit("Meile").Dateizeile, 3);
  EXPECT_EQ(Einheit("Meile").Faktor, 1609.344L);  // written with a decimal comma

  // The temporary display lists the hidden unit and still counts it.
  m_Konverter.SetTemporaereAnzeige(true);
  ASSERT_TRUE(m_Konverter.EinheitenLaden());
  EXPECT_EQ(m_Konverter.Einheiten().size(), 5u);
  EXPECT_EQ(m_Konverter.Zaehler().Verborgen, 1);
  EXPECT_EQ(m_Konverter.Hinweis(Zeile("Rute")), "Rute - Deutschland");  // no symbol: the name
}

TEST_F(KonverterTest, VerborgeneLaenderNurInDenVierLaendergebieten) {
  auto flaggen = m_Konverter.Laenderflaggen();
  flaggen[4] = false;  // Österreich
  m_Konverter.SetLaenderflaggen(flaggen);
  m_Konverter.LaenderlistenNeuAufbauen();
  ASSERT_TRUE(Gebiet("Masse"));
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Kilogramm", "Pound"}));
  EXPECT_EQ(m_Konverter.Zaehler().Angezeigt(), 2);
  EXPECT_EQ(m_Konverter.StatusLaender(), Cp1252("5 Länder vorhanden, davon 1 ausgeblendet."));
  // Temperatur is not filtered: even a non-present country is listed.
  ASSERT_TRUE(Gebiet("Temperatur"));
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Kelvin"}));
  EXPECT_EQ(m_Konverter.StatusLaender(), "");

  flaggen.fill(false);
  m_Konverter.SetLaenderflaggen(flaggen);
  m_Konverter.LaenderlistenNeuAufbauen();
  ASSERT_TRUE(Gebiet("Länge"));
  EXPECT_TRUE(m_Konverter.Einheiten().empty());
  EXPECT_EQ(m_Konverter.StatusEinheiten(), "0 Einheiten vorhanden, davon 1 ausgeblendet.");
}

TEST_F(KonverterTest, BezugseinheitDesGewaehltenGebiets) {
  EXPECT_EQ(m_Konverter.Bezugseinheit(), "");
  ASSERT_TRUE(Gebiet("Masse"));
  EXPECT_EQ(m_Konverter.Bezugseinheit(), "Kilogramm");
  // A catalogue reloaded without the category: none until the next is chosen.
  test::Schreiben(m_Verzeichnis.Pfad() / "Gruppen.nfo", {test::DateiBytes("Länge\tLAENGE.DAT\tMeter")});
  ASSERT_TRUE(m_Konverter.KatalogLaden());
  EXPECT_EQ(m_Konverter.Bezugseinheit(), "");
  EXPECT_EQ(m_Konverter.Gebietsname(), "");
  EXPECT_EQ(m_Konverter.Datendatei(), "");
}

TEST_F(KonverterTest, FehlendeOderBeschaedigteDatei) {
  EXPECT_EQ(Gebiet("Zeit").Fehler().Text, Cp1252("Die Datei ZEIT.DAT konnte nicht geöffnet werden!"));
  EXPECT_TRUE(m_Konverter.Einheiten().empty());

  auto zeilen = *DateiLaden(m_Verzeichnis.Pfad() / "MASSE.DAT");
  zeilen[1] = "12XY34";
  ASSERT_TRUE(SchreibeAtomar(m_Verzeichnis.Pfad() / "MASSE.DAT", zeilen));
  const auto geladen = Gebiet("Masse");
  ASSERT_FALSE(geladen);
  const std::string_view text = geladen.Fehler().Text.Sicht();
  EXPECT_NE(text.find("MASSE.DAT"), std::string::npos);
  EXPECT_NE(text.find("Zeile 2 "), std::string::npos);
  EXPECT_TRUE(m_Konverter.Einheiten().empty());
}

// The number texts themselves are ZahlformatTest's.
TEST_F(KonverterTest, UmrechnungUndFalscheEingaben) {
  m_Konverter.SetAutorechnen(true);
  ASSERT_TRUE(Gebiet("Länge"));
  EXPECT_TRUE(m_Konverter.AutomatischRechnenMoeglich("1"));
  EXPECT_FALSE(m_Konverter.AutomatischRechnenMoeglich(""));
  ASSERT_FALSE(Rechnen("1", "Meile"));
  EXPECT_TRUE(m_Konverter.ErgebnisseVorhanden());
  EXPECT_EQ(Fliess("Fuß"), "5.280,0000000");
  m_Konverter.SetWissenschaftlich(true);
  EXPECT_EQ(m_Konverter.AngezeigtesErgebnis(Zeile("Meter")), "1,609344E+0003");
  // Comma and point give the same results.
  ASSERT_FALSE(Rechnen("2,5", "Meter"));
  const auto mitKomma = Wiss("Fuß");
  ASSERT_FALSE(Rechnen("2.5", "Meter"));
  EXPECT_EQ(Wiss("Fuß"), mitKomma);

  // A wrong input leaves the results as they were.
  const char* falsch = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
  const std::pair<const char*, const char*> faelle[] = {
      {"", falsch},
      {"0,0", falsch},
      {"1E-9999", falsch},
      // Inside the number range but with a result beyond it.
      {"1E4930",
       "Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs! Bitte einen kleineren Wert eingeben."}};
  for (const auto& [eingabe, meldung] : faelle) {
    EXPECT_EQ(Cp1252NachUtf8(Rechnen(eingabe, "Kilometer").value().Text), meldung) << eingabe;
    EXPECT_EQ(Wiss("Fuß"), mitKomma) << eingabe;
  }
  // Extreme but representable: no "inf", a scientific text.
  ASSERT_FALSE(Rechnen("1E4000", "Kilometer"));
  EXPECT_EQ(Wiss("Meter"), "1,000000E+4003");
}

TEST_F(KonverterTest, SortierungBehaeltAuswahlUndErgebnisseUndGiltBeimLaden) {
  ASSERT_TRUE(Gebiet("Länge"));
  auto ergebnis = m_Konverter.Sortieren(Sortiermodus::Land, 0);
  EXPECT_TRUE(ergebnis.Ausgefuehrt);
  EXPECT_FALSE(ergebnis.ErgebnisseVorhanden);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Kilometer", "Meter", "Fuß", "Meile"}));

  ASSERT_FALSE(Rechnen("1", "Meile"));
  ergebnis = m_Konverter.Sortieren(Sortiermodus::Groesse, Zeile("Meile"));
  EXPECT_TRUE(ergebnis.ErgebnisseVorhanden);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Fuß", "Meter", "Kilometer", "Meile"}));
  EXPECT_EQ(m_Konverter.Ergebnistext(ergebnis.Auswahl, false), "1,0000000000");  // Meile's
  ergebnis = m_Konverter.Sortieren(Sortiermodus::Alphabet, ergebnis.Auswahl);
  EXPECT_EQ(m_Konverter.Einheiten()[ergebnis.Auswahl].Einheitenname, "Meile");
  EXPECT_TRUE(m_Konverter.ErgebnisseVorhanden());

  // The loader applies the stored order.
  m_Konverter.Sortieren(Sortiermodus::Groesse, 0);
  ASSERT_TRUE(m_Konverter.EinheitenLaden());
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Fuß", "Meter", "Kilometer", "Meile"}));
}

TEST_F(KonverterTest, Infotafel) {
  ASSERT_TRUE(Gebiet("Länge"));
  const auto tafel = m_Konverter.Info(Zeile("Meter"));
  EXPECT_EQ(tafel.Kurzzeichen.Wert, "m");
  EXPECT_EQ(tafel.SonstigeNamen.Beschriftung, "");  // empty field: both labels empty
  EXPECT_TRUE(tafel.ZusatzinfoVorhanden);
  EXPECT_FALSE(m_Konverter.Info(Zeile("Fuß")).ZusatzinfoVorhanden);
  EXPECT_EQ(m_Konverter.Hinweis(Zeile("Meter")), "m - SI-Einheit");
}

}  // namespace
}  // namespace kolvaro
