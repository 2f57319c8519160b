// The drawings of the sixteen solids of the solid calculator and their
// formulas. Boxy solids stand in a cabinet view (depth drawn at 30° and
// shortened); round ones are seen a little from above, so that their
// circles become flat ellipses, with the heights of cylinders, cones and
// barrels drawn at full length. Edges behind the solid are dashed.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

#include "ui/calculators/Rechenbildmaler.h"

namespace kolvaro::ui::rechenbild {
namespace {

// Height of a horizontal circle's picture against its width.
constexpr double kNeigung = 0.32;

// The cabinet view: x to the right, y up, z into the picture at 30° and 0.6 of its length.
struct Schraegbild {
  QPointF Ursprung;
  QPointF operator()(double x, double y, double z) const {
    return {Ursprung.x() + x + z * 0.6 * 0.8660254, Ursprung.y() - y - z * 0.6 * 0.5};
  }
};

QPointF Einheit(QPointF v) { return v / std::hypot(v.x(), v.y()); }

// The normal of the line von -> bis that points to the right of its direction on screen.
QPointF Normale(QPointF von, QPointF bis) {
  const QPointF r = Einheit(bis - von);
  return {-r.y(), r.x()};
}

// Round surfaces: lighter where the light falls, darker towards the silhouette.
QBrush Walze(double links, double rechts) {
  QLinearGradient verlauf(links, 0, rechts, 0);
  verlauf.setColorAt(0, kFlaecheDunkel);
  verlauf.setColorAt(0.35, kFlaecheHell);
  verlauf.setColorAt(1, kFlaecheDunkel);
  return verlauf;
}

QBrush Kugelglanz(QPointF mitte, double radius) {
  QRadialGradient verlauf(mitte - QPointF(radius, radius) * 0.35, radius * 1.35);
  verlauf.setColorAt(0, kFlaecheHell);
  verlauf.setColorAt(1, kFlaecheDunkel);
  return verlauf;
}

QRectF Ellipsenrechteck(QPointF mitte, double rx, double ry) {
  return {mitte.x() - rx, mitte.y() - ry, 2 * rx, 2 * ry};
}

// A horizontal circle of radius r around mitte.
QPainterPath Scheibe(QPointF mitte, double r) {
  QPainterPath weg;
  weg.addEllipse(mitte, r, r * kNeigung);
  return weg;
}

QPainterPath Kreisweg(QPointF mitte, double r) {
  QPainterPath weg;
  weg.addEllipse(mitte, r, r);
  return weg;
}

// The paper angle at which the silhouette of a cylinder, cone or frustum
// touches its circles: a little behind the widest points, where the sine of
// the angle is (R - r) * kNeigung / height.
double Beruehrwinkel(QPointF unten, double R, QPointF oben, double r) {
  return qRadiansToDegrees(std::asin((R - r) * kNeigung / (unten.y() - oben.y())));
}

// The outline of the side of a cylinder, cone (r = 0) or frustum: both
// silhouette lines, the front of the bottom circle and the front of the top one.
QPainterPath Mantel(QPointF unten, double R, QPointF oben, double r) {
  const double w = Beruehrwinkel(unten, R, oben, r);
  QPainterPath weg(Ellipsenpunkt(oben, r, r * kNeigung, 180 - w));
  weg.lineTo(Ellipsenpunkt(unten, R, R * kNeigung, 180 - w));
  weg.arcTo(Ellipsenrechteck(unten, R, R * kNeigung), 180 - w, 180 + 2 * w);
  weg.lineTo(Ellipsenpunkt(oben, r, r * kNeigung, w));
  if (r > 0) weg.arcTo(Ellipsenrechteck(oben, r, r * kNeigung), w, -180 - 2 * w);
  weg.closeSubpath();
  return weg;
}

// The back of the bottom circle of such a body, hidden behind it.
void BodenHinten(QPainter& maler, QPointF unten, double R, QPointF oben, double r) {
  const double w = Beruehrwinkel(unten, R, oben, r);
  Verdeckt(maler, Ellipsenbogen(unten, R, R * kNeigung, w, 180 - w));
}

void Mittelpunkt(QPainter& maler, QPointF punkt) {
  maler.setPen(Qt::NoPen);
  maler.setBrush(kLinie);
  maler.drawEllipse(punkt, 1.4, 1.4);
}

// A length along an edge of the cabinet view dimensioned outside it, on the side abstand points to.
void MassAnKante(QPainter& maler, QPointF von, QPointF bis, double abstand, const QString& name) {
  MassAussen(maler, von, bis, Normale(von, bis) * abstand, name);
}

// A frustum of a pyramid (a2 = b2 = 0: a pyramid) with the bottom a1 x b1
// and the top a2 x b2 centred above it at height h; returns the view.
Schraegbild Stumpf(QPainter& maler, QPointF ursprung, double a1, double b1, double a2, double b2, double h) {
  const Schraegbild p{ursprung};
  const double x = (a1 - a2) / 2, z = (b1 - b2) / 2;
  const QPointF vl = p(0, 0, 0), vr = p(a1, 0, 0), hr = p(a1, 0, b1), hl = p(0, 0, b1);
  const QPointF ovl = p(x, h, z), ovr = p(x + a2, h, z), ohr = p(x + a2, h, z + b2), ohl = p(x, h, z + b2);
  Flaeche(maler, Vieleckweg({vl, vr, ovr, ovl}));
  Flaeche(maler, Vieleckweg({vr, hr, ohr, ovr}), kFlaecheDunkel);
  if (a2 > 0) Flaeche(maler, Vieleckweg({ovl, ovr, ohr, ohl}), kFlaecheHell);
  Verdeckt(maler, hl, vl);
  Verdeckt(maler, hl, hr);
  Verdeckt(maler, hl, ohl);
  return p;
}

void Wuerfel(QPainter& maler) {
  const double a = 70;
  const Schraegbild p = Stumpf(maler, QPointF(22, 108), a, a, a, a, a);
  Verdeckt(maler, p(0, 0, 0), p(a, a, a));
  Buchstabe(maler, (p(0, 0, 0) + p(a, a, a)) / 2 + Normale(p(0, 0, 0), p(a, a, a)) * 8, QStringLiteral("d"));
  MassAussen(maler, p(0, 0, 0), p(a, 0, 0), QPointF(0, 14), QStringLiteral("a"));
}

void Quader(QPainter& maler) {
  const double a = 76, b = 56, c = 52;
  const Schraegbild p = Stumpf(maler, QPointF(30, 96), a, b, a, b, c);
  Verdeckt(maler, p(0, 0, 0), p(a, c, b));
  Buchstabe(maler, (p(0, 0, 0) + p(a, c, b)) / 2 + Normale(p(0, 0, 0), p(a, c, b)) * 8, QStringLiteral("d"));
  MassAussen(maler, p(0, 0, 0), p(a, 0, 0), QPointF(0, 14), QStringLiteral("a"));
  MassAnKante(maler, p(a, 0, 0), p(a, 0, b), 9, QStringLiteral("b"));
  MassAussen(maler, p(0, 0, 0), p(0, c, 0), QPointF(-12, 0), QStringLiteral("c"));
}

void Pyramide(QPainter& maler) {
  const double a = 90, b = 60, h = 84;
  const Schraegbild p = Stumpf(maler, QPointF(11, 110), a, b, 0, 0, h);
  Mass(maler, p(a / 2, h, b / 2), p(a / 2, 0, b / 2), QStringLiteral("h"), QPointF(7, 0));
  RechterWinkel(maler, p(a / 2, 0, b / 2), QPointF(0, -1), QPointF(1, 0));
  MassAussen(maler, p(0, 0, 0), p(a, 0, 0), QPointF(0, 14), QStringLiteral("a"));
  MassAnKante(maler, p(a, 0, 0), p(a, 0, b), 9, QStringLiteral("b"));
}

void Pyramidenstumpf(QPainter& maler) {
  const double a1 = 92, b1 = 60, a2 = 56, b2 = 36, h = 60;
  const Schraegbild p = Stumpf(maler, QPointF(13, 110), a1, b1, a2, b2, h);
  const double x = (a1 - a2) / 2, z = (b1 - b2) / 2;
  Mass(maler, p(a1 / 2, h, b1 / 2), p(a1 / 2, 0, b1 / 2), QStringLiteral("h"), QPointF(7, 0));
  MassAussen(maler, p(0, 0, 0), p(a1, 0, 0), QPointF(0, 14), QStringLiteral("a1"));
  MassAnKante(maler, p(a1, 0, 0), p(a1, 0, b1), 9, QStringLiteral("b1"));
  MassAussen(maler, p(x, h, z + b2), p(x + a2, h, z + b2), QPointF(0, -10), QStringLiteral("a2"));
  MassAnKante(maler, p(x, h, z), p(x, h, z + b2), -9, QStringLiteral("b2"));
}

void Zylinder(QPainter& maler) {
  const QPointF oben(62, 26), unten(62, 100);
  const double r = 42;
  Flaeche(maler, Mantel(unten, r, oben, r), Walze(unten.x() - r, unten.x() + r));
  Flaeche(maler, Scheibe(oben, r), kFlaecheHell);
  BodenHinten(maler, unten, r, oben, r);
  MassAussen(maler, unten - QPointF(r, 0), unten + QPointF(r, 0), QPointF(0, r * kNeigung + 10), QStringLiteral("d"));
  MassAussen(maler, oben + QPointF(r, 0), unten + QPointF(r, 0), QPointF(14, 0), QStringLiteral("h"));
}

void Hohlzylinder(QPainter& maler) {
  const QPointF oben(62, 46), unten(62, 104);
  const double aussen = 40, innen = 20;
  Flaeche(maler, Mantel(unten, aussen, oben, aussen), Walze(unten.x() - aussen, unten.x() + aussen));
  Flaeche(maler, Scheibe(oben, aussen), kFlaecheHell);
  Flaeche(maler, Scheibe(oben, innen), kFlaecheDunkel);
  // The bore, hidden inside.
  Verdeckt(maler, oben - QPointF(innen, 0), unten - QPointF(innen, 0));
  Verdeckt(maler, oben + QPointF(innen, 0), unten + QPointF(innen, 0));
  Verdeckt(maler, Scheibe(unten, innen));
  BodenHinten(maler, unten, aussen, oben, aussen);
  MassAussen(maler, unten - QPointF(aussen, 0), unten + QPointF(aussen, 0), QPointF(0, aussen * kNeigung + 10),
             QStringLiteral("D"));
  MassAussen(maler, oben - QPointF(innen, 0), oben + QPointF(innen, 0), QPointF(0, -(aussen * kNeigung + 10)),
             QStringLiteral("d"));
  MassAussen(maler, oben + QPointF(aussen, 0), unten + QPointF(aussen, 0), QPointF(14, 0), QStringLiteral("h"));
}

void ZylinderSchief(QPainter& maler) {
  const QPointF unten(75, 102);
  const double r = 40, h = 62, neigung = 18;  // the cut rises by 2 * neigung from right to left
  // A point of the cut above the bottom circle's point at the paper angle winkel.
  auto schnitt = [&](double winkel) {
    const double w = qDegreesToRadians(winkel);
    return QPointF(unten.x() + r * std::cos(w), unten.y() - h - r * kNeigung * std::sin(w) + neigung * std::cos(w));
  };
  QPainterPath mantel(schnitt(180));
  mantel.lineTo(unten - QPointF(r, 0));
  mantel.arcTo(Ellipsenrechteck(unten, r, r * kNeigung), 180, 180);
  for (int winkel = 0; winkel >= -180; winkel -= 5) mantel.lineTo(schnitt(winkel));
  mantel.closeSubpath();
  Flaeche(maler, mantel, Walze(unten.x() - r, unten.x() + r));
  QPainterPath deckel(schnitt(0));
  for (int winkel = 5; winkel < 360; winkel += 5) deckel.lineTo(schnitt(winkel));
  deckel.closeSubpath();
  Flaeche(maler, deckel, kFlaecheHell);
  BodenHinten(maler, unten, r, unten - QPointF(0, h), r);
  Mass(maler, unten, unten - QPointF(0, h), QStringLiteral("h"), QPointF(7, 4));
  MassAussen(maler, unten - QPointF(r, 0), unten + QPointF(r, 0), QPointF(0, r * kNeigung + 10), QStringLiteral("d"));
}

void Kegel(QPainter& maler) {
  const QPointF spitze(75, 14), unten(75, 98);
  const double r = 50;
  Flaeche(maler, Mantel(unten, r, spitze, 0), Walze(unten.x() - r, unten.x() + r));
  BodenHinten(maler, unten, r, spitze, 0);
  Mass(maler, spitze, unten, QStringLiteral("h"), QPointF(-7, 0));
  RechterWinkel(maler, unten, QPointF(0, -1), QPointF(1, 0));
  const QPointF rand = Ellipsenpunkt(unten, r, r * kNeigung, Beruehrwinkel(unten, r, spitze, 0));
  Buchstabe(maler, (spitze + rand) / 2 + Normale(rand, spitze) * 9, QStringLiteral("s"));
  MassAussen(maler, unten - QPointF(r, 0), unten + QPointF(r, 0), QPointF(0, r * kNeigung + 10), QStringLiteral("d"));
}

void Kegelstumpf(QPainter& maler) {
  const QPointF oben(75, 41), unten(75, 103);
  const double R = 50, r = 28;
  Flaeche(maler, Mantel(unten, R, oben, r), Walze(unten.x() - R, unten.x() + R));
  Flaeche(maler, Scheibe(oben, r), kFlaecheHell);
  BodenHinten(maler, unten, R, oben, r);
  Mass(maler, oben, unten, QStringLiteral("h"), QPointF(7, 0));
  const double w = 180 - Beruehrwinkel(unten, R, oben, r);
  const QPointF randUnten = Ellipsenpunkt(unten, R, R * kNeigung, w),
                randOben = Ellipsenpunkt(oben, r, r * kNeigung, w);
  Buchstabe(maler, (randUnten + randOben) / 2 - Normale(randUnten, randOben) * 9, QStringLiteral("s"));
  MassAussen(maler, unten - QPointF(R, 0), unten + QPointF(R, 0), QPointF(0, R * kNeigung + 10), QStringLiteral("D"));
  MassAussen(maler, oben - QPointF(r, 0), oben + QPointF(r, 0), QPointF(0, -(r * kNeigung + 10)), QStringLiteral("d"));
}

// Spheres are seen truly from a little above: a horizontal circle at the
// height y above the centre lies kSteil * y higher in the picture, and the
// outline of the sphere stays a circle.
const double kSteil = std::sqrt(1 - kNeigung * kNeigung);

// The picture of the horizontal circle cut from a sphere of radius r at height y above its centre.
struct Schnittkreis {
  QPointF Mitte;
  double Radius;
};

Schnittkreis Schnitt(QPointF kugelmitte, double r, double y) {
  return {QPointF(kugelmitte.x(), kugelmitte.y() - y * kSteil), std::sqrt(r * r - y * y)};
}

QRectF Rechteck(const Schnittkreis& kreis) {
  return Ellipsenrechteck(kreis.Mitte, kreis.Radius, kreis.Radius * kNeigung);
}

// The outline of the slice of a sphere between the heights unten < oben above
// its centre (r or -r: not cut there): the arcs of the sphere's outline and,
// between the points where they touch it, the arcs of the cut circles that
// bound the picture. winkel[0] and winkel[1] (if given) receive the paper
// angles on the right of the sphere's outline where the upper and the lower
// cut meet it.
QPainterPath Kugelschicht(QPointF mitte, double r, double oben, double unten, double* winkel = nullptr) {
  // A cut circle touches the outline where the sine of the outline's angle is y / (r * kSteil), and where the
  // sine of its own angle is y / radius * kNeigung / kSteil; a cut nearer the pole lies wholly inside.
  auto beruehrung = [&](double y, double* aussen, double* eigen) {
    const double sinus = y / (r * kSteil);
    if (std::abs(sinus) >= 1) return false;
    *aussen = qRadiansToDegrees(std::asin(sinus));
    *eigen = qRadiansToDegrees(std::asin(y / std::sqrt(r * r - y * y) * kNeigung / kSteil));
    return true;
  };
  double aussenOben = 90, eigenOben = 0, aussenUnten = -90, eigenUnten = 0;
  const bool deckel = beruehrung(oben, &aussenOben, &eigenOben);
  if (!deckel) aussenOben = 90;
  const bool boden = beruehrung(unten, &aussenUnten, &eigenUnten);
  if (!boden) aussenUnten = -90;
  const QRectF kugel = Ellipsenrechteck(mitte, r, r);
  QPainterPath weg(Ellipsenpunkt(mitte, r, r, aussenOben));
  if (deckel) weg.arcTo(Rechteck(Schnitt(mitte, r, oben)), eigenOben, 180 - 2 * eigenOben);
  weg.arcTo(kugel, 180 - aussenOben, aussenOben - aussenUnten);
  if (boden) weg.arcTo(Rechteck(Schnitt(mitte, r, unten)), 180 - eigenUnten, 180 + 2 * eigenUnten);
  weg.arcTo(kugel, 360 + aussenUnten, aussenOben - aussenUnten);
  weg.closeSubpath();
  if (winkel) {
    winkel[0] = aussenOben;
    winkel[1] = aussenUnten;
  }
  return weg;
}

void Kugel(QPainter& maler) {
  const QPointF mitte(75, 72);
  const double r = 56;
  Flaeche(maler, Kreisweg(mitte, r), Kugelglanz(mitte, r));
  Hilfslinie(maler, Ellipsenbogen(mitte, r, r * kNeigung, 180, 360));
  Verdeckt(maler, Ellipsenbogen(mitte, r, r * kNeigung, 0, 180));
  Mass(maler, mitte - QPointF(r, 0), mitte + QPointF(r, 0), QStringLiteral("d"), QPointF(-15, 8));
}

void Kugelabschnitt(QPainter& maler) {
  const QPointF mitte(75, 100);
  const double r = 64, h = 40;
  const Schnittkreis grund = Schnitt(mitte, r, r - h);
  Flaeche(maler, Kugelschicht(mitte, r, r, r - h), Kugelglanz(mitte, r));
  Verdeckt(maler, Ellipsenbogen(grund.Mitte, grund.Radius, grund.Radius * kNeigung, 0, 180));
  Mass(maler, mitte - QPointF(0, r * kSteil), grund.Mitte, QStringLiteral("h"), QPointF(8, 0));
  RechterWinkel(maler, grund.Mitte, QPointF(0, -1), QPointF(-1, 0));
  MassAussen(maler, grund.Mitte - QPointF(grund.Radius, 0), grund.Mitte + QPointF(grund.Radius, 0),
             QPointF(0, grund.Radius * kNeigung + 10), QStringLiteral("s"));
}

void Kugelzone(QPainter& maler) {
  const QPointF mitte(75, 75);
  const double r = 58, hoch = 40, tief = -22;  // the cuts above and below the centre
  const Schnittkreis oben = Schnitt(mitte, r, hoch), unten = Schnitt(mitte, r, tief);
  double winkel[2];
  const QPainterPath zone = Kugelschicht(mitte, r, hoch, tief, winkel);
  // The caps cut off, to show the sphere the zone belongs to.
  Verdeckt(maler, Ellipsenbogen(mitte, r, r, winkel[0], 180 - winkel[0]));
  Verdeckt(maler, Ellipsenbogen(mitte, r, r, 180 - winkel[1], 360 + winkel[1]));
  maler.setPen(Qt::NoPen);
  maler.setBrush(Kugelglanz(mitte, r));
  maler.drawPath(zone);
  // Where the outline runs along the lower cut, its edge is seen; the rest of that cut is turned away.
  Verdeckt(maler, Scheibe(unten.Mitte, unten.Radius));
  Kante(maler, zone);
  Flaeche(maler, Scheibe(oben.Mitte, oben.Radius), kFlaecheHell);
  Mass(maler, oben.Mitte, unten.Mitte, QStringLiteral("h"), QPointF(-7, 0));
  Halbmass(maler, oben.Mitte, oben.Mitte + QPointF(oben.Radius, 0), QStringLiteral("a"), QPointF(2, 7));
  Halbmass(maler, unten.Mitte, unten.Mitte + QPointF(unten.Radius, 0), QStringLiteral("b"), QPointF(2, 8));
}

// A sphere with a bore along its vertical axis that leaves it at the heights
// +-halb: the openings, the bore's hidden edges drawn by kanten, and the
// bore's length h dimensioned on the right.
void Durchbohrt(QPainter& maler, QPointF mitte, double r, double halb,
                void (*kanten)(QPainter&, QPointF, const Schnittkreis&, const Schnittkreis&)) {
  const Schnittkreis oben = Schnitt(mitte, r, halb), unten = Schnitt(mitte, r, -halb);
  // The lower opening shows where the outline does not run along it: the underside is turned away.
  const QPainterPath koerper = Kugelschicht(mitte, r, halb, -halb);
  maler.setPen(Qt::NoPen);
  maler.setBrush(Kugelglanz(mitte, r));
  maler.drawPath(koerper);
  Verdeckt(maler, Scheibe(unten.Mitte, unten.Radius));
  kanten(maler, mitte, oben, unten);
  Kante(maler, koerper);
  Flaeche(maler, Scheibe(oben.Mitte, oben.Radius), kFlaecheDunkel);
  const QPointF rechts(oben.Radius, 0);
  MassAussen(maler, oben.Mitte + rechts, unten.Mitte + rechts,
             QPointF(mitte.x() + r + 8 - oben.Mitte.x() - rechts.x(), 0), QStringLiteral("h"));
}

void KugelZylindrischDurchbohrt(QPainter& maler) {
  const double r = 56, bohrung = 22;
  Durchbohrt(maler, QPointF(66, 75), r, std::sqrt(r * r - bohrung * bohrung),
             [](QPainter& m, QPointF, const Schnittkreis& oben, const Schnittkreis& unten) {
               const QPointF rand(oben.Radius, 0);
               Verdeckt(m, oben.Mitte - rand, unten.Mitte - rand);
               Verdeckt(m, oben.Mitte + rand, unten.Mitte + rand);
             });
}

void KugelKegeligDurchbohrt(QPainter& maler) {
  const QPointF mitte(66, 75);
  const double r = 56, h = 72;
  // Both cones meet with their tips in the centre.
  Durchbohrt(maler, mitte, r, h / 2,
             [](QPainter& m, QPointF spitze, const Schnittkreis& oben, const Schnittkreis& unten) {
               for (const Schnittkreis& kreis : {oben, unten}) {
                 Verdeckt(m, kreis.Mitte - QPointF(kreis.Radius, 0), spitze);
                 Verdeckt(m, kreis.Mitte + QPointF(kreis.Radius, 0), spitze);
               }
             });
  Mittelpunkt(maler, mitte);
  Halbmass(maler, mitte, mitte + QPointF(r, 0), QStringLiteral("r"), QPointF(0, -7));
}

void Kreisring(QPainter& maler) {
  const QPointF mitte(75, 64);
  const double ring = 46, rohr = 15, neigung = 0.5;  // seen more from above than the others, to open the hole
  // The torus is the sweep of a ball along its centre line; its picture is that of a disc swept along the
  // line's picture, and a stroke of the line as wide as the ball is exactly that.
  QPainterPath mittellinie;
  mittellinie.addEllipse(mitte, ring, ring * neigung);
  QPainterPathStroker stroker;
  stroker.setWidth(2 * rohr);
  stroker.setJoinStyle(Qt::RoundJoin);
  stroker.setCapStyle(Qt::RoundCap);
  Flaeche(maler, stroker.createStroke(mittellinie).simplified(), Kugelglanz(mitte, ring + rohr));
  Verdeckt(maler, mittellinie);
  // The front of the tube runs across the picture, so its picture is as high as the tube is thick.
  const QPointF vorn(mitte.x(), mitte.y() + ring * neigung);
  Mass(maler, vorn - QPointF(0, rohr), vorn + QPointF(0, rohr), QStringLiteral("d"), QPointF(7, 0));
  MassAussen(maler, mitte - QPointF(ring, 0), mitte + QPointF(ring, 0), QPointF(0, ring * neigung + rohr + 12),
             QStringLiteral("D"));
}

void Fass(QPainter& maler) {
  const double mitteX = 63, oben = 24, unten = 102, boden = 30, spund = 44;
  const double h = unten - oben, mitteY = (oben + unten) / 2;
  // Bezier control points that put the side's middle at the bung's radius.
  const double bauch = (8 * spund - 2 * boden) / 6;
  const QPointF kopf(mitteX, oben), fuss(mitteX, unten);
  QPainterPath fass(QPointF(mitteX - boden, oben));
  fass.cubicTo(mitteX - bauch, oben + h / 4, mitteX - bauch, unten - h / 4, mitteX - boden, unten);
  fass.arcTo(Ellipsenrechteck(fuss, boden, boden * kNeigung), 180, 180);
  fass.cubicTo(mitteX + bauch, unten - h / 4, mitteX + bauch, oben + h / 4, mitteX + boden, oben);
  fass.arcTo(Ellipsenrechteck(kopf, boden, boden * kNeigung), 0, -180);
  fass.closeSubpath();
  Flaeche(maler, fass, Walze(mitteX - spund, mitteX + spund));
  // Two hoops, where the side is as far out as at an eighth of the height.
  for (double t : {0.12, 0.88}) {
    const double s = 1 - t;
    const double y =
        s * s * s * oben + 3 * s * s * t * (oben + h / 4) + 3 * s * t * t * (unten - h / 4) + t * t * t * unten;
    const double x = (s * s * s + t * t * t) * boden + 3 * s * t * bauch;
    Hilfslinie(maler, Ellipsenbogen(QPointF(mitteX, y), x, x * kNeigung, 180, 360));
  }
  Flaeche(maler, Scheibe(kopf, boden), kFlaecheHell);
  BodenHinten(maler, fuss, boden, kopf, boden);
  Mass(maler, QPointF(mitteX - spund, mitteY), QPointF(mitteX + spund, mitteY), QStringLiteral("D"), QPointF(-22, -8));
  MassAussen(maler, fuss - QPointF(boden, 0), fuss + QPointF(boden, 0), QPointF(0, boden * kNeigung + 10),
             QStringLiteral("d"));
  MassAussen(maler, kopf + QPointF(boden, 0), fuss + QPointF(boden, 0), QPointF(spund - boden + 12, 0),
             QStringLiteral("h"));
}

}  // namespace

const std::vector<Eintrag>& Koerper() {
  static const std::vector<Eintrag> tabelle = {
      {"WUERFEL", "Würfel mit Kante a und Raumdiagonale d", "V = a³\nAo = 6·a²\nd = √3·a", Wuerfel},
      {"QUADER", "Quader mit den Kanten a, b und c und der Raumdiagonale d",
       "V = a·b·c\nAo = 2(ab + ac + bc)\nd = √(a² + b² + c²)", Quader},
      {"PYRAMIDE", "Pyramide mit rechteckiger Grundfläche a mal b und Höhe h", "V = a·b·h/3", Pyramide},
      {"PYRAMIDENSTUMPF", "Pyramidenstumpf mit Grundfläche a1 mal b1, Deckfläche a2 mal b2 und Höhe h",
       "V = h/6·(A₁ + A₂\n     + (a₁ + a₂)·(b₁ + b₂))\nA₁ = a₁·b₁\nA₂ = a₂·b₂", Pyramidenstumpf},
      {"ZYLINDER", "Zylinder mit Durchmesser d und Höhe h", "V = π/4·d²·h\nAm = π·d·h\nAo = π·d·h + 2·π·d²/4",
       Zylinder},
      {"HOHLZYLINDER", "Hohlzylinder mit Außendurchmesser D, Innendurchmesser d und Höhe h", "V = π/4·(D² − d²)·h",
       Hohlzylinder},
      {"ZYLINDER_SCHIEF", "schräg abgeschnittener Zylinder mit Durchmesser d und mittlerer Höhe h", "V = π/4·d²·h",
       ZylinderSchief},
      {"KEGEL", "Kegel mit Durchmesser d, Höhe h und Mantellinie s", "V = π/4·d²·h/3\nAm = π·d/2·s\ns = √(d²/4 + h²)",
       Kegel},
      {"KEGELSTUMPF", "Kegelstumpf mit den Durchmessern D und d, Höhe h und Mantellinie s",
       "V = π·h/12\n     ·(D² + d² + D·d)\nAm = π/2·s·(D + d)\ns = √(((D − d)/2)² + h²)", Kegelstumpf},
      {"KUGEL", "Kugel mit Durchmesser d", "V = π/6·d³\nAo = π·d²", Kugel},
      {"KUGELABSCHNITT", "Kugelabschnitt mit Sehne s und Höhe h", "V = π·h·(s²/8 + h²/6)\nAm = π/4·(s² + 4h²)",
       Kugelabschnitt},
      {"KUGELZONE", "Kugelzone mit Höhe h und den Radien a und b der Schnittkreise",
       "V = π/6·h\n     ·(3a² + 3b² + h²)", Kugelzone},
      {"KUGEL_ZYL_DURCHBOHRT", "Kugel mit zylindrischer Bohrung der Länge h", "V = π/6·h³", KugelZylindrischDurchbohrt},
      {"KUGEL_KEGEL_DURCHBOHRT",
       "Kugel mit Radius r, von oben und unten kegelförmig bis zur Mitte ausgebohrt; h ist die Höhe des "
       "verbleibenden Gürtels",
       "V = 2π/3·r²·h\nAo = 2π·r\n       ·(√(r² − h²/4) + h)", KugelKegeligDurchbohrt},
      {"KREISRINGV", "Kreisring (Torus) mit Ringdurchmesser D und Rohrdurchmesser d", "V = π²/4·D·d²\nAo = π²·D·d",
       Kreisring},
      {"FASS", "Fass mit Spunddurchmesser D, Bodendurchmesser d und Höhe h", "V ≈ π/12·h·(2D² + d²)", Fass},
  };
  return tabelle;
}

}  // namespace kolvaro::ui::rechenbild
