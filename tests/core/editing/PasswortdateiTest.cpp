// The password file: what is written for which password, when a password
// is asked for, how it is compared, and that a missing or damaged file
// locks instead of opening.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Passwortdatei.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

namespace fs = std::filesystem;

class Passwortdatei : public ::testing::Test {
 protected:
  fs::path Datei() const { return m_Temp.Pfad() / kPasswortdatei; }
  std::string Inhalt() const { return *DateiInhalt(Datei()); }
  void Roh(const std::string& inhalt) { ASSERT_TRUE(SchreibeAtomarRoh(Datei(), inhalt)); }

  test::TempVerzeichnis m_Temp;
};

TEST_F(Passwortdatei, LeeresPasswortIstEineLeereZeileUndWirdNieErfragt) {
  EXPECT_FALSE(PasswortdateiVorhanden(m_Temp.Pfad()));
  ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), ""));
  EXPECT_TRUE(PasswortdateiVorhanden(m_Temp.Pfad()));
  EXPECT_EQ(Inhalt(), "\r\n");
  auto gesetzt = PasswortGesetzt(m_Temp.Pfad());
  ASSERT_TRUE(gesetzt);
  EXPECT_FALSE(*gesetzt);
}

TEST_F(Passwortdatei, JedesPasswortKommtVerschluesseltZurueck) {
  for (const std::string& passwort : {std::string("x"), std::string("Geheim"), Cp1252("Straße mit € und Ä"),
                                      std::string(200, 'q'), std::string("a b  ")}) {
    ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), passwort)) << passwort;
    const std::string inhalt = Inhalt();
    // One line, CR LF, enciphered: the clear text never stands in the file.
    ASSERT_GT(inhalt.size(), 2u) << passwort;
    EXPECT_EQ(inhalt.substr(inhalt.size() - 2), "\r\n");
    EXPECT_EQ(inhalt.find('\n'), inhalt.size() - 1);
    EXPECT_EQ(inhalt.find(passwort), std::string::npos);
    EXPECT_EQ(LinieEntschluesseln(inhalt.substr(0, inhalt.size() - 2), 2), passwort);
    auto gesetzt = PasswortGesetzt(m_Temp.Pfad());
    ASSERT_TRUE(gesetzt);
    EXPECT_TRUE(*gesetzt) << passwort;
    auto stimmt = PasswortStimmt(m_Temp.Pfad(), passwort);
    ASSERT_TRUE(stimmt);
    EXPECT_TRUE(*stimmt) << passwort;
  }
}

TEST_F(Passwortdatei, VergleichAchtetAufJedesZeichen) {
  ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), Cp1252("GEHEIM-Ä")));
  struct Fall {
    const char* Eingabe;
    bool Richtig;
  } faelle[] = {
      {"GEHEIM-Ä", true},   {"geheim-ä", false}, {"GEHEIM-ä", false}, {"GEHEIM-Ä ", false},
      {" GEHEIM-Ä", false}, {"GEHEIM-", false},  {"", false},         {"GEHEIM-ÄGEHEIM-Ä", false},
  };
  for (const auto& f : faelle) {
    auto stimmt = PasswortStimmt(m_Temp.Pfad(), Cp1252(f.Eingabe));
    ASSERT_TRUE(stimmt) << f.Eingabe;
    EXPECT_EQ(*stimmt, f.Richtig) << f.Eingabe;
  }
}

TEST_F(Passwortdatei, UnspeicherbaresPasswortWirdAbgelehnt) {
  ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), "alt"));
  const std::string vorher = Inhalt();
  for (const char* passwort : {"a\tb", "a\r\nb", "a\nb", "a\x01", "\xFF", "a\x7F"}) {
    auto geschrieben = PasswortSchreiben(m_Temp.Pfad(), passwort);
    ASSERT_FALSE(geschrieben) << passwort;
    EXPECT_EQ(Cp1252NachUtf8(geschrieben.Fehler().Text).rfind("Das Feld \"Passwort\" enthält ", 0), 0u)
        << Cp1252NachUtf8(geschrieben.Fehler().Text);
    EXPECT_EQ(Inhalt(), vorher);
  }
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), "alt"));
}

TEST_F(Passwortdatei, FehlendeOderBeschaedigteDateiSperrt) {
  const std::string gut = LinieVerschluesseln("Geheim", 2);
  struct Fall {
    const char* Name;
    std::string Inhalt;  // the bytes of the file
  } faelle[] = {
      {"leer", ""},
      {"zweiZeichenOhneZeilenende", "AB"},
      {"zweiZeilenvorschuebe", "\n\n"},
      {"ohneZeilenende", gut},
      {"keinGeheimtext", "XYZ\r\n"},
      {"nurStartwert", "4F\r\n"},
      {"fremdesZeichen", gut.substr(0, 4) + "ZZ" + gut.substr(6) + "\r\n"},
  };
  auto pruefen = [&](const char* name) {
    for (auto antwort : {PasswortGesetzt(m_Temp.Pfad()), PasswortStimmt(m_Temp.Pfad(), "Geheim")}) {
      ASSERT_FALSE(antwort) << name;
      EXPECT_EQ(antwort.Fehler().Art, Meldungsart::Fehler);
      EXPECT_EQ(antwort.Fehler().Text, PasswortdateiMeldung().Text);
    }
  };
  pruefen("fehlt");
  for (const auto& f : faelle) {
    Roh(f.Inhalt);
    pruefen(f.Name);
  }
  // A directory of that name is no password file either, and no start
  // mistakes it for one.
  fs::remove(Datei());
  fs::create_directory(Datei());
  pruefen("Verzeichnis");
  EXPECT_FALSE(PasswortdateiVorhanden(m_Temp.Pfad()));
  EXPECT_NE(Cp1252NachUtf8(PasswortdateiMeldung().Text).find("beim nächsten Start"), std::string::npos);
}

TEST_F(Passwortdatei, EineLeereZeileMitAnderemZeilenendeWirdErfragt) {
  // Only the exact empty line of 2 bytes opens everything; a bare LF is a
  // password, if an empty one.
  Roh("\n");
  auto gesetzt = PasswortGesetzt(m_Temp.Pfad());
  ASSERT_TRUE(gesetzt);
  EXPECT_TRUE(*gesetzt);
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), ""));
  EXPECT_FALSE(*PasswortStimmt(m_Temp.Pfad(), "x"));
  // Lines after the first do not count.
  Roh(LinieVerschluesseln("eins", 2) + "\r\n" + LinieVerschluesseln("zwei", 2) + "\r\n");
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), "eins"));
  EXPECT_FALSE(*PasswortStimmt(m_Temp.Pfad(), "zwei"));
}

TEST_F(Passwortdatei, MisslungenesSchreibenMeldetSich) {
  // A directory in the way of the rename.
  fs::create_directory(Datei());
  fs::create_directory(Datei() / "drin");
  auto geschrieben = PasswortSchreiben(m_Temp.Pfad(), "Geheim");
  ASSERT_FALSE(geschrieben);
  EXPECT_EQ(geschrieben.Fehler().Text, NichtGeschriebenMeldung(kPasswortdatei).Text);
  EXPECT_TRUE(fs::is_directory(Datei() / "drin"));
  // No temporary file is left behind.
  int dateien = 0;
  for (const auto& eintrag : fs::directory_iterator(m_Temp.Pfad())) dateien += eintrag.is_regular_file();
  EXPECT_EQ(dateien, 0);
}

}  // namespace
}  // namespace kolvaro
