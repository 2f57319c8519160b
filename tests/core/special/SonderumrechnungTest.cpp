// The special categories' routines on unit lists built in memory: every
// example the conversions are known by, their messages and their limits.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Testdaten.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

struct E {
  const char* Name;
  int Zeile;
  const char* Land = "Sonstige Einheit";
  long double Faktor = 1;
  const char* Entspricht = "";
};

class Sonder : public ::testing::Test {
 protected:
  void Einheiten(std::initializer_list<E> liste) {
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
  } faelle[] = {{"1/5", "1/5", "0,2000000000"},   {"7/3", "2 1/3", "2,3333333333"}, {"6/3", "2", "2,0000000000"},
                {"3/3", "1", "1,0000000000"},     {"10/4", "2 1/2", "2,5000000000"}, {"-7/3", "-2 1/3", "-2,3333333333"},
                {"7/-3", "-2 1/3", "-2,3333333333"}, {"-1/3", "-1/3", "-0,3333333333"}, {"-6/3", "-2", "-2,0000000000"},
                {" 1/5 ", "1/5", "0,2000000000"}, {"12345/1", "12345", "12345,000000"}};
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
    EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, e, "Bruch")), "Falsche Eingabe im Werteingabeld! Bitte ändern! ") << e;
  for (const char* e : {"/5", "5/", "5", ""})
    EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, e, "Bruch")),
              "Falsche Eingabe im Werteingabeld! Die Zahl ist kein Bruch! Richtig z.B. 1/5!")
        << e;
  EXPECT_TRUE(Fliess("Bruch").empty());  // nothing was written
}

TEST_F(Brueche, DezimalzahlZuBruch) {
  struct Fall {
    const char *Eingabe, *Bruch;
  } faelle[] = {{"0,75", "3/4"}, {"2,5", "2 1/2"}, {"0,05", "1/20"}, {"0.125", "1/8"}, {"-0,75", "-3/4"},
                {"-2,5", "-2 1/2"}, {"3,10", "3 1/10"}, {"123456,123456789", "Zahl zu groß"}};
  for (const auto& f : faelle) {
    auto r = Rechnen(&BruecheUmrechnen, f.Eingabe, "Dezimalzahl");
    ASSERT_TRUE(r.Erfolg) << f.Eingabe << Text(r);
    EXPECT_EQ(Fliess("Bruch"), f.Bruch) << f.Eingabe;
  }
  EXPECT_EQ(Fliess("Dezimalzahl"), "123456,12346");  // no thousands dots here
}

TEST_F(Brueche, DezimalzahlFehler) {
  const std::string ganz =
      "Falsche Eingabe im Werteingabeld! Die Zahl ist eine ganze Zahl und kann nicht in einen Bruch umgerechnet werden!";
  EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, "3", "Dezimalzahl")), ganz);
  EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, "3,0", "Dezimalzahl")), ganz);
  EXPECT_EQ(Text(Rechnen(&BruecheUmrechnen, "0", "Dezimalzahl")), "Falsche Eingabe im Werteingabeld! Bitte ändern! ");
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
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "111111111111111", "Binärzahl").Erfolg);
  EXPECT_EQ(Alle(), "111111111111111|32767|7FFF|77777|Zahl zu groß|");
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "0", "Dezimalzahl").Erfolg);
  EXPECT_EQ(Alle(), "0|0|0|0||");
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "1994", "Dezimalzahl").Erfolg);
  EXPECT_EQ(Fliess("Römische Zahl"), "MCMXCIV");
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "3888", "Dezimalzahl").Erfolg);
  EXPECT_EQ(Fliess("Römische Zahl"), "Zahl zu groß");
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "7FFFFFFF", "Hexadezimalzahl").Erfolg);
  EXPECT_EQ(Fliess("Dezimalzahl"), "2147483647");
  EXPECT_EQ(Fliess("Binärzahl"), "Zahl zu groß");
  EXPECT_EQ(Fliess("Oktalzahl"), "17777777777");
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "777", "Oktalzahl").Erfolg);
  EXPECT_EQ(Fliess("Dezimalzahl"), "511");
}

