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
  // The cipher only obscures: no one else may read it, not even after a
  // rewrite of a file that others could read.
  EXPECT_EQ(fs::status(Datei()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(Datei(), fs::perms::group_read | fs::perms::others_read, fs::perm_options::add);
  EXPECT_FALSE(*PasswortGesetzt(m_Temp.Pfad()));
  ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), "x"));
  EXPECT_EQ(fs::status(Datei()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Passwortdatei, JedesPasswortKommtVerschluesseltZurueck) {
  for (const Text1252& passwort : {Text1252("x"), Text1252("Geheim"), Cp1252("Straße mit € und Ä"),
                                   Text1252(std::string(200, 'q')), Text1252("a b  ")}) {
    SCOPED_TRACE(passwort);
    ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), passwort));
    const std::string inhalt = Inhalt();
    // One line of hexadecimal cipher text (so never the clear text), CR LF.
    ASSERT_EQ(inhalt.substr(inhalt.size() - 2), "\r\n");
    EXPECT_EQ(LinieEntschluesseln(inhalt.substr(0, inhalt.size() - 2), 2), passwort.Bytes());
    EXPECT_TRUE(*PasswortGesetzt(m_Temp.Pfad()));
    EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), passwort));
  }
}

TEST_F(Passwortdatei, VergleichAchtetAufJedesZeichen) {
  ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), Cp1252("GEHEIM-Ä")));
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), Cp1252("GEHEIM-Ä")));
  for (const char* falsch : {"geheim-ä", "GEHEIM-ä", "GEHEIM-Ä ", " GEHEIM-Ä", "GEHEIM-", "", "GEHEIM-ÄGEHEIM-Ä"})
    EXPECT_FALSE(*PasswortStimmt(m_Temp.Pfad(), Cp1252(falsch))) << falsch;
}

// Which characters cannot be stored is EingabepruefungTest's.
TEST_F(Passwortdatei, UnspeicherbaresPasswortWirdAbgelehnt) {
  ASSERT_TRUE(PasswortSchreiben(m_Temp.Pfad(), "alt"));
  const std::string vorher = Inhalt();
  for (const char* passwort : {"a\tb", "a\nb", "\xFF"}) {
    auto geschrieben = PasswortSchreiben(m_Temp.Pfad(), Text1252(std::string_view(passwort)));
    ASSERT_FALSE(geschrieben) << passwort;
    EXPECT_EQ(Cp1252NachUtf8(geschrieben.Fehler().Text).rfind("Das Feld \"Passwort\" enthält ", 0), 0u)
        << Cp1252NachUtf8(geschrieben.Fehler().Text);
    EXPECT_EQ(Inhalt(), vorher);
  }
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), "alt"));
}

TEST_F(Passwortdatei, FehlendeOderBeschaedigteDateiSperrt) {
  const std::string gut = LinieVerschluesseln("Geheim", 2);
  auto pruefen = [&](const std::string& fall) {
    SCOPED_TRACE(fall);
    for (auto antwort : {PasswortGesetzt(m_Temp.Pfad()), PasswortStimmt(m_Temp.Pfad(), "Geheim")}) {
      ASSERT_FALSE(antwort);
      EXPECT_EQ(antwort.Fehler().Art, Meldungsart::Fehler);
      EXPECT_EQ(antwort.Fehler().Text, PasswortdateiMeldung().Text);
    }
  };
  pruefen("fehlt");
  // Empty, two characters without a line end, two line feeds, no line end,
  // no cipher text, only the start value, a foreign character.
  for (const std::string& inhalt : {std::string(), std::string("AB"), std::string("\n\n"), gut, std::string("XYZ\r\n"),
                                    std::string("4F\r\n"), gut.substr(0, 4) + "ZZ" + gut.substr(6) + "\r\n"}) {
    Roh(inhalt);
    pruefen(inhalt);
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
  EXPECT_TRUE(*PasswortGesetzt(m_Temp.Pfad()));
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), ""));
  EXPECT_FALSE(*PasswortStimmt(m_Temp.Pfad(), "x"));
  // Lines after the first do not count.
  Roh(LinieVerschluesseln("eins", 2) + "\r\n" + LinieVerschluesseln("zwei", 2) + "\r\n");
  EXPECT_TRUE(*PasswortStimmt(m_Temp.Pfad(), "eins"));
  EXPECT_FALSE(*PasswortStimmt(m_Temp.Pfad(), "zwei"));
}

// A directory in the way of the rename (what is left then is GeheimdateiTest's).
TEST_F(Passwortdatei, MisslungenesSchreibenMeldetSich) {
  fs::create_directories(Datei() / "drin");
  auto geschrieben = PasswortSchreiben(m_Temp.Pfad(), "Geheim");
  ASSERT_FALSE(geschrieben);
  EXPECT_EQ(geschrieben.Fehler().Text, NichtGeschriebenMeldung(kPasswortdatei).Text);
}

}  // namespace
}  // namespace kolvaro
