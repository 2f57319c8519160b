// How much the data files hold: per category the number of units and of
// countries (Landname values other than the five unit classes).
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

struct Gebietsbericht {
  Text1252 Gebietsname;
  int Einheiten = 0;
  std::set<Text1252> Laender;
};

Resultat<std::vector<Gebietsbericht>> DatenberichtErstellen(const std::filesystem::path& verzeichnis);

}  // namespace kolvaro