TEST_F(Zahlensysteme, RoemischeZahlen) {
  auto r = Rechnen(&ZahlensystemeUmrechnen, "MCMXCIV", "Römische Zahl");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_TRUE(r.Nachher.empty());
  EXPECT_EQ(Fliess("Dezimalzahl"), "1994");
  r = Rechnen(&ZahlensystemeUmrechnen, "IIII", "Römische Zahl");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(Fliess("Dezimalzahl"), "4");
  ASSERT_EQ(r.Nachher.size(), 1u);
  EXPECT_EQ(Utf8(r.Nachher[0].Text), "Falsche Römische Zahl!");
  EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
}

TEST_F(Zahlensysteme, Fehler) {
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "102", "Binärzahl")),
            "Falsche Eingabe im Werteingabeld! Es sind nur 1 und 0 erlaubt!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "ff", "Hexadezimalzahl")),
            "Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, A, "
            "B, C, D, E, F!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "", "Hexadezimalzahl")).substr(0, 33),
            "Falsche Eingabe im Werteingabeld!");
  for (const char* e : {"80000000", "123456789"}) {
    auto r = Rechnen(&ZahlensystemeUmrechnen, e, "Hexadezimalzahl");
    EXPECT_EQ(Text(r), "Die Hexadezimalzahl ist zu groß!");
    EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
  }
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "8", "Oktalzahl")),
            "Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, 4, 5, 6, 7!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "mcm", "Römische Zahl")),
            "Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: I, V, X, L, C, D, M!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "1,5", "Dezimalzahl")),
            "Falsche Eingabe im Werteingabeld! Es sind nur ganze Zahlen erlaubt!");
  // Values beyond 32 bits are refused instead of overflowing; negative decimals too.
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "2147483648", "Dezimalzahl")), "Zahl im Eingabefeld zu groß!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "99999999999999999999", "Dezimalzahl")),
            "Zahl im Eingabefeld zu groß!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, std::string(32, '1').c_str(), "Binärzahl")),
            "Zahl im Eingabefeld zu groß!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "20000000000", "Oktalzahl")), "Zahl im Eingabefeld zu groß!");
  EXPECT_EQ(Text(Rechnen(&ZahlensystemeUmrechnen, "-5", "Dezimalzahl")),
            "Falsche Eingabe im Werteingabeld! Es sind nur ganze Zahlen erlaubt!");
  ASSERT_TRUE(Rechnen(&ZahlensystemeUmrechnen, "1111111111111111111111111111111", "Binärzahl").Erfolg);
  EXPECT_EQ(Fliess("Dezimalzahl"), "2147483647");
}

// -------------------------------------------------------------- temperature

class Temperatur : public Sonder {
 protected:
  void SetUp() override {
    Einheiten({{"C", 0}, {"C1", 1}, {"F", 2}, {"K", 3}, {"R", 4}, {"C5", 5}, {"F6", 6}, {"R7", 7}, {"Re", 8},
               {"K9", 9}, {"Eigene", 10}});
  }
};

TEST_F(Temperatur, Beispiele) {
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "0", "C").Erfolg);
  EXPECT_EQ(Fliess("F"), "32,000000000");
  EXPECT_EQ(Fliess("K"), "273,15000000");
  EXPECT_EQ(Fliess("R"), "491,67000000");
  EXPECT_EQ(Fliess("Re"), "0,0000000000");
  EXPECT_EQ(Wiss("Re"), "0,000000E+0000");
  EXPECT_EQ(Fliess("Eigene"), "");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "100", "C1").Erfolg);
  EXPECT_EQ(Fliess("F6"), "212,00000000");
  EXPECT_EQ(Fliess("Re"), "80,000000000");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "-40", "C5").Erfolg);
  EXPECT_EQ(Fliess("F"), "-40,000000000");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "-30,1", "C").Erfolg);
  EXPECT_EQ(Fliess("F"), "-22,180000000");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "273,15", "K9").Erfolg);
  EXPECT_EQ(Fliess("C"), "0,0000000000");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "0", "K").Erfolg);
  EXPECT_EQ(Fliess("C"), "-273,15000000");
  EXPECT_EQ(Fliess("F"), "-459,67000000");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "-10", "K").Erfolg);
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "80", "Re").Erfolg);
  EXPECT_EQ(Fliess("C"), "100,00000000");
  ASSERT_TRUE(Rechnen(&TemperaturUmrechnen, "671,67", "R7").Erfolg);
  EXPECT_EQ(Fliess("C"), "100,00000000");
}

