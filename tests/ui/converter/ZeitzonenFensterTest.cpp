// The time-zone category in the window, on the shipped data: it converts
// on Enter only, shows date, time, offset and abbreviation in the rows,
// reports the repeated hour after the results and the skipped one instead
// of them, and refuses own units.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class ZeitzonenFensterTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    Starten();
    GebietWaehlen(QStringLiteral("Zeitzonen"));
  }
};

TEST_F(ZeitzonenFensterTest, RechnetAufEnterUndMeldetUebersprungeneUndDoppelteZeit) {
  EXPECT_GT(Liste()->model()->rowCount(), 250);
  Waehlen(QStringLiteral("Berlin (Europa)"));
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Berlin (Europa)"));
  if (!Aktion("AutomatischesRechnen1")->isChecked()) Aktion("AutomatischesRechnen1")->trigger();
  ASSERT_TRUE(Aktion("AutomatischesRechnen1")->isChecked());
  Eintippen(QStringLiteral("01.07.2026 12:00"));
  EXPECT_TRUE(Ergebnis(QStringLiteral("New York (Amerika)")).isEmpty());  // half-typed dates are no error
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  Enter();
  EXPECT_EQ(Ergebnis(QStringLiteral("New York (Amerika)")), QStringLiteral("01.07.2026 06:00 -04:00 EDT"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Kathmandu (Asien)")), QStringLiteral("01.07.2026 15:45 +05:45 +0545"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Weltzeit (UTC)")), QStringLiteral("01.07.2026 10:00 +00:00 UTC"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());

  Rechnen(QStringLiteral("29.03.2026 02:30"));
  ASSERT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Fehler").front().contains(QStringLiteral("gibt es in der Zeitzone Europe/Berlin nicht")));
  EXPECT_EQ(Eingabe()->selectedText(), QStringLiteral("29.03.2026 02:30"));
  EXPECT_EQ(Ergebnis(QStringLiteral("New York (Amerika)")), QStringLiteral("01.07.2026 06:00 -04:00 EDT"));

  m_Plattform.Boxen.clear();
  Rechnen(QStringLiteral("25.10.2026 02:30"));
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information").front().contains(QStringLiteral("02:30 UTC+02:00 CEST, dann 02:30 UTC+01:00 CET")));
  EXPECT_EQ(Ergebnis(QStringLiteral("Weltzeit (UTC)")), QStringLiteral("25.10.2026 00:30 +00:00 UTC"));
}

TEST_F(ZeitzonenFensterTest, KeineEigenenEinheiten) {
  Aktion("EigeneEinheiteinfgen1")->trigger();
  EXPECT_EQ(Texte("Information"), QStringList{"Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor "
                                              "möglich ist, ist ein Einfügen von eigenen Einheiten nicht möglich!"});
}

}  // namespace
}  // namespace kolvaro::ui
