// Own units: the line each dialog writes, the refusals of what cannot be
// stored or converted, and the insertion at the alphabetical place with
// every other line of the file left as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "editing/EigeneEinheit.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::Einheitenzeile;
using test::Schreibsperre;

TEST(EigeneEinheit, FaktorLesenStreng) {
  const std::pair<const char*, double> gut[] = {{"1,5", 1.5},  {"  1.5", 1.5},  {"-2", -2.0},
                                                {"+3e2", 300}, {"2E-3", 0.002}, {"7", 7}};
  for (const auto& [text, wert] : gut) {
    auto gelesen = FaktorLesen(text);
    ASSERT_TRUE(gelesen) << text;
    EXPECT_DOUBLE_EQ(static_cast<double>(*gelesen), wert) << text;
  }
  for (const char* text : {"", "1.5 ", "1,5.3", "1,5,3", "abc", "1e", "1e99999", "inf", "0x10", "1 5"})
    EXPECT_FALSE(FaktorLesen(text)) << '"' << text << '"';
}

EigeneEingabe Eingabe(const char* name, const char* faktor) {
  EigeneEingabe e;
  e.Edit1 = Cp1252(name);
  e.Edit2 = "kz";
  e.Land = "Deutschland";
  e.Edit3 = "drei";
  e.Edit4 = "vier";
  e.Edit5 = faktor;
  e.Edit6 = "sechs";
  return e;
}

TEST(EigeneEinheit, ZeileJeDialog) {
  // Fields 1..18 each followed by TAB, field 19 empty.
  EXPECT_EQ(EigeneZeileBauen(Eigenart::Gewoehnlich, Eingabe("Elle", "1,5")),
            "j\tj\t\t1\tDeutschland\t1\tkz\tElle\t1,5\tdrei\t\tvier\t\t\t\t\t\t\t");
  EXPECT_EQ(EigeneZeileBauen(Eigenart::Waehrung, Eingabe("Taler", "0,5")),
            "j\tj\t\t1\tDeutschland\t1\tkz\tTaler\t0,5\t\tvier\t\tsechs\tdrei\t\t\t\t\t");
  EXPECT_EQ(EigeneZeileBauen(Eigenart::Weltzeit, Eingabe("Kabul", "270")),
            "j\tj\t\t1\tDeutschland\t1\tkz\tKabul\t 4.50000000000000E+0000\t\tdrei\t\t\t\t\t\t\t\t");
}

TEST(EigeneEinheit, WeltzeitInStunden) {
  EXPECT_EQ(WeltzeitFaktor(90), " 1.50000000000000E+0000");
  EXPECT_EQ(WeltzeitFaktor(-330), "-5.50000000000000E+0000");
  EXPECT_EQ(Feld(EigeneZeileBauen(Eigenart::Weltzeit, Eingabe("Null", "0")), '\t', 9), " 0.00000000000000E+0000");
}

TEST(EigeneEinheit, Ablehnungen) {
  struct Fall {
    Eigenart Art;
    const char* Name;
    const char* Faktor;
    Eingabefeld Feld;
    const char* Text;  // empty: accepted
  } faelle[] = {
      {Eigenart::Gewoehnlich, "", "1", Eingabefeld::Edit1, "Bitte im Feld \"Name der Einheit\" einen Namen eingeben!"},
      {Eigenart::Waehrung, "   ", "1", Eingabefeld::Edit1, "Bitte im Feld \"Name der Währung\" einen Namen eingeben!"},
      {Eigenart::Gewoehnlich, "Elle", "", Eingabefeld::Edit5,
       "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!"},
      {Eigenart::Gewoehnlich, "Elle", "1,5 ", Eingabefeld::Edit5,
       "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!"},
      {Eigenart::Weltzeit, "Zone", "1,5,", Eingabefeld::Edit5,
       "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!"},
      {Eigenart::Gewoehnlich, "Elle", "0", Eingabefeld::Edit5,
       "Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!"},
      {Eigenart::Gewoehnlich, "Elle", "-1", Eingabefeld::Edit5,
       "Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!"},
      {Eigenart::Gewoehnlich, "Elle", "1e999999", Eingabefeld::Edit5,
       "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!"},
      {Eigenart::Waehrung, "Taler", "0", Eingabefeld::Edit5, ""},  // rate not known
      {Eigenart::Waehrung, "Taler", "-0,1", Eingabefeld::Edit5,
       "Der Umrechnungsfaktor darf nicht negativ sein (0 steht für einen unbekannten Kurs)! Bitte ändern!"},
      {Eigenart::Weltzeit, "Zone", "-330", Eingabefeld::Edit5, ""},
      {Eigenart::Weltzeit, "Zone", "0", Eingabefeld::Edit5, ""},
      {Eigenart::Weltzeit, "Zone", "1440", Eingabefeld::Edit5, ""},
      {Eigenart::Weltzeit, "Zone", "1441", Eingabefeld::Edit5,
       "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! Bitte ändern!"},
      {Eigenart::Weltzeit, "Zone", "90,5", Eingabefeld::Edit5,
       "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! Bitte ändern!"},
  };
  for (const auto& f : faelle) {
    auto fehler = EigeneEingabePruefen(f.Art, Eingabe(f.Name, f.Faktor));
    if (!*f.Text) {
      EXPECT_FALSE(fehler) << f.Faktor;
      continue;
    }
    ASSERT_TRUE(fehler) << f.Name << " / " << f.Faktor;
    EXPECT_EQ(fehler->Feld, f.Feld);
    EXPECT_EQ(fehler->Text.Art, Meldungsart::Information);
    EXPECT_EQ(Cp1252NachUtf8(fehler->Text.Text), f.Text);
  }
}

