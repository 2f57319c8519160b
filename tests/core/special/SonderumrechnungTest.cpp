// The special categories' routines on unit lists built in memory: the
// examples the conversions are known by, their messages and their limits.
// One conversion of each category on the shipped data is a golden case of
// kolvaro-cli (tests/cli/golden); those are not repeated here.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Testdaten.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

const std::string kBitteAendern = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";

struct E {
  const char* Name;
  int Zeile;
  const char* Land = "Sonstige Einheit";
  long double Faktor = 1;
  const char* Entspricht = "";
};

class Sonder : public ::testing::Test {
 protected:
  template <std::size_t N>
  void Einheiten(const E (&liste)[N]) {
    m_Einheiten.clear();
    for (const auto& e : liste) {
      TAusgabetextobject t;
      t.Einheitenname = Cp1252(e.Name);
      t.Dateizeile = e.Zeile;
      t.Landname = Cp1252(e.Land);
      t.Faktor = e.Faktor;
      t.Entspricht = Cp1252(e.Entspricht);
      m_Einheiten.push_back(t);
    }
  }
  Rechenergebnis Rechnen(Sonderroutine routine, const char* eingabe, const char* quelle) {
    m_Eingabe = Cp1252(eingabe);
    int auswahl = -1;
    for (std::size_t i = 0; i < m_Einheiten.size(); ++i)
      if (m_Einheiten[i].Einheitenname == Cp1252(quelle)) auswahl = static_cast<int>(i);
    EXPECT_GE(auswahl, 0) << quelle;
    Sonderkontext k{m_Eingabe, m_Einheiten, auswahl, m_Verzeichnis.Pfad(), m_Frage};
    return routine(k);
  }
  std::string Fliess(const char* name) const { return Utf8(Einheit(name).ErgebnisFliess); }
  std::string Wiss(const char* name) const { return Utf8(Einheit(name).ErgebnisWiss); }
  const TAusgabetextobject& Einheit(const char* name) const {
    for (const auto& e : m_Einheiten)
      if (e.Einheitenname == Cp1252(name)) return e;
    ADD_FAILURE() << name;
    return m_Einheiten.front();
  }
  static std::string Utf8(const std::string& s) { return Cp1252NachUtf8(s); }
  static std::string Text(const Rechenergebnis& r) { return r.Fehler ? Utf8(r.Fehler->Text) : std::string(); }

  // A conversion and the float text that one unit must show then; without
  // a unit only that it succeeds.
  struct Beispiel {
    const char* Quelle;
    const char* Eingabe;
    const char* Ziel;
    const char* Fliess;
  };
  template <std::size_t N>
  void ErwarteBeispiele(Sonderroutine routine, const Beispiel (&faelle)[N]) {
    for (const Beispiel& b : faelle) {
      SCOPED_TRACE(std::string(b.Eingabe) + " " + b.Quelle + " -> " + b.Ziel);
      auto r = Rechnen(routine, b.Eingabe, b.Quelle);
      EXPECT_TRUE(r.Erfolg) << Text(r);
      if (*b.Ziel) {
        EXPECT_EQ(Fliess(b.Ziel), b.Fliess);
      }
    }
  }
  // An input refused with a message.
  struct Falsch {
    const char* Quelle;
    const char* Eingabe;
    std::string Meldung;
  };
  template <std::size_t N>
  void ErwarteMeldungen(Sonderroutine routine, const Falsch (&faelle)[N]) {
    for (const Falsch& f : faelle)
      EXPECT_EQ(Text(Rechnen(routine, f.Eingabe, f.Quelle)), f.Meldung) << f.Quelle << " " << f.Eingabe;
  }

  std::vector<TAusgabetextobject> m_Einheiten;
  std::string m_Eingabe;
  test::TempVerzeichnis m_Verzeichnis;
  Rueckfrage m_Frage;
};

// ---------------------------------------------------------------- fractions

class Brueche : public Sonder {
 protected:
  void SetUp() override { Einheiten({{"Bruch", 0}, {"Dezimalzahl", 1}}); }
};

