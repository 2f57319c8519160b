// New and deleted categories and the purge of hidden units, checked on the
// files as they end up on the disk: the catalogue, the information blocks
// (which are found by the catalogue position and so must move with it) and
// the data files; and that a failed write leaves the three consistent.
#include <gtest/gtest.h>

#include "basis/Alphabet.h"
#include "basis/Zeichensatz.h"
#include "data/Geheimdatei.h"
#include "data/Katalog.h"
#include "data/Textdatei.h"
#include "editing/Eingabepruefung.h"
#include "editing/Gebietsverwaltung.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

namespace fs = std::filesystem;
using test::Einheitenzeile;
using Groessensperre = test::Schreibsperre;

std::vector<std::string> Cp(std::initializer_list<const char*> utf8) {
  std::vector<std::string> z;
  for (const char* t : utf8) z.push_back(test::DateiBytes(t));
  return z;
}

FrageAntwort Ja(const Text1252&) { return FrageAntwort::Ja; }
FrageAntwort Nein(const Text1252&) { return FrageAntwort::Nein; }

// Every message of a result in the order shown (UTF-8).
std::vector<std::string> Gezeigt(const Rechenergebnis& r) {
  std::vector<std::string> texte;
  for (const auto& m : r.Vorher) texte.push_back(Cp1252NachUtf8(m.Text));
  if (r.Fehler) texte.push_back(Cp1252NachUtf8(r.Fehler->Text));
  return texte;
}

// The catalogue position of a category, -1 when it has none.
int Position(const fs::path& verzeichnis, const char* name) {
  const auto katalog = KatalogLaden(verzeichnis);
  for (std::size_t i = 0; katalog && i < katalog->size(); ++i)
    if ((*katalog)[i].Gebietsname == Cp1252(name)) return static_cast<int>(i);
  return -1;
}

class GebietsverwaltungTest : public ::testing::Test {
 protected:
  void SetUp() override { test::StandardDaten(V()); }
  const fs::path& V() const { return m_Temp.Pfad(); }
  std::vector<std::string> Zeilen(const char* datei) const { return *DateiLaden(V() / datei); }
  std::vector<std::string> Klar(const char* datei) const { return *GeheimdateiLesen(V() / datei); }
  std::string Roh(const char* datei) const { return *DateiInhalt(V() / datei); }
  // What came of it: "ja", "nein" (declined, nothing said) or the message.
  static std::string Ausgang(const Rechenergebnis& r) {
    return r.Erfolg ? "ja" : r.Fehler ? Cp1252NachUtf8(r.Fehler->Text) : "nein";
  }

  static NeuesGebiet Akustik() {
    return {"Akustik", "Dezibel", "dB", "Bel/10", "Akustik", "Deutschland", Cp1252("Schall.\nLärm."), "AKUSTIK"};
  }
  static NeuesGebiet Nur(const char* name, const char* datei) {
    return {Cp1252(name), "Eins", "", "", "", "", "", Cp1252(datei)};
  }

  test::TempVerzeichnis m_Temp;
  std::string m_Frage;  // the question of Merken, answered with Ja
  const Rueckfrage Merken = [this](const Text1252& frage) {
    m_Frage = Cp1252NachUtf8(frage);
    return FrageAntwort::Ja;
  };
  const std::vector<std::string> m_AlteBloecke =
      Cp({"Längen messen.", "Zweite Zeile.", "*", "Massen.", "*", "Temperaturen.", "*", "Zeiten.", "*"});
};

