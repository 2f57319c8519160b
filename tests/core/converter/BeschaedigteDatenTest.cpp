// The converter on damaged data files: no damage may show as a plausible
// result. A damaged file is refused with a message naming file and line; a
// unit whose factor cannot be used shows a text instead of a number, and the
// first conversion says which lines they are.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Verschluesselung.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

using test::Einheitenzeile;
using test::Schreiben;
using test::Verschluesselt;

class BeschaedigteDaten : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto& v = m_Verzeichnis.Pfad();
    Schreiben(v / "Gruppen.nfo",
              {test::DateiBytes("Länge\tLAENGE.DAT\tMeter"), "Masse\tMASSE.DAT\tKilogramm",
               "Temperatur\tTEMPERAT.DAT\tKelvin", "Weltzeit\tWELTZEIT.DAT\tWeltzeit (UTC)",
               test::DateiBytes("Brüche\tBRUECHE.DAT\tDezimalzahl"), "Zahlensysteme\tZAHLSYS.DAT\tDezimalzahl"});
    Schreiben(v / "Gebiet.nfo", {"L", "*", "M", "*", "T", "*", "W", "*", "B", "*", "Z", "*"});
    test::LaenderSchreiben(v);
    Verschluesselt(v / "MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1")});
    // The shipped files bound to their lines.
    for (const char* datei : {"TEMPERAT.DAT", "BRUECHE.DAT", "ZAHLSYS.DAT"})
      std::filesystem::copy_file(std::filesystem::path(KOLVARO_DATEN_DIR) / datei, v / datei);
    ASSERT_TRUE(m_Konverter.LaenderLaden());
    ASSERT_TRUE(m_Konverter.KatalogLaden());
  }
  Resultat<> Gebiet(const char* name) {
    for (std::size_t i = 0; i < m_Konverter.Katalog().size(); ++i)
      if (m_Konverter.Katalog()[i].Gebietsname == Cp1252(name)) m_Konverter.GebietWaehlen(static_cast<int>(i));
    return m_Konverter.EinheitenLaden();
  }
  Rechenergebnis Rechnen(const char* eingabe, const char* einheit) {
    return m_Konverter.Umrechnen(Cp1252(eingabe), m_Konverter.EinheitFinden(Cp1252(einheit)).at(0));
  }
  const TAusgabetextobject& Einheit(const char* name) const {
    return m_Konverter.Einheiten().at(m_Konverter.EinheitFinden(Cp1252(name)).at(0));
  }
  int Zeile(const char* name) const { return m_Konverter.EinheitFinden(Cp1252(name)).at(0); }
  std::string Fliess(const char* name) const { return Cp1252NachUtf8(m_Konverter.Ergebnistext(Zeile(name), false)); }
  // A unit that shows no number, in both forms.
  void Ungueltig(std::initializer_list<const char*> namen) const {
    for (const char* name : namen) {
      EXPECT_EQ(Fliess(name), "Faktor ungültig") << name;
      EXPECT_EQ(Cp1252NachUtf8(m_Konverter.Ergebnistext(Zeile(name), true)), "Faktor ungültig") << name;
    }
  }
  static std::vector<std::string> Texte(const std::vector<Meldung>& meldungen) {
    std::vector<std::string> texte;
    for (const auto& m : meldungen) texte.push_back(Cp1252NachUtf8(m.Text));
    return texte;
  }
  // Units of Deutschland with the given names and factors after the metre.
  void Laenge(std::initializer_list<std::pair<const char*, const char*>> einheiten) {
    std::vector<std::string> zeilen = {Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1")};
    for (const auto& [name, faktor] : einheiten) zeilen.push_back(Einheitenzeile("j", "Deutschland", "", name, faktor));
    Verschluesselt(Pfad("LAENGE.DAT"), zeilen);
  }
  std::filesystem::path Pfad(const char* datei) const { return m_Verzeichnis.Pfad() / datei; }

  test::TempVerzeichnis m_Verzeichnis;
  Konverter m_Konverter{m_Verzeichnis.Pfad()};
};

// ------------------------------------------------------ unusable factors