TEST_F(Temperatur, Fehler) {
  EXPECT_EQ(Text(Rechnen(&TemperaturUmrechnen, "warm", "C")), "Falsche Eingabe im Werteingabeld! Bitte ändern! ");
  EXPECT_FALSE(Rechnen(&TemperaturUmrechnen, "20", "Eigene").Erfolg);  // an own unit cannot be the source
}

// --------------------------------------------------------------- currencies

TEST_F(Sonder, Waehrungen) {
  Einheiten({{"Euro", 0, "Europa", 1}, {"Mark", 1, "Deutschland", 0.51129188119622L}, {"Taler", 2, "Europa", 0},
             {"Schuld", 3, "Europa", -2}});
  ASSERT_TRUE(Rechnen(&WaehrungenUmrechnen, "100", "Euro").Erfolg);
  EXPECT_EQ(Fliess("Euro"), "100,00000000");
  EXPECT_EQ(Fliess("Mark"), "195,58300000");
  EXPECT_EQ(Fliess("Taler"), "unbekannt");
  EXPECT_EQ(Wiss("Taler"), "unbekannt");
  EXPECT_EQ(Fliess("Schuld"), "unbekannt");
  ASSERT_TRUE(Rechnen(&WaehrungenUmrechnen, "5", "Taler").Erfolg);
  EXPECT_EQ(Fliess("Euro"), "unbekannt");
  EXPECT_EQ(Text(Rechnen(&WaehrungenUmrechnen, "0", "Euro")), "Falsche Eingabe im Werteingabeld! Bitte ändern! ");
}

// --------------------------------------------------------------- world time

TEST_F(Sonder, Weltzeit) {
  Einheiten({{"Berlin", 0, "Deutschland", 1}, {"Tokio", 1, "Japan", 9}, {"New York", 2, "USA", -5},
             {"Delhi", 3, "Indien", 5.5L}, {"Kiritimati", 4, "Kiribati", 14}, {"Baker", 5, "USA", -12}});
  ASSERT_TRUE(Rechnen(&WeltzeitUmrechnen, "23:00", "Berlin").Erfolg);
  EXPECT_EQ(Fliess("Tokio"), "07:00 nä. Tag");
  EXPECT_EQ(Fliess("New York"), "17:00");
  EXPECT_EQ(Fliess("Berlin"), "23:00");
  EXPECT_EQ(Fliess("Delhi"), "03:30 nä. Tag");
  ASSERT_TRUE(Rechnen(&WeltzeitUmrechnen, "01:00", "Berlin").Erfolg);
  EXPECT_EQ(Fliess("New York"), "19:00 Vortag");
  ASSERT_TRUE(Rechnen(&WeltzeitUmrechnen, "1:75", "Berlin").Erfolg);
  EXPECT_EQ(Fliess("Berlin"), "02:15");
  ASSERT_TRUE(Rechnen(&WeltzeitUmrechnen, "24:00", "Berlin").Erfolg);
  EXPECT_EQ(Fliess("Berlin"), "00:00");
  // 26 hours apart: the day count stays right instead of showing 25:59.
  ASSERT_TRUE(Rechnen(&WeltzeitUmrechnen, "23:59", "Baker").Erfolg);
  EXPECT_EQ(Fliess("Kiritimati"), "01:59 +2 Tage");
  ASSERT_TRUE(Rechnen(&WeltzeitUmrechnen, "00:30", "Kiritimati").Erfolg);
  EXPECT_EQ(Fliess("Baker"), "22:30 -2 Tage");
  const std::string format = "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!";
  for (const char* e : {"24:01", "1200", "12:", ":30", "-1:00", "1:-5", "a:b", "25:00"})
    EXPECT_EQ(Text(Rechnen(&WeltzeitUmrechnen, e, "Berlin")), format) << e;
}

