// The reader of the flag descriptions: the lines of ressourcen/flaggen.txt
// and the drawing commands in them, read into commands that the painter
// (Flaggenmaler.cpp) draws without checking again. Flaggenbeschreibung.cpp
// describes the language.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

namespace kolvaro::ui::flaggen {

constexpr int kBreite = 32;
constexpr int kHoehe = 16;

enum class Art {
  Waagerecht,
  Senkrecht,
  Feld,
  Bereich,
  Rechteck,
  Kanton,
  Rahmen,
  Kreuz,
  Plus,
  Andreas,
  Linie,
  Zug,
  Keil,
  Vieleck,
  Kreis,
  Ring,
  Ellipse,
  Stern,
  Sternring,
  Halbmond,
  Rauten,
  Schach,
  Union,
  Text
};

// One checked command: its numbers in the order of the description (the
// numbers after the colour follow those before it), its colours, the stripe
// weights and the text of "text". A command the reader accepted has every
// value its kind needs, so the painter can index them directly.
struct Befehl {
  Art art = Art::Feld;
  std::vector<double> zahlen;
  std::vector<QColor> farben;
  std::vector<double> gewichte;  // stripes only
  QString text;
};

// One command ("kreis 16 8 4 FF0000"); false and *fehler (if given) saying
// why when it is faulty.
bool BefehlLesen(const QString& quelltext, Befehl* befehl, QString* fehler);

// The commands of a description ("feld FFFFFF; kreis 16 8 4 FF0000") in
// order; faulty ones are left out.
std::vector<Befehl> BeschreibungLesen(const QString& beschreibung);

// Splits a description line into the bitmap name and the drawing commands;
// false when either is missing.
bool ZeileTeilen(const QString& zeile, QString* name, QString* beschreibung);

}  // namespace kolvaro::ui::flaggen