TEST(EigeneEinheit, ZeichenDieDieZeileZerbraechenNenntDasFeld) {
  struct Fall {
    Eigenart Art;
    std::string EigeneEingabe::*Ziel;
    Eingabefeld Feld;
    const char* Beschriftung;
  } faelle[] = {
      {Eigenart::Gewoehnlich, &EigeneEingabe::Edit1, Eingabefeld::Edit1, "Name der Einheit"},
      {Eigenart::Gewoehnlich, &EigeneEingabe::Edit2, Eingabefeld::Edit2, "Kurzzeichen"},
      {Eigenart::Gewoehnlich, &EigeneEingabe::Edit3, Eingabefeld::Edit3, "Weiterer Name"},
      {Eigenart::Gewoehnlich, &EigeneEingabe::Edit4, Eingabefeld::Edit4, "Einsatzgebiet"},
      {Eigenart::Waehrung, &EigeneEingabe::Edit3, Eingabefeld::Edit3, "Wert bwz. ca.Wert"},
      {Eigenart::Waehrung, &EigeneEingabe::Edit4, Eingabefeld::Edit4, "Stand (Datum)"},
      {Eigenart::Waehrung, &EigeneEingabe::Edit6, Eingabefeld::Edit6, "entspricht"},
      {Eigenart::Weltzeit, &EigeneEingabe::Edit3, Eingabefeld::Edit3, "Sommerzeit (von..bis)"},
  };
  for (const char* boese : {"a\tb", "a\r\nb", "a\x01", "\xFF"}) {
    for (const auto& f : faelle) {
      EigeneEingabe e = Eingabe("Elle", "2");
      e.*f.Ziel = boese;
      auto fehler = EigeneEingabePruefen(f.Art, e);
      ASSERT_TRUE(fehler) << f.Beschriftung;
      EXPECT_EQ(fehler->Feld, f.Feld);
      EXPECT_NE(Cp1252NachUtf8(fehler->Text.Text).find(std::string("\"") + f.Beschriftung + "\""), std::string::npos)
          << Cp1252NachUtf8(fehler->Text.Text);
    }
  }
  // A field the dialog does not have is never written, so never refused.
  EigeneEingabe e = Eingabe("Zone", "60");
  e.Edit4 = "a\tb";
  e.Edit6 = "a\tb";
  EXPECT_FALSE(EigeneEingabePruefen(Eigenart::Weltzeit, e));
}

class EigeneEinheitEinsortieren : public ::testing::Test {
 protected:
  void SetUp() override {
    m_Zeilen = {Einheitenzeile("j", "SI-Einheit", "", "Bar", "1"), Einheitenzeile("j", "SI-Einheit", "", "elle", "2"),
                Einheitenzeile("n", "SI-Einheit", "", "Meter", "3"),
                Einheitenzeile("j", "SI-Einheit", "", "Zoll", "4")};
    test::Verschluesselt(Pfad(), m_Zeilen);
    auto geheim = DateiLaden(Pfad());
    ASSERT_TRUE(geheim);
    m_Geheim = *geheim;
  }
  std::filesystem::path Pfad() const { return m_Verzeichnis.Pfad() / "TEST.DAT"; }
  std::vector<std::string> Klartext() {
    auto zeilen = GeheimdateiLesen(Pfad());
    EXPECT_TRUE(zeilen);
    return zeilen ? *zeilen : std::vector<std::string>{};
  }
  test::TempVerzeichnis m_Verzeichnis;
  std::vector<std::string> m_Zeilen;
  std::vector<std::string> m_Geheim;
};

