// kolvaro-cli: the converter core from the command line. Arguments and
// output are UTF-8; the core's Windows-1252 texts are converted at this edge.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kolvaro::cli {

struct Umgebung {
  std::filesystem::path Aktuell;        // the current directory
  std::filesystem::path Benutzerdaten;  // the user's data directory
  std::vector<std::filesystem::path> Installiert;
  // Asks for the password of the editing commands (UTF-8); nullopt when
  // nothing could be read.
  std::function<std::optional<std::string>()> PasswortLesen;
};

// Runs one command line (without the program name). Exit status: 0 done,
// 1 wrong input or unreadable data, 2 usage error or ambiguous unit.
int Ausfuehren(const std::vector<std::string>& argumente, const Umgebung& umgebung, std::ostream& aus,
               std::ostream& fehler);

// The environment of a real run: current directory, XDG data home, the
// directories beside the executable.
Umgebung StandardUmgebung();

}  // namespace kolvaro::cli
