// Where the data files live. Kolvaro opens every file by its bare name in
// one directory: the current directory if it holds Gruppen.nfo, otherwise
// the user's own data directory, which is filled with a copy of the
// installed data files on first use.
#pragma once

#include <filesystem>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// The password file that locks the editing functions.
inline constexpr const char* kPasswortdatei = "STOFFW10.NFO";

// installiert: candidate directories of the installed data, first match
// wins. The user's directory is filled on first use with one rename of a
// complete, checked copy; later it is used only while it is whole (a file
// missing or cut inside a line is a message that says how to get the
// installed file back). A directory of an earlier version beside it
// (kAlteBenutzerdaten) is moved to its place first, with the user's units,
// changes and password; if it cannot be moved, it stays and the message says
// so.
Resultat<std::filesystem::path> DatenverzeichnisWaehlen(const std::filesystem::path& aktuell,
                                                        const std::filesystem::path& benutzerdaten,
                                                        const std::vector<std::filesystem::path>& installiert);

// The user's own data directory of both programs: kHersteller/kProgramm in
// $XDG_DATA_HOME, else in ~/.local/share, else in the current directory; a
// relative setting counts from aktuell. The environment is handed in, so
// that either may be missing (nullptr or empty).
std::filesystem::path BenutzerdatenOrt(const char* xdgDatenHeim, const char* heim,
                                       const std::filesystem::path& aktuell);

// The installed data directories relative to the program file: beside it
// (build tree) and where the install rules put them (../share/kolvaro/daten
// by default).
std::vector<std::filesystem::path> InstallierteDaten(const std::filesystem::path& programmverzeichnis);

}  // namespace kolvaro
