// The converter state on small data directories: loading with its counters,
// the country filter, conversion, orders, the information panel, status. A
// missing catalogue is KommandozeileTest's and MyWindowTest's; the results
// and orders of whole categories are the golden cases umrechnen_* and
// einheiten_winkel_*.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::StandardDaten;

class KonverterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StandardDaten(m_Verzeichnis.Pfad());
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
    auto ergebnis = m_Konverter.Umrechnen(eingabe, Zeile(einheit));
    if (!ergebnis.Erfolg && !ergebnis.Fehler) return FehlerMeldung("ohne Ergebnis");
    return ergebnis.Fehler;
  }
  int Zeile(const char* name) const { return m_Konverter.EinheitFinden(Cp1252(name)).at(0); }
  const TAusgabetextobject& Einheit(const char* name) const { return m_Konverter.Einheiten()[Zeile(name)]; }

  test::TempVerzeichnis m_Verzeichnis;
  Konverter m_Konverter{m_Verzeichnis.Pfad()};
};

TEST_F(KonverterTest, LadenZaehltVerborgeneUndFiltertLaender) {
  ASSERT_TRUE(Gebiet("Länge"));
  // "Rute" is hidden, "Zoll" belongs to a country that is not present.
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Fuß", "Kilometer", "Meter", "Meile"}));
  EXPECT_EQ(m_Konverter.Zaehler().Gesamt, 6);
  EXPECT_EQ(m_Konverter.Zaehler().VerborgenNachLand, 1);
  EXPECT_EQ(m_Konverter.StatusEinheiten(), "5 Einheiten vorhanden, davon 1 ausgeblendet.");
  EXPECT_EQ(m_Konverter.StatusLaender(), Cp1252("5 Länder vorhanden, davon 0 ausgeblendet."));
  EXPECT_EQ(Einheit("Meile").Dateizeile, 3);
  EXPECT_EQ(Einheit("Meile").Faktor, 1609.344L);  // written with a decimal comma

  // The temporary display lists the hidden unit and still counts it.
  m_Konverter.SetTemporaereAnzeige(true);
  ASSERT_TRUE(m_Konverter.EinheitenLaden());
  EXPECT_EQ(m_Konverter.Einheiten().size(), 5u);
  EXPECT_EQ(m_Konverter.Zaehler().Verborgen, 1);
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

  // All countries hidden: nothing in Länge.
  flaggen.fill(false);
  m_Konverter.SetLaenderflaggen(flaggen);
  m_Konverter.LaenderlistenNeuAufbauen();
  ASSERT_TRUE(Gebiet("Länge"));
  EXPECT_TRUE(m_Konverter.Einheiten().empty());
  EXPECT_EQ(m_Konverter.StatusEinheiten(), "0 Einheiten vorhanden, davon 1 ausgeblendet.");
}

TEST_F(KonverterTest, FehlendeOderBeschaedigteDatei) {
  auto geladen = Gebiet("Zeit");
  EXPECT_EQ(geladen.Fehler().Text, Cp1252("Die Datei ZEIT.DAT konnte nicht geöffnet werden!"));
  EXPECT_TRUE(m_Konverter.Einheiten().empty());

  auto zeilen = *DateiLaden(m_Verzeichnis.Pfad() / "MASSE.DAT");
  zeilen[1] = "12XY34";
  ASSERT_TRUE(SchreibeAtomar(m_Verzeichnis.Pfad() / "MASSE.DAT", zeilen));
  geladen = Gebiet("Masse");
  ASSERT_FALSE(geladen);
  EXPECT_NE(geladen.Fehler().Text.find("MASSE.DAT"), std::string::npos);
  EXPECT_NE(geladen.Fehler().Text.find("Zeile 2 "), std::string::npos);
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
  EXPECT_EQ(Einheit("Fuß").ErgebnisFliess, "5.280,0000000");
  m_Konverter.SetWissenschaftlich(true);
  EXPECT_EQ(m_Konverter.AngezeigtesErgebnis(Zeile("Meter")), "1,609344E+0003");
  // Comma and point give the same results.
  ASSERT_FALSE(Rechnen("2,5", "Meter"));
  const auto mitKomma = Einheit("Fuß").ErgebnisWiss;
  ASSERT_FALSE(Rechnen("2.5", "Meter"));
  EXPECT_EQ(Einheit("Fuß").ErgebnisWiss, mitKomma);

  const std::pair<const char*, const char*> falsch[] = {
      {"0", "Falsche Eingabe im Werteingabeld! Bitte ändern! "},
      {"", "Falsche Eingabe im Werteingabeld! Bitte ändern! "},
      {"1E5000", "Falsche Eingabe im Werteingabeld! Bitte ändern! "},
      {"0,0", "Falsche Eingabe im Werteingabeld! Bitte ändern! "},
      {"1E-9999", "Falsche Eingabe im Werteingabeld! Bitte ändern! "},
      // Inside the number range but with a result beyond it.
      {"1E4930",
       "Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs! Bitte einen kleineren Wert eingeben."}};
  for (const auto& [eingabe, meldung] : falsch) {
    EXPECT_EQ(Cp1252NachUtf8(Rechnen(eingabe, "Kilometer").value().Text), meldung) << eingabe;
    EXPECT_EQ(Einheit("Fuß").ErgebnisWiss, mitKomma) << eingabe;
  }
  // Extreme but representable: no "inf", a scientific text.
  ASSERT_FALSE(Rechnen("1E4000", "Kilometer"));
  EXPECT_EQ(Einheit("Meter").ErgebnisWiss, "1,000000E+4003");
}

