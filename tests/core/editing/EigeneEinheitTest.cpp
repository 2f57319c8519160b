// Own units: the line each dialog writes, the refusals of what cannot be
// stored or converted, and the insertion at the alphabetical place with
// every other line of the file left as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "basis/Alphabet.h"
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

// The fields each dialog shows third, fourth and sixth hold "drei", "vier", "sechs".
EigeneEingabe Eingabe(const char* name, const char* faktor) {
  EigeneEingabe e;
  e.Name = Cp1252(name);
  e.Kurzzeichen = "kz";
  e.Land = "Deutschland";
  e.SonstigeNamen = e.CaWert = e.Sommerzeit = "drei";
  e.Einsatzgebiet = e.Stand = "vier";
  e.Entspricht = "sechs";
  e.Faktor = Cp1252(faktor);
  return e;
}

TEST(EigeneEinheit, ZeileJeDialogWeltzeitInStunden) {
  // Fields 1..18 each followed by TAB, field 19 empty.
  EXPECT_EQ(EigeneZeileBauen(Eigenart::Gewoehnlich, Eingabe("Elle", "1,5")),
            "j\tj\t\t1\tDeutschland\t1\tkz\tElle\t1,5\tdrei\t\tvier\t\t\t\t\t\t\t");
  EXPECT_EQ(EigeneZeileBauen(Eigenart::Waehrung, Eingabe("Taler", "0,5")),
            "j\tj\t\t1\tDeutschland\t1\tkz\tTaler\t0,5\t\tvier\t\tsechs\tdrei\t\t\t\t\t");
  EXPECT_EQ(EigeneZeileBauen(Eigenart::Weltzeit, Eingabe("Kabul", "270")),
            "j\tj\t\t1\tDeutschland\t1\tkz\tKabul\t 4.50000000000000E+0000\t\tdrei\t\t\t\t\t\t\t\t");
  EXPECT_EQ(Feld(EigeneZeileBauen(Eigenart::Weltzeit, Eingabe("Null", "0")), '\t', 9), " 0.00000000000000E+0000");
}

// Which factors are refused is FaktorpruefungTest's: here that each dialog
// checks its factor as its kind, with the focus on it, and the name first.
TEST(EigeneEinheit, Ablehnungen) {
  const std::string null = "Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!",
                    zone =
                        "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! "
                        "Bitte ändern!";
  const std::string kein = "";  // accepted
  using E = Eigenart;
  const struct {
    Eigenart Art;
    const char *Name, *Faktor;
    std::string Text;
  } faelle[] = {{E::Gewoehnlich, "Elle", "0", null},
                {E::Waehrung, "Taler", "0", kein},  // rate not known
                {E::Weltzeit, "Zone", "-330", kein},
                {E::Weltzeit, "Zone", "90,5", zone},
                {E::Gewoehnlich, "", "1", "Bitte im Feld \"Name der Einheit\" einen Namen eingeben!"},
                {E::Waehrung, "   ", "x", "Bitte im Feld \"Name der Währung\" einen Namen eingeben!"}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(std::string(f.Name) + " / " + f.Faktor);
    const Rechenergebnis geprueft = EigeneEingabePruefen(f.Art, Eingabe(f.Name, f.Faktor));
    ASSERT_EQ(!geprueft.Erfolg, !f.Text.empty());
    if (geprueft.Erfolg) continue;
    EXPECT_EQ(geprueft.Feld, *f.Name && f.Name[0] != ' ' ? Eingabefeld::Faktor : Eingabefeld::Name);
    EXPECT_EQ(geprueft.Fehler.value().Art, Meldungsart::Information);
    EXPECT_EQ(Cp1252NachUtf8(geprueft.Fehler->Text), f.Text);
  }
}

