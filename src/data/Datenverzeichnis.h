// Where the data files live. Kolvaro opens every file by its bare name in
// one directory: the current directory if it holds Gruppen.nfo, otherwise
// the user's own data directory, which is filled with a copy of the
// installed data files on first use.
#pragma once

#include <filesystem>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// installiert: candidate directories of the installed data, first match wins.
Resultat<std::filesystem::path> DatenverzeichnisWaehlen(const std::filesystem::path& aktuell,
                                                        const std::filesystem::path& benutzerdaten,
                                                        const std::vector<std::filesystem::path>& installiert);

// The installed data directories relative to the program file: beside it
// (build tree) and where the install rules put them (../share/kolvaro/daten
// by default).
std::vector<std::filesystem::path> InstallierteDaten(const std::filesystem::path& programmverzeichnis);

}  // namespace kolvaro
