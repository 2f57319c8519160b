// The calculator pictures: one for each figure, each picture drawn alike at any size inside its frame, and described.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "calculators/Rechenfigur.h"
#include "ui/calculators/Rechenbild.h"

namespace kolvaro::ui {
namespace {

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
                                   {"PYRAMIDENSTUMPF_F", "Formeln", "√(A1·A2)), A1 = a1·b1"},
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
