// The special categories' routines on unit lists built in memory: the
// examples the conversions are known by, their messages and their limits.
// One conversion of each category on the shipped data is a golden case of
// kolvaro-cli (tests/cli/golden); those are not repeated here.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Sonderliste.h"
#include "gemeinsam/Testdaten.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

const std::string kBitteAendern = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
const char* const kKeine = "keine Angabe";

// A unit of the list; its row in the file is its place in the list.
struct E {
  E(const char* name, const char* land = "Sonstige Einheit", long double faktor = 1, const char* entspricht = "")
      : Name(name), Land(land), Faktor(faktor), Entspricht(entspricht) {}
  const char *Name, *Land;
  long double Faktor;
  const char* Entspricht;
};

// A conversion and the float text that one unit must show then; without a
// unit only that it succeeds.
struct Bsp {
  const char *Quelle, *Eingabe, *Ziel, *Fliess;
};

// An input refused with a message.
struct Falsch {
  const char *Quelle, *Eingabe;
  std::string Meldung;
};

class Sonder : public test::Sonderliste {
 protected:
  void Gebiet(Sonderroutine routine, const std::vector<E>& liste) {
    m_Routine = routine;
    m_Einheiten.clear();
    for (const E& e : liste) {
      TAusgabetextobject& t = Anhaengen(e.Name);
      t.Landname = Cp1252(e.Land);
      t.Faktor = e.Faktor;
      t.Entspricht = Cp1252(e.Entspricht);
    }
  }
  std::string Wiss(const char* name) const { return Cp1252NachUtf8(Einheit(name).ErgebnisWiss); }
  std::string Ergebnisse() const {
    std::string alle;
    for (const auto& e : m_Einheiten) alle += Cp1252NachUtf8(e.ErgebnisFliess + "|" + e.ErgebnisWiss) + "|";
    return alle;
  }

  void ErwarteBeispiele(std::initializer_list<Bsp> faelle) {
    for (const Bsp& b : faelle) {
      SCOPED_TRACE(std::string(b.Eingabe) + " " + b.Quelle + " -> " + b.Ziel);
      auto r = Rechnen(b.Eingabe, b.Quelle);
      EXPECT_TRUE(r.Erfolg) << Text(r);
      EXPECT_EQ(*b.Ziel ? Fliess(b.Ziel) : "", b.Fliess);
    }
  }
  void ErwarteMeldungen(std::initializer_list<Falsch> faelle) {
    for (const Falsch& f : faelle) EXPECT_EQ(Text(Rechnen(f.Eingabe, f.Quelle)), f.Meldung) << f.Quelle << f.Eingabe;
  }
};

// ---------------------------------------------------------------- fractions

TEST_F(Sonder, BruchZuDezimalzahl) {
  Gebiet(&BruecheUmrechnen, {"Bruch", "Dezimalzahl"});
  const std::tuple<const char*, const char*, const char*> faelle[] = {
      {"1/5", "1/5", "0,2000000000"},      {"6/3", "2", "2,0000000000"},      {"10/4", "2 1/2", "2,5000000000"},
      {"7/-3", "-2 1/3", "-2,3333333333"}, {"-1/3", "-1/3", "-0,3333333333"}, {" 1/5 ", "1/5", "0,2000000000"},
      {"12345/1", "12345", "12345,000000"}};
  for (const auto& [eingabe, bruch, dezimal] : faelle) {
    auto r = Rechnen(eingabe, "Bruch");
    ASSERT_TRUE(r.Erfolg) << eingabe << Text(r);
    EXPECT_EQ(Fliess("Bruch"), bruch) << eingabe;
    EXPECT_EQ(Wiss("Bruch"), bruch) << eingabe;
    EXPECT_EQ(Fliess("Dezimalzahl"), dezimal) << eingabe;
  }
  Gebiet(&BruecheUmrechnen, {"Bruch", "Dezimalzahl"});
  for (const char* e : {"0/5", "5/0", "a/5", "1.5/2", "99999999999/2"})
    EXPECT_EQ(Text(Rechnen(e, "Bruch")), kBitteAendern) << e;
  for (const char* e : {"/5", "5/", "5", ""})
    EXPECT_EQ(Text(Rechnen(e, "Bruch")), "Falsche Eingabe im Werteingabeld! Die Zahl ist kein Bruch! Richtig z.B. 1/5!")
        << e;
  EXPECT_TRUE(Fliess("Bruch").empty());  // nothing was written
}

