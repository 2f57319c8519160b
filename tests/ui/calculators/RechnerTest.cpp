// The four calculators driven through their widgets from the main window's
// menus, on the shipped data (what they compute is the core's tests'), and
// their pictures: one for each figure, each drawn alike at any size inside
// its frame, and described.
#include <gtest/gtest.h>

#include <QImage>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <filesystem>

#include "calculators/Rechenfigur.h"
#include "gemeinsam/Fenstertest.h"
#include "ui/calculators/Rechenbild.h"

namespace kolvaro::ui {
namespace {

class RechnerTest : public test::GebautesFenster {
 protected:
  static void Tippen(QWidget* d, const char* feld, const QString& text) {
    Element<QLineEdit>(d, feld)->selectAll();
    QTest::keyClicks(Element<QLineEdit>(d, feld), text);
  }
};

TEST_F(RechnerTest, MolmasseZeigtDasErgebnisUndMeldetUnbekanntesUndDieFehlendeDatei) {
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
  // Without the element file the dialog opens, says so and does not calculate.
  std::filesystem::remove(Verzeichnis() / "Stoffw8.nfo");
  m_Plattform.Boxen.clear();
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
    auto* zweites = Element<QLineEdit>(&d, "Edit2");
    ASSERT_EQ(liste->count(), 13);
    EXPECT_FALSE(zweites->isVisible());
    liste->setCurrentIndex(liste->findText("Kreisring"));
    EXPECT_TRUE(zweites->isVisible());
    EXPECT_EQ(Text(&d, "Label2"), "d");
    EXPECT_EQ(Element<TRechenbild>(&d, "Image2")->Bild(), "KREISRING_F");
    Tippen(&d, "Edit1", "2");
    Tippen(&d, "Edit2", "2");
    Klick(&d, "BitBtn2");  // the text: Rechenfigur.LehntFalscheEingabenMitMeldungUndFeldAb
    EXPECT_EQ(Texte("Fehler").size(), 1);
    EXPECT_EQ(d.focusWidget(), Element<QLineEdit>(&d, "Edit1"));

    liste->setCurrentIndex(liste->findText("Kreis"));
    EXPECT_FALSE(zweites->isVisible());
    Tippen(&d, "Edit1", "1");
    Klick(&d, "BitBtn2");
    EXPECT_EQ(Text(&d, "Label7") + " " + Text(&d, "Label9"), "0,7853981634 3,1415926536");
    QTest::keyClicks(Element<QLineEdit>(&d, "Edit1"), "0");
    EXPECT_EQ(Text(&d, "Label7"), "");  // typing empties the results

    // Two corners make no polygon: refused like a text that is no number.
    liste->setCurrentIndex(liste->findText("Vieleck, regelmäßiges"));
    Tippen(&d, "Edit1", "2");
    Tippen(&d, "Edit2", "1");
    Klick(&d, "BitBtn2");
    EXPECT_EQ(Texte("Fehler").size(), 2);
    EXPECT_EQ(Element<QLineEdit>(&d, "Edit1")->selectedText(), "2");
    EXPECT_EQ(Text(&d, "Label7"), "");
  }));
}