// Which characters break a line is EingabepruefungTest's: here that each
// field of each dialog is checked, under its own label.
TEST(EigeneEinheit, ZeichenDieDieZeileZerbraechenNenntDasFeld) {
  using E = EigeneEingabe;
  const struct {
    Eigenart Art;
    Text1252 EigeneEingabe::*Ziel;
    Eingabefeld Feld;
    const char* Beschriftung;
  } faelle[] = {{Eigenart::Gewoehnlich, &E::Name, Eingabefeld::Name, "Name der Einheit"},
                {Eigenart::Gewoehnlich, &E::Kurzzeichen, Eingabefeld::Kurzzeichen, "Kurzzeichen"},
                {Eigenart::Gewoehnlich, &E::SonstigeNamen, Eingabefeld::SonstigeNamen, "Weiterer Name"},
                {Eigenart::Gewoehnlich, &E::Einsatzgebiet, Eingabefeld::Einsatzgebiet, "Einsatzgebiet"},
                {Eigenart::Waehrung, &E::CaWert, Eingabefeld::CaWert, "Wert bwz. ca.Wert"},
                {Eigenart::Waehrung, &E::Stand, Eingabefeld::Stand, "Stand (Datum)"},
                {Eigenart::Waehrung, &E::Entspricht, Eingabefeld::Entspricht, "entspricht"},
                {Eigenart::Weltzeit, &E::Sommerzeit, Eingabefeld::Sommerzeit, "Sommerzeit (von..bis)"}};
  for (const char* boese : {"a\tb", "\xFF"}) {
    for (const auto& f : faelle) {
      SCOPED_TRACE(f.Beschriftung);
      EigeneEingabe e = Eingabe("Elle", "2");
      e.*f.Ziel = Text1252(std::string_view(boese));  // the bytes as typed
      const Rechenergebnis geprueft = EigeneEingabePruefen(f.Art, e);
      ASSERT_FALSE(geprueft.Erfolg);
      EXPECT_EQ(geprueft.Feld, f.Feld);
      EXPECT_NE(Cp1252NachUtf8(geprueft.Fehler.value().Text).find(std::string("\"") + f.Beschriftung + "\""),
                std::string::npos);
    }
  }
  // A field the dialog does not have is never written, so never refused.
  EigeneEingabe e = Eingabe("Zone", "60");
  e.Einsatzgebiet = e.Entspricht = e.Stand = "a\tb";
  EXPECT_TRUE(EigeneEingabePruefen(Eigenart::Weltzeit, e).Erfolg);
}

class EigeneEinheitEinsortieren : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Verschluesselt(
        Pfad(),
        {Einheitenzeile("j", "SI-Einheit", "", "Bar", "1"), Einheitenzeile("j", "SI-Einheit", "", "elle", "2"),
         Einheitenzeile("n", "SI-Einheit", "", "Meter", "3"), Einheitenzeile("j", "SI-Einheit", "", "Zoll", "4")});
    m_Geheim = *DateiLaden(Pfad());
  }
  std::filesystem::path Pfad() const { return m_Verzeichnis.Pfad() / "TEST.DAT"; }
  std::vector<std::string> Klartext() { return *GeheimdateiLesen(Pfad()); }
  Rechenergebnis Einfuegen(const char* datei, const char* name, const char* faktor) {
    return EigeneEinheitEinfuegen(m_Verzeichnis.Pfad(), datei, Eigenart::Gewoehnlich, Eingabe(name, faktor));
  }
  test::TempVerzeichnis m_Verzeichnis;
  std::vector<std::string> m_Geheim;
};

TEST_F(EigeneEinheitEinsortieren, AnDerAlphabetischenStelleDieAnderenZeilenUnberuehrt) {
  const std::pair<const char*, std::size_t> faelle[] = {
      {"Ar", 0},   {"Zwerg", 4},    // before and after every unit
      {"ELLE", 1},                  // equal but for case: before the existing one
      {"bar", 0},  {"Übermaß", 3},  // Ü is read as UE, so it goes before Zoll
      {"Z_", 4},                    // "_" lies after the letters once they are folded to upper case
      {"Mast", 2}                   // a hidden line counts like any other
  };
  for (const auto& [name, position] : faelle) {
    SCOPED_TRACE(name);
    SetUp();
    const std::string neu = EigeneZeileBauen(Eigenart::Gewoehnlich, Eingabe(name, "1,5"));
    EXPECT_EQ(*EinheitEinsortieren(m_Verzeichnis.Pfad(), "TEST.DAT", neu, Cp1252(name)), position);
    EXPECT_EQ(Klartext().at(position), neu);
    // Every old line is the very text that was stored, not a new ciphering.
    std::vector<std::string> ohneNeue = *DateiLaden(Pfad());
    ohneNeue.erase(ohneNeue.begin() + static_cast<std::ptrdiff_t>(position));
    EXPECT_EQ(ohneNeue, m_Geheim);
  }

  test::Schreiben(Pfad(), {});
  EXPECT_EQ(*EinheitEinsortieren(m_Verzeichnis.Pfad(), "TEST.DAT", "neu", "Neu"), 0u);
  EXPECT_EQ(Klartext(), std::vector<std::string>{"neu"});
}