TEST_F(Sonder, DezimalzahlZuBruch) {
  Gebiet(&BruecheUmrechnen, {"Bruch", "Dezimalzahl"});
  const std::pair<const char*, const char*> faelle[] = {{"0,75", "3/4"},    {"0,05", "1/20"},
                                                        {"0.125", "1/8"},   {"-2,5", "-2 1/2"},
                                                        {"3,10", "3 1/10"}, {"123456,123456789", "Zahl zu groß"}};
  for (const auto& [eingabe, bruch] : faelle) {
    auto r = Rechnen(eingabe, "Dezimalzahl");
    ASSERT_TRUE(r.Erfolg) << eingabe << Text(r);
    EXPECT_EQ(Fliess("Bruch"), bruch) << eingabe;
  }
  EXPECT_EQ(Fliess("Dezimalzahl"), "123456,12346");  // no thousands dots here
  const std::string ganz =
      "Falsche Eingabe im Werteingabeld! Die Zahl ist eine ganze Zahl und kann nicht in einen Bruch umgerechnet "
      "werden!";
  ErwarteMeldungen({Falsch{"Dezimalzahl", "3", ganz}, Falsch{"Dezimalzahl", "3,0", ganz},
                    Falsch{"Dezimalzahl", "0", kBitteAendern}});
  auto r = Rechnen("0,1234567891", "Dezimalzahl");
  EXPECT_EQ(Text(r), "Zahl im Eingabefeld zu groß!");
  EXPECT_TRUE(r.GebietNeuLaden);
  EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
}

// ----------------------------------------------------------- number systems

TEST_F(Sonder, Zahlensysteme) {
  Gebiet(&ZahlensystemeUmrechnen, {"Binärzahl", "Dezimalzahl", "Hexadezimalzahl", "Oktalzahl", "Römische Zahl"});
  // Every row: the binary, decimal, hexadecimal, octal and Roman texts of one input.
  const std::tuple<const char*, const char*, const char*> faelle[] = {
      {"Binärzahl", "111111111111111", "111111111111111|32767|7FFF|77777|Zahl zu groß|"},
      {"Dezimalzahl", "0", "0|0|0|0||"},
      {"Römische Zahl", "MCMXCIV", "11111001010|1994|7CA|3712|MCMXCIV|"},
      {"Dezimalzahl", "3888", "111100110000|3888|F30|7460|Zahl zu groß|"},
      {"Hexadezimalzahl", "7FFFFFFF", "Zahl zu groß|2147483647|7FFFFFFF|17777777777|Zahl zu groß|"},
      {"Oktalzahl", "777", "111111111|511|1FF|777|DXI|"},
      {"Binärzahl", "1111111111111111111111111111111", "Zahl zu groß|2147483647|7FFFFFFF|17777777777|Zahl zu groß|"}};
  for (const auto& [quelle, eingabe, alle] : faelle) {
    auto r = Rechnen(eingabe, quelle);
    ASSERT_TRUE(r.Erfolg) << eingabe;
    std::string texte;
    for (const auto& e : m_Einheiten) texte += Cp1252NachUtf8(e.ErgebnisFliess) + "|";
    EXPECT_EQ(texte, alle) << eingabe;
    EXPECT_TRUE(r.Nachher.empty()) << eingabe;  // only an unusual Roman numeral has a note (golden case)
  }
  const std::string nur = "Falsche Eingabe im Werteingabeld! Es sind nur ";
  const std::string zeichen = nur + "folgende Zeichen erlaubt: ";
  const std::string ganz = nur + "ganze Zahlen erlaubt!";
  // Values beyond 32 bits are refused instead of overflowing; negative decimals too.
  const std::string gross = "Zahl im Eingabefeld zu groß!";
  ErwarteMeldungen({Falsch{"Binärzahl", "102", nur + "1 und 0 erlaubt!"},
                    Falsch{"Hexadezimalzahl", "ff", zeichen + "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, A, B, C, D, E, F!"},
                    Falsch{"Oktalzahl", "8", zeichen + "0, 1, 2, 3, 4, 5, 6, 7!"},
                    Falsch{"Römische Zahl", "mcm", zeichen + "I, V, X, L, C, D, M!"},
                    Falsch{"Dezimalzahl", "1,5", ganz}, Falsch{"Dezimalzahl", "-5", ganz},
                    Falsch{"Dezimalzahl", "2147483648", gross}, Falsch{"Dezimalzahl", "99999999999999999999", gross},
                    Falsch{"Binärzahl", "11111111111111111111111111111111", gross},
                    Falsch{"Oktalzahl", "20000000000", gross}});
  EXPECT_EQ(Text(Rechnen("", "Hexadezimalzahl")).substr(0, 33), "Falsche Eingabe im Werteingabeld!");
  for (const char* e : {"80000000", "123456789"}) {
    auto r = Rechnen(e, "Hexadezimalzahl");
    EXPECT_EQ(Text(r), "Die Hexadezimalzahl ist zu groß!");
    EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
  }
}