TEST_F(Brueche, BruchZuDezimalzahl) {
  struct Fall {
    const char *Eingabe, *Bruch, *Dezimal;
  } faelle[] = {{"1/5", "1/5", "0,2000000000"},    {"7/3", "2 1/3", "2,3333333333"},
                {"6/3", "2", "2,0000000000"},      {"3/3", "1", "1,0000000000"},
                {"10/4", "2 1/2", "2,5000000000"}, {"7/-3", "-2 1/3", "-2,3333333333"},
                {"-1/3", "-1/3", "-0,3333333333"}, {"-6/3", "-2", "-2,0000000000"},
                {" 1/5 ", "1/5", "0,2000000000"},  {"12345/1", "12345", "12345,000000"}};
  for (const auto& f : faelle) {
    auto r = Rechnen(&BruecheUmrechnen, f.Eingabe, "Bruch");
    ASSERT_TRUE(r.Erfolg) << f.Eingabe << Text(r);
    EXPECT_EQ(Fliess("Bruch"), f.Bruch) << f.Eingabe;
    EXPECT_EQ(Wiss("Bruch"), f.Bruch) << f.Eingabe;
    EXPECT_EQ(Fliess("Dezimalzahl"), f.Dezimal) << f.Eingabe;
  }
}

TEST_F(Brueche, FalscheBrueche) {
  for (const char* e : {"0/5", "5/0", "a/5", "1.5/2", "99999999999/2"})
    EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, e, "Bruch")), kBitteAendern) << e;
  for (const char* e : {"/5", "5/", "5", ""})
    EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, e, "Bruch")),
              "Falsche Eingabe im Werteingabeld! Die Zahl ist kein Bruch! Richtig z.B. 1/5!")
        << e;
  EXPECT_TRUE(Fliess("Bruch").empty());  // nothing was written
}

TEST_F(Brueche, DezimalzahlZuBruch) {
  struct Fall {
    const char *Eingabe, *Bruch;
  } faelle[] = {{"0,75", "3/4"},   {"2,5", "2 1/2"},   {"0,05", "1/20"},   {"0.125", "1/8"},
                {"-0,75", "-3/4"}, {"-2,5", "-2 1/2"}, {"3,10", "3 1/10"}, {"123456,123456789", "Zahl zu groß"}};
  for (const auto& f : faelle) {
    auto r = Rechnen(&BruecheUmrechnen, f.Eingabe, "Dezimalzahl");
    ASSERT_TRUE(r.Erfolg) << f.Eingabe << Text(r);
    EXPECT_EQ(Fliess("Bruch"), f.Bruch) << f.Eingabe;
  }
  EXPECT_EQ(Fliess("Dezimalzahl"), "123456,12346");  // no thousands dots here
}

TEST_F(Brueche, DezimalzahlFehler) {
  const std::string ganz =
      "Falsche Eingabe im Werteingabeld! Die Zahl ist eine ganze Zahl und kann nicht in einen Bruch umgerechnet "
      "werden!";
  const Falsch faelle[] = {
      {"Dezimalzahl", "3", ganz}, {"Dezimalzahl", "3,0", ganz}, {"Dezimalzahl", "0", kBitteAendern}};
  ErwarteMeldungen(&BruecheUmrechnen, faelle);
  auto r = Rechnen(&BruecheUmrechnen, "0,1234567891", "Dezimalzahl");
  EXPECT_EQ(Text(r), "Zahl im Eingabefeld zu groß!");
  EXPECT_TRUE(r.GebietNeuLaden);
  EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
}

// ----------------------------------------------------------- number systems

class Zahlensysteme : public Sonder {
 protected:
  void SetUp() override {
    Einheiten({{"Binärzahl", 0}, {"Dezimalzahl", 1}, {"Hexadezimalzahl", 2}, {"Oktalzahl", 3}, {"Römische Zahl", 4}});
  }
  std::string Alle() const {
    std::string t;
    for (const char* n : {"Binärzahl", "Dezimalzahl", "Hexadezimalzahl", "Oktalzahl", "Römische Zahl"})
      t += Fliess(n) + "|";
    return t;
  }
};

TEST_F(Zahlensysteme, Umrechnungen) {
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
    auto r = Rechnen(&ZahlensystemeUmrechnen, eingabe, quelle);
    ASSERT_TRUE(r.Erfolg) << eingabe;
    EXPECT_EQ(Alle(), alle) << eingabe;
    EXPECT_TRUE(r.Nachher.empty()) << eingabe;  // only an unusual Roman numeral has a note (golden case)
  }
}

