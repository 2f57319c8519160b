// Flag pictures drawn from their descriptions.
//
// ressourcen/flaggen.txt holds one line per picture: the bitmap name, then
// drawing commands separated by ";", painted in order onto a white 32 x 16
// picture. Lines starting with "#" are comments.
//
//   BM_DEUTSCHLAND h 000000 DD0000 FFCE00
//   BM_JAPAN       feld FFFFFF; kreis 16 8 4.8 BC002D
//
// Coordinates and lengths are pixels of the 32 x 16 picture (x to the right,
// y downwards, decimals with "."). Colours are RRGGBB in hex, "#" optional.
// Angles are degrees clockwise. The "area" is the whole picture unless
// "bereich" narrows it; everything drawn is clipped to the area.
//
//   h F[:g] F[:g] ...        horizontal stripes over the area, optional weights g
//   v F[:g] F[:g] ...        vertical stripes over the area
//   feld F                   fill the area
//   bereich x y b h          narrow the area; "bereich" alone: whole picture again
//   rechteck x y b h F       rectangle
//   kanton b h F             rectangle in the upper hoist corner of the area
//   rahmen d F               border of width d inside the area
//   kreuz x y d F            cross of bars of width d through (x,y) across the area
//   plus x y l d F           free-standing cross, arms l long in all, d wide
//   andreas d F              saltire from corner to corner of the area
//   linie x1 y1 x2 y2 d F    band of width d between two points (square ends)
//   zug d F x y x y ...      line of width d through the points (closed when the
//                            last point is the first)
//   keil l F                 hoist triangle reaching l into the area
//   vieleck F x y x y x y... filled polygon, at least three points
//   kreis x y r F            disc
//   ring x y r d F           circle line of width d
//   ellipse x y rx ry F      filled ellipse
//   stern x y r F [w [n [i]]]  star with tips at radius r, turned by w (0: tip up),
//                            n tips (5), inner radius i * r (0.382)
//   sternring x y R r n F    n stars of radius r on a circle of radius R
//   halbmond x y r ri a F [w]  crescent: disc r less a disc ri moved a towards w
//                            (0: towards the fly)
//   rauten b h F             lozenges b wide and h high over the area
//   schach x y b h s z F1 F2 checkerboard of s columns and z rows
//   union [x y b h]          the Union Jack in the area (or the given rectangle)
//   text x y s F TEXT        bold text of pixel size s centred on (x,y)
//
// A command with an unknown name, a missing or surplus value or a bad
// number or colour draws nothing; the rest of the line is still drawn.
#include "ui/Flaggen.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

// The resource lives in a static library; without this call the linker may
// leave it out of the program.
static void FlaggenRessourceEinbinden() { Q_INIT_RESOURCE(ressourcen); }

