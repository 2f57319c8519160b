// Changed factors: what the dialogs show, what they write into the data
// file (and nothing else), the refusals of what cannot be stored or
// converted, and the currency table's order and its rebuilt lines. A failed
// write leaves the file and the entries in memory as they were (a missing or
// damaged file is the line rewrite's, in GeheimdateiTest).
#include <gtest/gtest.h>

#include <filesystem>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "editing/Faktoraenderung.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::Einheitenzeile;
using test::Schreibsperre;

// A full currency line (UTF-8 in, Windows-1252 out): every field set, so
// that a rebuild shows which fields it keeps.
std::string Waehrungszeile(const std::string& sichtbar, const std::string& land, const std::string& name,
                           const std::string& faktor, const std::string& stand, const std::string& wert,
                           bool neuGebaut = false) {
  return test::DateiBytes(sichtbar + (neuGebaut ? "\tw\t\t1\t" : "\tw\tK1\t7\t") + land + (neuGebaut ? "\t1" : "\t9") +
                          "\tSym\t" + name + "\t" + faktor + "\tandere\t" + stand + "\tBank\tgleich\t" + wert +
                          "\tOrt\tj\t1999-\t\tMehr Text.");
}

class Faktoraenderung : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Verschluesselt(Pfad("LAENGE.DAT"),
                         {Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
                          Einheitenzeile("j", "Internationale Einheit", "ft", "Kubikfuß", "0.028316846592", "Info."),
                          Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242")});
    test::Verschluesselt(Pfad("WELTZEIT.DAT"), {Einheitenzeile("j", "Deutschland", "", "Berlin", "1"),
                                                Einheitenzeile("j", "Kanada", "", "Neufundland", "-3.5")});
    test::Verschluesselt(Pfad("WAEHR.DAT"), {Waehrungszeile("j", "SI-Einheit", "Euro", "1", "2002", "1 EUR"),
                                             Waehrungszeile("n", "USA", "Dollar", "0,9", "Mai", "ca. 0,9"),
                                             Waehrungszeile("j", "Ägypten", "Pfund", "0", "", ""),
                                             Waehrungszeile("j", "Afghanistan", "Afghani", "0.0125", "Juni", "")});
  }

  std::filesystem::path Pfad(const char* datei) const { return m_Daten.Pfad() / datei; }
  std::string Inhalt(const char* datei) const { return *DateiInhalt(Pfad(datei)); }
  std::vector<std::string> Klartext(const char* datei) const { return *GeheimdateiLesen(Pfad(datei)); }
  TAusgabetextobject Einheit(const char* datei, int zeile) const {
    TAusgabetextobject e;
    EinheitFuellen(e, Felder(Klartext(datei).at(static_cast<std::size_t>(zeile)), '\t'), zeile);
    return e;
  }
  std::vector<Waehrungseintrag> Waehrungen() const { return *WaehrungenLaden(m_Daten.Pfad(), "WAEHR.DAT"); }

  test::TempVerzeichnis m_Daten;
};

TEST_F(Faktoraenderung, FaktorWirdMitNeunStellenGezeigtUndWieGetipptGespeichert) {
  auto kubikfuss = Einheit("LAENGE.DAT", 1);
  const Text1252 gezeigt = FaktorText(kubikfuss.Faktor);
  EXPECT_EQ(gezeigt, " 2,83168466E-0002");
  auto erwartet = Klartext("LAENGE.DAT");
  erwartet[1] = FeldErsetzen(erwartet[1], 9, gezeigt.Bytes());

  // Confirmed unchanged: the nine digits are what is stored from now on.
  const Einheitenaenderung a = FaktorAendern(m_Daten.Pfad(), "LAENGE.DAT", kubikfuss, gezeigt);
  EXPECT_TRUE(a.Ergebnis.Erfolg && !a.Ergebnis.Fehler);
  EXPECT_EQ(a.Neu.Faktor, 0.0283168466L);
  EXPECT_EQ(a.Neu.Dateizeile, kubikfuss.Dateizeile);
  EXPECT_EQ(Klartext("LAENGE.DAT"), erwartet);
}