TEST_F(Zahlensysteme, Fehler) {
  const std::string nur = "Falsche Eingabe im Werteingabeld! Es sind nur ";
  const std::string zeichen = nur + "folgende Zeichen erlaubt: ";
  const std::string ganz = nur + "ganze Zahlen erlaubt!";
  // Values beyond 32 bits are refused instead of overflowing; negative decimals too.
  const std::string gross = "Zahl im Eingabefeld zu groß!";
  const Falsch faelle[] = {{"Binärzahl", "102", nur + "1 und 0 erlaubt!"},
                           {"Hexadezimalzahl", "ff", zeichen + "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, A, B, C, D, E, F!"},
                           {"Oktalzahl", "8", zeichen + "0, 1, 2, 3, 4, 5, 6, 7!"},
                           {"Römische Zahl", "mcm", zeichen + "I, V, X, L, C, D, M!"},
                           {"Dezimalzahl", "1,5", ganz},
                           {"Dezimalzahl", "-5", ganz},
                           {"Dezimalzahl", "2147483648", gross},
                           {"Dezimalzahl", "99999999999999999999", gross},
                           {"Binärzahl", "11111111111111111111111111111111", gross},
                           {"Oktalzahl", "20000000000", gross}};
  ErwarteMeldungen(&ZahlensystemeUmrechnen, faelle);
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "", "Hexadezimalzahl")).substr(0, 33),
            "Falsche Eingabe im Werteingabeld!");
  for (const char* e : {"80000000", "123456789"}) {
    auto r = Rechnen(&ZahlensystemeUmrechnen, e, "Hexadezimalzahl");
    EXPECT_EQ(Text(r), "Die Hexadezimalzahl ist zu groß!");
    EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
  }
}

// -------------------------------------------------------------- temperature

class Temperatur : public Sonder {
 protected:
  void SetUp() override {
    const E einheiten[] = {{"C", 0},  {"C1", 1}, {"F", 2},  {"K", 3},  {"R", 4},      {"C5", 5},
                           {"F6", 6}, {"R7", 7}, {"Re", 8}, {"K9", 9}, {"Eigene", 10}};
    Einheiten(einheiten);
  }
};

TEST_F(Temperatur, Beispiele) {
  // Below absolute zero is still converted.
  const Beispiel faelle[] = {
      {"C5", "-40", "F", "-40,000000000"}, {"C", "-30,1", "F", "-22,180000000"},  {"K9", "273,15", "C", "0,0000000000"},
      {"K", "0", "C", "-273,15000000"},    {"K", "0", "F", "-459,67000000"},      {"K", "-10", "", ""},
      {"Re", "80", "C", "100,00000000"},   {"R7", "671,67", "C", "100,00000000"}, {"C", "0", "Eigene", ""},
      {"C", "0", "Re", "0,0000000000"}};
  ErwarteBeispiele(&TemperaturUmrechnen, faelle);
  EXPECT_EQ(Wiss("Re"), "0,000000E+0000");
}

TEST_F(Temperatur, Fehler) {
  EXPECT_EQ(Text(Rechnen(&TemperaturUmrechnen, "warm", "C")), kBitteAendern);
  EXPECT_FALSE(Rechnen(&TemperaturUmrechnen, "20", "Eigene").Erfolg);  // an own unit cannot be the source
}

// --------------------------------------------------------------- currencies

TEST_F(Sonder, Waehrungen) {
  const E einheiten[] = {{"Euro", 0, "Europa", 1},
                         {"Mark", 1, "Deutschland", 0.51129188119622L},
                         {"Taler", 2, "Europa", 0},
                         {"Schuld", 3, "Europa", -2}};
  Einheiten(einheiten);
  const Beispiel faelle[] = {{"Taler", "5", "Euro", "unbekannt"},
                             {"Euro", "100", "Euro", "100,00000000"},
                             {"Euro", "100", "Mark", "195,58300000"},
                             {"Euro", "100", "Schuld", "unbekannt"},
                             {"Euro", "100", "Taler", "unbekannt"}};
  ErwarteBeispiele(&WaehrungenUmrechnen, faelle);
  EXPECT_EQ(Wiss("Taler"), "unbekannt");
  EXPECT_EQ(Text(Rechnen(&WaehrungenUmrechnen, "0", "Euro")), kBitteAendern);
}

// --------------------------------------------------------------- world time