TEST(Dateinamensvorschlag, GrossGeschriebenHoechstensAchtZeichenUndGueltig) {
  EXPECT_EQ(DateinameVorschlagen(Cp1252("Viskosität, kinem. alt")), "VISKOSIT");
  const std::pair<const char*, const char*> faelle[] = {
      {"Schallpegel", "SCHALLPE"}, {"Länge", "LAENGE"}, {"Öl", "OEL"},     {"Größe", "GROESSE"}, {"Café", "CAFE"},
      {"Zeit 2", "ZEIT2"},         {"Con", "CON_"},     {"Lpt1", "LPT1_"}, {"***", ""},          {"a-b_c", "A-B_C"},
      {"Maßstäbe", "MASSSTAE"}};
  for (const auto& [name, erwartet] : faelle) {
    const Text1252 vorschlag = DateinameVorschlagen(Cp1252(name));
    EXPECT_EQ(vorschlag, Cp1252(erwartet)) << name;
    EXPECT_TRUE(vorschlag.empty() || DateinamePruefen(vorschlag.Sicht())) << name;
  }
}

TEST(Einfuegeposition, AlphabetischOhneRuecksichtAufSchreibung) {
  const std::vector<Gebietseintrag> katalog = {{Cp1252("Länge"), "", ""}, {"Masse", "", ""}, {"Zeit", "", ""}};
  const std::pair<const char*, int> faelle[] = {{"Akustik", 0}, {"länge", 1}, {"Lz", 1},    {"Masse", 2},
                                                {"masse", 2},   {"MASSE", 2}, {"Mass", 1},  {"Zeit", 3},
                                                {"Zeitmaß", 3}, {"Ähre", 0},  {"Laenge", 1}};
  for (const auto& [name, position] : faelle) EXPECT_EQ(Einfuegeposition(katalog, Cp1252(name)), position) << name;
  EXPECT_EQ(Einfuegeposition({}, "Erstes"), 0);
}

