// The country table (Laender.nfo, key 3) and the bitmap names of countries
// and unit classes.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

inline const char* const kLaenderDatei = "Laender.nfo";
constexpr int kLaenderAnzahl = 211;

// The three hidden lists of the country dialog, built from the table.
struct Laendertabelle {
  std::vector<Text1252> Alle;  // index + 1 = country number
  std::vector<std::string> Bitmapnummern;
  std::vector<Text1252> Vorhandene;  // present flag "j"
};

// Reads the table; the message names the file (and the damaged line).
Resultat<Laendertabelle> LaendertabelleLaden(const std::filesystem::path& verzeichnis);

// "Österreich" -> "BM_OESTERREICH", "Marianen, Nördliche" -> "BM_MARIANEN,NOERDLICHE".
Text1252 Flaggenname(const Text1252& landname);

}  // namespace kolvaro