TEST_F(BeschaedigteDaten, UnbrauchbareFaktorenZeigenKeineZahl) {
  Laenge({{"Kilometer", "1000"}, {"Null", "0"}, {"Negativ", "-5"}, {"Unlesbar", "1O00"}, {"Leer", ""}});
  ASSERT_TRUE(Gebiet("Länge"));
  auto r = Rechnen("1", "Meter");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(Fliess("Kilometer"), "0,0010000000");
  Ungueltig({"Null", "Negativ", "Unlesbar", "Leer"});
  EXPECT_EQ(Texte(r.Nachher),
            std::vector<std::string>{"Die Datei LAENGE.DAT ist beschädigt: die Zeilen 3 (\"Null\"), 4 (\"Negativ\"), 5 "
                                     "(\"Unlesbar\"), 6 (\"Leer\") haben keinen gültigen Umrechnungsfaktor. Diese "
                                     "Einheiten zeigen kein Ergebnis."});
  EXPECT_EQ(r.Nachher.at(0).Art, Meldungsart::Warnung);

  // Automatic calculation converts at every key stroke: the note comes once
  // per load, the rows keep their text.
  r = Rechnen("2", "Kilometer");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_TRUE(r.Nachher.empty());
  EXPECT_EQ(Fliess("Null"), "Faktor ungültig");
  ASSERT_TRUE(m_Konverter.EinheitenLaden());
  EXPECT_EQ(Rechnen("1", "Meter").Nachher.size(), 1u);

  // As the source it is refused; the results stay as they were.
  r = Rechnen("1", "Negativ");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text),
            "Die Einheit \"Negativ\" (Datei LAENGE.DAT, Zeile 4) hat keinen gültigen Umrechnungsfaktor. Bitte eine "
            "andere Einheit wählen oder den Faktor ändern.");
  EXPECT_EQ(r.FokusDanach, Fokus::NurFokus);
  EXPECT_EQ(Fliess("Kilometer"), "0,0010000000");

  // One such line is named alone, beyond five the rest are counted.
  Laenge({{"U1", "0"}});
  ASSERT_TRUE(Gebiet("Länge"));
  EXPECT_EQ(Texte(Rechnen("1", "Meter").Nachher),
            std::vector<std::string>{"Die Datei LAENGE.DAT ist beschädigt: Zeile 2 (\"U1\") hat keinen gültigen "
                                     "Umrechnungsfaktor. Diese Einheit zeigt kein Ergebnis."});
  Laenge({{"U1", "0"}, {"U2", "0"}, {"U3", "0"}, {"U4", "0"}, {"U5", "0"}, {"U6", "0"}, {"U7", "0"}});
  ASSERT_TRUE(Gebiet("Länge"));
  EXPECT_EQ(
      Texte(Rechnen("1", "Meter").Nachher),
      std::vector<std::string>{
          "Die Datei LAENGE.DAT ist beschädigt: die Zeilen 2 (\"U1\"), 3 (\"U2\"), 4 (\"U3\"), 5 (\"U4\"), 6 "
          "(\"U5\") und 2 weitere haben keinen gültigen Umrechnungsfaktor. Diese Einheiten zeigen kein Ergebnis."});
}

// ------------------------------------------------- refused data files

