// A reference table as the viewers and the command line show it: a title,
// column headings, rows of texts, and a note. Texts are Windows-1252.
#pragma once

#include <string>
#include <vector>

namespace kolvaro {

struct Referenztabelle {
  std::string Titel;
  std::vector<std::string> Spalten;
  std::vector<std::vector<std::string>> Zeilen;
  std::string Hinweis;  // shown under the title in parentheses; may be empty
};

// The table as TAB-separated lines (each ended by "\n"), with the headings
// as the first line when mitKopf; what the clipboard and the command line get.
std::string AlsTabText(const Referenztabelle& tabelle, bool mitKopf = true);

}  // namespace kolvaro
