// The about box from the "Hilfe" menu: the version of the build, and the
// date of the newest exchange rate read from the data directory each time
// the box opens.
#include <gtest/gtest.h>

#include "data/Einheitendatei.h"
#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class UeberDlgTest : public test::Fenstertest {
 protected:
  // Opens the box from the menu; the texts of its version and rates lines.
  QStringList Oeffnen() {
    QStringList texte;
    EXPECT_TRUE(ImDialog("UeberKolvaro1", "UeberDlg", [&](QDialog& d) {
      texte << Element<QLabel>(&d, "Version")->text() << Element<QLabel>(&d, "Wechselkurse")->text();
      Klick(&d, "BitBtn1");
      EXPECT_FALSE(d.isVisible());  // OK closes it
    }));
    return texte;
  }
};

TEST_F(UeberDlgTest, VersionUndStandDerKurseBeimOeffnen) {
  GebauteDatenKopieren();
  Starten();
  EXPECT_EQ(Oeffnen(), (QStringList{"Version 6.0", "Wechselkurse: Stand 05.09.2025"}));
  // A newer rate counts at the next opening.
  ASSERT_TRUE(EinheitenzeileAendern(Verzeichnis(), "WAEHRUNG.DAT", 0, feld::Uebersetzung, "1.10.2025 eigener Kurs"));
  EXPECT_EQ(Oeffnen().value(1), QStringLiteral("Wechselkurse: Stand 01.10.2025"));
  // A currency file that cannot be read leaves the box usable.
  std::filesystem::remove(Verzeichnis() / "WAEHRUNG.DAT");
  EXPECT_EQ(Oeffnen().value(1), QStringLiteral("Wechselkurse: Stand unbekannt"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

}  // namespace
}  // namespace kolvaro::ui