TEST_F(Sonder, Weltzeit) {
  const E einheiten[] = {{"Berlin", 0, "Deutschland", 1}, {"Tokio", 1, "Japan", 9},          {"New York", 2, "USA", -5},
                         {"Delhi", 3, "Indien", 5.5L},    {"Kiritimati", 4, "Kiribati", 14}, {"Baker", 5, "USA", -12}};
  Einheiten(einheiten);
  // Baker and Kiritimati are 26 hours apart: the day count stays right instead of showing 25:59.
  const Beispiel faelle[] = {
      {"Berlin", "23:00", "Tokio", "07:00 nä. Tag"},    {"Berlin", "23:00", "New York", "17:00"},
      {"Berlin", "23:00", "Berlin", "23:00"},           {"Berlin", "23:00", "Delhi", "03:30 nä. Tag"},
      {"Berlin", "01:00", "New York", "19:00 Vortag"},  {"Berlin", "1:75", "Berlin", "02:15"},
      {"Berlin", "24:00", "Berlin", "00:00"},           {"Baker", "23:59", "Kiritimati", "01:59 +2 Tage"},
      {"Kiritimati", "00:30", "Baker", "22:30 -2 Tage"}};
  ErwarteBeispiele(&WeltzeitUmrechnen, faelle);
  const std::string format = "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!";
  for (const char* e : {"24:01", "1200", "12:", ":30", "-1:00", "1:-5", "a:b", "25:00"})
    EXPECT_EQ(Text(Rechnen(&WeltzeitUmrechnen, e, "Berlin")), format) << e;
}

// --------------------------------------------------------------- shoe sizes

class Schuhe : public Sonder {
 protected:
  void SetUp() override {
    const E einheiten[] = {{"Fußlänge/cm", 0},           {"Schuhlänge/cm", 1},
                           {"Zentimetersystem", 2},      {"Mondopoint", 3},
                           {"Größe Europa", 4},          {"Size Großbrit. Erwachsene", 5},
                           {"Size Großbrit. Kinder", 6}, {"Size USA Männer", 7},
                           {"Size USA Frauen", 8},       {"Size USA Jungen", 9},
                           {"Size USA Mädchen", 10},     {"Eigene", 11}};
    Einheiten(einheiten);
  }
};

TEST_F(Schuhe, Beispiele) {
  const char* const fuss = "Fußlänge/cm";
  const char* const europa = "Größe Europa";
  const char* const keine = "keine Angabe";
  // A foot of 9 cm is below size 0 for adults.
  const Beispiel faelle[] = {{fuss, "9", "Size Großbrit. Erwachsene", keine},
                             {fuss, "21,5", "Size Großbrit. Kinder", keine},
                             {fuss, "21,5", "Size USA Jungen", keine},
                             {fuss, "21,5", "Size USA Mädchen", keine},
                             {fuss, "34", "", ""},
                             {europa, "42", "Eigene", keine}};
  ErwarteBeispiele(&SchuhgroessenUmrechnen, faelle);
  EXPECT_EQ(Wiss(europa), " 4.200000E+0001");  // this category shows the raw scientific text
  // Children's sizes end at 21 cm of foot, adults' go on.
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "21", fuss).Erfolg);
  EXPECT_NE(Fliess("Size USA Jungen"), keine);
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "21,5", fuss).Erfolg);
  EXPECT_NE(Fliess("Size USA Männer"), keine);
  const std::string bereich = "Zahlenwert außerhalb Wertebereich! Diese Schuhgröße ist nicht definiert! ";
  const Falsch falsch[] = {{fuss, "8,9", bereich}, {fuss, "34,1", bereich}};
  ErwarteMeldungen(&SchuhgroessenUmrechnen, falsch);
}