// -------------------------------------------------------------- temperature

// The scales are known by their row; below absolute zero is still converted.
TEST_F(Sonder, Temperatur) {
  Gebiet(&TemperaturUmrechnen, {"C", "C1", "F", "K", "R", "C5", "F6", "R7", "Re", "K9", "Eigene"});
  ErwarteBeispiele({Bsp{"C5", "-40", "F", "-40,000000000"}, Bsp{"K9", "273,15", "C", "0,0000000000"},
                    Bsp{"K", "0", "C", "-273,15000000"}, Bsp{"K", "-10", "", ""}, Bsp{"Re", "80", "C", "100,00000000"},
                    Bsp{"R7", "671,67", "C", "100,00000000"}, Bsp{"C", "0", "Eigene", ""},
                    Bsp{"C", "0", "Re", "0,0000000000"}});
  EXPECT_EQ(Wiss("Re"), "0,000000E+0000");
  EXPECT_EQ(Text(Rechnen("warm", "C")), kBitteAendern);
  EXPECT_FALSE(Rechnen("20", "Eigene").Erfolg);  // an own unit cannot be the source
}

// ------------------------------------------------- currencies and world time

TEST_F(Sonder, Waehrungen) {
  Gebiet(&WaehrungenUmrechnen, {E{"Euro", "Europa", 1}, E{"Mark", "Deutschland", 0.51129188119622L},
                                E{"Taler", "Europa", 0}, E{"Schuld", "Europa", -2}});
  ErwarteBeispiele({Bsp{"Taler", "5", "Euro", "unbekannt"}, Bsp{"Mark", "195,583", "Euro", "100,00000000"},
                    Bsp{"Euro", "100", "Schuld", "unbekannt"}, Bsp{"Euro", "100", "Taler", "unbekannt"}});
  EXPECT_EQ(Wiss("Taler"), "unbekannt");
  EXPECT_EQ(Text(Rechnen("0", "Euro")), kBitteAendern);
}

// Baker and Kiritimati are 26 hours apart: the day count stays right instead of showing 25:59.
TEST_F(Sonder, Weltzeit) {
  Gebiet(&WeltzeitUmrechnen, {E{"Berlin", "Deutschland", 1}, E{"New York", "USA", -5}, E{"Delhi", "Indien", 5.5L},
                              E{"Kiritimati", "Kiribati", 14}, E{"Baker", "USA", -12}});
  ErwarteBeispiele({Bsp{"Delhi", "03:30", "Berlin", "23:00 Vortag"}, Bsp{"Berlin", "01:00", "New York", "19:00 Vortag"},
                    Bsp{"Berlin", "1:75", "Berlin", "02:15"}, Bsp{"Berlin", "24:00", "Berlin", "00:00"},
                    Bsp{"Baker", "23:59", "Kiritimati", "01:59 +2 Tage"},
                    Bsp{"Kiritimati", "00:30", "Baker", "22:30 -2 Tage"}});
  const std::string format = "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!";
  for (const char* e : {"24:01", "1200", "12:", ":30", "1:-5", "a:b", "25:00"})
    EXPECT_EQ(Text(Rechnen(e, "Berlin")), format) << e;
}

