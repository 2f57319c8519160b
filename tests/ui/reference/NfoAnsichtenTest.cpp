// The five viewers of the reference files, driven through their widgets on
// small files of the test's own, so that every rule has a line to show it.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTableWidget>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Verschluesselt;

class NfoAnsichtenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
  }
  void Datei(const char* name, const std::vector<const char*>& zeilen) {
    std::vector<std::string> cp;
    for (const char* z : zeilen) cp.push_back(kolvaro::test::DateiBytes(z));
    Verschluesselt(Verzeichnis() / name, cp);
  }
  static QStringList Spalte(QTableWidget* t, int spalte) {
    QStringList werte;
    for (int z = 0; z < t->rowCount(); ++z) werte << t->item(z, spalte)->text();
    return werte;
  }
};

TEST_F(NfoAnsichtenTest, StoffdatenZeigenNurStoffeMitWertUndMeldenFehlendeDateien) {
  Datei("Stoffw1.nfo", {"Blei\tPb\t11340\t0,13\t327,5", "Luft\t\t1,293\t1,005", "Zinn\tSn\t7290\t0,23\t231,9"});
  Datei("Stoffw3.nfo", {"Aceton\t500\t1200", "Quarzstaub\t\t0,05"});
  Starten();
  ASSERT_TRUE(ImDialog("Stoffdaten1", "StoffdatenDlg", [&](QDialog& d) {
    auto* auswahl = Element<QComboBox>(&d, "ComboBox1");
    auto* liste = Element<QTableWidget>(&d, "ListBox1");
    ASSERT_EQ(auswahl->count(), 19);
    auswahl->setCurrentText("Schmelzpunkte");
    EXPECT_EQ(Spalte(liste, 0), (QStringList{"Blei", "Zinn"}));  // air has no melting point
    EXPECT_EQ(Text(&d, "Label1"), "Schmelzpunkte in °C");
    EXPECT_EQ(Text(&d, "Label2"), "(bei 1013 mbar)");
    auswahl->setCurrentText("Dichte");
    EXPECT_EQ(Spalte(liste, 1), (QStringList{"11340", "1,293", "7290"}));

    auswahl->setCurrentText("MAK-Werte in ppm");
    EXPECT_EQ(Spalte(liste, 0), QStringList{"Aceton"});
    EXPECT_EQ(Text(&d, "Label1"), "MAK-Werte in ppm");
    EXPECT_EQ(Text(&d, "Label2"), "(Auswahl Stand 2024)");
    auswahl->setCurrentText("MAK-Werte in mg/m³");
    EXPECT_EQ(Spalte(liste, 1), (QStringList{"1200", "0,05"}));
    liste->selectRow(1);
    QTest::keySequence(liste, QKeySequence::Copy);
    EXPECT_EQ(m_Plattform.Ablage, "Stoff\tMAK-Werte in mg/m³\nQuarzstaub\t0,05\n");

    auswahl->setCurrentText("Elastizitätsmodul");  // Stoffw2.nfo is missing
    EXPECT_EQ(liste->rowCount(), 0);
    EXPECT_TRUE(d.isVisible());
  }));
  ASSERT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Fehler")[0].contains("Stoffw2.nfo"));
}