// Size 0 is a size: taken to its own system or to another one that reaches
// exactly 0, it shows as 0,0, not as no size at all.
TEST_F(Schuhe, GroesseNull) {
  const char* const gbe = "Size Großbrit. Erwachsene";
  const Beispiel faelle[] = {{gbe, "0", gbe, "0,0"},
                             {"Size Großbrit. Kinder", "0", "Size Großbrit. Kinder", "0,0"},
                             {"Size USA Männer", "0", "Size USA Männer", "0,0"},
                             {"Size USA Frauen", "0", "Size USA Frauen", "0,0"},
                             {"Fußlänge/cm", "20,1665", gbe, "0,0"},
                             {"Mondopoint", "201,665", gbe, "0,0"},
                             {"Size USA Männer", "0,5", gbe, "0,0"},
                             {"Size Großbrit. Kinder", "13", gbe, "0,0"},
                             {"Fußlänge/cm", "9,15992", "Size Großbrit. Kinder", "0,0"},
                             {"Mondopoint", "91,5992", "Size Großbrit. Kinder", "0,0"},
                             {"Fußlänge/cm", "20,16", gbe, "keine Angabe"}};
  ErwarteBeispiele(&SchuhgroessenUmrechnen, faelle);
}

// -------------------------------------------------------------- hydrometers

class Araeometer : public Sonder {
 protected:
  void SetUp() override {
    Einheiten({{"Grad Baumé", 0, "Niederlande", 1, "12,5° C"},
               {"Grad Baumé", 1, "USA", 1, "15,56° C = 60° F"},
               {"Grad Brix", 2, "Deutschland", 1, "15,625° C = 12,5° R"},
               {"Grad Cartier", 3, "Frankreich", 1, "12,5° C"},
               {"Grad Fleischer", 4, "Deutschland", 1, "17,5° C"},
               {"Grad Gay-Lussac", 5, "Frankreich", 1, "15° C"},
               {"Grad Twaddle", 6, "Großbritannien", 1, "15,56° C"},
               {"Grad API", 7, "USA", 1, "15,56° C = 60° F"},
               {"Gramm/Zentimeter^3 bei 15° C", 8, "SI-Einheit", 1, "15° C"},
               {"Gramm/Zentimeter^3 bei 20° C", 9, "SI-Einheit", 1, "20° C"},
               {"g/cm^3 bei Bezugstemperatur", 10},
               {"g/cm^3 relativ Bezugstemp.", 11}});
  }
};

TEST_F(Araeometer, DichteOhneRueckfrage) {
  m_Frage = [](const std::string&) -> FrageAntwort {
    ADD_FAILURE() << "keine Frage erwartet";
    return FrageAntwort::Abbrechen;
  };
  const char* const dichte = "Gramm/Zentimeter^3 bei 15° C";
  const char* const keine = "keine Angabe";
  // Just above water (1,0) Cartier's heavy value would be negative.
  const Beispiel faelle[] = {
      {dichte, "1,2", dichte, "1,2000000000"}, {dichte, "1,2", "Gramm/Zentimeter^3 bei 20° C", "1,1989238595"},
      {dichte, "1,2", "Grad API", keine},      {dichte, "1,2", "g/cm^3 bei Bezugstemperatur", "1,2000000000"},
      {dichte, "1,0", "Grad Cartier", keine},  {dichte, "0,8", "Grad Fleischer", keine},
      {dichte, "0,8", "Grad Twaddle", keine}};
  ErwarteBeispiele(&AraeometerUmrechnen, faelle);
  EXPECT_NE(Fliess("Grad API"), keine);
}

