// The unit search over every category's data file, and the checks before a
// jump to a hit.
#include <gtest/gtest.h>

#include <tuple>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "editing/Suche.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::test {
namespace {

std::string Zeile(const std::string& sichtbar, const std::string& land, const std::string& kurz,
                  const std::string& name, const std::string& sonstige = "") {
  return FeldErsetzen(Einheitenzeile(sichtbar, land, kurz, name, "1"), feld::SonstigeNamen, test::DateiBytes(sonstige));
}

// Three categories; hidden units, other names, umlauts and a symbol stored
// with blanks around it.
class Suche : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto& v = m_Daten.Pfad();
    Schreiben(v / "Gruppen.nfo",
              {test::DateiBytes("Länge\tLAENGE.DAT\tMeter"), test::DateiBytes("Fläche\tFLAECHE.DAT\tQuadratmeter"),
               test::DateiBytes("Volumen\tVOLUMEN.DAT\tKubikmeter")});
    Schreiben(v / "Gebiet.nfo", {"L", "*", "F", "*", "V", "*"});
    LaenderSchreiben(v);
    Verschluesselt(v / "LAENGE.DAT",
                   {Zeile("j", "Internationale Einheit", "ft", "Fuß"), Zeile("j", "SI-Einheit", " km ", "Kilometer"),
                    Zeile("n", "Deutschland", "", "Rute", "Landmesser-Meter"),
                    Zeile("j", "SI-Einheit", "m", "Meter", "Metre"), Zeile("j", "USA", "", "Meter Wassersäule")});
    Verschluesselt(v / "FLAECHE.DAT",
                   {Zeile("n", "SI-Einheit", "m²", "Quadratmeter"), Zeile("j", "Deutschland", "a", "Ar", "Meter")});
    Verschluesselt(v / "VOLUMEN.DAT",
                   {Zeile("j", "Österreich", "", "Ölfass", "Ölfaß"), Zeile("j", "Deutschland", "", "ÄHM", "Öhm")});
    auto katalog = KatalogLaden(v);
    ASSERT_TRUE(katalog);
    m_Katalog = *katalog;
  }

  Suchergebnis Finden(const std::string& begriffUtf8, Suchmodus modus) {
    return kolvaro::Suchen(m_Daten.Pfad(), m_Katalog, Cp1252(begriffUtf8), modus);
  }
  // "category number:line: result line" per hit, UTF-8.
  std::vector<std::string> Zeilen(const Suchergebnis& e) {
    std::vector<std::string> z;
    for (const auto& t : e.Treffer)
      z.push_back(std::to_string(t.Gebietsnummer) + ":" + std::to_string(t.Dateizeile) + ": " +
                  Cp1252NachUtf8(t.Ergebniszeile));
    return z;
  }

  TempVerzeichnis m_Daten;
  std::vector<Gebietseintrag> m_Katalog;
};

TEST_F(Suche, BestandteilFindetAuchAusgeblendeteInKatalogUndDateiordnung) {
  const auto e = Finden("meter", Suchmodus::Bestandteil);
  EXPECT_FALSE(e.Meldung);
  // The other names stand in the line only where the name did not match.
  EXPECT_EQ(Zeilen(e), (std::vector<std::string>{"1:1: Kilometer - SI-Einheit", "1:2: Landmesser-Meter - Deutschland",
                                                 "1:3: Meter - SI-Einheit", "1:4: Meter Wassersäule - USA",
                                                 "2:0: Quadratmeter - SI-Einheit", "2:1: Meter - Deutschland"}));
  // The hit carries the whole record, hidden or not.
  const TSuchobjekt& rute = e.Treffer[1];
  EXPECT_EQ(std::tie(rute.Name, rute.SonstigeNamen, rute.Landname, rute.Datendatei, rute.Angezeigt),
            std::make_tuple("Rute", "Landmesser-Meter", "Deutschland", "LAENGE.DAT", false));
  EXPECT_TRUE(e.Treffer[0].Angezeigt);
  EXPECT_EQ(e.Treffer[0].Kurzzeichen, " km ");
  // The term is taken as typed: a blank at its end belongs to it (for the
  // symbol: the golden case suchen_abkuerzung_leerzeichen).
  EXPECT_EQ(Zeilen(Finden("meter ", Suchmodus::Bestandteil)), std::vector<std::string>{"1:4: Meter Wassersäule - USA"});
  EXPECT_TRUE(Finden("", Suchmodus::Bestandteil).Treffer.empty());
}

// Upper and lower case by the code page's rules, umlauts included (the
// whole name only, in the whole data: the golden cases suchen_exakt and
// suchen_umlaut_gross); the other names count as whole names too.
TEST_F(Suche, ExaktVergleichtGanzInJederSchreibung) {
  EXPECT_EQ(Zeilen(Finden("metre", Suchmodus::Exakt)), std::vector<std::string>{"1:3: Metre - SI-Einheit"});
  EXPECT_EQ(Zeilen(Finden("ÖlFaSs", Suchmodus::Exakt)), std::vector<std::string>{"3:0: Ölfass - Österreich"});
  EXPECT_EQ(Finden("äHm", Suchmodus::Exakt).Treffer.at(0).Name, Cp1252("ÄHM"));
  // ß has no capital in the code page: "SS" is not ß.
  EXPECT_TRUE(Finden("FUSS", Suchmodus::Exakt).Treffer.empty());
  EXPECT_EQ(KleinText(test::DateiBytes("ÄÖÜ ŠŒŽŸ ß AZ")), test::DateiBytes("äöü šœžÿ ß az"));
}

