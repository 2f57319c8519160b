// Rewriting single fields of unit lines in a category data file: the file
// is loaded, the lines at the given indexes are deciphered, changed with
// FeldErsetzen and enciphered again, and the file is replaced whole through
// a temporary file. Lines that are not touched keep their stored text.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

struct Feldaenderung {
  int Dateizeile;  // 0-based line of the unit
  int Feld;        // field number from 1
  std::string Wert;
};

// All changes are written at once, or none: a missing, damaged or cut-off
// file, a line that does not exist or a failed write leaves the file as it
// was.
Resultat<> EinheitenzeilenAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                  const std::vector<Feldaenderung>& aenderungen);

inline Resultat<> EinheitenzeileAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                        int dateizeile, int feld, std::string wert) {
  return EinheitenzeilenAendern(verzeichnis, datendatei, {{dateizeile, feld, std::move(wert)}});
}

}  // namespace kolvaro
