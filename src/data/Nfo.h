// Reading the reference files: enciphered with key 1, one record a line,
// fields separated by TAB, some header lines at the top that are skipped.
// The element file is read by the molar-mass calculator and the element
// viewer alike.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

inline constexpr const char* kElementdatei = "Stoffw8.nfo";
inline constexpr std::size_t kElementKopfzeilen = 2;

// The deciphered lines of the file in the data directory after its header
// lines. A missing or damaged file gives a message that names it.
Resultat<std::vector<std::string>> NfoLesen(const std::filesystem::path& verzeichnis, const std::string& datei,
                                            std::size_t kopfzeilen);

}  // namespace kolvaro