TEST_F(Faktoraenderung, WeltzeitSchreibtStundenUndSommerzeit) {
  const struct {
    long double Faktor;
    const char* Minuten;
  } minuten[] = {{5.5L, "330"},  {0.0L, "0"},    {-0.0L, "0"},  {1.0L / 3.0L, "20"},
                 {5.75L, "345"}, {-0.2L, "-12"}, {14.0L, "840"}};
  for (const auto& m : minuten) EXPECT_EQ(MinutenText(m.Faktor), m.Minuten) << m.Minuten;

  auto neufundland = Einheit("WELTZEIT.DAT", 1);
  EXPECT_EQ(MinutenText(neufundland.Faktor), "-210");
  const auto vorher = Klartext("WELTZEIT.DAT");
  const Text1252 sommerzeit = Cp1252("März bis Oktober");
  const Einheitenaenderung a = WeltzeitAendern(m_Daten.Pfad(), "WELTZEIT.DAT", neufundland, "-150", sommerzeit);
  EXPECT_TRUE(a.Ergebnis.Erfolg);
  EXPECT_EQ(a.Neu.Faktor, -2.5L);
  EXPECT_EQ(a.Neu.Uebersetzung, sommerzeit);
  EXPECT_EQ(Klartext("WELTZEIT.DAT"),
            (std::vector<std::string>{vorher[0], FeldErsetzen(FeldErsetzen(vorher[1], 9, "-2.50000000000000E+0000"), 11,
                                                              sommerzeit.Bytes())}));
}

// Every refusal and a failed write leave the file and the entry as they
// were. Which numbers and characters are wrong is ZahlformatTest's and
// EingabepruefungTest's: here that each field is checked, under its name.
TEST_F(Faktoraenderung, AbgelehntOderNichtGeschriebenAendertNichts) {
  const std::string keine = "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!",
                    null = "Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!",
                    tag =
                        "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! "
                        "Bitte ändern!",
                    tab = "Das Feld \"Sommerzeit (+ 1 Stunde) von..bis\" enthält einen Tabulator. Bitte ändern!";
  const struct {
    const char* Datei;  // WELTZEIT.DAT: the minutes and the summer time
    const char *Eingabe, *Sommerzeit;
    std::string Meldung;  // empty: written under a write lock
  } faelle[] = {{"LAENGE.DAT", "abc", "", keine},
                {"LAENGE.DAT", "0", "", null},
                {"LAENGE.DAT", "-0.3048", "", null},
                {"LAENGE.DAT", "2 ", "", keine},  // read as strictly as when the unit was added
                {"LAENGE.DAT", "2", "", ""},
                {"WELTZEIT.DAT", "eine Stunde", "", keine},
                {"WELTZEIT.DAT", "1441", "", tag},
                {"WELTZEIT.DAT", "-1E32", "", tag},
                {"WELTZEIT.DAT", "90,5", "", tag},
                {"WELTZEIT.DAT", "120", "Sommer", ""},
                {"WELTZEIT.DAT", "60", "April\tOktober", tab}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(std::string(f.Datei) + " " + f.Eingabe);
    const std::string vorher = Inhalt(f.Datei);
    const bool weltzeit = std::string(f.Datei) == "WELTZEIT.DAT";
    auto einheit = Einheit(f.Datei, 0);
    Einheitenaenderung a;
    {
      std::optional<Schreibsperre> sperre;
      if (f.Meldung.empty()) sperre.emplace();
      a = weltzeit ? WeltzeitAendern(m_Daten.Pfad(), f.Datei, einheit, Cp1252(f.Eingabe), Cp1252(f.Sommerzeit))
                   : FaktorAendern(m_Daten.Pfad(), f.Datei, einheit, Cp1252(f.Eingabe));
    }
    const Rechenergebnis& r = a.Ergebnis;
    EXPECT_FALSE(r.Erfolg);
    if (f.Meldung.empty()) {
      EXPECT_EQ(r.Fehler.value().Text, NichtGeschriebenMeldung(f.Datei).Text);
    } else {
      EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text), f.Meldung);
      EXPECT_EQ(r.Fehler->Art, Meldungsart::Information);
      EXPECT_EQ(r.FokusDanach, weltzeit ? r.FokusDanach : Fokus::FokusUndMarkieren);
      EXPECT_NE(r.FokusDanach, Fokus::Keiner);
    }
    EXPECT_EQ(a.Neu.Faktor, einheit.Faktor);
    EXPECT_EQ(a.Neu.Uebersetzung, einheit.Uebersetzung);
    EXPECT_EQ(Inhalt(f.Datei), vorher);
  }
}

// -------------------------------------------------------- currency table

