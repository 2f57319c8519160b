// What the core hands to the user interface instead of showing anything:
// the program's own message text (Windows-1252) and the kind of box.
#pragma once

#include <optional>
#include <string>

namespace kolvaro {

enum class Meldungsart { Fehler, Information, Warnung, Schlicht };

struct Meldung {
  Meldungsart Art = Meldungsart::Fehler;
  std::string Text;
};

inline Meldung FehlerMeldung(std::string text) { return {Meldungsart::Fehler, std::move(text)}; }
inline Meldung InfoMeldung(std::string text) { return {Meldungsart::Information, std::move(text)}; }

using OptMeldung = std::optional<Meldung>;

}  // namespace kolvaro