TEST_F(KonverterTest, SondergebieteNehmenIhreEigeneRoutine) {
  std::filesystem::copy_file(std::filesystem::path(KOLVARO_DATEN_DIR) / "TEMPERAT.DAT",
                             m_Verzeichnis.Pfad() / "TEMP.DAT", std::filesystem::copy_options::overwrite_existing);
  ASSERT_TRUE(Gebiet("Temperatur"));
  // 0 is a valid temperature; the factors of the scales do not count.
  ASSERT_FALSE(Rechnen("0", "Celsius"));
  EXPECT_EQ(Einheit("Kelvin").ErgebnisFliess, "273,15000000");
  // The file of the test data holds one line where the scales need ten.
  StandardDaten(m_Verzeichnis.Pfad());
  ASSERT_TRUE(Gebiet("Temperatur"));
  EXPECT_NE(Rechnen("0", "Kelvin").value().Text.find("TEMP.DAT"), std::string::npos);
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
  EXPECT_EQ(m_Konverter.Einheiten()[ergebnis.Auswahl].Einheitenname, "Meile");
  EXPECT_EQ(m_Konverter.Einheiten()[ergebnis.Auswahl].ErgebnisFliess, "1,0000000000");
  ergebnis = m_Konverter.Sortieren(Sortiermodus::Alphabet, ergebnis.Auswahl);
  EXPECT_EQ(m_Konverter.Einheiten()[ergebnis.Auswahl].Einheitenname, "Meile");
  EXPECT_TRUE(m_Konverter.ErgebnisseVorhanden());

  // The loader applies the stored order.
  m_Konverter.Sortieren(Sortiermodus::Groesse, 0);
  EXPECT_EQ(m_Konverter.Sortierung(), Sortiermodus::Groesse);
  ASSERT_TRUE(m_Konverter.EinheitenLaden());
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Fuß", "Meter", "Kilometer", "Meile"}));
}

TEST_F(KonverterTest, InfotafelUndHinweis) {
  ASSERT_TRUE(Gebiet("Länge"));
  const auto tafel = m_Konverter.Info(Zeile("Meter"));
  EXPECT_EQ(tafel.Kurzzeichen.Wert, "m");
  EXPECT_EQ(tafel.SonstigeNamen.Beschriftung, "");  // empty field: both labels empty
  EXPECT_TRUE(tafel.ZusatzinfoVorhanden);
  EXPECT_FALSE(m_Konverter.Info(Zeile("Fuß")).ZusatzinfoVorhanden);
  EXPECT_EQ(m_Konverter.Hinweis(Zeile("Meter")), "m - SI-Einheit");
  m_Konverter.SetTemporaereAnzeige(true);
  ASSERT_TRUE(m_Konverter.EinheitenLaden());
  EXPECT_EQ(m_Konverter.Hinweis(Zeile("Rute")), "Rute - Deutschland");  // no symbol: the name
}

}  // namespace
}  // namespace kolvaro