// The shipped catalogue begins with "Äquivalentdosis": a new category goes to
// its place among the others, not above it.
TEST(Einfuegeposition, InDenGeliefertenKatalog) {
  const auto katalog = KatalogLaden(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(katalog);
  const std::pair<const char*, bool> faelle[] = {
      {"Abstand", true}, {"Beispielgebiet", false}, {"Ölverbrauch", false}, {"Zzz", false}};
  for (const auto& [name, zuerst] : faelle) {
    SCOPED_TRACE(name);
    const auto position = static_cast<std::size_t>(Einfuegeposition(*katalog, Cp1252(name)));
    EXPECT_EQ(position == 0, zuerst);
    if (position > 0) {
      EXPECT_LT(AlphabetischVergleichen((*katalog)[position - 1].Gebietsname.Sicht(), Cp1252(name).Sicht()), 0);
    }
    if (position < katalog->size()) {
      EXPECT_GT(AlphabetischVergleichen((*katalog)[position].Gebietsname.Sicht(), Cp1252(name).Sicht()), 0);
    }
  }
}

TEST_F(GebietsverwaltungTest, NeuesGebietVorAllenWirdErstesMitErstemBlock) {
  const auto ergebnis = GebietAnlegen(V(), Akustik());
  ASSERT_TRUE(ergebnis.Erfolg) << ::testing::PrintToString(Gezeigt(ergebnis));
  EXPECT_EQ(Position(V(), "Akustik"), 0);
  EXPECT_EQ(Zeilen("Gruppen.nfo"),
            Cp({"Akustik\tAKUSTIK.DAT\tDezibel", "Länge\tLAENGE.DAT\tMeter", "Masse\tMASSE.DAT\tKilogramm",
                "Temperatur\tTEMP.DAT\tKelvin", "Zeit\tZEIT.DAT\tSekunde"}));
  // The memo's line break is written as CR LF: the block keeps its two lines.
  std::vector<std::string> bloecke = Cp({"Akustik: ", "Schall.", "Lärm.", "*"});
  bloecke.insert(bloecke.end(), m_AlteBloecke.begin(), m_AlteBloecke.end());
  EXPECT_EQ(Zeilen("Gebiet.nfo"), bloecke);
  EXPECT_NE(Roh("Gebiet.nfo").find(test::DateiBytes("Schall.\r\nLärm.\r\n")), std::string::npos);
  // The reference unit with factor 1, each field followed by a TAB.
  EXPECT_EQ(Klar("AKUSTIK.DAT"),
            std::vector<std::string>{"j\tj\t\t1\tDeutschland\t1\tdB\tDezibel\t1\tBel/10\t\tAkustik\t\t\t\t\t\t\t"});
}

TEST_F(GebietsverwaltungTest, NeuesGebietNachAllenOderHinterDemGleichnamigen) {
  auto ergebnis = GebietAnlegen(V(), Nur("Zeitmaß", "ZEITMASS"));
  ASSERT_TRUE(ergebnis.Erfolg);
  EXPECT_EQ(Position(V(), "Zeitmaß"), 4);
  EXPECT_EQ(Zeilen("Gruppen.nfo").back(), test::DateiBytes("Zeitmaß\tZEITMASS.DAT\tEins"));
  // An empty information text says so; the old blocks keep their places.
  std::vector<std::string> bloecke = m_AlteBloecke;
  for (const char* z : {"Zeitmaß: ", "Keine Angaben vorhanden.", "*"}) bloecke.push_back(test::DateiBytes(z));
  EXPECT_EQ(Zeilen("Gebiet.nfo"), bloecke);
  // Country, symbol and other names may stay empty.
  EXPECT_EQ(Klar("ZEITMASS.DAT"), std::vector<std::string>{"j\tj\t\t1\t\t1\t\tEins\t1\t\t\t\t\t\t\t\t\t\t"});

  // "masse" is another name than "Masse" and stands behind it.
  test::StandardDaten(V());
  ergebnis = GebietAnlegen(V(), Nur("masse", "MASSE2"));
  ASSERT_TRUE(ergebnis.Erfolg);
  EXPECT_EQ(Position(V(), "masse"), 2);
  EXPECT_EQ(Zeilen("Gruppen.nfo").at(2), "masse\tMASSE2.DAT\tEins");
  bloecke = m_AlteBloecke;
  bloecke.insert(bloecke.begin() + 5, {"masse: ", "Keine Angaben vorhanden.", "*"});
  EXPECT_EQ(Zeilen("Gebiet.nfo"), bloecke);
}

// Every refused input: the messages in order, the field that gets the
// focus, and nothing written.
TEST_F(GebietsverwaltungTest, FalscheEingabenSchreibenNichts) {
  const std::string gruppen = Roh("Gruppen.nfo"), gebiet = Roh("Gebiet.nfo");
  const std::string fehlt = "Fehlende Angabe im Editierfeld!";
  const std::string dateiVorhanden = "Der Dateiname ist schon vorhanden, bitte ändern!";
  const std::string nameVorhanden = "Der Name des Gebietes ist schon vorhanden, bitte ändern!";
  const std::string ungueltig =
      "Der Dateiname darf nur aus 1 bis 8 Buchstaben (A bis Z), Ziffern, \"_\" und \"-\" bestehen. Bitte ändern!";
  const struct {
    NeuesGebiet Neu;
    std::vector<std::string> Texte;
    Eingabefeld Fokus;
  } faelle[] = {
      {NeuesGebiet{}, {fehlt, fehlt, fehlt}, Eingabefeld::Dateiname},
      {Nur("   ", "NEU"), {fehlt}, Eingabefeld::Gebietsname},
      // A file of that name, in any case of letters, and the taken name: both said.
      {Nur("Masse", "laenge"), {dateiVorhanden, nameVorhanden}, Eingabefeld::Gebietsname},
      // A data file the catalogue names counts even when it is missing.
      {Nur("Neu", "ZEIT"), {dateiVorhanden}, Eingabefeld::Dateiname},
      // Which names are no file names is EingabepruefungTest's.
      {Nur("Neu", "../X"), {ungueltig}, Eingabefeld::Dateiname},
      {Nur("Neu", "nul"), {"\"nul\" ist ein Gerätename und kein Dateiname. Bitte ändern!"}, Eingabefeld::Dateiname}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Neu.Dateiname);
    const auto ergebnis = GebietAnlegen(V(), f.Neu);
    EXPECT_FALSE(ergebnis.Erfolg);
    EXPECT_EQ(Gezeigt(ergebnis), f.Texte);
    EXPECT_EQ(ergebnis.Feld, f.Fokus);
  }

  // What would break a file: one message per field, the focus on the last.
  NeuesGebiet kaputt = Nur("Stern*Gebiet", "STERN");
  kaputt.Grundeinheit = "Ein\tTab";
  kaputt.Einsatzgebiet = "Zeile\r\nzwei";
  kaputt.Information = "Text mit * Stern";
  const auto ergebnis = GebietAnlegen(V(), kaputt);
  const auto gezeigt = Gezeigt(ergebnis);
  ASSERT_EQ(gezeigt.size(), 4u);
  const char* teile[] = {"Name des neuen Gebietes", "Tabulator", "Zeilenumbruch", "Stern"};
  for (int i = 0; i < 4; ++i) EXPECT_NE(gezeigt[i].find(teile[i]), std::string::npos) << teile[i];
  EXPECT_EQ(ergebnis.Feld, Eingabefeld::Information);
  EXPECT_EQ(Roh("Gruppen.nfo"), gruppen);
  EXPECT_EQ(Roh("Gebiet.nfo"), gebiet);
  for (const char* datei : {"NEU.DAT", "STERN.DAT", "A.B.DAT", "X.DAT"}) EXPECT_FALSE(fs::exists(V() / datei)) << datei;
}