// --------------------------------------------------------------- shoe sizes

class Schuhe : public Sonder {
  void SetUp() override {
    Gebiet(&SchuhgroessenUmrechnen, {"Fußlänge/cm", "Schuhlänge/cm", "Zentimetersystem", "Mondopoint", "Größe Europa",
                                     "Size Großbrit. Erwachsene", "Size Großbrit. Kinder", "Size USA Männer",
                                     "Size USA Frauen", "Size USA Jungen", "Size USA Mädchen", "Eigene"});
  }
};

// A foot of 9 cm is below size 0 for adults; children's sizes end at 21 cm of foot (adults' go on:
// schuhgroessen_groesse_null).
TEST_F(Schuhe, Beispiele) {
  const char* const fuss = "Fußlänge/cm";
  ErwarteBeispiele({Bsp{fuss, "9", "Size Großbrit. Erwachsene", kKeine},
                    Bsp{fuss, "21,5", "Size Großbrit. Kinder", kKeine}, Bsp{fuss, "21,5", "Size USA Jungen", kKeine},
                    Bsp{fuss, "21,5", "Size USA Mädchen", kKeine}, Bsp{fuss, "34", "", ""},
                    Bsp{"Größe Europa", "42", "Eigene", kKeine}});
  EXPECT_EQ(Wiss("Größe Europa"), " 4.200000E+0001");  // this category shows the raw scientific text
  ASSERT_TRUE(Rechnen("21", fuss).Erfolg);
  EXPECT_NE(Fliess("Size USA Jungen"), kKeine);
  const std::string bereich = "Zahlenwert außerhalb Wertebereich! Diese Schuhgröße ist nicht definiert! ";
  ErwarteMeldungen({Falsch{fuss, "8,9", bereich}, Falsch{fuss, "34,1", bereich}});
}

// Size 0 is a size: taken to its own system or to another one that reaches
// exactly 0, it shows as 0,0, not as no size at all.
TEST_F(Schuhe, GroesseNull) {
  const char* const gbe = "Size Großbrit. Erwachsene";
  ErwarteBeispiele(
      {Bsp{"Size Großbrit. Kinder", "0", "Size Großbrit. Kinder", "0,0"},
       Bsp{"Size USA Männer", "0", "Size USA Männer", "0,0"}, Bsp{"Size USA Frauen", "0", "Size USA Frauen", "0,0"},
       Bsp{"Fußlänge/cm", "20,1665", gbe, "0,0"}, Bsp{"Size Großbrit. Kinder", "13", gbe, "0,0"},
       Bsp{"Mondopoint", "91,5992", "Size Großbrit. Kinder", "0,0"}, Bsp{"Fußlänge/cm", "20,16", gbe, kKeine}});
}

// -------------------------------------------------------------- hydrometers

class Araeometer : public Sonder {
  void SetUp() override {
    Gebiet(&AraeometerUmrechnen,
           {E{"Grad Baumé", "Niederlande", 1, "12,5° C"}, E{"Grad Baumé", "USA", 1, "15,56° C = 60° F"},
            E{"Grad Brix", "Deutschland", 1, "15,625° C = 12,5° R"}, E{"Grad Cartier", "Frankreich", 1, "12,5° C"},
            E{"Grad Fleischer", "Deutschland", 1, "17,5° C"}, E{"Grad Gay-Lussac", "Frankreich", 1, "15° C"},
            E{"Grad Twaddle", "Großbritannien", 1, "15,56° C"}, E{"Grad API", "USA", 1, "15,56° C = 60° F"},
            E{"Gramm/Zentimeter^3 bei 15° C", "SI-Einheit", 1, "15° C"},
            E{"Gramm/Zentimeter^3 bei 20° C", "SI-Einheit", 1, "20° C"}, E{"g/cm^3 bei Bezugstemperatur"},
            E{"g/cm^3 relativ Bezugstemp."}});
  }
};

