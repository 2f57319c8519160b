// What typed fields may hold before they go into a data file. The line
// built from them is checked with each command that writes one. Factors
// follow one rule wherever they are typed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "basis/Zeichensatz.h"
#include "editing/Eingabepruefung.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

TEST(Eingabepruefung, ZeichenDieDieDateienZerbraechen) {
  EXPECT_TRUE(FeldPruefen(test::DateiBytes("Fuß (alt) – 1/3 · ½ € ©"), "Name der Einheit"));
  EXPECT_TRUE(FeldPruefen("", "Name der Einheit"));
  struct Fall {
    const char* Text;
    Feldart Art;
    const char* Grund;
  } faelle[] = {{"a\tb", Feldart::Zeilenfeld, "einen Tabulator"},
                {"a\r\nb", Feldart::Zeilenfeld, "einen Zeilenumbruch"},
                {"a\nb", Feldart::Infotext, "einen einzelnen Zeilenvorschub"},
                {"a*b", Feldart::Infotext, "einen Stern (*), der die Texte trennt"},
                {"a\x01", Feldart::Zeilenfeld, "ein Steuerzeichen"},
                {"a\x7F", Feldart::Infotext, "ein Steuerzeichen"},
                {"\xFF", Feldart::Zeilenfeld, "das Zeichen \"ÿ\", das Kolvaro nicht speichern kann"}};
  for (const auto& f : faelle) {
    auto geprueft = FeldPruefen(f.Text, "Kurzzeichen", f.Art);
    ASSERT_FALSE(geprueft) << f.Grund;
    EXPECT_EQ(Cp1252NachUtf8(geprueft.Fehler().Text),
              std::string("Das Feld \"Kurzzeichen\" enthält ") + f.Grund + ". Bitte ändern!");
  }
  EXPECT_TRUE(FeldPruefen("Zeile 1\r\nZeile 2", "Information", Feldart::Infotext));
  EXPECT_TRUE(FeldPruefen("5*3", "Kurzzeichen"));  // a star only ends an information block
}

TEST(Eingabepruefung, Dateinamen) {
  for (const char* gut : {"SCHALLPE", "A", "x_1-2", "LPT10"}) EXPECT_TRUE(DateinamePruefen(gut)) << gut;
  for (const char* schlecht : {"", "NEUNZEICH", "../X", "A/B", "A.B", "A B", "\xC4RGER", "con", "Nul", "COM1"})
    EXPECT_FALSE(DateinamePruefen(schlecht)) << schlecht;
}

TEST(Faktorpruefung, EineRegelAnJederStelle) {
  const std::string
      keineZahl = "?",  // each place's own wording
      null = "Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!",
      negativ = "Der Umrechnungsfaktor darf nicht negativ sein (0 steht für einen unbekannten Kurs)! Bitte ändern!",
      bereich = "Der Umrechnungsfaktor muss zwischen 1E-300 und 1E300 liegen! Bitte ändern!",
      zone =
          "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! Bitte "
          "ändern!";
  using A = Faktorart;
  const struct {
    const char* Text;
    Faktorart Art;
    long double Wert;
    std::string Meldung;  // empty: accepted with Wert
  } faelle[] = {
      {"1,5", A::Einheit, 1.5L, ""},
      {"1.5", A::Einheit, 1.5L, ""},
      {"  2,5E-3", A::Einheit, 0.0025L, ""},
      {"+1e300", A::Einheit, 1e300L, ""},
      {"0", A::Einheit, 0, null},
      {"-0,3048", A::Einheit, 0, null},
      {"-1e5000", A::Einheit, 0, null},
      {"0", A::Kurs, 0.0L, ""},
      {"-0", A::Kurs, 0.0L, ""},
      {"0,9", A::Kurs, 0.9L, ""},
      {"-0,5", A::Kurs, 0, negativ},
      {"1e301", A::Einheit, 0, bereich},
      {"1e400", A::Kurs, 0, bereich},  // a long double, but no double
      {"1e5000", A::Einheit, 0, bereich},
      {"0,0000001e-299", A::Kurs, 0, bereich},
      {"1e-5000", A::Einheit, 0, bereich},
      {"", A::Einheit, 0, keineZahl},
      {"   ", A::Kurs, 0, keineZahl},
      {"abc", A::Einheit, 0, keineZahl},
      {"1,5 ", A::Einheit, 0, keineZahl},  // trailing blank
      {"1,5.3", A::Kurs, 0, keineZahl},
      {"2 m", A::Einheit, 0, keineZahl},
      {"1e", A::Einheit, 0, keineZahl},
      {"inf", A::Einheit, 0, keineZahl},
      {"0x10", A::Einheit, 0, keineZahl},
      {"-330", A::Zeitdifferenz, -330.0L, ""},
      {"0", A::Zeitdifferenz, 0.0L, ""},
      {"1440", A::Zeitdifferenz, 1440.0L, ""},
      {"-1440", A::Zeitdifferenz, -1440.0L, ""},
      {"90,0", A::Zeitdifferenz, 90.0L, ""},
      {"90,5", A::Zeitdifferenz, 0, zone},
      {"1441", A::Zeitdifferenz, 0, zone},
      {"-1E32", A::Zeitdifferenz, 0, zone},
      {"1e-5000", A::Zeitdifferenz, 0, zone},
      {"eine Stunde", A::Zeitdifferenz, 0, keineZahl},
  };
  const struct {
    Faktorstelle Stelle;
    const char* KeineZahl;
    Meldungsart Art;
  } stellen[] = {
      {Faktorstelle::Einfuegen, "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!",
       Meldungsart::Information},
      {Faktorstelle::Aendern, "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!", Meldungsart::Information},
      {Faktorstelle::Kurstabelle, "Falsche Eingabe, bitte berichtigen!", Meldungsart::Fehler}};
  for (const auto& stelle : stellen) {
    for (const auto& f : faelle) {
      SCOPED_TRACE(std::string("\"") + f.Text + "\" an Stelle " + std::to_string(static_cast<int>(stelle.Stelle)));
      const auto ergebnis = FaktorPruefen(f.Text, f.Art, stelle.Stelle);
      if (f.Meldung.empty()) {
        ASSERT_TRUE(ergebnis) << Cp1252NachUtf8(ergebnis.Fehler().Text);
        EXPECT_EQ(*ergebnis, f.Wert);
        EXPECT_FALSE(std::signbit(*ergebnis) && *ergebnis == 0.0L);
        continue;
      }
      ASSERT_FALSE(ergebnis);
      EXPECT_EQ(Cp1252NachUtf8(ergebnis.Fehler().Text), f.Meldung == keineZahl ? stelle.KeineZahl : f.Meldung);
      EXPECT_EQ(ergebnis.Fehler().Art, stelle.Art);
    }
  }
}

}  // namespace
}  // namespace kolvaro