TEST_F(Faktoraenderung, WaehrungenLadenNimmtJedeZeileAuchVerborgene) {
  const auto w = Waehrungen();
  ASSERT_EQ(w.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w[static_cast<std::size_t>(i)].Einheit.Dateizeile, i);
  EXPECT_FALSE(w[1].Sichtbar);
  namespace s = waehrungsspalte;
  std::vector<Text1252> zellen;
  for (int spalte : {s::Land, s::Waehrung, s::Euro, s::Stand, s::Wert}) zellen.push_back(WaehrungsZelle(w[1], spalte));
  EXPECT_EQ(zellen, (std::vector<Text1252>{"USA", "1 Dollar =", "0,900000000000", "Mai", "ca. 0,9"}));

  std::filesystem::create_directory(Pfad("ORDNER.DAT"));
  EXPECT_FALSE(WaehrungenLaden(m_Daten.Pfad(), "ORDNER.DAT"));
}

// 0.1 and 1e-400 are rounded to a double before they are written, and
// before the test for 0.
TEST_F(Faktoraenderung, EuroTextZwoelfStellenMitKomma) {
  using F = std::pair<long double, const char*>;
  for (const auto& [faktor, text] : {F{0.0L, ""}, F{-0.0L, ""}, F{1.0L, "1,000000000000"},
                                     F{1.95583L, "1,955830000000"}, F{0.0000001234L, "0,000000123400"},
                                     F{1234567.5L, "1234567,500000000000"}, F{0.1L, "0,100000000000"}, F{1e-400L, ""}})
    EXPECT_EQ(EuroText(faktor), Cp1252(text)) << text;
}

TEST_F(Faktoraenderung, LandVergleichStelltEinheitenklassenVorLaender) {
  // The order of the classes and countries is LandSchluessel's (SortierungTest).
  const char* landfolge[] = {"SI-Einheit", "Sonstige Einheit", "Ägypten", "Afghanistan", "Zypern"};
  std::vector<Waehrungseintrag> eintraege;
  // In reverse, each country twice; the names compare in upper case ("Z" < "d" in bytes).
  for (int i = static_cast<int>(std::size(landfolge)) - 1; i >= 0; --i) {
    for (const char* name : {"Zloty", "dinar"}) {
      auto& e = eintraege.emplace_back().Einheit;
      e.Landname = Cp1252(landfolge[i]);
      e.Einheitenname = Cp1252(name);
      e.Dateizeile = static_cast<int>(eintraege.size()) - 1;
    }
  }
  NachLandOrdnen(eintraege);
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    EXPECT_EQ(Cp1252NachUtf8(eintraege[i].Einheit.Landname), landfolge[i / 2]) << i;
    EXPECT_EQ(eintraege[i].Einheit.Einheitenname, i % 2 ? "Zloty" : "dinar") << i;
  }
  EXPECT_EQ(LandVergleich(eintraege[0].Einheit, eintraege[0].Einheit), 0);
  EXPECT_LT(LandVergleich(eintraege[4].Einheit, eintraege[6].Einheit), 0);  // Ägypten before Afghanistan
  EXPECT_GT(LandVergleich(eintraege[6].Einheit, eintraege[4].Einheit), 0);

  NachDateizeileOrdnen(eintraege);
  for (std::size_t i = 0; i < eintraege.size(); ++i) EXPECT_EQ(eintraege[i].Einheit.Dateizeile, static_cast<int>(i));
}

TEST_F(Faktoraenderung, SpeichernNachLandSortiertSchreibtDateifolgeUndBautJedeZeileNeu) {
  auto w = Waehrungen();
  NachLandOrdnen(w);
  // SI-Einheit, Ägypten, Afghanistan, USA.
  std::vector<Waehrungseingabe> eingaben;
  for (const auto& e : w)
    eingaben.push_back({WaehrungsZelle(e, waehrungsspalte::Euro), WaehrungsZelle(e, waehrungsspalte::Stand),
                        WaehrungsZelle(e, waehrungsspalte::Wert)});
  eingaben[3] = {"0.95", Text1252(std::string(40, 'S')), Text1252(std::string(30, 'W'))};  // Dollar, cut on saving
  eingaben[2].Euro = "";                                                                   // Afghani: rate unknown now

  const Waehrungsspeicherung s = WaehrungenSpeichern(m_Daten.Pfad(), "WAEHR.DAT", w, eingaben);
  ASSERT_FALSE(s.Fehler) << s.Fehler->Text;
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[0].Einheit.Dateizeile, 0);
  EXPECT_EQ(w[1].Einheit.Faktor, 0.95L);

  // Rebuilt: fields 3, 4 and 6 reset, the factor in the long form, Stand
  // and Wert cut to 32 and 21 characters, the rest kept.
  const std::vector<std::string> erwartet = {
      Waehrungszeile("j", "SI-Einheit", "Euro", " 1.00000000000000E+0000", "2002", "1 EUR", true),
      Waehrungszeile("n", "USA", "Dollar", " 9.50000000000000E-0001", std::string(32, 'S'), std::string(21, 'W'), true),
      Waehrungszeile("j", "Ägypten", "Pfund", " 0.00000000000000E+0000", "", "", true),
      Waehrungszeile("j", "Afghanistan", "Afghani", " 0.00000000000000E+0000", "Juni", "", true)};
  EXPECT_EQ(Klartext("WAEHR.DAT"), erwartet);
  // What was saved reads back as the table showed it.
  const auto gelesen = Waehrungen();
  EXPECT_EQ(WaehrungsZelle(gelesen[0], waehrungsspalte::Euro), "1,000000000000");
  EXPECT_EQ(WaehrungsZelle(gelesen[2], waehrungsspalte::Euro), "");
}