// Just above water (1,0) Cartier's heavy value would be negative.
TEST_F(Araeometer, DichteOhneRueckfrage) {
  m_Frage = [](const Text1252&) -> FrageAntwort {
    ADD_FAILURE() << "keine Frage erwartet";
    return FrageAntwort::Abbrechen;
  };
  const char* const dichte = "Gramm/Zentimeter^3 bei 15° C";
  ErwarteBeispiele(
      {Bsp{dichte, "1,2", dichte, "1,2000000000"}, Bsp{dichte, "1,2", "Gramm/Zentimeter^3 bei 20° C", "1,1989238595"},
       Bsp{dichte, "1,2", "Grad API", kKeine}, Bsp{dichte, "1,2", "g/cm^3 bei Bezugstemperatur", "1,2000000000"},
       Bsp{dichte, "1,0", "Grad Cartier", kKeine}, Bsp{dichte, "0,8", "Grad Fleischer", kKeine},
       Bsp{dichte, "0,8", "Grad Twaddle", kKeine}});
  EXPECT_NE(Fliess("Grad API"), kKeine);
}

TEST_F(Araeometer, RueckfrageUndGrenzen) {
  std::vector<std::string> fragen;
  FrageAntwort antwort = FrageAntwort::Ja;
  m_Frage = [&](const Text1252& f) {
    fragen.push_back(f.Bytes());
    return antwort;
  };
  // The question and both answers' results are golden cases (araeometer_*): asked once per conversion.
  ASSERT_TRUE(Rechnen("20", "Grad Brix").Erfolg);
  EXPECT_EQ(fragen.size(), 1u);
  antwort = FrageAntwort::Abbrechen;
  auto r = Rechnen("30", "Grad Brix");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_FALSE(r.Fehler.has_value());
  EXPECT_EQ(Fliess("Grad Brix"), "20,000000000");  // the first answer's, unchanged

  // US Baumé (row 1) for light liquids: water reads 10 (140 / (130 + x)); the
  // way back is in the golden case araeometer_api_unter_10.
  antwort = FrageAntwort::Ja;
  ASSERT_TRUE(Rechnen("10", "Grad Baumé").Erfolg);
  EXPECT_EQ(Fliess("Gramm/Zentimeter^3 bei 15° C"), "0,9991258667");

  // Below the scale: a plain note before the results and the input corrected
  // (API below 10 is the golden case araeometer_api_unter_10).
  r = Rechnen("0,5", "Grad Gay-Lussac");
  ASSERT_TRUE(r.Erfolg);
  ASSERT_EQ(r.Vorher.size(), 1u);
  EXPECT_EQ(Cp1252NachUtf8(r.Vorher[0].Text), "Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!");
  EXPECT_EQ(r.Vorher[0].Art, Meldungsart::Schlicht);
  EXPECT_EQ(r.Eingabetext, "1");

  r = Rechnen("-1,1", "Gramm/Zentimeter^3 bei 15° C");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(r.Eingabetext, " 1,1");
  EXPECT_EQ(Fliess("Gramm/Zentimeter^3 bei 15° C"), "1,1000000000");

  r = Rechnen("1", "g/cm^3 relativ Bezugstemp.");
  EXPECT_FALSE(r.Erfolg);
  ASSERT_TRUE(r.Fehler.has_value());
  EXPECT_EQ(r.Fehler->Art, Meldungsart::Schlicht);
  EXPECT_EQ(Text(r), "Diese Einheit ist nur zu Vergleichszwecken vorhanden und kann nicht umgerechnet werden.");
  EXPECT_EQ(Text(Rechnen("x", "Grad API")), kBitteAendern);
}

// ---------------------------------------------------------------- viscosity

// clang-format off
const std::vector<std::string> kViskositaet = {
    "Kopf 1", "Kopf 2", "Kopf 3", "Kopf 4", "1,0\t1,00\t28,8\t27,7", "2,0\t1,12\t32,6\t30,8", "10,0\t1,84\t58,9\t52,0",
    "100,0\t13,2\t463,0\t410,0", "1000,0\t131,6\t4629,0\t4082,0"};
// clang-format on

