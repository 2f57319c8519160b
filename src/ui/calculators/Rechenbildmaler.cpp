// The drawing tools of the calculator pictures. Letters and formulas are
// drawn as glyph outlines rather than as text so that they scale with the
// picture exactly like the lines do: no hinting moves them against the
// drawing at another size.
#include "ui/calculators/Rechenbildmaler.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace kolvaro::ui::rechenbild {
namespace {

constexpr double kKantenbreite = 1.6;
constexpr double kMassbreite = 0.8;
constexpr double kBuchstabengroesse = 13.0;
constexpr double kFormelRand = 8.0;
// Formula pictures with few short lines would otherwise fill the picture with huge letters.
constexpr double kFormelHoechstgroesse = 15.0;

QFont Schrift(double groesse, bool kursiv) {
  QFont schrift(QStringLiteral("DejaVu Sans"));
  schrift.setStyleHint(QFont::SansSerif);
  schrift.setPixelSize(static_cast<int>(std::lround(groesse)));
  schrift.setItalic(kursiv);
  return schrift;
}

QPen Stift(double breite, Qt::PenStyle art = Qt::SolidLine) {
  QPen stift(kLinie, breite, art, Qt::FlatCap, Qt::RoundJoin);
  if (art == Qt::CustomDashLine) stift.setDashPattern({4.5, 3.0});
  return stift;
}

QPointF Einheit(QPointF v) {
  const double laenge = std::hypot(v.x(), v.y());
  return laenge > 0 ? v / laenge : QPointF();
}

void Pfeilspitze(QPainter& maler, QPointF spitze, QPointF richtung) {
  const QPointF r = Einheit(richtung), quer(-r.y(), r.x());
  const QPointF fuss = spitze - r * 5.0;
  maler.setPen(Qt::NoPen);
  maler.setBrush(kLinie);
  maler.drawPolygon(QPolygonF{spitze, fuss + quer * 1.8, fuss - quer * 1.8});
}

// Black glyphs in a thin white seam, so that a letter stays legible where it crosses a line.
void Schriftzug(QPainter& maler, const QPainterPath& zug) {
  maler.setBrush(Qt::NoBrush);
  maler.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  maler.drawPath(zug);
  maler.setPen(Qt::NoPen);
  maler.setBrush(kSchrift);
  maler.drawPath(zug);
}

}  // namespace

QPainterPath Vieleckweg(const QPolygonF& ecken) {
  QPainterPath weg;
  weg.addPolygon(ecken);
  weg.closeSubpath();
  return weg;
}

void Flaeche(QPainter& maler, const QPainterPath& umriss, const QBrush& fuellung) {
  maler.setPen(Qt::NoPen);
  maler.setBrush(fuellung);
  maler.drawPath(umriss);
  Kante(maler, umriss);
}

void Kante(QPainter& maler, const QPainterPath& weg) {
  maler.setBrush(Qt::NoBrush);
  maler.setPen(Stift(kKantenbreite));
  maler.drawPath(weg);
}

void Kante(QPainter& maler, QPointF von, QPointF bis) {
  QPainterPath weg(von);
  weg.lineTo(bis);
  Kante(maler, weg);
}

void Verdeckt(QPainter& maler, const QPainterPath& weg) {
  maler.setBrush(Qt::NoBrush);
  maler.setPen(Stift(0.9, Qt::CustomDashLine));
  maler.drawPath(weg);
}

void Verdeckt(QPainter& maler, QPointF von, QPointF bis) {
  QPainterPath weg(von);
  weg.lineTo(bis);
  Verdeckt(maler, weg);
}

void Mass(QPainter& maler, QPointF von, QPointF bis, const QString& name, QPointF textversatz) {
  maler.setPen(Stift(kMassbreite));
  maler.drawLine(von, bis);
  Pfeilspitze(maler, von, von - bis);
  Pfeilspitze(maler, bis, bis - von);
  Buchstabe(maler, (von + bis) / 2 + textversatz, name);
}

void Halbmass(QPainter& maler, QPointF von, QPointF bis, const QString& name, QPointF textversatz) {
  maler.setPen(Stift(kMassbreite));
  maler.drawLine(von, bis);
  Pfeilspitze(maler, bis, bis - von);
  Buchstabe(maler, (von + bis) / 2 + textversatz, name);
}