// A failed write of either list leaves the three files consistent: the
// blocks are put back and the new data file is gone. Gruppen.nfo is written
// last, in deleting too; each file in turn is made the only one too large
// to rewrite.
TEST_F(GebietsverwaltungTest, FehlschlagBeimSchreibenStelltAllesWiederHer) {
  for (const char* datei : {"Gruppen.nfo", "Gebiet.nfo"}) {
    SCOPED_TRACE(datei);
    test::StandardDaten(V());
    std::vector<std::string> zeilen = Zeilen(datei);  // too large to rewrite under the lock
    zeilen[3] += std::string(3000, 'x');
    test::Schreiben(V() / datei, zeilen);
    const std::string gruppenVorher = Roh("Gruppen.nfo"), gebietVorher = Roh("Gebiet.nfo");
    Rechenergebnis ergebnis;
    Rechenergebnis geloescht;
    {
      Groessensperre sperre(1000);
      ergebnis = GebietAnlegen(V(), Akustik());
      geloescht = GebietLoeschen(V(), Cp1252("Länge"), Ja);
    }
    EXPECT_FALSE(ergebnis.Erfolg);
    EXPECT_TRUE(ergebnis.Vorher.empty());
    EXPECT_EQ(ergebnis.Fehler.value().Text, NichtGeschriebenMeldung(datei).Text);
    EXPECT_EQ(geloescht.Fehler.value().Text, NichtGeschriebenMeldung(datei).Text);
    EXPECT_EQ(Roh("Gruppen.nfo"), gruppenVorher);
    EXPECT_EQ(Roh("Gebiet.nfo"), gebietVorher);
    EXPECT_FALSE(fs::exists(V() / "AKUSTIK.DAT"));
    EXPECT_TRUE(fs::exists(V() / "LAENGE.DAT"));
  }
  // Nothing else was left behind: the category can be added afterwards.
  EXPECT_TRUE(GebietAnlegen(V(), Akustik()).Erfolg);
}