TEST_F(Faktoraenderung, SpeichernLehntFalscheZellenAbUndAendertNichts) {
  const char* const falsch = "Falsche Eingabe, bitte berichtigen!";
  const struct {
    int Zeile;
    Waehrungseingabe Eingabe;
    int Spalte;
    const char* Meldung;
  } faelle[] = {
      {2, {"1,2,3", "", ""}, waehrungsspalte::Euro, falsch},
      {1,
       {"-0,5", "", ""},
       waehrungsspalte::Euro,
       "Der Umrechnungsfaktor darf nicht negativ sein (0 steht für einen unbekannten Kurs)! Bitte ändern!"},
      {3,
       {"1e400", "", ""},
       waehrungsspalte::Euro,
       "Der Umrechnungsfaktor muss zwischen 1E-300 und 1E300 liegen! Bitte ändern!"},
      {0, {"1", "Mai\t2024", ""}, waehrungsspalte::Stand, "Das Feld \"Stand\" enthält einen Tabulator. Bitte ändern!"},
      {3,
       {"1", "", "ca.\n1"},
       waehrungsspalte::Wert,
       "Das Feld \"Wert bzw.ca-Wert\" enthält einen Zeilenumbruch. Bitte ändern!"},
      {-1, {}, -1, nullptr}  // written under a write lock, sorted by country
  };
  const std::string vorher = Inhalt("WAEHR.DAT");
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Zeile);
    auto w = Waehrungen();
    NachLandOrdnen(w);
    const auto sortiert = w;
    std::vector<Waehrungseingabe> eingaben(w.size(), Waehrungseingabe{"2", "neu", "neu"});
    if (fall.Zeile >= 0) eingaben[static_cast<std::size_t>(fall.Zeile)] = fall.Eingabe;
    Waehrungsspeicherung s;
    {
      std::optional<Schreibsperre> sperre;
      if (!fall.Meldung) sperre.emplace();
      s = WaehrungenSpeichern(m_Daten.Pfad(), "WAEHR.DAT", w, eingaben);
    }
    if (fall.Meldung) {
      EXPECT_EQ(Cp1252NachUtf8(s.Fehler.value().Text), fall.Meldung);
      EXPECT_EQ(s.Fehler->Art, fall.Spalte == waehrungsspalte::Euro ? Meldungsart::Fehler : Meldungsart::Information);
      EXPECT_EQ(s.Zeile, fall.Zeile);
      EXPECT_EQ(s.Spalte, fall.Spalte);
    } else {
      EXPECT_EQ(s.Fehler.value().Text, NichtGeschriebenMeldung("WAEHR.DAT").Text);
    }
    EXPECT_EQ(Inhalt("WAEHR.DAT"), vorher);
    // The entries keep their values and their order by country.
    for (std::size_t i = 0; i < w.size(); ++i) {
      EXPECT_EQ(w[i].Einheit.Dateizeile, sortiert[i].Einheit.Dateizeile);
      EXPECT_EQ(w[i].Einheit.Faktor, sortiert[i].Einheit.Faktor);
      EXPECT_EQ(w[i].Einheit.Uebersetzung, sortiert[i].Einheit.Uebersetzung);
    }
  }
  // Input for fewer rows than entries would drop lines: refused.
  auto kurz = Waehrungen();
  EXPECT_TRUE(WaehrungenSpeichern(m_Daten.Pfad(), "WAEHR.DAT", kurz, {{"1", "", ""}}).Fehler);
  EXPECT_EQ(Inhalt("WAEHR.DAT"), vorher);
}

}  // namespace
}  // namespace kolvaro
