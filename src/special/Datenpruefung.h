// The check of a data directory that kolvaro-cli pruefen runs and the
// build's data tests rely on: the catalogue and its information texts, the
// country table, every category data file line by line, and what the
// special categories need of their files. Every problem is one finding; the
// check never stops at the first.
#pragma once

#include <filesystem>
#include <string_view>

#include "data/Pruefbericht.h"

namespace kolvaro {

// Adds the findings to bericht and counts the categories and units.
void DatenPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht);

// A period of use as the data files write it: "seit 1872", "bis 19. Jh.",
// "1810-1871", "ca. 200 v.-400", "3.-1. Jt. v.Chr", "Antike"; empty too.
bool ZeitraumBekannt(std::string_view zeitraum);

}  // namespace kolvaro
