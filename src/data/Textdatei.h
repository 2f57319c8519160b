// Whole-file access: every reader loads a file as a list of lines, every
// writer replaces the whole file through a temporary file and a rename, so
// a failure never leaves a half-written data file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// The file's lines without their CR LF (or LF). A file that cannot be read
// gives the message naming it.
Resultat<std::vector<std::string>> DateiLaden(const std::filesystem::path& pfad);
// The whole file as it is.
Resultat<std::string> DateiInhalt(const std::filesystem::path& pfad);
// The lines of a file's text, as DateiLaden gives them.
std::vector<std::string> Zeilen(std::string_view inhalt);

// Calls zeile(text, index) for every line of a file's text, without its
// CR LF (or LF); a final line break starts no further line. zeile returns
// false to stop.
template <typename Aufruf>
void ZeilenDurchlaufen(std::string_view inhalt, Aufruf&& zeile) {
  std::size_t index = 0;
  while (!inhalt.empty()) {
    const auto ende = inhalt.find('\n');
    std::string_view text = inhalt.substr(0, ende);
    inhalt.remove_prefix(ende == std::string_view::npos ? inhalt.size() : ende + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (!zeile(text, index++)) return;
  }
}

// Who may read a rewritten file: the old file's mode (a new file what the
// umask allows), or only its owner (the password file).
enum class Dateirechte { WieBisher, NurBesitzer };

// Writes the lines with CR LF to a temporary file beside the target, puts
// it on the disk and renames it over the target. The temporary file is
// created anew under a name of its own and never left behind. A target that
// is a symbolic link keeps its link: the file it points to is replaced. On
// failure the old file is untouched and the message is the one for a failed
// rewrite.
Resultat<> SchreibeAtomar(const std::filesystem::path& pfad, const std::vector<std::string>& zeilen,
                          Dateirechte rechte = Dateirechte::WieBisher);
Resultat<> SchreibeAtomarRoh(const std::filesystem::path& pfad, const std::string& inhalt,
                             Dateirechte rechte = Dateirechte::WieBisher);

// A name SchreibeAtomar gives its temporary files.
bool IstZwischendateiname(std::string_view name);

// Removes the temporary files that a killed rewrite left in the directory
// (older than a minute, so that no running rewrite loses its file).
void VerwaisteZwischendateienEntfernen(const std::filesystem::path& verzeichnis);

bool DateiExistiert(const std::filesystem::path& pfad);

// Copies a file byte for byte into a new file (never over one that is
// there) and puts it on the disk; 0 or the errno of the first failure. A
// copy whose size differs from what was read is EIO.
int DateiKopieren(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

// "Die Datei X konnte nicht geöffnet werden!"
Meldung NichtGeoeffnetMeldung(const std::string& dateiname);
// The message for a failed rewrite of a data file.
Meldung NichtGeschriebenMeldung(const std::string& dateiname);
// A line that is not valid cipher text: names the file and the line.
Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer);
// A damaged file refused as a whole: "Die Datei X ist beschädigt: Zeile N
// <grund>. Der Vorgang wurde abgebrochen." grund says what is wrong with the
// line (Windows-1252), e.g. "endet ohne Zeilenumbruch".
Meldung BeschaedigtMeldung(const std::string& dateiname, std::size_t zeilennummer, const Text1252& grund);
// The same where no single line is at fault: "... ist beschädigt: <grund>. ..."
Meldung DateiBeschaedigtMeldung(const std::string& dateiname, const Text1252& grund);

// The lines of a data file that is about to be rewritten line by line: a
// file that cannot be read gives NichtGeschriebenMeldung, one cut off in a
// line the message of ZeilenendePruefen (rewritten with line breaks, it
// would pass for a whole one).
Resultat<std::vector<std::string>> ZeilenZumUmschreiben(const std::filesystem::path& pfad);

// The number of lines ZeilenDurchlaufen hands on.
std::size_t ZeilenZaehlen(std::string_view inhalt);

// Every file the program writes ends with a line break, so a file whose
// last line has none was cut off: its last line may read as a different,
// plausible value. The message names the file and that line.
Resultat<> ZeilenendePruefen(std::string_view inhalt, const std::string& dateiname);

}  // namespace kolvaro
