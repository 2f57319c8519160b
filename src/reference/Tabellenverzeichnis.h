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

// The names in a fixed order.
std::vector<Text1252> Tabellennamen();

// The table as TAB-separated lines with the column headings first (a
// document as its text), or the message for a file that cannot be read or
// a name that is no table.
Resultat<Text1252> TabelleAlsText(const std::filesystem::path& verzeichnis, const Text1252& name);

}  // namespace kolvaro
