// Taking a table away: saved as CSV where the user chooses, or printed
// (with a preview, and as PDF) under a heading with the date. The main
// window's list, the conversion table and every reference viewer use them.
#pragma once

#include <QString>
#include <vector>

#include "basis/Text1252.h"

namespace kolvaro::ui {

class Plattform;

// The rows, the first one the column headings. A file that cannot be
// written is a message; nothing is left half-written.
void AlsCsvSpeichern(Plattform& plattform, const QString& vorschlag, const std::vector<std::vector<Text1252>>& zeilen);
void TabelleDrucken(Plattform& plattform, const Text1252& ueberschrift,
                    const std::vector<std::vector<Text1252>>& zeilen);

}  // namespace kolvaro::ui
