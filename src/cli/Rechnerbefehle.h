// The calculators from the command line: molar mass, areas, solids, the
// weekday of a date and the movable feasts of a year.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace kolvaro::cli {

bool IstRechnerbefehl(const std::string& befehl);

struct Rechnerumgebung {
  // The data directory (only the molar mass reads a file).
  std::function<std::filesystem::path()> Datenverzeichnis;
  std::ostream& Aus;
  std::ostream& Fehler;
  // Prints the usage error with the usage text and returns the exit status 2.
  std::function<int(const std::string& text)> Nutzungsfehler;
};

// Runs the command; the exit status as for every command: 0 done, 1 wrong
// input (the messages on standard error), 2 usage error.
int RechnerbefehlAusfuehren(const std::string& befehl, const std::vector<std::string>& argumente,
                            const Rechnerumgebung& umgebung);

}  // namespace kolvaro::cli