// Which fields a figure shows is the shared Figurendialog's, shown with the areas.
TEST_F(RechnerTest, KoerperBehaltenErgebnisseBisZurNaechstenRechnung) {
  ASSERT_TRUE(ImDialog("KrperBerechnung1", "Koerper_Berechnung_DlgN", [&](QDialog& d) {
    ASSERT_EQ(Element<QComboBox>(&d, "ComboBox1")->count(), 16);
    Tippen(&d, "Edit1", "2");
    Klick(&d, "BitBtn1");  // the values: Rechenfigur.BerechnetJedeFigurUndJedenKoerper
    const QString volumen = Text(&d, "Label7");
    EXPECT_FALSE(volumen.isEmpty());
    Tippen(&d, "Edit1", "x");
    EXPECT_EQ(Text(&d, "Label7"), volumen);
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Texte("Fehler").size(), 1);
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

QImage Gemalt(const QString& name, int seite, int rand = 0, bool bekannt = true) {
  QImage bild(seite, seite, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QPainter maler(&bild);
  EXPECT_EQ(RechenbildMalen(maler, name, QRectF(rand, rand, seite - 2 * rand, seite - 2 * rand)), bekannt);
  return bild;
}

// The ink (black: 1) outside aussen in pixels greyer than grenze; shading spreads ink but keeps its amount.
double Anteil(const QImage& bild, int grenze, QRect aussen = {}) {
  double tinte = 0;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      if (const int grau = qGray(bild.pixel(x, y)); grau < grenze && !aussen.contains(x, y)) tinte += 255 - grau;
  return tinte / (255.0 * bild.width() * bild.height());
}

TEST(Rechenbild, JederNameDerRechnerIstGenauEinmalDaUndKeinAndrer) {
  const QStringList namen = RechenbildNamen();
  QSet<QString> erwartet, beschreibungen;
  // Every figure of the calculators shows its drawing and its formulas.
  for (const auto* liste : {&Flaechenfiguren(), &Koerperfiguren()})
    for (const Rechenfigur& figur : *liste)
      erwartet << QString::fromLatin1(figur.Bild.c_str())
               << QString::fromLatin1(figur.Bild.c_str()) + QStringLiteral("_F");
  for (const QString& name : namen) beschreibungen << RechenbildBeschreibung(name);
  EXPECT_EQ(namen.size(), 58);
  EXPECT_EQ(QSet<QString>(namen.begin(), namen.end()), erwartet);
  EXPECT_EQ(beschreibungen.size(), 58);  // no picture copied without its text changed
  for (const char* name : {"", "quadrat", "QUADRAT_FF", "_F", "KREIS ", "F"})
    EXPECT_TRUE(Anteil(Gemalt(QLatin1String(name), 150, 0, false), 256) == 0 &&
                RechenbildBeschreibung(QLatin1String(name)).isEmpty())
        << name;
}

TEST(Rechenbild, JedesBildIstGezeichnetGleichInJederGroesseUndBleibtImRahmen) {
  for (const QString& name : RechenbildNamen()) {
    SCOPED_TRACE(name.toStdString());
    const QImage klein = Gemalt(name, 150), gross = Gemalt(name, 450);
    EXPECT_GT(Anteil(klein, 256), 0.005);  // drawn, not one fill, with lines or letters
    EXPECT_LT(Anteil(klein, 256), 0.6);
    EXPECT_GT(Anteil(klein, 110), 0.003);
    // Lines and letters grow with the picture: three times as large, they cover the same share of it.
    EXPECT_NEAR(Anteil(gross, 256), Anteil(klein, 256), Anteil(klein, 256) * 0.1);
    EXPECT_EQ(Anteil(Gemalt(name, 190, 20), 256, QRect(19, 19, 152, 152)), 0.0);
  }
}

TEST(Rechenbild, WidgetSagtBildschirmlesernWasEsZeigt) {
  // Subscripts read as plain digits; a formula over several lines is read as one.
  const char* const faelle[][3] = {{"KEGEL", "Zeichnung", "Kegel mit Durchmesser d, Höhe h"},
                                   {"PARALLELOGRAMM_F", "Formel", "A = a·h"},
                                   {"PYRAMIDENSTUMPF_F", "Formeln", "+ (a1 + a2)·(b1 + b2)), A1 = a1·b1"},
                                   {"ELLIPSE_F", "Formeln", "(1 + λ²/4 + λ⁴/64 + λ⁶/256 + 25λ⁸/16384), p = D/2"}};
  TRechenbild bild;
  for (const auto& fall : faelle) {
    bild.BildSetzen(QString::fromUtf8(fall[0]));
    EXPECT_EQ(bild.accessibleName(), QString::fromUtf8(fall[1]));
    EXPECT_TRUE(bild.accessibleDescription().contains(QString::fromUtf8(fall[2]))) << fall[0];
  }
  bild.resize(bild.sizeHint());
  EXPECT_GT(Anteil(bild.grab().toImage(), 256), 0.005);
}

}  // namespace
}  // namespace kolvaro::ui
