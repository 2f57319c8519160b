// What kolvaro-cli prints of a core text: UTF-8, with every control
// character a data file may hold written out as "\x1B". Shared data files
// can be edited by anyone; printed raw, an ESC sequence in a unit name could
// rewrite the terminal's screen, title or clipboard.
#pragma once

#include <string>
#include <string_view>

#include "basis/Text1252.h"

namespace kolvaro::cli {

// The Windows-1252 text as UTF-8. TAB and line feed stay (they separate the
// output's columns and lines); every other C0 control, DEL and the five
// undefined Windows-1252 bytes (which Unicode has as C1 controls) become
// "\x" and two upper-case hexadecimal digits.
std::string Terminaltext(const Text1252& text);
// The same, appended to ziel.
void TerminaltextAnhaengen(std::string& ziel, const Text1252& text);

}  // namespace kolvaro::cli
