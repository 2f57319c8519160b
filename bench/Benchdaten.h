// The category both timing runs measure: "Bench 1000", a thousand shown
// units made from the lines of the shipped "Länge", added to a copy of the
// data directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro::bench {

inline void TausendEinheitenAnlegen(const std::filesystem::path& verzeichnis) {
  auto gelesen = GeheimdateiLesen(verzeichnis / "LAENGE.DAT");
  if (!gelesen || gelesen->empty()) return;
  const std::vector<std::string>& klar = *gelesen;
  std::vector<std::string> neu;
  for (int i = 0; i < 1000; ++i) {
    std::string zeile = klar[static_cast<std::size_t>(i) % klar.size()];
    zeile = FeldErsetzen(zeile, feld::Sichtbar, "j");
    zeile = FeldErsetzen(zeile, feld::Einheitenname, Feld(zeile, '\t', feld::Einheitenname) + " " + std::to_string(i));
    neu.push_back(LinieVerschluesseln(zeile, 1));
  }
  auto gruppen = DateiLaden(verzeichnis / "Gruppen.nfo");
  auto gebiet = DateiLaden(verzeichnis / "Gebiet.nfo");
  if (!gruppen || !gebiet) return;
  gruppen->push_back("Bench 1000\tBENCH.DAT\tMeter");
  gebiet->push_back("Bench");
  gebiet->push_back("*");
  (void)SchreibeAtomar(verzeichnis / "BENCH.DAT", neu);
  (void)SchreibeAtomar(verzeichnis / "Gruppen.nfo", *gruppen);
  (void)SchreibeAtomar(verzeichnis / "Gebiet.nfo", *gebiet);
}

}  // namespace kolvaro::bench
