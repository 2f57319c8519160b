// The about box from the "Hilfe" menu: the version of the build, and the
// date of the newest exchange rate read from the data directory each time
// the box opens.
#include <gtest/gtest.h>

#include "basis/Texte.h"
#include "data/Einheit.h"
#include "data/Einheitendatei.h"
#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class UeberDlgTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    Starten();
  }
  // Opens the box from the menu; the texts of its version and rates lines.
  QStringList Oeffnen() {
    QStringList texte;
    EXPECT_TRUE(ImDialog("UeberKolvaro1", "UeberDlg", [&](QDialog& d) {
      texte << Element<QLabel>(&d, "ProgrammName")->text() << Element<QLabel>(&d, "Version")->text()
            << Element<QLabel>(&d, "Wechselkurse")->text();
      Klick(&d, "BitBtn1");
      EXPECT_FALSE(d.isVisible());  // OK closes it
    }));
    return texte;
  }
};

TEST_F(UeberDlgTest, VersionUndStandDerGeliefertenKurse) {
  EXPECT_EQ(Oeffnen(), (QStringList{"Kolvaro", "Version 6.0", "Wechselkurse: Stand 05.09.2025"}));
  // The version is the one the per-user data directory and the settings are named after.
  EXPECT_EQ(QStringLiteral("Kolvaro 6.0"), QtAusUtf8(texte::kAnwendung));
  // The box is a dialog of its own, not a message box.
  EXPECT_TRUE(m_Plattform.Texte(QStringLiteral("Information")).isEmpty());
}

TEST_F(UeberDlgTest, EinNeuerKursZaehltBeimNaechstenOeffnen) {
  ASSERT_EQ(Oeffnen().value(2), QStringLiteral("Wechselkurse: Stand 05.09.2025"));
  ASSERT_TRUE(EinheitenzeileAendern(Verzeichnis(), "WAEHRUNG.DAT", 0, feld::Uebersetzung, "1.10.2025 eigener Kurs"));
  EXPECT_EQ(Oeffnen().value(2), QStringLiteral("Wechselkurse: Stand 01.10.2025"));
  // A currency file that cannot be read leaves the box usable.
  std::filesystem::remove(Verzeichnis() / "WAEHRUNG.DAT");
  EXPECT_EQ(Oeffnen().value(2), QStringLiteral("Wechselkurse: Stand unbekannt"));
}

}  // namespace
}  // namespace kolvaro::ui
