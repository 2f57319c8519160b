// Reading an enciphered file: load it, cut it into lines, decipher every
// line with one key. Every reader of an enciphered file goes through here,
// so all of them report a damaged file the same way.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

struct Geheimleseart {
  int Schluessel = 1;
  // Lines at the top that are not enciphered and are passed over.
  std::size_t Kopfzeilen = 0;
  // Empty lines are passed over; otherwise an empty line counts as damaged.
  bool LeereUeberspringen = false;
  // Called once before the first line with the number of lines in the file
  // (header lines included), so that a reader can make room for them.
  std::function<void(std::size_t zeilen)> Vorab;
};

// Deciphers the file's lines one after the other into one reused buffer and
// calls zeile(klartext, dateizeile) for each, dateizeile being the 0-based
// index of the line in the file; zeile returns false to stop early. A file
// that cannot be read, or a line that is not valid cipher text, gives the
// message naming the file (and the line, counted from 1); lines after a
// damaged one are not read, and a file cut off in the middle of a line (see
// ZeilenendePruefen) is not read at all.
Resultat<> GeheimdateiDurchlaufen(const std::filesystem::path& pfad, const Geheimleseart& art,
                                  const std::function<bool(std::string_view klartext, std::size_t dateizeile)>& zeile);

// The same for a file's bytes already read.
Resultat<> GeheiminhaltDurchlaufen(std::string_view inhalt, const std::string& dateiname, const Geheimleseart& art,
                                   const std::function<bool(std::string_view klartext, std::size_t dateizeile)>& zeile);

// The whole file deciphered, one entry per line read (header lines and
// passed-over empty lines are left out).
Resultat<std::vector<std::string>> GeheimdateiLesen(const std::filesystem::path& pfad, const Geheimleseart& art = {});

}  // namespace kolvaro
