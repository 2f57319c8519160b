// The four calculators driven through their widgets from the main window's
// menus, on the shipped data.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "gemeinsam/Fenstertest.h"
#include "ui/calculators/Rechenbild.h"

namespace kolvaro::ui {
namespace {

class RechnerTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    Starten();
  }
  static void Tippen(QWidget* d, const char* feld, const QString& text) {
    auto* edit = Element<QLineEdit>(d, feld);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  static QString Text(QWidget* d, const char* label) { return Element<QLabel>(d, label)->text(); }
};

TEST_F(RechnerTest, MolmasseZeigtDasErgebnisUndMeldetUnbekanntes) {
  ASSERT_TRUE(ImDialog("MolmassenRechner1", "MolmasseDlg", [&](QDialog& d) {
    Tippen(&d, "Edit1", QStringLiteral("CaSO4·2H2O"));
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Text(&d, "Label3"), "172,164");
    QTest::keyClicks(Element<QLineEdit>(&d, "Edit1"), QStringLiteral(" "));
    EXPECT_EQ(Text(&d, "Label3"), "");  // typing clears the result

    Tippen(&d, "Edit1", QStringLiteral("Na-Xy"));
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Text(&d, "Label3"), "22,990");
    EXPECT_EQ(Texte("Fehler"), QStringList{"Falsche Eingabe im Werteingabeld! Bitte ändern! Syntaxf. in Xy"});
    EXPECT_EQ(Element<QLineEdit>(&d, "Edit1")->selectedText(), "Na-Xy");
  }));
}

TEST_F(RechnerTest, MolmasseOhneElementdateiNenntDieDatei) {
  std::filesystem::remove(Verzeichnis() / "Stoffw8.nfo");
  ASSERT_TRUE(ImDialog("MolmassenRechner1", "MolmasseDlg", [&](QDialog& d) {
    EXPECT_FALSE(Element<QPushButton>(&d, "BitBtn1")->isEnabled());
    EXPECT_TRUE(d.isVisible());
  }));
  ASSERT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Fehler")[0].contains("Stoffw8.nfo"));
}

TEST_F(RechnerTest, FlaechenRichtenDieFigurEinUndPruefenDieEingaben) {
  ASSERT_TRUE(ImDialog("FlchenBerechnung1", "Flaechen_Berechnung_Dlg", [&](QDialog& d) {
    auto* liste = Element<QComboBox>(&d, "ComboBox1");
    ASSERT_EQ(liste->count(), 13);
    EXPECT_FALSE(Element<QLineEdit>(&d, "Edit2")->isVisible());
    liste->setCurrentIndex(liste->findText("Kreisring"));
    EXPECT_TRUE(Element<QLineEdit>(&d, "Edit2")->isVisible());
    EXPECT_EQ(Text(&d, "Label2"), "d");
    EXPECT_EQ(Element<TRechenbild>(&d, "Image2")->Bild(), "KREISRING_F");
    Tippen(&d, "Edit1", "2");
    Tippen(&d, "Edit2", "2");
    Klick(&d, "BitBtn2");
    EXPECT_EQ(Texte("Fehler"), QStringList{"D muss größer als d sein! Bitte ändern! "});
    EXPECT_EQ(d.focusWidget(), Element<QLineEdit>(&d, "Edit1"));

    liste->setCurrentIndex(liste->findText("Kreis"));
    EXPECT_FALSE(Element<QLineEdit>(&d, "Edit2")->isVisible());
    Tippen(&d, "Edit1", "1");
    Klick(&d, "BitBtn2");
    EXPECT_EQ(Text(&d, "Label7"), "0,7853981634");
    EXPECT_EQ(Text(&d, "Label9"), "3,1415926536");
    QTest::keyClicks(Element<QLineEdit>(&d, "Edit1"), "0");
    EXPECT_EQ(Text(&d, "Label7"), "");  // typing empties the results
  }));
}

TEST_F(RechnerTest, KoerperBehaltenErgebnisseBisZurNaechstenRechnung) {
  ASSERT_TRUE(ImDialog("KrperBerechnung1", "Koerper_Berechnung_DlgN", [&](QDialog& d) {
    auto* liste = Element<QComboBox>(&d, "ComboBox1");
    ASSERT_EQ(liste->count(), 16);
    // Which fields a figure shows: the shared Figurendialog, shown with the areas above.
    Tippen(&d, "Edit1", "2");
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Text(&d, "Label7"), "8,0");
    EXPECT_EQ(Text(&d, "Label11"), "3,4641016151");
    Tippen(&d, "Edit1", "x");
    EXPECT_EQ(Text(&d, "Label7"), "8,0");
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Texte("Fehler"), QStringList{"Falsche Eingabe im Werteingabeld! Bitte ändern! "});
    EXPECT_EQ(Element<QLineEdit>(&d, "Edit1")->selectedText(), "x");
  }));
}

TEST_F(RechnerTest, KalenderNenntWochentagUndFeiertage) {
  ASSERT_TRUE(ImDialog("ImmerwhrenderKalender1", "KalenderDlg", [&](QDialog& d) {
    Tippen(&d, "Edit1", "01.01.2000");
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Text(&d, "Label3"), "Wochentag = Samstag");
    Tippen(&d, "Edit1", "10.10.1582");  // the error empties the result
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Text(&d, "Label3"), "");
    ASSERT_EQ(Texte("Fehler").size(), 1);
    EXPECT_TRUE(Texte("Fehler")[0].endsWith("im Abendländischen Kalender nicht vorhanden."));

    auto* memo = Element<QPlainTextEdit>(&d, "Memo1");
    Tippen(&d, "Edit2", "2000");
    Klick(&d, "BitBtn2");
    EXPECT_TRUE(memo->toPlainText().contains("Ostersonntag am 23.04.2000"));
    QTest::mouseClick(Element<QRadioButton>(&d, "Julianisch"), Qt::LeftButton);
    EXPECT_EQ(memo->toPlainText(), "");  // the choice of calendar empties the list
    Klick(&d, "BitBtn2");
    EXPECT_TRUE(memo->toPlainText().contains("Ostersonntag am 17.04.2000"));
  }));
}

}  // namespace
}  // namespace kolvaro::ui
