// The unit names through which the conversions of "Aräometerskalen",
// "Viskosität, kinem. alt", "Schuhgrößen" and "Kalender" find their rules:
// a data file that lacks one of them, or holds a unit none of them names,
// has a unit the category cannot convert.
#pragma once

#include <filesystem>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// The names a category's conversion knows by their exact text; empty for
// every other category.
std::vector<Text1252> GebundeneNamen(const Text1252& gebietsname);

std::vector<Text1252> AraeometerNamen();
std::vector<Text1252> ViskositaetNamen();
std::vector<Text1252> SchuhgroessenNamen();
std::vector<Text1252> KalenderNamen();

// The correspondence table of the old viscosity scales, read as the
// conversion reads it; the message of the first fault.
Resultat<> ViskositaetstabellePruefen(const std::filesystem::path& verzeichnis);

}  // namespace kolvaro