TEST_F(Araeometer, RueckfrageUndGrenzen) {
  std::vector<std::string> fragen;
  FrageAntwort antwort = FrageAntwort::Ja;
  m_Frage = [&](const std::string& f) {
    fragen.push_back(Utf8(f));
    return antwort;
  };
  // The question and both answers' results are golden cases (araeometer_*): asked once per conversion.
  ASSERT_TRUE(Rechnen(&AraeometerUmrechnen, "20", "Grad Brix").Erfolg);
  EXPECT_EQ(fragen.size(), 1u);
  EXPECT_EQ(Fliess("Grad Brix"), "20,000000000");
  antwort = FrageAntwort::Abbrechen;
  auto r = Rechnen(&AraeometerUmrechnen, "30", "Grad Brix");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_FALSE(r.Fehler.has_value());
  EXPECT_EQ(Fliess("Grad Brix"), "20,000000000");  // unchanged

  // US Baumé for light liquids: water reads 10 (140 / (130 + x)), and back.
  antwort = FrageAntwort::Ja;
  m_Eingabe = "10";
  {
    Sonderkontext k{m_Eingabe, m_Einheiten, 1, m_Verzeichnis.Pfad(), m_Frage};  // row 1: Baumé, USA
    ASSERT_TRUE(AraeometerUmrechnen(k).Erfolg);
  }
  EXPECT_EQ(Fliess("Gramm/Zentimeter^3 bei 15° C"), "0,9991258667");
  EXPECT_EQ(Utf8(m_Einheiten[1].ErgebnisFliess), "10,000000000");

  // Below the scale: a plain note before the results and the input corrected
  // (API below 10 is the golden case araeometer_api_unter_10).
  r = Rechnen(&AraeometerUmrechnen, "0,5", "Grad Gay-Lussac");
  ASSERT_TRUE(r.Erfolg);
  ASSERT_EQ(r.Vorher.size(), 1u);
  EXPECT_EQ(Utf8(r.Vorher[0].Text), "Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!");
  EXPECT_EQ(r.Vorher[0].Art, Meldungsart::Schlicht);
  EXPECT_EQ(r.Eingabetext, "1");

  r = Rechnen(&AraeometerUmrechnen, "-1,1", "Gramm/Zentimeter^3 bei 15° C");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(r.Eingabetext, " 1,1");
  EXPECT_EQ(Fliess("Gramm/Zentimeter^3 bei 15° C"), "1,1000000000");

  r = Rechnen(&AraeometerUmrechnen, "1", "g/cm^3 relativ Bezugstemp.");
  EXPECT_FALSE(r.Erfolg);
  ASSERT_TRUE(r.Fehler.has_value());
  EXPECT_EQ(r.Fehler->Art, Meldungsart::Schlicht);
  EXPECT_EQ(Text(r), "Diese Einheit ist nur zu Vergleichszwecken vorhanden und kann nicht umgerechnet werden.");
  EXPECT_EQ(Text(Rechnen(&AraeometerUmrechnen, "x", "Grad API")), kBitteAendern);
}

// ---------------------------------------------------------------- viscosity

class Viskositaet : public Sonder {
 protected:
  void SetUp() override {
    const E einheiten[] = {{"Meter^2/Sekunde", 0}, {"Millimeter^2/Sekunde", 1}, {"Centistoke", 2}, {"Engler-Grad", 3},
                           {"Saybolt-Sekunde", 4}, {"Redwood-Sekunde", 5},      {"Eigene", 6}};
    Einheiten(einheiten);
    test::Verschluesselt(m_Verzeichnis.Pfad() / "STOFFW12.NFO",
                         {"Kopf 1", "Kopf 2", "Kopf 3", "Kopf 4", "1,0\t1,00\t28,8\t27,7", "2,0\t1,12\t32,6\t30,8",
                          "10,0\t1,84\t58,9\t52,0", "100,0\t13,2\t463,0\t410,0", "1000,0\t131,6\t4629,0\t4082,0"});
  }
};

TEST_F(Viskositaet, TabelleUndInterpolation) {
  const char* const mm2 = "Millimeter^2/Sekunde";
  const char* const engler = "Engler-Grad";
  // 10 mm²/s is a row of the table: its value; 55 lies halfway between 1,84
  // and 13,2, and back; both ends of the table are inside.
  const Beispiel faelle[] = {{mm2, "55", engler, "7,5200000000"},
                             {engler, "7,52", mm2, "55,000000000"},
                             {mm2, "1", "Meter^2/Sekunde", "0,0000010000"},
                             {engler, "131,6", "", ""},
                             {engler, "1", "", ""},
                             {mm2, "10", engler, "1,8400000000"},
                             {mm2, "10", "Centistoke", "10,000000000"},
                             {mm2, "10", "Eigene", "keine Angabe"},
                             {mm2, "10", "Meter^2/Sekunde", "0,0000100000"}};
  ErwarteBeispiele(&ViskositaetUmrechnen, faelle);
  EXPECT_EQ(Wiss("Meter^2/Sekunde"), " 1.000000E-0005");
  const std::string bereich = "Eingabe außerhalb des gültigen Wertebereiches (1 bis 131,6)!";
  const Falsch falsch[] = {
      {engler, "0,99", bereich},
      {"Meter^2/Sekunde", "0,002", "Eingabe außerhalb des gültigen Wertebereiches (10^-6 bis 10^-3)!"}};
  ErwarteMeldungen(&ViskositaetUmrechnen, falsch);
}