class Viskositaet : public Sonder {
  void SetUp() override {
    Gebiet(&ViskositaetUmrechnen, {"Meter^2/Sekunde", "Millimeter^2/Sekunde", "Centistoke", "Engler-Grad",
                                   "Saybolt-Sekunde", "Redwood-Sekunde", "Eigene"});
    test::Verschluesselt(m_Verzeichnis.Pfad() / "STOFFW12.NFO", kViskositaet);
  }
};

// 10 mm²/s is a row of the table: its value; 55 lies halfway between 1,84
// and 13,2, and back; both ends of the table are inside.
TEST_F(Viskositaet, TabelleUndInterpolation) {
  const char* const mm2 = "Millimeter^2/Sekunde";
  const char* const engler = "Engler-Grad";
  ErwarteBeispiele({Bsp{mm2, "55", engler, "7,5200000000"}, Bsp{engler, "7,52", mm2, "55,000000000"},
                    Bsp{engler, "131,6", "", ""}, Bsp{engler, "1", "", ""}, Bsp{mm2, "10", engler, "1,8400000000"},
                    Bsp{mm2, "10", "Centistoke", "10,000000000"}, Bsp{mm2, "10", "Eigene", kKeine},
                    Bsp{mm2, "10", "Meter^2/Sekunde", "0,0000100000"}});
  EXPECT_EQ(Wiss("Meter^2/Sekunde"), " 1.000000E-0005");
  ErwarteMeldungen(
      {Falsch{engler, "0,99", "Eingabe außerhalb des gültigen Wertebereiches (1 bis 131,6)!"},
       Falsch{"Meter^2/Sekunde", "0,002", "Eingabe außerhalb des gültigen Wertebereiches (10^-6 bis 10^-3)!"}});
}

// A missing table leaves the results; a damaged one says what is wrong with
// which line of the file (rows out of order: the command-line test).
TEST_F(Viskositaet, FehlendeOderBeschaedigteTabelle) {
  ASSERT_TRUE(Rechnen("10", "Millimeter^2/Sekunde").Erfolg);
  std::filesystem::remove(m_Verzeichnis.Pfad() / "STOFFW12.NFO");
  auto r = Rechnen("20", "Millimeter^2/Sekunde");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_EQ(Text(r), "Die Datei STOFFW12.NFO konnte nicht geöffnet werden!");
  EXPECT_EQ(Fliess("Centistoke"), "10,000000000");

  const std::string datei = "Die Datei STOFFW12.NFO ist beschädigt: ", abbruch = ". Der Vorgang wurde abgebrochen.";
  const std::pair<std::vector<std::string>, std::string> faelle[] = {
      {{"2,0\t1,00\t32,6\t30,8"},
       "Zeile 6 ist in Spalte 2 nicht größer als die Zeile davor (die Spalten müssen aufsteigen)"},
      {{"2,0\t1,12\tviel\t30,8"}, "Zeile 6 hat in Spalte 3 keine Zahl über 0"},
      {{"2,0\t1,12\t32,6"}, "Zeile 6 hat in Spalte 4 keine Zahl über 0"},
      {{"", "-2,0\t1,12\t32,6\t30,8"}, "Zeile 7 hat in Spalte 1 keine Zahl über 0"},
      {{}, "sie hat weniger als zwei Tabellenzeilen"}};
  for (const auto& [zeilen, meldung] : faelle) {
    std::vector<std::string> tabelle(kViskositaet.begin(), kViskositaet.begin() + 5);  // header and first row
    tabelle.insert(tabelle.end(), zeilen.begin(), zeilen.end());
    test::Verschluesselt(m_Verzeichnis.Pfad() / "STOFFW12.NFO", tabelle);
    r = Rechnen("20", "Millimeter^2/Sekunde");
    EXPECT_FALSE(r.Erfolg);
    EXPECT_EQ(Text(r), datei + meldung + abbruch);
  }
}

// ---------------------------------------------------------------- calendars