// A unit line, a file cut off in a line, an empty file: the category lists
// nothing and says which file is at fault.
TEST_F(BeschaedigteDaten, BeschaedigteDateiWirdAbgelehnt) {
  const std::string meter = Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1");
  auto mitMeter = [&](const std::string& zweite) { return LinieVerschluesseln(meter, 1) + "\r\n" + zweite; };
  // A cut file deciphers to the beginning of its last line: without its
  // line break the kilometre would be worth 10 metres.
  const std::string bisZehn = "j\t\t\t\tSI-Einheit\t\tkm\tKilometer\t10";
  const std::string abgeschnitten = LinieVerschluesseln(Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"), 1)
                                        .substr(0, 2 + 2 * bisZehn.size());
  ASSERT_EQ(LinieEntschluesseln(abgeschnitten, 1), bisZehn);
  const std::string zuKurz =
      "Die Datei LAENGE.DAT ist beschädigt: Zeile 2 hat weniger als die neun Felder bis zum "
      "Umrechnungsfaktor. Der Vorgang wurde abgebrochen.";
  const std::pair<std::string, std::string> faelle[] = {
      {mitMeter(LinieVerschluesseln("j\t\t\t\tSI-Einheit\t\tkm\tKilometer", 1) + "\r\n"), zuKurz},
      {mitMeter(LinieVerschluesseln("", 1) + "\r\n"), zuKurz},
      {mitMeter(LinieVerschluesseln("n\t\t\t\tSI-Einheit", 1) + "\r\n"), zuKurz},  // hidden
      {mitMeter(abgeschnitten),
       "Die Datei LAENGE.DAT ist beschädigt: Zeile 2 endet ohne Zeilenumbruch, die Datei ist abgeschnitten. Der "
       "Vorgang wurde abgebrochen."},
      {"", "Die Datei LAENGE.DAT ist leer: das Gebiet \"Länge\" hat keine Einheiten."}};
  for (const auto& [inhalt, meldung] : faelle) {
    SCOPED_TRACE(meldung);
    ASSERT_TRUE(SchreibeAtomarRoh(Pfad("LAENGE.DAT"), inhalt));
    auto geladen = Gebiet("Länge");
    ASSERT_FALSE(geladen);
    EXPECT_EQ(Cp1252NachUtf8(geladen.Fehler().Text), meldung);
    EXPECT_TRUE(m_Konverter.Einheiten().empty());
    EXPECT_EQ(m_Konverter.Zaehler().Gesamt, 0);
  }
  // Nine fields reach the factor: the rest of a line may be missing.
  Verschluesselt(Pfad("LAENGE.DAT"), {meter, test::DateiBytes(bisZehn)});
  ASSERT_TRUE(Gebiet("Länge"));
  ASSERT_TRUE(Rechnen("1", "Kilometer").Erfolg);
  EXPECT_EQ(Fliess("Meter"), "10,000000000");
}

// ------------------------------------------------- bound to their lines

TEST_F(BeschaedigteDaten, TemperaturdateiMussIhreZehnZeilenHaben) {
  const auto geliefert = *GeheimdateiLesen(Pfad("TEMPERAT.DAT"));
  ASSERT_EQ(geliefert.size(), 10u);
  auto ohneErste = geliefert, ohneLetzte = geliefert;
  ohneErste.erase(ohneErste.begin());
  ohneLetzte.pop_back();
  auto getauscht = geliefert;
  std::swap(getauscht[2], getauscht[3]);
  auto verborgen = geliefert;
  verborgen[0] = FeldErsetzen(verborgen[0], feld::Sichtbar, "n");
  auto mehr = geliefert;
  mehr.push_back(Einheitenzeile("j", "Sonstige Einheit", "", "Grad Delisle", "1"));
  const std::string abbruch = ". Der Vorgang wurde abgebrochen.";
  const struct {
    const char* Was;
    std::vector<std::string> Zeilen;
    std::string Meldung;  // empty: converts
  } faelle[] = {
      {"geliefert", geliefert, ""},
      {"erste ausgeblendet", verborgen, ""},
      {"erste fehlt", ohneErste,
       "Die Datei TEMPERAT.DAT ist beschädigt: Zeile 1 enthält \"Centigrad\" statt \"Celsius\"" + abbruch},
      {"letzte fehlt", ohneLetzte, "Die Datei TEMPERAT.DAT ist beschädigt: sie hat 9 statt 10 Zeilen" + abbruch},
      {"eine mehr", mehr, "Die Datei TEMPERAT.DAT ist beschädigt: sie hat 11 statt 10 Zeilen" + abbruch},
      {"vertauscht", getauscht,
       "Die Datei TEMPERAT.DAT ist beschädigt: Zeile 3 enthält \"Kelvin\" statt \"Fahrenheit\"" + abbruch}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Was);
    Verschluesselt(Pfad("TEMPERAT.DAT"), fall.Zeilen);
    // The units are listed; converting them is what would be wrong.
    ASSERT_TRUE(Gebiet("Temperatur"));
    auto r = Rechnen("0", "Kelvin");
    if (fall.Meldung.empty()) {
      ASSERT_TRUE(r.Erfolg);
      EXPECT_EQ(Fliess("Fahrenheit"), "-459,67000000");
      continue;
    }
    EXPECT_FALSE(r.Erfolg);
    EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text), fall.Meldung);
    EXPECT_FALSE(m_Konverter.ErgebnisseVorhanden());
    EXPECT_EQ(Fliess("Kelvin"), "");
  }
}