// --------------------------------------------------------------- shoe sizes

class Schuhe : public Sonder {
 protected:
  void SetUp() override {
    Einheiten({{"Fußlänge/cm", 0}, {"Schuhlänge/cm", 1}, {"Zentimetersystem", 2}, {"Mondopoint", 3},
               {"Größe Europa", 4}, {"Size Großbrit. Erwachsene", 5}, {"Size Großbrit. Kinder", 6},
               {"Size USA Männer", 7}, {"Size USA Frauen", 8}, {"Size USA Jungen", 9}, {"Size USA Mädchen", 10},
               {"Eigene", 11}});
  }
};

TEST_F(Schuhe, Beispiele) {
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "42", "Größe Europa").Erfolg);
  EXPECT_EQ(Fliess("Fußlänge/cm"), "27,0");
  EXPECT_EQ(Fliess("Schuhlänge/cm"), "28,0");
  EXPECT_EQ(Fliess("Mondopoint"), "270,0");
  EXPECT_EQ(Fliess("Größe Europa"), "42,0");
  EXPECT_EQ(Wiss("Größe Europa"), " 4.200000E+0001");  // this category shows the raw scientific text
  EXPECT_EQ(Fliess("Size Großbrit. Kinder"), "keine Angabe");
  EXPECT_EQ(Fliess("Eigene"), "keine Angabe");
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "21", "Fußlänge/cm").Erfolg);
  EXPECT_NE(Fliess("Size USA Jungen"), "keine Angabe");
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "21,5", "Fußlänge/cm").Erfolg);
  for (const char* kind : {"Size Großbrit. Kinder", "Size USA Jungen", "Size USA Mädchen"})
    EXPECT_EQ(Fliess(kind), "keine Angabe") << kind;
  EXPECT_NE(Fliess("Size USA Männer"), "keine Angabe");
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "9", "Fußlänge/cm").Erfolg);
  EXPECT_EQ(Fliess("Size Großbrit. Erwachsene"), "keine Angabe");  // below zero
  ASSERT_TRUE(Rechnen(&SchuhgroessenUmrechnen, "34", "Fußlänge/cm").Erfolg);
  const std::string bereich = "Zahlenwert außerhalb Wertebereich! Diese Schuhgröße ist nicht definiert! ";
  EXPECT_EQ(Text(Rechnen(&SchuhgroessenUmrechnen, "8,9", "Fußlänge/cm")), bereich);
  EXPECT_EQ(Text(Rechnen(&SchuhgroessenUmrechnen, "34,1", "Fußlänge/cm")), bereich);
}

// -------------------------------------------------------------- hydrometers

class Araeometer : public Sonder {
 protected:
  void SetUp() override {
    Einheiten({{"Grad Baumé", 0, "Niederlande", 1, "12,5° C"}, {"Grad Baumé", 1, "USA", 1, "15,56° C = 60° F"},
               {"Grad Brix", 2, "Deutschland", 1, "15,625° C = 12,5° R"},
               {"Grad Cartier", 3, "Frankreich", 1, "12,5° C"}, {"Grad Fleischer", 4, "Deutschland", 1, "17,5° C"},
               {"Grad Gay-Lussac", 5, "Frankreich", 1, "15° C"}, {"Grad Twaddle", 6, "Großbritannien", 1, "15,56° C"},
               {"Grad API", 7, "USA", 1, "15,56° C = 60° F"}, {"Gramm/Zentimeter^3 bei 15° C", 8, "SI-Einheit", 1, "15° C"},
               {"Gramm/Zentimeter^3 bei 20° C", 9, "SI-Einheit", 1, "20° C"},
               {"g/cm^3 bei Bezugstemperatur", 10}, {"g/cm^3 relativ Bezugstemp.", 11}});
  }
};

