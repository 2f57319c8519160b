// The category catalogue (Gruppen.nfo) and the information texts
// (Gebiet.nfo).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

struct Gebietseintrag {
  Text1252 Gebietsname;
  // A file name in the data directory (EinfacherDateiname).
  std::string Datendatei;
  Text1252 Bezugseinheit;
};

inline const char* const kKatalogDatei = "Gruppen.nfo";
inline const char* const kInfotextDatei = "Gebiet.nfo";

// A catalogue's data file name that stays inside the data directory: a bare
// name, never a path, "." or "..", and no file of the program's own.
bool EinfacherDateiname(std::string_view name);

// Reads Gruppen.nfo. An empty catalogue, an unreadable file or an entry
// whose data file is not EinfacherDateiname (the catalogue may come from
// the directory Kolvaro is started in, and every rewrite of a unit goes to
// that file) is a message.
Resultat<std::vector<Gebietseintrag>> KatalogLaden(const std::filesystem::path& verzeichnis);

// Reads Gebiet.nfo into one text: every line followed by CR LF.
Resultat<std::string> InfotextLaden(const std::filesystem::path& verzeichnis);

// The information text of the category with catalogue index k (from 1): the
// k-th piece of the joined text cut at "*", as it stands (with its CR LFs).
Text1252 GebietsInfotext(const std::string& infotext, int k);

// The same text as the user sees it: without the line breaks that frame it.
Text1252 GebietsInfotextBereinigt(const std::string& infotext, int k);

}  // namespace kolvaro