TEST_F(GebietsverwaltungTest, ErstesOderLetztesLoeschenLaesstDieAnderenBloeckeBeiIhrenGebieten) {
  EXPECT_EQ(Ausgang(GebietLoeschen(V(), Cp1252("Länge"), Merken)), "ja");
  EXPECT_EQ(m_Frage, "Soll das Gebiet \"Länge\" wirklich gelöscht werden?");
  EXPECT_EQ(Zeilen("Gruppen.nfo"),
            Cp({"Masse\tMASSE.DAT\tKilogramm", "Temperatur\tTEMP.DAT\tKelvin", "Zeit\tZEIT.DAT\tSekunde"}));
  EXPECT_EQ(Zeilen("Gebiet.nfo"), Cp({"Massen.", "*", "Temperaturen.", "*", "Zeiten.", "*"}));
  EXPECT_FALSE(fs::exists(V() / "LAENGE.DAT"));
  EXPECT_TRUE(fs::exists(V() / "MASSE.DAT"));

  // The last one; its data file is missing, which is no obstacle.
  EXPECT_TRUE(GebietLoeschen(V(), "Zeit", Ja).Erfolg);
  EXPECT_EQ(Zeilen("Gruppen.nfo"), Cp({"Masse\tMASSE.DAT\tKilogramm", "Temperatur\tTEMP.DAT\tKelvin"}));
  EXPECT_EQ(Zeilen("Gebiet.nfo"), Cp({"Massen.", "*", "Temperaturen.", "*"}));

  // One in the middle of the original order keeps a multi-line block before it.
  test::StandardDaten(V());
  ASSERT_TRUE(GebietLoeschen(V(), "Masse", Ja).Erfolg);
  EXPECT_EQ(Zeilen("Gebiet.nfo"), Cp({"Längen messen.", "Zweite Zeile.", "*", "Temperaturen.", "*", "Zeiten.", "*"}));
}

TEST_F(GebietsverwaltungTest, LoeschenOhneJaOderDesLetztenGebietesAendertNichts) {
  const std::string gruppen = Roh("Gruppen.nfo"), gebiet = Roh("Gebiet.nfo");
  EXPECT_EQ(Ausgang(GebietLoeschen(V(), "Masse", Nein)), "nein");
  EXPECT_TRUE(GebietLoeschen(V(), "Unbekannt", Ja).Fehler);
  EXPECT_EQ(Roh("Gruppen.nfo"), gruppen);
  EXPECT_EQ(Roh("Gebiet.nfo"), gebiet);
  EXPECT_TRUE(fs::exists(V() / "MASSE.DAT"));

  test::Schreiben(V() / "Gruppen.nfo", {"Masse\tMASSE.DAT\tKilogramm"});
  test::Schreiben(V() / "Gebiet.nfo", {"Massen.", "*"});
  EXPECT_TRUE(GebietLoeschen(V(), "Masse", Merken).Fehler);
  EXPECT_EQ(m_Frage, "");
  EXPECT_EQ(Zeilen("Gruppen.nfo"), std::vector<std::string>{"Masse\tMASSE.DAT\tKilogramm"});
  EXPECT_TRUE(fs::exists(V() / "MASSE.DAT"));
}

TEST_F(GebietsverwaltungTest, LoeschenGibtNurEigeneDateienImVerzeichnisFrei) {
  // Two entries share a file: it stays.
  test::Schreiben(V() / "Gruppen.nfo", {"A\tMASSE.DAT\tkg", "B\tmasse.dat\tkg", "C\tLAENGE.DAT\tm"});
  test::Schreiben(V() / "Gebiet.nfo", {"a", "*", "b", "*", "c", "*"});
  ASSERT_TRUE(GebietLoeschen(V(), "A", Ja).Erfolg);
  EXPECT_TRUE(fs::exists(V() / "MASSE.DAT"));
  ASSERT_TRUE(GebietLoeschen(V(), "C", Ja).Erfolg);
  EXPECT_EQ(Zeilen("Gebiet.nfo"), Cp({"b", "*"}));
  // A catalogue that names a path outside is not even read.
  fs::create_directories(V() / "unter");
  test::Schreiben(V() / "unter" / "FREMD.DAT", {"x"});
  test::Schreiben(V() / "Gruppen.nfo", {"B\tmasse.dat\tkg", "C\tunter/FREMD.DAT\tm"});
  EXPECT_FALSE(GebietLoeschen(V(), "C", Ja).Erfolg);
  EXPECT_TRUE(fs::exists(V() / "unter" / "FREMD.DAT"));
}