TEST_F(Araeometer, DichteOhneRueckfrage) {
  m_Frage = [](const std::string&) -> FrageAntwort {
    ADD_FAILURE() << "keine Frage erwartet";
    return FrageAntwort::Abbrechen;
  };
  ASSERT_TRUE(Rechnen(&AraeometerUmrechnen, "1,2", "Gramm/Zentimeter^3 bei 15° C").Erfolg);
  EXPECT_EQ(Fliess("Gramm/Zentimeter^3 bei 15° C"), "1,2000000000");
  EXPECT_EQ(Fliess("Gramm/Zentimeter^3 bei 20° C"), "1,1989238595");
  EXPECT_EQ(Fliess("Grad API"), "keine Angabe");
  EXPECT_EQ(Fliess("g/cm^3 bei Bezugstemperatur"), "1,2000000000");
  ASSERT_TRUE(Rechnen(&AraeometerUmrechnen, "0,8", "Gramm/Zentimeter^3 bei 15° C").Erfolg);
  EXPECT_EQ(Fliess("Grad Fleischer"), "keine Angabe");
  EXPECT_EQ(Fliess("Grad Twaddle"), "keine Angabe");
  EXPECT_NE(Fliess("Grad API"), "keine Angabe");
  // Just above water: Cartier's heavy value would be negative.
  ASSERT_TRUE(Rechnen(&AraeometerUmrechnen, "1,0", "Gramm/Zentimeter^3 bei 15° C").Erfolg);
  EXPECT_EQ(Fliess("Grad Cartier"), "keine Angabe");
}

TEST_F(Araeometer, RueckfrageUndGrenzen) {
  std::vector<std::string> fragen;
  FrageAntwort antwort = FrageAntwort::Ja;
  m_Frage = [&](const std::string& f) {
    fragen.push_back(Utf8(f));
    return antwort;
  };
  ASSERT_TRUE(Rechnen(&AraeometerUmrechnen, "20", "Grad Brix").Erfolg);
  ASSERT_EQ(fragen.size(), 1u);
  EXPECT_EQ(fragen[0], "Zur Berechnung werden weitere Angaben benötigt. Ist Ihre Flüssigkeit leichter als Wasser?");
  const std::string leicht = Fliess("Gramm/Zentimeter^3 bei 15° C");
  antwort = FrageAntwort::Nein;
  ASSERT_TRUE(Rechnen(&AraeometerUmrechnen, "20", "Grad Brix").Erfolg);
  const std::string schwer = Fliess("Gramm/Zentimeter^3 bei 15° C");
  EXPECT_NE(leicht, schwer);
  EXPECT_EQ(Fliess("Grad Brix"), "20,000000000");  // the round trip gives the input back
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

  r = Rechnen(&AraeometerUmrechnen, "5", "Grad API");
  ASSERT_TRUE(r.Erfolg);
  ASSERT_EQ(r.Vorher.size(), 1u);
  EXPECT_EQ(Utf8(r.Vorher[0].Text), "Eingabe von Werten < 10 ist bei API nicht zulässig!");
  EXPECT_EQ(r.Vorher[0].Art, Meldungsart::Schlicht);
  EXPECT_EQ(r.Eingabetext, "10");
  EXPECT_EQ(Fliess("Grad API"), "10,000000000");
  r = Rechnen(&AraeometerUmrechnen, "0,5", "Grad Gay-Lussac");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(Utf8(r.Vorher.at(0).Text), "Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!");
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
  EXPECT_EQ(Text(Rechnen(&AraeometerUmrechnen, "x", "Grad API")), "Falsche Eingabe im Werteingabeld! Bitte ändern! ");
}

