// The category both timing runs measure: "Bench 1000", a thousand shown
// units made from the lines of the shipped "Länge", added to a copy of the
// data directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro::bench {

inline void TausendEinheitenAnlegen(const std::filesystem::path& verzeichnis) {
  auto zeilen = DateiLaden(verzeichnis / "LAENGE.DAT");
  if (!zeilen || zeilen->empty()) return;
  std::vector<std::string> klar;
  for (const auto& z : *zeilen) klar.push_back(LinieEntschluesseln(z, 1).value_or(std::string()));
  std::vector<std::string> neu;
  for (int i = 0; i < 1000; ++i) {
    std::string zeile = klar[static_cast<std::size_t>(i) % klar.size()];
    zeile = FeldErsetzen(zeile, feld::Sichtbar, "j");
    zeile = FeldErsetzen(zeile, feld::Einheitenname, Feld(zeile, '\t', feld::Einheitenname) + " " + std::to_string(i));
    neu.push_back(LinieVerschluesseln(zeile, 1));
  }
  SchreibeAtomar(verzeichnis / "BENCH.DAT", neu);
  auto gruppen = DateiLaden(verzeichnis / "Gruppen.nfo").value_or(std::vector<std::string>());
  gruppen.push_back("Bench 1000\tBENCH.DAT\tMeter");
  SchreibeAtomar(verzeichnis / "Gruppen.nfo", gruppen);
  auto gebiet = DateiLaden(verzeichnis / "Gebiet.nfo").value_or(std::vector<std::string>());
  gebiet.push_back("Bench");
  gebiet.push_back("*");
  SchreibeAtomar(verzeichnis / "Gebiet.nfo", gebiet);
}

}  // namespace kolvaro::bench