// The units of "Kalender" by their row in its file; the arithmetic and the
// limits are KalenderTest's and the golden cases kalender_*.
// clang-format off
const char* const kKalender[] = {
    "Julianisches Datum", "Julianisches Datum, modifiziert", "Julianisches Datum, truncated", "Lilianisches Datum",
    "Julianischer Kalender (12 Uhr)", "Gregorianischer Kalender (12 Uhr)", "Abendländischer Kalender (12 Uhr)",
    "Jüdischer Kalender", "Franz. Revolutionskalender", "Islamischer Kalender", "Iranischer Kalender (neu)",
    "Iranischer Kalender (Yazdegard)", "Ägyptischer Kalender (Nabon.)", "Armenischer Kalender",
    "Äthiopischer Kalender", "Koptischer Kalender", "Bahá'i Kalender", "Indischer Kalender (Saka)", "Maya-Kalender"};
// clang-format on

// Each unit reads 1 January 2000 in its own form, found by its name, not
// its place (the list is reversed); a refused input names the unit's form,
// is marked and leaves every result as it was.
TEST_F(Sonder, KalenderJedeEinheitLiestIhreForm) {
  const char* const jahr2000[] = {"2451545",     "51544",      "11544",      "152385",     "19.12.1999", "01.01.2000",
                                  "01.01.2000",  "23.04.5760", "",           "25.09.1420", "11.10.1378", "13.06.1369",
                                  "13.09.2748",  "08.06.1449", "22.04.1992", "22.04.1716", "02.16.156",  "11.10.1921",
                                  "12.19.6.15.2"};
  Gebiet(&KalenderUmrechnen, std::vector<E>(std::begin(kKalender), std::end(kKalender)));
  std::reverse(m_Einheiten.begin(), m_Einheiten.end());
  for (std::size_t i = 0; i < std::size(kKalender); ++i) {
    if (!*jahr2000[i]) continue;  // the revolutionary calendar had ended by then
    auto r = Rechnen(jahr2000[i], kKalender[i]);
    EXPECT_TRUE(r.Erfolg && !r.Fehler) << kKalender[i] << ": " << Text(r);
    EXPECT_EQ(Fliess("Julianisches Datum"), "2451545") << kKalender[i];
  }
  const std::string form = kBitteAendern + "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850";
  const std::tuple<const char*, const char*, std::string> faelle[] = {
      {"Lilianisches Datum", "1,5",
       kBitteAendern +
           "Bitte geben Sie das \"Lilianische Datum\" in der folgenden Form ein: 45205. Nachkommastellen sind nicht "
           "möglich."},
      {"Jüdischer Kalender", "1.1.2000", form},
      {"Koptischer Kalender", "01.01.0",
       form + " oder 20.03.-1000. Die Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht existiert."},
      {"Maya-Kalender", "12.19.6.15",
       kBitteAendern + "Bitte geben Sie das Datum des Maya-Kalenders in der folgenden Form ein: 7.17.18.13.1"}};
  const std::string vorher = Ergebnisse();
  for (const auto& [einheit, eingabe, meldung] : faelle) {
    auto r = Rechnen(eingabe, einheit);
    EXPECT_FALSE(r.Erfolg) << einheit;
    EXPECT_EQ(Text(r), meldung);
    EXPECT_EQ(r.FokusDanach, Fokus::FokusUndMarkieren) << einheit;
    EXPECT_EQ(Ergebnisse(), vorher) << einheit;
  }
}

// What a conversion needs of a unit's factor field, by category (the
// converter tests show the units whose field falls short without a number).
TEST(Faktormangel, NachGebiet) {
  const std::string faktor = "keinen gültigen Umrechnungsfaktor";
  const std::string zeit = "keine gültige Zeitverschiebung (höchstens 24 Stunden)";
  const std::tuple<const char*, long double, bool, std::string> faelle[] = {
      {"Länge", 0.3048L, false, ""},     {"Länge", -1, false, faktor}, {"Weltzeit", -24, false, ""},
      {"Weltzeit", 24.01L, false, zeit}, {"Währungen", 0, false, ""},  {"Währungen", -2, false, ""},
      {"Temperatur", 0, true, ""}};
  for (const auto& [gebiet, wert, unlesbar, mangel] : faelle) {
    TAusgabetextobject e;
    e.Faktor = wert;
    e.FaktorUnlesbar = unlesbar;
    EXPECT_EQ(Cp1252NachUtf8(FaktorMangel(Cp1252(gebiet), e)), mangel) << gebiet << " " << static_cast<double>(wert);
  }
}

}  // namespace
}  // namespace kolvaro