void MassAussen(QPainter& maler, QPointF von, QPointF bis, QPointF abstand, const QString& name) {
  const QPointF richtung = Einheit(abstand);
  Hilfslinie(maler, von + richtung * 3, von + abstand + richtung * 4);
  Hilfslinie(maler, bis + richtung * 3, bis + abstand + richtung * 4);
  Mass(maler, von + abstand, bis + abstand, name, richtung * 9.5);
}

void Hilfslinie(QPainter& maler, QPointF von, QPointF bis) {
  maler.setPen(Stift(0.6));
  maler.drawLine(von, bis);
}

void Hilfslinie(QPainter& maler, const QPainterPath& weg) {
  maler.setBrush(Qt::NoBrush);
  maler.setPen(Stift(0.6));
  maler.drawPath(weg);
}

void RechterWinkel(QPainter& maler, QPointF ecke, QPointF richtung1, QPointF richtung2) {
  const QPointF a = Einheit(richtung1) * 7.0, b = Einheit(richtung2) * 7.0;
  maler.setPen(Stift(0.7));
  maler.setBrush(Qt::NoBrush);
  maler.drawPolyline(QPolygonF{ecke + a, ecke + a + b, ecke + b});
  maler.setBrush(kLinie);
  maler.setPen(Qt::NoPen);
  maler.drawEllipse(ecke + (a + b) / 2, 0.9, 0.9);
}

void Winkelbogen(QPainter& maler, QPointF mitte, double radius, double von, double bis) {
  maler.setPen(Stift(kMassbreite));
  maler.setBrush(Qt::NoBrush);
  maler.drawPath(Ellipsenbogen(mitte, radius, radius, von, bis));
}

void Buchstabe(QPainter& maler, QPointF mitte, const QString& name) {
  if (name.isEmpty()) return;
  const QFont gross = Schrift(kBuchstabengroesse, true), klein = Schrift(kBuchstabengroesse * 0.7, true);
  QPainterPath zug;
  zug.addText(0, 0, gross, name.left(1));
  if (name.size() > 1) zug.addText(QFontMetricsF(gross).horizontalAdvance(name.left(1)) - 0.5, 4.0, klein, name.mid(1));
  zug.translate(mitte - zug.boundingRect().center());
  Schriftzug(maler, zug);
}

void Text(QPainter& maler, QPointF links, const QString& text) {
  QPainterPath zug;
  zug.addText(0, 0, Schrift(kBuchstabengroesse, true), text);
  const QRectF umriss = zug.boundingRect();
  zug.translate(links.x() - umriss.left(), links.y() - umriss.center().y());
  Schriftzug(maler, zug);
}

void Formeltext(QPainter& maler, const QStringList& zeilen) {
  if (zeilen.isEmpty()) return;
  // Laid out at a reference size, then scaled as a whole: outlines scale without changing their shape.
  constexpr double kBezug = 12.0;
  const QFont schrift = Schrift(kBezug, false);
  const QFontMetricsF masse(schrift);
  const double zeilenabstand = masse.lineSpacing() * 1.2;
  QPainterPath text;
  double breite = 0;
  for (int i = 0; i < zeilen.size(); ++i) {
    text.addText(0, masse.ascent() + i * zeilenabstand, schrift, zeilen[i]);
    breite = std::max(breite, masse.horizontalAdvance(zeilen[i]));
  }
  const double hoehe = (zeilen.size() - 1) * zeilenabstand + masse.ascent() + masse.descent();
  const double platz = kRaster - 2 * kFormelRand;
  const double massstab = std::min({kFormelHoechstgroesse / kBezug, platz / breite, platz / hoehe});
  maler.save();
  maler.translate(kFormelRand, (kRaster - hoehe * massstab) / 2);
  maler.scale(massstab, massstab);
  maler.setPen(Qt::NoPen);
  maler.setBrush(kSchrift);
  maler.drawPath(text);
  maler.restore();
}

QPointF Ellipsenpunkt(QPointF mitte, double rx, double ry, double winkel) {
  const double w = qDegreesToRadians(winkel);
  return {mitte.x() + rx * std::cos(w), mitte.y() - ry * std::sin(w)};
}

QPainterPath Ellipsenbogen(QPointF mitte, double rx, double ry, double von, double bis) {
  const QRectF rechteck(mitte.x() - rx, mitte.y() - ry, 2 * rx, 2 * ry);
  QPainterPath bogen;
  bogen.arcMoveTo(rechteck, von);
  bogen.arcTo(rechteck, von, bis - von);
  return bogen;
}

}  // namespace kolvaro::ui::rechenbild