TEST_F(NfoAnsichtenTest, ElementeFolgenDenRegelnFuerNameGruppeUndZustandSkalenIhrenSpalten) {
  std::vector<std::string> zeilen;
  for (int i = 1; i <= 153; ++i) zeilen.push_back("Z" + std::to_string(i) + "\tb\tc\td\te\tf");
  Verschluesselt(Verzeichnis() / "STOFFW9.NFO", zeilen);
  Datei("Stoffw8.nfo",
        {"Kopf", "Kopf", "Helium\tHe\t=\tgas\t4,0026\t2\tH8", "Quecksilber\tHg\tMercury\tfl\t200,59\t80\tN2",
         "Neuium\tNu\tNewium\t?\t300\t130\tL\t\t\t\t\t\t\t\tNiemand\t2099"});
  Starten();
  ASSERT_TRUE(ImDialog("ChemischeElemente1", "ElementeDlg", [&](QDialog& d) {
    auto* liste = Element<QListWidget>(&d, "ListBox1");
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(Text(&d, "Englisch"), "Helium");  // "=" repeats the German name
    // An unknown state ("?") keeps what was shown.
    const char* const felder[] = {"Label2", "Gruppe", "Zustand", "Dichtetitel"};
    const char* const werte[][4] = {{"He", "8. Hauptgruppe", "gasförmig", "Dichte in g/Liter bei 0° C und 1013 mbar:"},
                                    {"Hg", "2. Nebengruppe", "flüssig", "Dichte in g/cm³ bei 20° C und 1013 mbar:"},
                                    {"Nu", "Lanthanoide", "flüssig", "Dichte in g/cm³ bei 20° C und 1013 mbar:"}};
    for (int zeile = 0; zeile < 3; ++zeile) {
      liste->setCurrentRow(zeile);
      for (int i = 0; i < 4; ++i) EXPECT_EQ(Text(&d, felder[i]), werte[zeile][i]) << zeile << " " << felder[i];
    }
    EXPECT_EQ(Text(&d, "Entdeckung"), "Entdeckt 2099 von Niemand");
  }));
  // The scales show their lines with their columns.
  ASSERT_TRUE(ImDialog("DiverseDaten1", "DivDatenDlg", [&](QDialog& d) {
    auto* auswahl = Element<QComboBox>(&d, "ComboBox1");
    auto* liste = Element<QTableWidget>(&d, "ListBox1");
    ASSERT_EQ(auswahl->count(), 11);
    EXPECT_EQ(auswahl->currentText(), "Buchformate");  // the first in sorted order
    EXPECT_EQ(liste->rowCount(), 10);
    EXPECT_EQ(liste->item(0, 0)->text(), "Z138");
    EXPECT_EQ(liste->columnCount(), 3);
    EXPECT_EQ(liste->horizontalHeaderItem(2)->text(), "Rückenhöhe in cm");
    auswahl->setCurrentText("Papierformate nach DIN");
    EXPECT_EQ(liste->columnCount(), 6);
    EXPECT_EQ(Spalte(liste, 0).front(), "Z129");
    EXPECT_EQ(Spalte(liste, 0).back(), "Z137");
  }));
}

// The nutrients by group and unit; the dialling codes with a flag where there is one.
TEST_F(NfoAnsichtenTest, NaehrwerteUndVorwahlen) {
  Datei("Stoffw13.nfo", {"Kopf", "Apfel\tObst\t52\t218", "Brot\tBackwaren\t250\t1046", "Birne\tObst\t57\t238"});
  Datei("Stoffw14.nfo", {"Kopf", "Atlantis\tAT\t+999", "Deutschland\tDE\t+49"});
  Starten();
  ASSERT_TRUE(ImDialog("Naehrwerttabelle1", "NaehrwertDlg", [&](QDialog& d) {
    auto* liste = Element<QTableWidget>(&d, "ListBox1");
    EXPECT_EQ(liste->rowCount(), 3);
    Element<QComboBox>(&d, "ComboBox1")->setCurrentText("Obst");
    EXPECT_EQ(Spalte(liste, 1), (QStringList{"52", "57"}));
    QTest::mouseClick(Element<QRadioButton>(&d, "kJoule"), Qt::LeftButton);
    EXPECT_EQ(Spalte(liste, 1), (QStringList{"218", "238"}));  // the group stays
  }));
  ASSERT_TRUE(ImDialog("Auslandsvorwahlen1", "AuslandsvorwahlDlg", [&](QDialog& d) {
    auto* liste = Element<QListWidget>(&d, "ListBox1");
    EXPECT_EQ(Text(&d, "Label2"), "+999");
    EXPECT_TRUE(Element<QLabel>(&d, "Image1")->pixmap().isNull());
    liste->setCurrentRow(1);
    EXPECT_EQ(Text(&d, "Label1"), "Deutschland");
    EXPECT_EQ(Text(&d, "Label2"), "+49");
    EXPECT_FALSE(Element<QLabel>(&d, "Image1")->pixmap().isNull());
    QTest::keySequence(liste, QKeySequence::Copy);
    EXPECT_EQ(m_Plattform.Ablage, "Land\tVorwahl\nAtlantis\t+999\nDeutschland\t+49\n");
  }));
}

}  // namespace
}  // namespace kolvaro::ui