namespace kolvaro::ui {
namespace {

constexpr int kBreite = 32;
constexpr int kHoehe = 16;
// Generous limits so that a bad line cannot make the painter work for long.
constexpr double kGroessterBetrag = 1000.0;
constexpr int kHoechsteAnzahl = 64;

enum class Art {
  Waagerecht, Senkrecht, Feld, Bereich, Rechteck, Kanton, Rahmen, Kreuz, Plus, Andreas,
  Linie, Zug, Keil, Vieleck, Kreis, Ring, Ellipse, Stern, Sternring, Halbmond, Rauten,
  Schach, Union, Text
};

struct Befehl {
  Art art = Art::Feld;
  std::vector<double> zahlen;
  std::vector<QColor> farben;
  std::vector<double> gewichte;  // stripes only
  QString text;
};

// The fixed shape of a command's values: numbers before the colour, the
// colour count, and how many optional numbers may follow.
struct Form {
  const char* name;
  Art art;
  int zahlenVorher;
  int farbenAnzahl;
  int zahlenNachherMin;
  int zahlenNachherMax;
};

// Commands whose values follow a fixed pattern; h, v, bereich, union, zug,
// vieleck and text are read separately.
constexpr Form kFormen[] = {
    {"feld", Art::Feld, 0, 1, 0, 0},
    {"rechteck", Art::Rechteck, 4, 1, 0, 0},
    {"kanton", Art::Kanton, 2, 1, 0, 0},
    {"rahmen", Art::Rahmen, 1, 1, 0, 0},
    {"kreuz", Art::Kreuz, 3, 1, 0, 0},
    {"plus", Art::Plus, 4, 1, 0, 0},
    {"andreas", Art::Andreas, 1, 1, 0, 0},
    {"linie", Art::Linie, 5, 1, 0, 0},
    {"keil", Art::Keil, 1, 1, 0, 0},
    {"kreis", Art::Kreis, 3, 1, 0, 0},
    {"ring", Art::Ring, 4, 1, 0, 0},
    {"ellipse", Art::Ellipse, 4, 1, 0, 0},
    {"stern", Art::Stern, 3, 1, 0, 3},
    {"sternring", Art::Sternring, 5, 1, 0, 0},
    {"halbmond", Art::Halbmond, 5, 1, 0, 1},
    {"rauten", Art::Rauten, 2, 1, 0, 0},
    {"schach", Art::Schach, 6, 2, 0, 0},
};

bool ZahlLesen(const QString& wort, double* zahl) {
  bool ok = false;
  const double wert = QLocale::c().toDouble(wort, &ok);
  if (!ok || !std::isfinite(wert) || std::fabs(wert) > kGroessterBetrag) return false;
  *zahl = wert;
  return true;
}

bool FarbeLesen(QString wort, QColor* farbe) {
  if (wort.startsWith(QLatin1Char('#'))) wort.remove(0, 1);
  if (wort.size() != 6) return false;
  for (QChar zeichen : wort)
    if (!QStringLiteral("0123456789abcdefABCDEF").contains(zeichen)) return false;
  *farbe = QColor(QLatin1Char('#') + wort);
  return farbe->isValid();
}

bool Fehler(QString* fehler, const QString& text) {
  if (fehler) *fehler = text;
  return false;
}

bool ZahlenLesen(const QStringList& woerter, int von, int anzahl, std::vector<double>* zahlen,
                 QString* fehler) {
  for (int i = von; i < von + anzahl; ++i) {
    double zahl = 0;
    if (!ZahlLesen(woerter[i], &zahl))
      return Fehler(fehler, QStringLiteral("\"%1\" ist keine brauchbare Zahl").arg(woerter[i]));
    zahlen->push_back(zahl);
  }
  return true;
}

bool GanzzahlPruefen(double zahl, int kleinste, const char* wofuer, QString* fehler) {
  if (zahl != std::floor(zahl) || zahl < kleinste || zahl > kHoechsteAnzahl)
    return Fehler(fehler, QStringLiteral("%1 muss eine ganze Zahl von %2 bis %3 sein")
                              .arg(QLatin1String(wofuer))
                              .arg(kleinste)
                              .arg(kHoechsteAnzahl));
  return true;
}

bool StreifenLesen(const QStringList& woerter, Befehl* befehl, QString* fehler) {
  if (woerter.size() < 2) return Fehler(fehler, QStringLiteral("Streifen ohne Farben"));
  for (int i = 1; i < woerter.size(); ++i) {
    const QStringList teile = woerter[i].split(QLatin1Char(':'));
    QColor farbe;
    double gewicht = 1.0;
    if (teile.size() > 2 || !FarbeLesen(teile[0], &farbe))
      return Fehler(fehler, QStringLiteral("\"%1\" ist keine Farbe").arg(woerter[i]));
    if (teile.size() == 2 && (!ZahlLesen(teile[1], &gewicht) || gewicht <= 0))
      return Fehler(fehler, QStringLiteral("\"%1\" hat kein brauchbares Gewicht").arg(woerter[i]));
    befehl->farben.push_back(farbe);
    befehl->gewichte.push_back(gewicht);
  }
  return true;
}

bool FormLesen(const Form& form, const QStringList& woerter, Befehl* befehl, QString* fehler) {
  const int festeAnzahl = form.zahlenVorher + form.farbenAnzahl + form.zahlenNachherMin;
  const int werte = woerter.size() - 1;
  if (werte < festeAnzahl || werte > festeAnzahl + form.zahlenNachherMax - form.zahlenNachherMin)
    return Fehler(fehler, QStringLiteral("\"%1\" mit %2 Werten").arg(woerter[0]).arg(werte));
  if (!ZahlenLesen(woerter, 1, form.zahlenVorher, &befehl->zahlen, fehler)) return false;
  for (int i = 0; i < form.farbenAnzahl; ++i) {
    QColor farbe;
    const QString& wort = woerter[1 + form.zahlenVorher + i];
    if (!FarbeLesen(wort, &farbe))
      return Fehler(fehler, QStringLiteral("\"%1\" ist keine Farbe").arg(wort));
    befehl->farben.push_back(farbe);
  }
  const int nachher = 1 + form.zahlenVorher + form.farbenAnzahl;
  return ZahlenLesen(woerter, nachher, woerter.size() - nachher, &befehl->zahlen, fehler);
}

// Value checks beyond "is a number" for the commands that loop or divide.
bool WertePruefen(const Befehl& befehl, QString* fehler) {
  const auto& z = befehl.zahlen;
  switch (befehl.art) {
    case Art::Stern:
      if (z[2] <= 0) return Fehler(fehler, QStringLiteral("Stern ohne Größe"));
      if (z.size() > 4 && !GanzzahlPruefen(z[4], 2, "Die Zackenzahl", fehler)) return false;
      if (z.size() > 5 && (z[5] <= 0 || z[5] > 1))
        return Fehler(fehler, QStringLiteral("Der innere Sternradius muss über 0 und höchstens 1 sein"));
      return true;
    case Art::Sternring:
      return GanzzahlPruefen(z[4], 1, "Die Sternzahl", fehler);
    case Art::Rauten:
      if (z[0] < 1 || z[1] < 1) return Fehler(fehler, QStringLiteral("Rauten unter 1 Pixel"));
      return true;
    case Art::Schach:
      return GanzzahlPruefen(z[4], 1, "Die Spaltenzahl", fehler) &&
             GanzzahlPruefen(z[5], 1, "Die Zeilenzahl", fehler);
    default:
      return true;
  }
}

bool BefehlLesen(const QString& quelltext, Befehl* befehl, QString* fehler) {
  const QStringList woerter = quelltext.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (woerter.isEmpty()) return Fehler(fehler, QStringLiteral("leerer Befehl"));
  const QString& name = woerter[0];
  const int werte = woerter.size() - 1;
  if (name == QLatin1String("h") || name == QLatin1String("v")) {
    befehl->art = name == QLatin1String("h") ? Art::Waagerecht : Art::Senkrecht;
    return StreifenLesen(woerter, befehl, fehler);
  }
  if (name == QLatin1String("bereich") || name == QLatin1String("union")) {
    befehl->art = name == QLatin1String("bereich") ? Art::Bereich : Art::Union;
    if (werte != 0 && werte != 4)
      return Fehler(fehler, QStringLiteral("\"%1\" braucht 0 oder 4 Werte").arg(name));
    return ZahlenLesen(woerter, 1, werte, &befehl->zahlen, fehler);
  }
  if (name == QLatin1String("vieleck") || name == QLatin1String("zug")) {
    const bool vieleck = name == QLatin1String("vieleck");
    befehl->art = vieleck ? Art::Vieleck : Art::Zug;
    const int vorher = vieleck ? 0 : 1;  // zug: width first
    const int punktwerte = werte - vorher - 1;
    if (punktwerte < (vieleck ? 6 : 4) || punktwerte % 2 != 0)
      return Fehler(fehler, QStringLiteral("\"%1\" braucht %2 Punkte als x-y-Paare")
                                .arg(name, vieleck ? QStringLiteral("drei") : QStringLiteral("zwei")));
    if (!ZahlenLesen(woerter, 1, vorher, &befehl->zahlen, fehler)) return false;
    QColor farbe;
    if (!FarbeLesen(woerter[1 + vorher], &farbe))
      return Fehler(fehler, QStringLiteral("\"%1\" ist keine Farbe").arg(woerter[1 + vorher]));
    befehl->farben.push_back(farbe);
    return ZahlenLesen(woerter, 2 + vorher, punktwerte, &befehl->zahlen, fehler);
  }
  if (name == QLatin1String("text")) {
    befehl->art = Art::Text;
    if (werte < 5) return Fehler(fehler, QStringLiteral("\"text\" braucht x, y, Größe, Farbe und Text"));
    if (!ZahlenLesen(woerter, 1, 3, &befehl->zahlen, fehler)) return false;
    if (befehl->zahlen[2] <= 0) return Fehler(fehler, QStringLiteral("Schrift ohne Größe"));
    QColor farbe;
    if (!FarbeLesen(woerter[4], &farbe))
      return Fehler(fehler, QStringLiteral("\"%1\" ist keine Farbe").arg(woerter[4]));
    befehl->farben.push_back(farbe);
    befehl->text = woerter.mid(5).join(QLatin1Char(' '));
    return true;
  }
  for (const Form& form : kFormen) {
    if (name == QLatin1String(form.name)) {
      befehl->art = form.art;
      return FormLesen(form, woerter, befehl, fehler) && WertePruefen(*befehl, fehler);
    }
  }
  return Fehler(fehler, QStringLiteral("unbekannter Befehl \"%1\"").arg(name));
}

// ---- drawing ----

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
    maler.setClipRect(QRectF(std::min(ecke.x(), mitte.x()), std::min(ecke.y(), mitte.y()),
                             r.width() / 2, r.height() / 2),
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
      maler.drawPolygon(QPolygonF{bereich.topLeft(),
                                  QPointF(bereich.left() + z[0], bereich.center().y()),
                                  bereich.bottomLeft()});
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
                                    z.size() > 4 ? static_cast<int>(z[4]) : 5,
                                    z.size() > 5 ? z[5] : 0.382),
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
      loch.addEllipse(QPointF(z[0] + z[4] * std::cos(winkel), z[1] + z[4] * std::sin(winkel)),
                      z[3], z[3]);
      maler.drawPath(scheibe.subtracted(loch));
      break;
    }
    case Art::Rauten: {
      const double b = z[0], h = z[1];
      for (double y = bereich.top(); y < bereich.bottom() + h; y += h)
        for (double x = bereich.left(); x < bereich.right() + b; x += b)
          maler.drawPolygon(QPolygonF{QPointF(x, y - h / 2), QPointF(x + b / 2, y),
                                      QPointF(x, y + h / 2), QPointF(x - b / 2, y)});
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
  for (const QString& teil : beschreibung.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    Befehl befehl;
    if (BefehlLesen(teil.trimmed(), &befehl, nullptr)) Ausfuehren(maler, bereich, befehl);
  }
  return bild;
}

// Splits a line into the bitmap name and the drawing commands.
bool ZeileTeilen(const QString& zeile, QString* name, QString* beschreibung) {
  const QString sauber = zeile.trimmed();
  const int leer = sauber.indexOf(QLatin1Char(' '));
  if (leer <= 0) return false;
  *name = sauber.left(leer);
  *beschreibung = sauber.mid(leer + 1).trimmed();
  return !beschreibung->isEmpty();
}

const QStringList& Zeilen() {
  static const QStringList zeilen = [] {
    FlaggenRessourceEinbinden();
    QStringList gelesen;
    QFile datei(QStringLiteral(":/flaggen.txt"));
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text)) return gelesen;
    while (!datei.atEnd()) {
      const QString zeile = QString::fromUtf8(datei.readLine()).trimmed();
      if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
      gelesen << zeile;
    }
    return gelesen;
  }();
  return zeilen;
}