// The stored symbol is trimmed for the comparison and shown as stored; the
// names do not count.
TEST_F(Suche, AbkuerzungMitLeerzeichenImDatensatz) {
  EXPECT_EQ(Zeilen(Finden("KM", Suchmodus::Abkuerzung)),
            std::vector<std::string>{"1:1:  km  - Kilometer - SI-Einheit"});
  EXPECT_EQ(Zeilen(Finden("M²", Suchmodus::Abkuerzung)),
            std::vector<std::string>{"2:0: m² - Quadratmeter - SI-Einheit"});
  EXPECT_TRUE(Finden("meter", Suchmodus::Abkuerzung).Treffer.empty());
}

TEST_F(Suche, UnlesbareDateiBeendetDieSucheDieTrefferBleiben) {
  const auto& v = m_Daten.Pfad();
  std::filesystem::remove(v / "FLAECHE.DAT");
  auto e = Finden("meter", Suchmodus::Bestandteil);
  EXPECT_EQ(e.Meldung.value().Art, Meldungsart::Fehler);
  EXPECT_EQ(Cp1252NachUtf8(e.Meldung->Text),
            "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden sind.");
  EXPECT_EQ(e.Treffer.size(), 4u);  // Länge only: the search stopped before Volumen
  EXPECT_TRUE(Finden("ölfass", Suchmodus::Exakt).Treffer.empty());

  // A directory in the place of the file cannot be read either.
  std::filesystem::create_directory(v / "FLAECHE.DAT");
  EXPECT_EQ(Finden("meter", Suchmodus::Bestandteil).Treffer.size(), 4u);

  // A damaged line keeps the hits above it and names the file.
  std::filesystem::remove(v / "FLAECHE.DAT");
  std::vector<std::string> geheim = *DateiLaden(v / "LAENGE.DAT");
  geheim[3] = "kaputt";
  Schreiben(v / "LAENGE.DAT", geheim);
  e = Finden("meter", Suchmodus::Bestandteil);
  EXPECT_NE(e.Meldung.value().Text.Sicht().find("LAENGE.DAT"), std::string::npos);
  EXPECT_EQ(Zeilen(e),
            (std::vector<std::string>{"1:1: Kilometer - SI-Einheit", "1:2: Landmesser-Meter - Deutschland"}));
}

// ---- the checks before a jump ----

class Sprung : public Suche {
 protected:
  void SetUp() override {
    Suche::SetUp();
    m_Konverter = std::make_unique<Konverter>(m_Daten.Pfad());
    ASSERT_TRUE(m_Konverter->LaenderLaden());
    ASSERT_TRUE(m_Konverter->KatalogLaden());
    m_Konverter->LaenderlistenNeuAufbauen();
  }
  TSuchobjekt Treffer(const std::string& name) {
    for (auto& t : Finden(name, Suchmodus::Exakt).Treffer)
      if (t.Name == Cp1252(name)) return t;
    ADD_FAILURE() << name;
    return {};
  }
  // Every question is answered with Ja and remembered.
  Rechenergebnis Vorbereiten(const TSuchobjekt& t, bool passwort = true) {
    m_Fragen.clear();
    return SprungVorbereiten(
        *m_Konverter, t,
        [&](const Text1252& frage) {
          m_Fragen.push_back(Cp1252NachUtf8(frage));
          return FrageAntwort::Ja;
        },
        [passwort] { return passwort; });
  }
  std::string Sichtbar(int zeile) {
    return Feld((*GeheimdateiLesen(m_Daten.Pfad() / "LAENGE.DAT"))[static_cast<std::size_t>(zeile)], '\t', 1);
  }

  std::unique_ptr<Konverter> m_Konverter;
  std::vector<std::string> m_Fragen;
};

// A purge of hidden units renumbers the lines: the hit's line number must not
// make another unit visible.
TEST_F(Sprung, VeralteterTrefferAendertNichts) {
  TSuchobjekt rute = Treffer("Rute");
  rute.Dateizeile = 1;  // now Kilometer's line
  const auto r = Vorbereiten(rute);
  EXPECT_TRUE(!r.Erfolg && r.Fehler);
  EXPECT_EQ(Sichtbar(1) + Sichtbar(2), "jn");

  // A catalogue whose position now holds another file: no question, no change.
  TSuchobjekt verschoben = Treffer("Rute");
  verschoben.Gebietsnummer = 2;
  const auto v = Vorbereiten(verschoben);
  EXPECT_TRUE(!v.Erfolg && v.Fehler && m_Fragen.empty());
  EXPECT_EQ(Sichtbar(2), "n");
}

TEST_F(Sprung, AusgeblendeteEinheitNurMitPasswortAngezeigteOhneFrage) {
  const auto angezeigt = Vorbereiten(Treffer("Meter"));
  EXPECT_TRUE(angezeigt.Erfolg && !angezeigt.GebietNeuLaden && m_Fragen.empty());

  const auto abgelehnt = Vorbereiten(Treffer("Rute"), false);
  EXPECT_FALSE(abgelehnt.Erfolg || abgelehnt.GebietNeuLaden);
  EXPECT_EQ(Sichtbar(2), "n");

  const auto ja = Vorbereiten(Treffer("Rute"));
  EXPECT_TRUE(ja.Erfolg && ja.GebietNeuLaden);
  EXPECT_EQ(Sichtbar(2), "j");
  EXPECT_EQ(m_Fragen.size(), 1u);
}

}  // namespace
}  // namespace kolvaro::test
