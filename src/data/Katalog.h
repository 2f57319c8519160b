// The category catalogue (Gruppen.nfo) and the information texts
// (Gebiet.nfo).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

struct Gebietseintrag {
  std::string Gebietsname;
  std::string Datendatei;
  std::string Bezugseinheit;
};

inline const char* const kKatalogDatei = "Gruppen.nfo";
inline const char* const kInfotextDatei = "Gebiet.nfo";

// Reads Gruppen.nfo. An empty catalogue or an unreadable file is a message.
Resultat<std::vector<Gebietseintrag>> KatalogLaden(const std::filesystem::path& verzeichnis);

// Reads Gebiet.nfo into one text: every line followed by CR LF.
Resultat<std::string> InfotextLaden(const std::filesystem::path& verzeichnis);

// The information text of the category with catalogue index k (from 1): the
// k-th piece of the joined text cut at "*", as it stands (with its CR LFs).
std::string GebietsInfotext(const std::string& infotext, int k);

// The same text as the user sees it: without the line breaks that frame it.
std::string GebietsInfotextBereinigt(const std::string& infotext, int k);

}  // namespace kolvaro