const QHash<QString, QString>& Tabelle() {
  static const QHash<QString, QString> tabelle = [] {
    QHash<QString, QString> gelesen;
    for (const QString& zeile : Zeilen()) {
      QString name, beschreibung;
      if (ZeileTeilen(zeile, &name, &beschreibung)) gelesen.insert(name, beschreibung);
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

QStringList FlaggenbeschreibungsZeilen() { return Zeilen(); }

bool FlaggenbeschreibungPruefen(const QString& zeile, QString* fehler) {
  QString name, beschreibung;
  if (!ZeileTeilen(zeile, &name, &beschreibung))
    return Fehler(fehler, QStringLiteral("Name oder Zeichnung fehlt"));
  const QStringList teile = beschreibung.split(QLatin1Char(';'));
  for (int i = 0; i < teile.size(); ++i) {
    // An empty piece after a final ";" is harmless; one in the middle is a slip.
    if (teile[i].trimmed().isEmpty() && i == teile.size() - 1 && i > 0) continue;
    Befehl befehl;
    QString grund;
    if (!BefehlLesen(teile[i].trimmed(), &befehl, &grund))
      return Fehler(fehler, QStringLiteral("%1: Befehl %2 (\"%3\"): %4")
                                .arg(name)
                                .arg(i + 1)
                                .arg(teile[i].trimmed(), grund));
  }
  return true;
}

}  // namespace kolvaro::ui