TEST_F(Viskositaet, FehlendeOderBeschaedigteTabelle) {
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "10", "Millimeter^2/Sekunde").Erfolg);
  std::filesystem::remove(m_Verzeichnis.Pfad() / "STOFFW12.NFO");
  auto r = Rechnen(&ViskositaetUmrechnen, "20", "Millimeter^2/Sekunde");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_EQ(Text(r), "Die Datei STOFFW12.NFO konnte nicht geöffnet werden!");
  EXPECT_EQ(Fliess("Centistoke"), "10,000000000");  // results stay
}

// A damaged table says what is wrong with which line of the file.
TEST_F(Viskositaet, BeschaedigteTabelle) {
  const std::vector<std::string> kopf = {"Kopf 1", "Kopf 2", "Kopf 3", "Kopf 4"};
  const std::string zeile1 = "1,0\t1,00\t28,8\t27,7", zeile2 = "2,0\t1,12\t32,6\t30,8",
                    zeile3 = "10,0\t1,84\t58,9\t52,0";
  const std::string datei = "Die Datei STOFFW12.NFO ist beschädigt: ", abbruch = ". Der Vorgang wurde abgebrochen.";
  const struct {
    std::vector<std::string> Zeilen;
    std::string Meldung;
  } faelle[] = {
      {{zeile1, zeile3, zeile2},
       datei + "Zeile 7 ist in Spalte 1 nicht größer als die Zeile davor (die Spalten müssen aufsteigen)" + abbruch},
      {{zeile1, "2,0\t1,00\t32,6\t30,8"},
       datei + "Zeile 6 ist in Spalte 2 nicht größer als die Zeile davor (die Spalten müssen aufsteigen)" + abbruch},
      {{zeile1, "2,0\t1,12\tviel\t30,8"}, datei + "Zeile 6 hat in Spalte 3 keine Zahl über 0" + abbruch},
      {{zeile1, "2,0\t1,12\t32,6"}, datei + "Zeile 6 hat in Spalte 4 keine Zahl über 0" + abbruch},
      {{zeile1, "", "-2,0\t1,12\t32,6\t30,8"}, datei + "Zeile 7 hat in Spalte 1 keine Zahl über 0" + abbruch},
      {{zeile1}, datei + "sie hat weniger als zwei Tabellenzeilen" + abbruch},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Meldung);
    auto zeilen = kopf;
    zeilen.insert(zeilen.end(), fall.Zeilen.begin(), fall.Zeilen.end());
    test::Verschluesselt(m_Verzeichnis.Pfad() / "STOFFW12.NFO", zeilen);
    auto r = Rechnen(&ViskositaetUmrechnen, "20", "Millimeter^2/Sekunde");
    EXPECT_FALSE(r.Erfolg);
    EXPECT_EQ(Text(r), fall.Meldung);
  }
}

// What a conversion needs of a unit's factor field, by category: the
// converter shows the units whose field falls short without a number.
TEST(Faktormangel, NachGebiet) {
  const std::string faktor = "keinen gültigen Umrechnungsfaktor";
  const std::string zeitverschiebung = "keine gültige Zeitverschiebung (höchstens 24 Stunden)";
  const struct {
    const char* Gebiet;
    long double Faktor;
    bool Unlesbar;
    std::string Mangel;
  } faelle[] = {
      {"Länge", 0.3048L, false, ""},
      {"Länge", 0, false, faktor},
      {"Länge", -1, false, faktor},
      {"Länge", 0, true, faktor},
      {"Weltzeit", 0, false, ""},
      {"Weltzeit", 24, false, ""},
      {"Weltzeit", -24, false, ""},
      {"Weltzeit", 24.01L, false, zeitverschiebung},
      {"Weltzeit", -1e30L, false, zeitverschiebung},
      {"Weltzeit", 0, true, zeitverschiebung},
      {"Währungen", 0, false, ""},
      {"Währungen", -2, false, ""},
      {"Temperatur", 0, true, ""},
  };
  for (const auto& fall : faelle) {
    TAusgabetextobject e;
    e.Faktor = fall.Faktor;
    e.FaktorUnlesbar = fall.Unlesbar;
    EXPECT_EQ(Cp1252NachUtf8(FaktorMangel(Cp1252(fall.Gebiet), e)), fall.Mangel)
        << fall.Gebiet << " " << static_cast<double>(fall.Faktor) << (fall.Unlesbar ? " unlesbar" : "");
  }
}

}  // namespace
}  // namespace kolvaro
