// Every reference table by name, for the command line: the 19 material
// tables, the elements, the eleven scales, nutrition, dialling codes,
// constants, prefixes, phonetic alphabets, the code table and the three
// clothing-size documents.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// The names (Windows-1252) in a fixed order.
std::vector<std::string> Tabellennamen();

// The table as TAB-separated lines with the column headings first (a
// document as its text), or the message for a file that cannot be read or
// a name that is no table.
Resultat<std::string> TabelleAlsText(const std::filesystem::path& verzeichnis, const std::string& name);

}  // namespace kolvaro