TEST_F(EigeneEinheitEinsortieren, AnDerAlphabetischenStelleDieAnderenZeilenUnberuehrt) {
  struct Fall {
    const char* Name;
    std::size_t Position;
  } faelle[] = {
      {"Ar", 0},                     // before every unit
      {"Zwerg", 4},                  // after every unit
      {"ELLE", 1},                   // equal but for case: before the existing one
      {"bar", 0},   {"Äquator", 4},  // an umlaut sorts after Z
      {"Z_", 4},                     // "_" lies after the letters once they are folded to upper case
      {"Mast", 2},                   // a hidden line counts like any other
  };
  for (const auto& f : faelle) {
    SetUp();
    const std::string neu = EigeneZeileBauen(Eigenart::Gewoehnlich, Eingabe(f.Name, "1,5"));
    auto position = EinheitEinsortieren(m_Verzeichnis.Pfad(), "TEST.DAT", neu, Cp1252(f.Name));
    ASSERT_TRUE(position) << f.Name;
    EXPECT_EQ(*position, f.Position) << f.Name;
    auto klartext = Klartext();
    ASSERT_EQ(klartext.size(), 5u);
    EXPECT_EQ(klartext[f.Position], neu);
    // Every old line is the very text that was stored, not a new ciphering.
    auto geheim = DateiLaden(Pfad());
    ASSERT_TRUE(geheim);
    std::vector<std::string> ohneNeue = *geheim;
    ohneNeue.erase(ohneNeue.begin() + static_cast<std::ptrdiff_t>(f.Position));
    EXPECT_EQ(ohneNeue, m_Geheim) << f.Name;
  }
  // The factor stays as typed, comma and all.
  EXPECT_EQ(Feld(Klartext()[2], '\t', 9), "1,5");
}

TEST_F(EigeneEinheitEinsortieren, LeereDatei) {
  test::Schreiben(Pfad(), {});
  auto position = EinheitEinsortieren(m_Verzeichnis.Pfad(), "TEST.DAT", "neu", "Neu");
  ASSERT_TRUE(position);
  EXPECT_EQ(*position, 0u);
  EXPECT_EQ(Klartext(), std::vector<std::string>{"neu"});
}

TEST_F(EigeneEinheitEinsortieren, FehlschlagLaesstDieDateiWieSieWar) {
  const auto vorher = DateiInhalt(Pfad());
  ASSERT_TRUE(vorher);
  {
    Schreibsperre sperre;
    auto ergebnis =
        EigeneEinheitEinfuegen(m_Verzeichnis.Pfad(), "TEST.DAT", Eigenart::Gewoehnlich, Eingabe("Elle", "2"));
    ASSERT_TRUE(ergebnis.Schreibfehler);
    EXPECT_EQ(ergebnis.Schreibfehler->Text, NichtGeschriebenMeldung("TEST.DAT").Text);
  }
  EXPECT_EQ(*DateiInhalt(Pfad()), *vorher);
  // No temporary file is left beside it.
  int dateien = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_Verzeichnis.Pfad())) ++dateien;
  EXPECT_EQ(dateien, 1);
}

TEST_F(EigeneEinheitEinsortieren, FehlendeOderBeschaedigteDatei) {
  auto fehlt = EigeneEinheitEinfuegen(m_Verzeichnis.Pfad(), "FEHLT.DAT", Eigenart::Gewoehnlich, Eingabe("Elle", "2"));
  ASSERT_TRUE(fehlt.Schreibfehler);
  EXPECT_EQ(fehlt.Schreibfehler->Text, NichtGeschriebenMeldung("FEHLT.DAT").Text);
  EXPECT_FALSE(std::filesystem::exists(m_Verzeichnis.Pfad() / "FEHLT.DAT"));

  auto geheim = m_Geheim;
  geheim[0] = "kein Geheimtext";
  test::Schreiben(Pfad(), geheim);
  auto beschaedigt =
      EigeneEinheitEinfuegen(m_Verzeichnis.Pfad(), "TEST.DAT", Eigenart::Gewoehnlich, Eingabe("Zz", "2"));
  ASSERT_TRUE(beschaedigt.Schreibfehler);
  EXPECT_EQ(*DateiLaden(Pfad()), geheim);

  // A file cut off in its last line stays cut: written back with a line
  // break, it would pass for a whole one.
  const std::string ganz = *DateiInhalt(Pfad()), abgeschnitten = ganz.substr(0, ganz.size() - 6);
  ASSERT_TRUE(SchreibeAtomarRoh(Pfad(), abgeschnitten));
  auto geschnitten =
      EigeneEinheitEinfuegen(m_Verzeichnis.Pfad(), "TEST.DAT", Eigenart::Gewoehnlich, Eingabe("Zz", "2"));
  ASSERT_TRUE(geschnitten.Schreibfehler);
  EXPECT_EQ(geschnitten.Schreibfehler->Text, ZeilenendePruefen(abgeschnitten, "TEST.DAT").Fehler().Text);
  EXPECT_EQ(*DateiInhalt(Pfad()), abgeschnitten);
  test::Schreiben(Pfad(), geheim);

  // A refused input never touches the file.
  const auto vorher = DateiInhalt(Pfad());
  auto abgelehnt = EigeneEinheitEinfuegen(m_Verzeichnis.Pfad(), "TEST.DAT", Eigenart::Gewoehnlich, Eingabe("Zz", "0"));
  EXPECT_TRUE(abgelehnt.Fehler);
  EXPECT_EQ(*DateiInhalt(Pfad()), *vorher);
}

}  // namespace
}  // namespace kolvaro