// Fractions and number systems are bound to their lines as the scales are:
// a line swapped or gone would convert every unit after it as another one.
TEST_F(BeschaedigteDaten, BruchUndZahlensystemdateiMuessenIhreZeilenHaben) {
  const std::string abbruch = ". Der Vorgang wurde abgebrochen.";
  const struct {
    const char* Gebiet;
    const char* Datei;
    const char* Einheit;
    const char* Eingabe;
    std::string Meldung;
  } faelle[] = {
      {"Brüche", "BRUECHE.DAT", "Dezimalzahl", "0,5",
       "Die Datei BRUECHE.DAT ist beschädigt: Zeile 1 enthält \"Dezimalzahl\" statt \"Bruch\"" + abbruch},
      {"Zahlensysteme", "ZAHLSYS.DAT", "Dezimalzahl", "10",
       "Die Datei ZAHLSYS.DAT ist beschädigt: Zeile 1 enthält \"Dezimalzahl\" statt \"Binärzahl\"" + abbruch}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.Gebiet);
    const auto geliefert = *GeheimdateiLesen(Pfad(fall.Datei));
    ASSERT_TRUE(Gebiet(fall.Gebiet));
    ASSERT_TRUE(Rechnen(fall.Eingabe, fall.Einheit).Erfolg);
    auto getauscht = geliefert;
    std::swap(getauscht[0], getauscht[1]);
    auto ohneErste = geliefert;
    ohneErste.erase(ohneErste.begin());
    for (const auto& zeilen : {getauscht, ohneErste}) {
      Verschluesselt(Pfad(fall.Datei), zeilen);
      ASSERT_TRUE(Gebiet(fall.Gebiet));
      auto r = Rechnen(fall.Eingabe, fall.Einheit);
      EXPECT_FALSE(r.Erfolg);
      EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text), fall.Meldung);
    }
  }
}

// ------------------------------------------------------------ world time

TEST_F(BeschaedigteDaten, WeltzeitNurBisEinenTagVonDerWeltzeit) {
  std::vector<std::string> zeilen;
  using P = std::pair<const char*, const char*>;
  for (const auto& [name, faktor] :
       {P{"Berlin", "1"}, P{"Ost", "24"}, P{"Weit", "1E30"}, P{"West", "-24,5"}, P{"Unlesbar", "eins"}, P{"Null", "0"}})
    zeilen.push_back(Einheitenzeile("j", "Deutschland", "", name, faktor));
  Verschluesselt(Pfad("WELTZEIT.DAT"), zeilen);
  ASSERT_TRUE(Gebiet("Weltzeit"));
  auto r = Rechnen("12:00", "Berlin");
  ASSERT_TRUE(r.Erfolg);
  EXPECT_EQ(Fliess("Ost"), "11:00 nä. Tag");
  EXPECT_EQ(Fliess("Null"), "11:00");
  Ungueltig({"Weit", "West", "Unlesbar"});
  EXPECT_EQ(Texte(r.Nachher), std::vector<std::string>{
                                  "Die Datei WELTZEIT.DAT ist beschädigt: die Zeilen 3 (\"Weit\"), 4 (\"West\"), 5 "
                                  "(\"Unlesbar\") haben keine gültige Zeitverschiebung (höchstens 24 Stunden). Diese "
                                  "Einheiten zeigen kein Ergebnis."});
  r = Rechnen("12:00", "Weit");
  EXPECT_FALSE(r.Erfolg);
  EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text),
            "Die Einheit \"Weit\" (Datei WELTZEIT.DAT, Zeile 3) hat keine gültige Zeitverschiebung (höchstens 24 "
            "Stunden). Bitte eine andere Einheit wählen oder den Faktor ändern.");
}

}  // namespace
}  // namespace kolvaro