// ---------------------------------------------------------------- viscosity

class Viskositaet : public Sonder {
 protected:
  void SetUp() override {
    Einheiten({{"Meter^2/Sekunde", 0}, {"Millimeter^2/Sekunde", 1}, {"Centistoke", 2}, {"Engler-Grad", 3},
               {"Saybolt-Sekunde", 4}, {"Redwood-Sekunde", 5}, {"Eigene", 6}});
    std::vector<std::string> zeilen = {"Kopf 1", "Kopf 2", "Kopf 3", "Kopf 4", "1,0\t1,00\t28,8\t27,7",
                                       "2,0\t1,12\t32,6\t30,8", "10,0\t1,84\t58,9\t52,0",
                                       "100,0\t13,2\t463,0\t410,0", "1000,0\t131,6\t4629,0\t4082,0"};
    test::Verschluesselt(m_Verzeichnis.Pfad() / "STOFFW12.NFO", zeilen);
  }
};

TEST_F(Viskositaet, TabelleUndInterpolation) {
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "10", "Millimeter^2/Sekunde").Erfolg);
  EXPECT_EQ(Fliess("Engler-Grad"), "1,8400000000");  // a row of the table: its value
  EXPECT_EQ(Fliess("Meter^2/Sekunde"), "0,0000100000");
  EXPECT_EQ(Wiss("Meter^2/Sekunde"), " 1.000000E-0005");
  EXPECT_EQ(Fliess("Centistoke"), "10,000000000");
  EXPECT_EQ(Fliess("Eigene"), "keine Angabe");
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "55", "Millimeter^2/Sekunde").Erfolg);
  EXPECT_EQ(Fliess("Engler-Grad"), "7,5200000000");  // halfway between 1,84 and 13,2
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "7,52", "Engler-Grad").Erfolg);
  EXPECT_EQ(Fliess("Millimeter^2/Sekunde"), "55,000000000");  // and back
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "1", "Millimeter^2/Sekunde").Erfolg);
  EXPECT_EQ(Fliess("Meter^2/Sekunde"), "0,0000010000");
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "131,6", "Engler-Grad").Erfolg);
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "1", "Engler-Grad").Erfolg);
  EXPECT_EQ(Text(Rechnen(&ViskositaetUmrechnen, "0,99", "Engler-Grad")),
            "Eingabe außerhalb des gültigen Wertebereiches (1 bis 131,6)!");
  EXPECT_EQ(Text(Rechnen(&ViskositaetUmrechnen, "131,7", "Engler-Grad")),
            "Eingabe außerhalb des gültigen Wertebereiches (1 bis 131,6)!");
  EXPECT_EQ(Text(Rechnen(&ViskositaetUmrechnen, "0,002", "Meter^2/Sekunde")),
            "Eingabe außerhalb des gültigen Wertebereiches (10^-6 bis 10^-3)!");
}

TEST_F(Viskositaet, FehlendeOderBeschaedigteTabelle) {
  ASSERT_TRUE(Rechnen(&ViskositaetUmrechnen, "10", "Millimeter^2/Sekunde").Erfolg);
  std::filesystem::remove(m_Verzeichnis.Pfad() / "STOFFW12.NFO");
  auto r = Rechnen(&ViskositaetUmrechnen, "20", "Millimeter^2/Sekunde");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_EQ(Text(r), "Die Datei STOFFW12.NFO konnte nicht geöffnet werden!");
  EXPECT_EQ(Fliess("Centistoke"), "10,000000000");  // results stay
  test::Verschluesselt(m_Verzeichnis.Pfad() / "STOFFW12.NFO", {"a", "b", "c", "d", "1\t1\t1\t1", "1\t2\t2\t2"});
  r = Rechnen(&ViskositaetUmrechnen, "20", "Millimeter^2/Sekunde");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_NE(Text(r).find("STOFFW12.NFO"), std::string::npos);
}

}  // namespace
}  // namespace kolvaro
