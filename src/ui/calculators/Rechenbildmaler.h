// The drawing tools shared by the calculator pictures (Flaechenbilder.cpp,
// Koerperbilder.cpp): one palette, edges, dimension lines, letters and the
// formula text, all in the coordinates of the 150 x 150 grid, and the table
// entry through which each file hands its pictures to Rechenbild.cpp.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <vector>

namespace kolvaro::ui::rechenbild {

constexpr double kRaster = 150.0;

// One figure or solid: its drawing and, under Name + "_F", its formulas.
struct Eintrag {
  const char* Name;
  // What the drawing shows, after "Zeichnung: " (UTF-8).
  const char* Inhalt;
  // The formula lines (UTF-8, '\n' between lines); a line that begins with a
  // space goes on with the formula of the line before.
  const char* Formeln;
  void (*Malen)(QPainter& maler);
};

const std::vector<Eintrag>& Flaechen();
const std::vector<Eintrag>& Koerper();

// The palette: dark blue lines on a light fill, black letters.
inline const QColor kLinie{0x1B, 0x3A, 0x7A};
inline const QColor kFlaeche{0xDC, 0xE7, 0xF5};
inline const QColor kFlaecheHell{0xEE, 0xF4, 0xFB};    // faces turned to the light (tops)
inline const QColor kFlaecheDunkel{0xC2, 0xD3, 0xEB};  // faces turned away, openings
inline const QColor kSchrift{Qt::black};

QPainterPath Vieleckweg(const QPolygonF& ecken);

// Fills the area with the fill and draws its outline as a visible edge.
void Flaeche(QPainter& maler, const QPainterPath& umriss, const QBrush& fuellung = kFlaeche);
void Kante(QPainter& maler, const QPainterPath& weg);
void Kante(QPainter& maler, QPointF von, QPointF bis);
// Hidden edges and construction lines (heights, axes, diagonals): dashed and thinner.
void Verdeckt(QPainter& maler, const QPainterPath& weg);
void Verdeckt(QPainter& maler, QPointF von, QPointF bis);

// A dimension line with arrowheads at both ends and its letter at the middle
// moved by textversatz.
void Mass(QPainter& maler, QPointF von, QPointF bis, const QString& name, QPointF textversatz);
// A dimension reaching from the middle to bis only (a radius).
void Halbmass(QPainter& maler, QPointF von, QPointF bis, const QString& name, QPointF textversatz);
// A length between two points of the outline dimensioned outside it: extension lines from both points out by
// abstand, the dimension line between their ends, the letter beyond it.
void MassAussen(QPainter& maler, QPointF von, QPointF bis, QPointF abstand, const QString& name);
// Thin lines that are neither edges nor hidden: extension lines, the equator of a sphere, hoops.
void Hilfslinie(QPainter& maler, QPointF von, QPointF bis);
void Hilfslinie(QPainter& maler, const QPainterPath& weg);
// The square mark of a right angle at ecke between the two directions.
void RechterWinkel(QPainter& maler, QPointF ecke, QPointF richtung1, QPointF richtung2);
// An angle's arc around mitte, angles in degrees counterclockwise from the x axis as on paper.
void Winkelbogen(QPainter& maler, QPointF mitte, double radius, double von, double bis);

// A letter in italics with its ink centred on mitte; what follows the first
// character is set as a subscript ("a1" -> a with subscript 1, "lb").
void Buchstabe(QPainter& maler, QPointF mitte, const QString& name);
// A label of several letters ("n = 6") in italics, its left end at links and its ink centred vertically there.
void Text(QPainter& maler, QPointF links, const QString& text);

// The formula lines left-aligned and as large as the widest line allows.
void Formeltext(QPainter& maler, const QStringList& zeilen);

// A point on an ellipse around mitte, winkel in degrees as on paper (y up).
QPointF Ellipsenpunkt(QPointF mitte, double rx, double ry, double winkel);
// The arc of an ellipse from winkel von to bis (degrees as on paper, bis > von goes counterclockwise).
QPainterPath Ellipsenbogen(QPointF mitte, double rx, double ry, double von, double bis);

}  // namespace kolvaro::ui::rechenbild
