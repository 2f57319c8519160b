// What a check of a data directory found: one entry per problem, each
// naming the file and the line, and how much was looked at. The readers
// here go on past a damaged line, so that one run lists every problem.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

struct Pruefbefund {
  std::string Datei;
  std::size_t Zeile = 0;  // from 1; 0: the file as a whole
  Text1252 Text;
};

struct Pruefbericht {
  int Gebiete = 0;
  int Einheiten = 0;
  std::vector<Pruefbefund> Befunde;

  void Melden(const std::string& datei, std::size_t zeile, Text1252 text) {
    Befunde.push_back({datei, zeile, std::move(text)});
  }
};

// "DATEI:ZEILE: text", or "DATEI: text" for the whole file.
Text1252 BefundText(const Pruefbefund& befund);

// "Geprüft: 75 Gebiete, 5145 Einheiten, 0 Fehler"
Text1252 PruefZusammenfassung(const Pruefbericht& bericht);

// A message of one of the program's readers as a finding: the frame "Die
// Datei X ist beschädigt: ... Der Vorgang wurde abgebrochen." goes, and a
// leading "Zeile N" becomes the finding's line.
void MeldungAlsBefund(const std::string& datei, const Meldung& meldung, Pruefbericht& bericht);

// The lines of a file after its header lines, deciphered with the key (0:
// plain text). A line that does not decipher is reported and left empty
// (std::nullopt); a missing or unreadable file is reported and gives
// nothing. ErsteZeile is the file's line number of Klar[0].
struct Pruefzeilen {
  std::size_t ErsteZeile = 1;
  std::vector<std::optional<std::string>> Klar;
};
std::optional<Pruefzeilen> ZeilenZumPruefen(const std::filesystem::path& verzeichnis, const std::string& datei,
                                            int schluessel, std::size_t kopfzeilen, Pruefbericht& bericht);

}  // namespace kolvaro
