// The tables that are part of the program itself: physical constants, SI
// prefixes, phonetic alphabets, and the character code table with the
// names of the control characters.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "reference/Referenztabelle.h"

namespace kolvaro {

// Name and value with unit, in the order of the list.
Referenztabelle PhysikalischeKonstanten();

// Symbol, name and factor of every SI prefix, largest first.
Referenztabelle VorsatzzeichenTabelle();

// The four phonetic alphabets: their names, and the 31 words of each
// (positions 1 to 26 for A to Z, 27 to 31 for Ä, Ö, Ü, CH, SCH; empty where
// the alphabet has none).
inline constexpr int kBuchstabierPositionen = 31;
const std::vector<Text1252>& Buchstabiertafelnamen();
const std::array<Text1252, kBuchstabierPositionen>& Buchstabiertafel(std::size_t index);
// The letters of the positions ("A" ... "Z", "Ä", "Ö", "Ü", "CH", "SCH").
const std::array<Text1252, kBuchstabierPositionen>& Buchstabierbuchstaben();
Referenztabelle BuchstabiertafelTabelle();

// The control characters 0 to 32: abbreviation and description.
struct Steuerzeichen {
  Text1252 Kurz;
  Text1252 Beschreibung;
};
const std::array<Steuerzeichen, 33>& Steuerzeichentabelle();

// The character a code stands for in Windows-1252 (ANSI) or in code page
// 437 (the OEM set, "ASCII"), as a Unicode code point; 0 where the code page
// has no character (0x81, 0x8D, 0x8F, 0x90, 0x9D in Windows-1252).
enum class Codeseite { Ansi, Oem };
char32_t CodeZeichen(int code, Codeseite seite);
// Code, character (the abbreviation for 0 to 32) of Windows-1252.
Referenztabelle ZeichentabelleAnsi();

}  // namespace kolvaro