// In the shipped "Länge" an own "Ölfass" joins the O's, where the data tool
// put "Öl", and the file stays in the order the list shows as alphabetical.
TEST_F(EigeneEinheitEinsortieren, InDieGeliefertenDatenInDerenOrdnung) {
  const auto ziel = m_Verzeichnis.Pfad() / "LAENGE.DAT";
  std::filesystem::copy_file(std::filesystem::path(KOLVARO_DATEN_DIR) / "LAENGE.DAT", ziel);
  const std::string neu = EigeneZeileBauen(Eigenart::Gewoehnlich, Eingabe("Ölfass", "0,5"));
  const auto position = EinheitEinsortieren(m_Verzeichnis.Pfad(), "LAENGE.DAT", neu, Cp1252("Ölfass"));
  ASSERT_TRUE(position);
  const auto zeilen = *GeheimdateiLesen(ziel);
  ASSERT_GT(*position, 0u);
  EXPECT_EQ(test::AlsUtf8(Feld(zeilen.at(*position - 1), '\t', 8)), "Öl");
  for (std::size_t i = 1; i < zeilen.size(); ++i)
    EXPECT_LE(AlphabetischVergleichen(Feld(zeilen[i - 1], '\t', 8), Feld(zeilen[i], '\t', 8)), 0) << i;
}

TEST_F(EigeneEinheitEinsortieren, FehlschlagLaesstDieDateiWieSieWar) {
  const auto vorher = *DateiInhalt(Pfad());
  {
    test::Schreibsperre sperre;
    EXPECT_EQ(Einfuegen("TEST.DAT", "Elle", "2").Fehler.value().Text, NichtGeschriebenMeldung("TEST.DAT").Text);
  }
  EXPECT_EQ(*DateiInhalt(Pfad()), vorher);
}

TEST_F(EigeneEinheitEinsortieren, FehlendeOderBeschaedigteDatei) {
  EXPECT_EQ(Einfuegen("FEHLT.DAT", "Elle", "2").Fehler.value().Text, NichtGeschriebenMeldung("FEHLT.DAT").Text);
  EXPECT_FALSE(std::filesystem::exists(m_Verzeichnis.Pfad() / "FEHLT.DAT"));

  auto geheim = m_Geheim;
  geheim[0] = "kein Geheimtext";
  test::Schreiben(Pfad(), geheim);
  EXPECT_TRUE(Einfuegen("TEST.DAT", "Zz", "2").Fehler);
  EXPECT_EQ(*DateiLaden(Pfad()), geheim);

  // A file cut off in its last line stays cut: written back with a line
  // break, it would pass for a whole one.
  const std::string ganz = *DateiInhalt(Pfad()), abgeschnitten = ganz.substr(0, ganz.size() - 6);
  ASSERT_TRUE(SchreibeAtomarRoh(Pfad(), abgeschnitten));
  EXPECT_EQ(Einfuegen("TEST.DAT", "Zz", "2").Fehler.value().Text,
            ZeilenendePruefen(abgeschnitten, "TEST.DAT").Fehler().Text);
  EXPECT_EQ(*DateiInhalt(Pfad()), abgeschnitten);

  // A refused input never touches the file.
  test::Schreiben(Pfad(), m_Geheim);
  const Rechenergebnis abgelehnt = Einfuegen("TEST.DAT", "Zz", "0");
  EXPECT_TRUE(abgelehnt.Fehler);
  EXPECT_EQ(abgelehnt.Feld, Eingabefeld::Faktor);
  EXPECT_EQ(*DateiLaden(Pfad()), m_Geheim);
}

}  // namespace
}  // namespace kolvaro
