// The drawings of the thirteen plane figures of the area calculator and
// their formulas. Every drawing carries the letters of the calculator's
// inputs; a length outside the figure is dimensioned below or beside it.
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

#include "ui/calculators/Rechenbildmaler.h"

namespace kolvaro::ui::rechenbild {
namespace {

// A length along a horizontal edge, dimensioned below it at unten.
void MassUnten(QPainter& maler, QPointF links, QPointF rechts, double unten, const QString& name) {
  MassAussen(maler, links, rechts, QPointF(0, unten - links.y()), name);
}

// A height from a corner down to the base line (or its extension), with the right angle at its foot.
void Hoehe(QPainter& maler, QPointF oben, double grundlinie, const QString& name, double winkelseite) {
  const QPointF fuss(oben.x(), grundlinie);
  Mass(maler, oben, fuss, name, QPointF(-7 * winkelseite, 0));
  RechterWinkel(maler, fuss, QPointF(0, -1), QPointF(winkelseite, 0));
}

// Equal sides carry the same short stroke across their middle.
void Strich(QPainter& maler, QPointF von, QPointF bis) {
  const QPointF mitte = (von + bis) / 2, r = bis - von;
  const double laenge = std::hypot(r.x(), r.y());
  const QPointF quer(-r.y() / laenge * 4, r.x() / laenge * 4);
  Kante(maler, mitte - quer, mitte + quer);
}

void Quadrat(QPainter& maler) {
  const QRectF q(35, 22, 80, 80);
  QPainterPath weg;
  weg.addRect(q);
  Flaeche(maler, weg);
  Verdeckt(maler, q.bottomLeft(), q.topRight());
  Buchstabe(maler, q.center() + QPointF(8, 8), QStringLiteral("d"));
  MassUnten(maler, q.bottomLeft(), q.bottomRight(), 116, QStringLiteral("a"));
}

void Rechteck(QPainter& maler) {
  const QRectF r(10, 31, 105, 62);
  QPainterPath weg;
  weg.addRect(r);
  Flaeche(maler, weg);
  Verdeckt(maler, r.bottomLeft(), r.topRight());
  Buchstabe(maler, r.center() + QPointF(4.5, 7.5), QStringLiteral("d"));
  MassUnten(maler, r.bottomLeft(), r.bottomRight(), 107, QStringLiteral("a"));
  MassAussen(maler, r.topRight(), r.bottomRight(), QPointF(12, 0), QStringLiteral("b"));
}

// A parallelogram on a horizontal base: sides a (base) and schraeg, height h.
void Schiefeck(QPainter& maler, double links, double unten, double a, double h, double versatz) {
  const QPolygonF ecken{QPointF(links, unten), QPointF(links + a, unten), QPointF(links + a + versatz, unten - h),
                        QPointF(links + versatz, unten - h)};
  Flaeche(maler, Vieleckweg(ecken));
  Hoehe(maler, ecken[3], unten, QStringLiteral("h"), 1);
  MassUnten(maler, ecken[0], ecken[1], unten + 14, QStringLiteral("a"));
}

void Raute(QPainter& maler) {
  // All four sides as long as the base.
  const double a = 72, h = 58;
  Schiefeck(maler, 16, 90, a, h, std::sqrt(a * a - h * h));
}

void Parallelogramm(QPainter& maler) { Schiefeck(maler, 14, 91, 86, 58, 36); }

void Trapez(QPainter& maler) {
  const QPolygonF ecken{QPointF(14, 102), QPointF(136, 102), QPointF(106, 44), QPointF(44, 44)};
  Flaeche(maler, Vieleckweg(ecken));
  Hoehe(maler, ecken[3], 102, QStringLiteral("h"), 1);
  MassUnten(maler, ecken[0], ecken[1], 116, QStringLiteral("a"));
  MassAussen(maler, ecken[3], ecken[2], QPointF(0, -14), QStringLiteral("b"));
}

void Dreieck(QPainter& maler) {
  const QPolygonF ecken{QPointF(14, 102), QPointF(136, 102), QPointF(98, 28)};
  Flaeche(maler, Vieleckweg(ecken));
  Hoehe(maler, ecken[2], 102, QStringLiteral("h"), -1);
  MassUnten(maler, ecken[0], ecken[1], 116, QStringLiteral("a"));
}

void DreieckGleichseitig(QPainter& maler) {
  const double a = 104, unten = 106;
  const QPolygonF ecken{QPointF(75 - a / 2, unten), QPointF(75 + a / 2, unten),
                        QPointF(75, unten - a * std::sqrt(3.0) / 2)};
  Flaeche(maler, Vieleckweg(ecken));
  for (int i = 0; i < 3; ++i) Strich(maler, ecken[i], ecken[(i + 1) % 3]);
  MassUnten(maler, ecken[0], ecken[1], unten + 14, QStringLiteral("a"));
  // The letter beside each slanting side, out along its normal.
  const QPointF links = (ecken[0] + ecken[2]) / 2, rechts = (ecken[1] + ecken[2]) / 2;
  Buchstabe(maler, links + QPointF(-9.5, -5.5), QStringLiteral("a"));
  Buchstabe(maler, rechts + QPointF(9.5, -5.5), QStringLiteral("a"));
}

void Vieleck(QPainter& maler) {
  constexpr int kEcken = 6;
  const QPointF mitte(75, 68);
  const double radius = 52;
  QPolygonF ecken;
  for (int i = 0; i < kEcken; ++i) ecken << Ellipsenpunkt(mitte, radius, radius, 360.0 * i / kEcken);
  Flaeche(maler, Vieleckweg(ecken));
  // The bottom side, between the corners at 240° and 300°, and its angle at the centre.
  const QPointF links = ecken[4], rechts = ecken[5];
  Verdeckt(maler, mitte, links);
  Verdeckt(maler, mitte, rechts);
  Winkelbogen(maler, mitte, 16, 240, 300);
  Buchstabe(maler, mitte + QPointF(0, 26), QStringLiteral("φ"));
  maler.setPen(Qt::NoPen);
  maler.setBrush(kLinie);
  maler.drawEllipse(mitte, 1.4, 1.4);
  MassUnten(maler, links, rechts, links.y() + 12, QStringLiteral("a"));
  Text(maler, QPointF(8, 14), QStringLiteral("n = 6"));
}

void Kreis(QPainter& maler) {
  const QPointF mitte(75, 72);
  const double r = 56;
  QPainterPath weg;
  weg.addEllipse(mitte, r, r);
  Flaeche(maler, weg);
  Mass(maler, mitte - QPointF(r, 0), mitte + QPointF(r, 0), QStringLiteral("d"), QPointF(-15, -9));
}

void Kreisring(QPainter& maler) {
  const QPointF mitte(75, 62);
  const double aussen = 52, innen = 25;
  QPainterPath ring;
  ring.addEllipse(mitte, aussen, aussen);
  ring.addEllipse(mitte, innen, innen);
  Flaeche(maler, ring);
  Mass(maler, mitte - QPointF(innen, 0), mitte + QPointF(innen, 0), QStringLiteral("d"), QPointF(0, -9));
  MassUnten(maler, mitte - QPointF(aussen, 0), mitte + QPointF(aussen, 0), mitte.y() + aussen + 12,
            QStringLiteral("D"));
}

void Kreisausschnitt(QPainter& maler) {
  const QPointF mitte(75, 128);
  const double r = 100, von = 60, bis = 120;
  QPainterPath weg(mitte);
  weg.lineTo(Ellipsenpunkt(mitte, r, r, von));
  weg.arcTo(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r), von, bis - von);
  weg.closeSubpath();
  Flaeche(maler, weg);
  Winkelbogen(maler, mitte, 22, von, bis);
  Buchstabe(maler, Ellipsenpunkt(mitte, 33, 33, 90), QStringLiteral("α"));
  Buchstabe(maler, Ellipsenpunkt(mitte, r / 2, r / 2, von) + QPointF(8.5, 5), QStringLiteral("r"));
  Buchstabe(maler, Ellipsenpunkt(mitte, r + 10, r + 10, 90), QStringLiteral("lb"));
}

void Kreisabschnitt(QPainter& maler) {
  // The segment above a chord 35 below the top of a circle of radius 70: the chord ends at 30° and 150°.
  const QPointF mitte(75, 112);
  const double r = 70;
  const QPointF links = Ellipsenpunkt(mitte, r, r, 150), rechts = Ellipsenpunkt(mitte, r, r, 30);
  QPainterPath weg(links);
  weg.arcTo(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r), 150, -120);
  weg.closeSubpath();
  Flaeche(maler, weg);
  const QPointF scheitel(mitte.x(), mitte.y() - r), fuss(mitte.x(), links.y());
  Mass(maler, scheitel, fuss, QStringLiteral("b"), QPointF(8, 0));
  RechterWinkel(maler, fuss, QPointF(0, -1), QPointF(-1, 0));
  MassUnten(maler, links, rechts, links.y() + 14, QStringLiteral("l"));
}

