// Whole-file access: every reader loads a file as a list of lines, every
// writer replaces the whole file through a temporary file and a rename, so
// a failure never leaves a half-written data file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/Meldung.h"

namespace kolvaro {

// The file's lines without their CR LF (or LF); nullopt if it cannot be read.
std::optional<std::vector<std::string>> DateiLaden(const std::filesystem::path& pfad);
// The whole file as it is; nullopt if it cannot be read.
std::optional<std::string> DateiInhalt(const std::filesystem::path& pfad);

// Writes the lines with CR LF to a temporary file beside the target and
// renames it over the target. false if anything failed; the old file is then
// untouched.
bool SchreibeAtomar(const std::filesystem::path& pfad, const std::vector<std::string>& zeilen);
bool SchreibeAtomarRoh(const std::filesystem::path& pfad, const std::string& inhalt);

bool DateiExistiert(const std::filesystem::path& pfad);

// "Die Datei X konnte nicht geöffnet werden!"
Meldung NichtGeoeffnetMeldung(const std::string& dateiname);
// The message for a failed rewrite of a data file.
Meldung NichtGeschriebenMeldung(const std::string& dateiname);
// A line that is not valid cipher text: names the file and the line.
Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer);

}  // namespace kolvaro
