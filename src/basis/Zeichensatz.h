// Windows-1252, the character set of all of Kolvaro's files, and the
// conversions to and from UTF-8 that happen at the program's edges.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "basis/Text1252.h"

namespace kolvaro {

// Every byte has a character (the five undefined ones map to C1 controls,
// as Windows does), so this conversion never fails.
std::string Cp1252NachUtf8(const Text1252& text);
// Bytes of a Windows-1252 text (a part of one), appended to ziel as UTF-8.
void Cp1252NachUtf8Anhaengen(std::string& ziel, std::string_view bytes);

// nullopt when the text holds a character that Windows-1252 cannot hold,
// or is not valid UTF-8.
std::optional<Text1252> Utf8NachCp1252(std::string_view text);

// The program's own literals, written in UTF-8 in the source, and UTF-8
// that is only shown (a path in a message): a character that Windows-1252
// cannot hold, or a byte that is not UTF-8, becomes "?".
Text1252 Cp1252(std::string_view utf8);

// Upper case by the rules of the Windows code page: ä becomes Ä, ß stays.
unsigned char GrossCp1252(unsigned char c);
std::string GrossCp1252(std::string_view text);
Text1252 GrossCp1252(const Text1252& text);

}  // namespace kolvaro
