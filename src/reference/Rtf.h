// Reading the clothing-size documents: rich text (RTF) in the subset we
// write ourselves — paragraphs, bold, italic, font size, colour, tabs and
// simple tables, Windows-1252 characters as \'hh — turned into HTML for the
// viewer and into plain text for the command line. Everything else in a
// document is passed over.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "basis/Meldung.h"

namespace kolvaro {

struct Rtfdokument {
  Text1252 Html;  // a body fragment
  Text1252 Text;  // paragraphs as lines, table cells separated by TAB
};

// A text that is no RTF document, or whose braces do not match, gives nullopt.
std::optional<Rtfdokument> RtfLesen(std::string_view rtf);

// The three documents: women, men, children.
inline constexpr const char* kKonfektionsdateien[3] = {"Konfektiond.rtf", "Konfektionh.rtf", "Konfektionk.rtf"};
inline constexpr const char* kKonfektionsgruppen[3] = {"Damen", "Herren", "Kinder"};

// The document from the data directory; a missing or unreadable one gives
// the message naming it.
Resultat<Rtfdokument> KonfektionLesen(const std::filesystem::path& verzeichnis, int gruppe);

}  // namespace kolvaro