void Ellipse(QPainter& maler) {
  const QPointF mitte(75, 75);
  const double p = 62, q = 40;
  QPainterPath weg;
  weg.addEllipse(mitte, p, q);
  Flaeche(maler, weg);
  Mass(maler, mitte - QPointF(p, 0), mitte + QPointF(p, 0), QStringLiteral("D"), QPointF(-31, -8));
  Mass(maler, mitte - QPointF(0, q), mitte + QPointF(0, q), QStringLiteral("d"), QPointF(7, -20));
}

}  // namespace

const std::vector<Eintrag>& Flaechen() {
  static const std::vector<Eintrag> tabelle = {
      {"QUADRAT", "Quadrat mit Seite a und Diagonale d", "A = a²\nU = 4·a\nd = a·√2", Quadrat},
      {"RECHTECK", "Rechteck mit den Seiten a und b und der Diagonale d", "A = a·b\nU = 2a + 2b\nd = √(a² + b²)",
       Rechteck},
      {"RAUTE", "Raute mit Seite a und Höhe h", "A = a·h\nU = 4·a", Raute},
      {"PARALLELOGRAMM", "Parallelogramm mit Grundseite a und Höhe h", "A = a·h", Parallelogramm},
      {"TRAPEZ", "Trapez mit den parallelen Seiten a und b und der Höhe h", "A = (a + b)/2 · h", Trapez},
      {"DREIECK", "Dreieck mit Grundseite a und Höhe h", "A = a·h/2", Dreieck},
      {"DREIECK_GLEICHSEITIG", "gleichseitiges Dreieck mit Seite a", "A = √3·a²/4", DreieckGleichseitig},
      {"VIELECK", "regelmäßiges Vieleck mit n Ecken, Seite a und Mittelpunktswinkel φ",
       "A = n·a²/(4·tan(φ/2))\nφ = 360°/n\nU = n·a", Vieleck},
      {"KREIS", "Kreis mit Durchmesser d", "A = π·d²/4\nU = π·d", Kreis},
      {"KREISRING", "Kreisring mit Außendurchmesser D und Innendurchmesser d", "A = π·(D² − d²)/4", Kreisring},
      {"KREISAUSSCHNITT", "Kreisausschnitt mit Radius r, Winkel α und Bogenlänge lb",
       "A = π·r²·α/360°\nlb = π·r·α/180°", Kreisausschnitt},
      {"KREISABSCHNITT", "Kreisabschnitt mit Sehne l und Höhe b",
       "A = r²·arccos((r − b)/r)\n     − (r − b)·l/2\nr = (l²/4 + b²)/(2b)", Kreisabschnitt},
      {"ELLIPSE", "Ellipse mit den Achsen D und d",
       "A = π·D·d/4\nU ≈ π·(p + q)·(1 + λ²/4\n     + λ⁴/64 + λ⁶/256\n     + 25λ⁸/16384)\np = D/2, q = d/2\n"
       "λ = (p − q)/(p + q)",
       Ellipse},
  };
  return tabelle;
}

}  // namespace kolvaro::ui::rechenbild
