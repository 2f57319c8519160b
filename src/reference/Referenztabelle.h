// A reference table as the viewers and the command line show it: a title,
// column headings, rows of texts, and a note.
#pragma once

#include <string>
#include <vector>

#include "basis/Text1252.h"

namespace kolvaro {

struct Referenztabelle {
  Text1252 Titel;
  std::vector<Text1252> Spalten;
  std::vector<std::vector<Text1252>> Zeilen;
  Text1252 Hinweis;  // shown under the title in parentheses; may be empty
};

// The table as TAB-separated lines (each ended by "\n"), with the headings
// as the first line when mitKopf; what the clipboard and the command line get.
Text1252 AlsTabText(const Referenztabelle& tabelle, bool mitKopf = true);

}  // namespace kolvaro