TEST_F(GebietsverwaltungTest, AusgeblendeteLoeschenBehaeltDieSichtbarenInIhrerReihenfolge) {
  auto erwartet = Klar("LAENGE.DAT");
  const auto r = AusgeblendeteEinheitenLoeschen(V(), Cp1252("Länge"), "LAENGE.DAT", Merken);
  EXPECT_TRUE(r.Erfolg);
  EXPECT_TRUE(r.GebietNeuLaden);
  ASSERT_EQ(r.Nachher.size(), 1u);
  EXPECT_EQ(r.Nachher[0].Text, Cp1252("Die ausgeblendeten Einheiten sind gelöscht!"));
  EXPECT_EQ(r.Nachher[0].Art, Meldungsart::Information);
  EXPECT_EQ(m_Frage,
            "Sollen die ausgeblendeten Einheiten des Gebietes \"Länge\" wirklich aus der Datendatei gelöscht werden?");
  // Rute was the only hidden unit; Zoll of a hidden country stays.
  erwartet.erase(erwartet.begin() + 4);
  EXPECT_EQ(Klar("LAENGE.DAT"), erwartet);

  // Without hidden units: the same lines and the same note.
  const auto masse = Klar("MASSE.DAT");
  EXPECT_EQ(AusgeblendeteEinheitenLoeschen(V(), "Masse", "MASSE.DAT", Ja).Nachher.size(), 1u);
  EXPECT_EQ(Klar("MASSE.DAT"), masse);
}

TEST_F(GebietsverwaltungTest, AusgeblendeteLoeschenAbgelehntOderGescheitertLaesstDieDatei) {
  test::Verschluesselt(V() / "TEMP.DAT", {Einheitenzeile("j", "SI-Einheit", "K", "Kelvin", "1"),
                                          Einheitenzeile("n", "SI-Einheit", "", "Rankine", "1")});
  const std::string temp = Roh("TEMP.DAT"), laenge = Roh("LAENGE.DAT");
  // The categories that know their units by line keep every line.
  Rechenergebnis r;
  for (const char* gebiet : {"Temperatur", "Brüche", "Zahlensysteme"}) {
    r = AusgeblendeteEinheitenLoeschen(V(), Cp1252(gebiet), "TEMP.DAT", Merken);
    EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text),
              std::string("Beim Gebiet \"") + gebiet + "\" können keine Einheiten gelöscht werden!");
    EXPECT_EQ(r.Fehler->Art, Meldungsart::Information);
  }
  EXPECT_EQ(m_Frage, "");
  EXPECT_EQ(Roh("TEMP.DAT"), temp);

  r = AusgeblendeteEinheitenLoeschen(V(), Cp1252("Länge"), "LAENGE.DAT", Nein);
  EXPECT_EQ(Ausgang(r), "nein");
  EXPECT_FALSE(r.GebietNeuLaden);
  EXPECT_EQ(Roh("LAENGE.DAT"), laenge);

  {
    Groessensperre sperre(0);
    r = AusgeblendeteEinheitenLoeschen(V(), Cp1252("Länge"), "LAENGE.DAT", Ja);
  }
  EXPECT_EQ(r.Fehler.value().Text, NichtGeschriebenMeldung("LAENGE.DAT").Text);
  EXPECT_FALSE(r.GebietNeuLaden);
  EXPECT_EQ(Roh("LAENGE.DAT"), laenge);

  r = AusgeblendeteEinheitenLoeschen(V(), "Zeit", "ZEIT.DAT", Ja);
  EXPECT_EQ(r.Fehler.value().Text, NichtGeschriebenMeldung("ZEIT.DAT").Text);
  EXPECT_FALSE(fs::exists(V() / "ZEIT.DAT"));
}

}  // namespace
}  // namespace kolvaro
