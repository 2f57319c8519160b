// Deleting the hidden units of the current category from the menu: the
// question, the file without them, the window reloaded so that every unit
// addresses its new line, "Temperatur" refused and a failed write changing
// nothing. The messages are checked in GebietsverwaltungTest.
#include <gtest/gtest.h>

#include <QMenu>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class AusgeblendeteLoeschenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    // Two hidden units between shown ones, so that the lines after them move up.
    Daten("LAENGE.DAT", {Einheitenzeile("n", "SI-Einheit", "", "Elle", "0.6"),
                         Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"),
                         Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
                         Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
                         Einheitenzeile("j", "SI-Einheit", "mm", "Millimeter", "0.001")});
    Daten("TEMP.DAT", {Einheitenzeile("j", "SI-Einheit", "K", "Kelvin", "1"),
                       Einheitenzeile("n", "SI-Einheit", "", "Rankine", "1")});
    Starten();
    Passwort(true);
    GebietWaehlen(QStringLiteral("Länge"));
    m_Plattform.Boxen.clear();
  }
  QAction* Befehl() { return Aktion("AusgeblendeteEinheitenlschen1"); }
  // As the user reaches it: the menu opens, then the entry is chosen.
  bool MenueOeffnen() {
    emit qobject_cast<QMenu*>(Befehl()->parent())->aboutToShow();
    return Befehl()->isEnabled();
  }
};

TEST_F(AusgeblendeteLoeschenTest, LoeschtDieAusgeblendetenUndLaedtDasGebietNeu) {
  ASSERT_TRUE(MenueOeffnen());
  m_Plattform.Antworten = {Antwort::Ja};
  Befehl()->trigger();
  EXPECT_EQ(Texte("Frage").size(), 1);
  EXPECT_EQ(Texte("Information").size(), 1);
  const auto zeilen = Klartext("LAENGE.DAT");
  ASSERT_EQ(zeilen.size(), 3u);
  EXPECT_EQ(m_Konverter->Zaehler().Verborgen, 0);
  EXPECT_EQ(Label("Panel2"), QStringLiteral("3 Einheiten vorhanden, davon 0 ausgeblendet."));
  // Every unit the window holds addresses its own line in the new file: a
  // later rewrite by line number hits the right unit.
  ASSERT_EQ(m_Konverter->Einheiten().size(), 3u);
  for (const auto& einheit : m_Konverter->Einheiten())
    EXPECT_EQ(Feld(zeilen[static_cast<std::size_t>(einheit.Dateizeile)], '\t', 8), einheit.Einheitenname);
  // Nothing hidden is left: the menu entry is off and the file stays.
  EXPECT_FALSE(MenueOeffnen());
  const std::string roh = Roh("LAENGE.DAT");
  m_Plattform.Boxen.clear();
  Befehl()->trigger();
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Roh("LAENGE.DAT"), roh);
}

TEST_F(AusgeblendeteLoeschenTest, TemperaturSchreibfehlerUndOhnePasswortAendernNichts) {
  GebietWaehlen(QStringLiteral("Temperatur"));
  ASSERT_TRUE(MenueOeffnen());
  const std::string temp = Roh("TEMP.DAT"), laenge = Roh("LAENGE.DAT");
  Befehl()->trigger();
  EXPECT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Frage").isEmpty());
  EXPECT_EQ(Roh("TEMP.DAT"), temp);

  GebietWaehlen(QStringLiteral("Länge"));
  m_Plattform.Boxen.clear();
  m_Plattform.Antworten = {Antwort::Ja};
  Gesperrt([&] { Befehl()->trigger(); });
  EXPECT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Information").isEmpty());
  EXPECT_EQ(Roh("LAENGE.DAT"), laenge);
  EXPECT_EQ(m_Konverter->Zaehler().Verborgen, 2);

  // Without the password nothing is asked and nothing happens.
  m_Plattform.Boxen.clear();
  Passwort(false);
  Befehl()->trigger();
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Roh("LAENGE.DAT"), laenge);
}

}  // namespace
}  // namespace kolvaro::ui
