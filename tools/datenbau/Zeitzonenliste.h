// Unit files that kolvaro-datenbau writes from a table of the build machine
// instead of from a source in datenquellen/einheiten: the time zones of the
// system's database (its zone1970.tab).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kolvaro::datenbau {

struct ErzeugteDatei {
  std::string Name;                 // the data file, e.g. ZEITZONE.DAT
  std::vector<std::string> Zeilen;  // deciphered unit lines in Windows-1252, in name order
};

// One file for every category source in quellen/gebiete that names
// "Einheitenquelle<TAB>zone1970.tab". The zone table is read from $TZDIR
// or /usr/share/zoneinfo; without it the file holds only world time, and a
// warning goes to warnungen. Throws std::runtime_error on a source it
// cannot read.
std::vector<ErzeugteDatei> ErzeugteEinheitendateien(const std::filesystem::path& quellen,
                                                    std::vector<std::string>& warnungen);

}  // namespace kolvaro::datenbau
