// kolvaro-cli zeitzonen: one moment in every zone of the category
// "Zeitzonen", one line per zone for scripts.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "data/Einheit.h"

namespace kolvaro::cli {

struct Zeitzonenumgebung {
  // Loads the category and gives its units; ends the run itself when the
  // data cannot be read.
  std::function<const std::vector<TAusgabetextobject>&()> Einheiten;
  std::ostream& Aus;
  std::ostream& Fehler;
  // Prints the usage error with the usage text and returns the exit status 2.
  std::function<int(const std::string& text)> Nutzungsfehler;
};

// [--zone ZONE] [DATUM_ZEIT]: DATUM_ZEIT ("01.07.2026 12:00") read in ZONE
// (default UTC), without it the present minute. Exit status 0 done, 1 wrong
// input, missing database or a note on the moment (on standard error after
// the lines), 2 usage error.
int ZeitzonenbefehlAusfuehren(const std::vector<std::string>& argumente, const Zeitzonenumgebung& u);

}  // namespace kolvaro::cli
