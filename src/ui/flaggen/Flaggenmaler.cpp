// The flag painter: draws the commands read by Flaggenbeschreibung.cpp onto
// the white 32 x 16 picture and keeps every picture once drawn, for the
// bitmap names of ressourcen/flaggen.txt.
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "ui/Flaggen.h"
#include "ui/flaggen/Flaggenbeschreibung.h"

namespace kolvaro::ui {
namespace {

using flaggen::Art;
using flaggen::Befehl;
using flaggen::kBreite;
using flaggen::kHoehe;

QPolygonF SternPunkte(QPointF mitte, double radius, double drehung, int zacken, double innen) {
  QPolygonF punkte;
  for (int i = 0; i < 2 * zacken; ++i) {
    const double winkel = qDegreesToRadians(-90.0 + drehung + i * 180.0 / zacken);
    const double r = i % 2 == 0 ? radius : radius * innen;
    punkte << QPointF(mitte.x() + r * std::cos(winkel), mitte.y() + r * std::sin(winkel));
  }
  return punkte;
}

// A star of a few pixels covers too little of each pixel and fades into its
// ground; a thin outline in its own colour keeps it visible.
void KleinenSternStaerken(QPainter& maler, const QColor& farbe, double radius) {
  if (radius < 2.0) maler.setPen(QPen(farbe, 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Band(QPainter& maler, QPointF von, QPointF bis, double breite, const QColor& farbe,
          Qt::PenCapStyle enden = Qt::SquareCap) {
  QPen stift(farbe, breite, Qt::SolidLine, enden, Qt::MiterJoin);
  maler.setPen(stift);
  maler.drawLine(von, bis);
  maler.setPen(Qt::NoPen);
}

void Streifen(QPainter& maler, const QRectF& bereich, const Befehl& befehl, bool waagerecht) {
  double summe = 0;
  for (double g : befehl.gewichte) summe += g;
  const double anfang = waagerecht ? bereich.top() : bereich.left();
  const double laenge = waagerecht ? bereich.height() : bereich.width();
  double bisher = 0;
  for (std::size_t i = 0; i < befehl.farben.size(); ++i) {
    // Whole pixels keep the edges between stripes sharp.
    const double a = std::round(anfang + laenge * bisher / summe);
    bisher += befehl.gewichte[i];
    const double b = std::round(anfang + laenge * bisher / summe);
    const QRectF streifen = waagerecht ? QRectF(bereich.left(), a, bereich.width(), b - a)
                                       : QRectF(a, bereich.top(), b - a, bereich.height());
    maler.fillRect(streifen, befehl.farben[i]);
  }
}

void UnionJack(QPainter& maler, const QRectF& r) {
  const QColor blau(0x01, 0x21, 0x69), rot(0xC8, 0x10, 0x2E), weiss(Qt::white);
  maler.save();
  maler.setClipRect(r, Qt::IntersectClip);
  maler.fillRect(r, blau);
  const double h = r.height();
  Band(maler, r.topLeft(), r.bottomRight(), h * 6 / 30, weiss);
  Band(maler, r.topRight(), r.bottomLeft(), h * 6 / 30, weiss);
  // The red saltire is counterchanged: in each quarter it lies off the
  // diagonal's centre line, turning like a pinwheel.
  const QPointF mitte = r.center();
  const QPointF ecken[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  for (int i = 0; i < 4; ++i) {
    const QPointF ecke = ecken[i];
    const QPointF naechste = ecken[(i + 3) % 4];  // the arm it is shifted towards
    QPointF richtung = naechste - mitte;
    const QPointF arm = ecke - mitte;
    const double armLaenge = std::hypot(arm.x(), arm.y());
    // Part of "richtung" at right angles to the arm, scaled to the shift.
    const double anteil = (richtung.x() * arm.x() + richtung.y() * arm.y()) / (armLaenge * armLaenge);
    richtung -= arm * anteil;
    const double richtungLaenge = std::hypot(richtung.x(), richtung.y());
    const QPointF versatz = richtung * (h / 30 / richtungLaenge);
    maler.save();
    maler.setClipRect(
        QRectF(std::min(ecke.x(), mitte.x()), std::min(ecke.y(), mitte.y()), r.width() / 2, r.height() / 2),
        Qt::IntersectClip);
    Band(maler, ecke + versatz, mitte + versatz, h * 2 / 30, rot);
    maler.restore();
  }
  const QPointF links(r.left(), mitte.y()), rechts(r.right(), mitte.y());
  const QPointF oben(mitte.x(), r.top()), unten(mitte.x(), r.bottom());
  Band(maler, links, rechts, h * 10 / 30, weiss, Qt::FlatCap);
  Band(maler, oben, unten, h * 10 / 30, weiss, Qt::FlatCap);
  Band(maler, links, rechts, h * 6 / 30, rot, Qt::FlatCap);
  Band(maler, oben, unten, h * 6 / 30, rot, Qt::FlatCap);
  maler.restore();
}

void Ausfuehren(QPainter& maler, QRectF& bereich, const Befehl& befehl) {
  const auto& z = befehl.zahlen;
  const QColor farbe = befehl.farben.empty() ? QColor() : befehl.farben[0];
  maler.setPen(Qt::NoPen);
  maler.setBrush(farbe);
  switch (befehl.art) {
    case Art::Waagerecht:
    case Art::Senkrecht:
      Streifen(maler, bereich, befehl, befehl.art == Art::Waagerecht);
      break;
    case Art::Feld:
      maler.fillRect(bereich, farbe);
      break;
    case Art::Bereich:
      bereich = QRectF(0, 0, kBreite, kHoehe);
      if (!z.empty()) bereich = bereich.intersected(QRectF(z[0], z[1], z[2], z[3]).normalized());
      maler.setClipRect(bereich);
      break;
    case Art::Rechteck:
      maler.fillRect(QRectF(z[0], z[1], z[2], z[3]), farbe);
      break;
    case Art::Kanton:
      maler.fillRect(QRectF(bereich.left(), bereich.top(), z[0], z[1]), farbe);
      break;
    case Art::Rahmen: {
      const QRectF innen = bereich.adjusted(z[0], z[0], -z[0], -z[0]);
      QPainterPath rand;
      rand.addRect(bereich);
      rand.addRect(innen);
      rand.setFillRule(Qt::OddEvenFill);
      maler.drawPath(rand);
      break;
    }
    case Art::Kreuz:
      maler.fillRect(QRectF(bereich.left(), z[1] - z[2] / 2, bereich.width(), z[2]), farbe);
      maler.fillRect(QRectF(z[0] - z[2] / 2, bereich.top(), z[2], bereich.height()), farbe);
      break;
    case Art::Plus:
      maler.fillRect(QRectF(z[0] - z[2] / 2, z[1] - z[3] / 2, z[2], z[3]), farbe);
      maler.fillRect(QRectF(z[0] - z[3] / 2, z[1] - z[2] / 2, z[3], z[2]), farbe);
      break;
    case Art::Andreas:
      Band(maler, bereich.topLeft(), bereich.bottomRight(), z[0], farbe);
      Band(maler, bereich.topRight(), bereich.bottomLeft(), z[0], farbe);
      break;
    case Art::Linie:
      Band(maler, QPointF(z[0], z[1]), QPointF(z[2], z[3]), z[4], farbe);
      break;
    case Art::Zug: {
      QPolygonF punkte;
      for (std::size_t i = 1; i + 1 < z.size(); i += 2) punkte << QPointF(z[i], z[i + 1]);
      maler.setBrush(Qt::NoBrush);
      maler.setPen(QPen(farbe, z[0], Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
      // A line that ends where it starts is drawn closed, with a mitred corner there too.
      if (punkte.size() > 3 && punkte.first() == punkte.last())
        maler.drawPolygon(punkte.mid(0, punkte.size() - 1));
      else
        maler.drawPolyline(punkte);
      maler.setPen(Qt::NoPen);
      break;
    }
    case Art::Keil:
      maler.drawPolygon(
          QPolygonF{bereich.topLeft(), QPointF(bereich.left() + z[0], bereich.center().y()), bereich.bottomLeft()});
      break;
    case Art::Vieleck: {
      QPolygonF punkte;
      for (std::size_t i = 0; i + 1 < z.size(); i += 2) punkte << QPointF(z[i], z[i + 1]);
      maler.drawPolygon(punkte, Qt::WindingFill);
      break;
    }
    case Art::Kreis:
      maler.drawEllipse(QPointF(z[0], z[1]), z[2], z[2]);
      break;
    case Art::Ring:
      maler.setBrush(Qt::NoBrush);
      maler.setPen(QPen(farbe, z[3]));
      maler.drawEllipse(QPointF(z[0], z[1]), z[2], z[2]);
      maler.setPen(Qt::NoPen);
      break;
    case Art::Ellipse:
      maler.drawEllipse(QPointF(z[0], z[1]), z[2], z[3]);
      break;
    case Art::Stern:
      KleinenSternStaerken(maler, farbe, z[2]);
      maler.drawPolygon(SternPunkte(QPointF(z[0], z[1]), z[2], z.size() > 3 ? z[3] : 0.0,
                                    z.size() > 4 ? static_cast<int>(z[4]) : 5, z.size() > 5 ? z[5] : 0.382),
                        Qt::WindingFill);
      maler.setPen(Qt::NoPen);
      break;
    case Art::Sternring: {
      const int anzahl = static_cast<int>(z[4]);
      KleinenSternStaerken(maler, farbe, z[3]);
      for (int i = 0; i < anzahl; ++i) {
        const double winkel = qDegreesToRadians(-90.0 + 360.0 * i / anzahl);
        const QPointF mitte(z[0] + z[2] * std::cos(winkel), z[1] + z[2] * std::sin(winkel));
        maler.drawPolygon(SternPunkte(mitte, z[3], 0.0, 5, 0.382), Qt::WindingFill);
      }
      maler.setPen(Qt::NoPen);
      break;
    }
    case Art::Halbmond: {
      const double winkel = qDegreesToRadians(z.size() > 5 ? z[5] : 0.0);
      QPainterPath scheibe, loch;
      scheibe.addEllipse(QPointF(z[0], z[1]), z[2], z[2]);
      loch.addEllipse(QPointF(z[0] + z[4] * std::cos(winkel), z[1] + z[4] * std::sin(winkel)), z[3], z[3]);
      maler.drawPath(scheibe.subtracted(loch));
      break;
    }
    case Art::Rauten: {
      const double b = z[0], h = z[1];
      for (double y = bereich.top(); y < bereich.bottom() + h; y += h)
        for (double x = bereich.left(); x < bereich.right() + b; x += b)
          maler.drawPolygon(
              QPolygonF{QPointF(x, y - h / 2), QPointF(x + b / 2, y), QPointF(x, y + h / 2), QPointF(x - b / 2, y)});
      break;
    }
    case Art::Schach: {
      const int spalten = static_cast<int>(z[4]), zeilen = static_cast<int>(z[5]);
      const double b = z[2] / spalten, h = z[3] / zeilen;
      for (int j = 0; j < zeilen; ++j)
        for (int i = 0; i < spalten; ++i)
          maler.fillRect(QRectF(z[0] + i * b, z[1] + j * h, b, h), befehl.farben[(i + j) % 2]);
      break;
    }
    case Art::Union:
      UnionJack(maler, z.empty() ? bereich : QRectF(z[0], z[1], z[2], z[3]));
      break;
    case Art::Text: {
      QFont schrift;
      schrift.setStyleHint(QFont::SansSerif);
      schrift.setFamily(QStringLiteral("DejaVu Sans"));
      schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(z[2]))));
      schrift.setBold(true);
      QPainterPath pfad;
      pfad.addText(0, 0, schrift, befehl.text);
      const QRectF umriss = pfad.boundingRect();
      pfad.translate(z[0] - umriss.center().x(), z[1] - umriss.center().y());
      maler.drawPath(pfad);
      break;
    }
  }
}

QPixmap Zeichnen(const QString& beschreibung) {
  QPixmap bild(kBreite, kHoehe);
  bild.fill(Qt::white);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing, true);
  QRectF bereich(0, 0, kBreite, kHoehe);
  maler.setClipRect(bereich);
  for (const Befehl& befehl : flaggen::BeschreibungLesen(beschreibung)) Ausfuehren(maler, bereich, befehl);
  return bild;
}

// Bitmap name -> description; a description is read only when its picture
// is first asked for.
const QHash<QString, QString>& Tabelle() {
  static const QHash<QString, QString> tabelle = [] {
    QHash<QString, QString> gelesen;
    for (const QString& zeile : FlaggenbeschreibungsZeilen()) {
      QString name, beschreibung;
      if (flaggen::ZeileTeilen(zeile, &name, &beschreibung)) gelesen.insert(name, beschreibung);
    }
    return gelesen;
  }();
  return tabelle;
}

}  // namespace

QPixmap Flagge(const QString& flaggenname) {
  static QHash<QString, QPixmap> zwischenspeicher;
  auto gefunden = zwischenspeicher.constFind(flaggenname);
  if (gefunden != zwischenspeicher.constEnd()) return *gefunden;
  auto beschreibung = Tabelle().constFind(flaggenname);
  if (beschreibung == Tabelle().constEnd()) return QPixmap();
  QPixmap bild = Zeichnen(*beschreibung);
  zwischenspeicher.insert(flaggenname, bild);
  return bild;
}

bool FlaggeVorhanden(const QString& flaggenname) { return Tabelle().contains(flaggenname); }

QStringList AlleFlaggennamen() {
  QStringList namen = Tabelle().keys();
  namen.sort();
  return namen;
}

QPixmap FlaggeAusBeschreibung(const QString& beschreibung) { return Zeichnen(beschreibung); }

}  // namespace kolvaro::ui
