// The flag description language: reading and checking the drawing commands
// of ressourcen/flaggen.txt. Flaggenmaler.cpp paints what is read here.
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
#include "ui/flaggen/Flaggenbeschreibung.h"

#include <QFile>
#include <QLocale>
#include <cmath>

#include "ui/Flaggen.h"

// The resource lives in a static library; without this call the linker may
// leave it out of the program.
static void FlaggenRessourceEinbinden() { Q_INIT_RESOURCE(ressourcen); }

namespace kolvaro::ui {
namespace flaggen {
namespace {

// Generous limits so that a bad line cannot make the painter work for long.
constexpr double kGroessterBetrag = 1000.0;
constexpr int kHoechsteAnzahl = 64;

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
    {"feld", Art::Feld, 0, 1, 0, 0},         {"rechteck", Art::Rechteck, 4, 1, 0, 0},
    {"kanton", Art::Kanton, 2, 1, 0, 0},     {"rahmen", Art::Rahmen, 1, 1, 0, 0},
    {"kreuz", Art::Kreuz, 3, 1, 0, 0},       {"plus", Art::Plus, 4, 1, 0, 0},
    {"andreas", Art::Andreas, 1, 1, 0, 0},   {"linie", Art::Linie, 5, 1, 0, 0},
    {"keil", Art::Keil, 1, 1, 0, 0},         {"kreis", Art::Kreis, 3, 1, 0, 0},
    {"ring", Art::Ring, 4, 1, 0, 0},         {"ellipse", Art::Ellipse, 4, 1, 0, 0},
    {"stern", Art::Stern, 3, 1, 0, 3},       {"sternring", Art::Sternring, 5, 1, 0, 0},
    {"halbmond", Art::Halbmond, 5, 1, 0, 1}, {"rauten", Art::Rauten, 2, 1, 0, 0},
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

bool ZahlenLesen(const QStringList& woerter, int von, int anzahl, std::vector<double>* zahlen, QString* fehler) {
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
    if (!FarbeLesen(wort, &farbe)) return Fehler(fehler, QStringLiteral("\"%1\" ist keine Farbe").arg(wort));
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
      return GanzzahlPruefen(z[4], 1, "Die Spaltenzahl", fehler) && GanzzahlPruefen(z[5], 1, "Die Zeilenzahl", fehler);
    default:
      return true;
  }
}

}  // namespace

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
    if (werte != 0 && werte != 4) return Fehler(fehler, QStringLiteral("\"%1\" braucht 0 oder 4 Werte").arg(name));
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

std::vector<Befehl> BeschreibungLesen(const QString& beschreibung) {
  std::vector<Befehl> befehle;
  for (const QString& teil : beschreibung.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    Befehl befehl;
    if (BefehlLesen(teil.trimmed(), &befehl, nullptr)) befehle.push_back(std::move(befehl));
  }
  return befehle;
}

bool ZeileTeilen(const QString& zeile, QString* name, QString* beschreibung) {
  const QString sauber = zeile.trimmed();
  const int leer = sauber.indexOf(QLatin1Char(' '));
  if (leer <= 0) return false;
  *name = sauber.left(leer);
  *beschreibung = sauber.mid(leer + 1).trimmed();
  return !beschreibung->isEmpty();
}

}  // namespace flaggen

QStringList FlaggenbeschreibungsZeilen() {
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

bool FlaggenbeschreibungPruefen(const QString& zeile, QString* fehler) {
  QString name, beschreibung;
  if (!flaggen::ZeileTeilen(zeile, &name, &beschreibung))
    return flaggen::Fehler(fehler, QStringLiteral("Name oder Zeichnung fehlt"));
  const QStringList teile = beschreibung.split(QLatin1Char(';'));
  for (int i = 0; i < teile.size(); ++i) {
    // An empty piece after a final ";" is harmless; one in the middle is a slip.
    if (teile[i].trimmed().isEmpty() && i == teile.size() - 1 && i > 0) continue;
    flaggen::Befehl befehl;
    QString grund;
    if (!flaggen::BefehlLesen(teile[i].trimmed(), &befehl, &grund))
      return flaggen::Fehler(
          fehler, QStringLiteral("%1: Befehl %2 (\"%3\"): %4").arg(name).arg(i + 1).arg(teile[i].trimmed(), grund));
  }
  return true;
}

}  // namespace kolvaro::ui
