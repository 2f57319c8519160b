// Checks of what the user types into a field that ends up in a data file.
// A unit line is cut at TABs and the files at line ends, a category's block
// in Gebiet.nfo ends at "*", and the line cipher cannot carry the bytes 0x00
// and 0xFF ("ÿ" would come back as a NUL byte): such characters would break
// or corrupt the files, so they are refused before anything is written.
#pragma once

#include <string>
#include <string_view>

#include "basis/Meldung.h"

namespace kolvaro {

enum class Feldart {
  Zeilenfeld,  // a field of a unit line or of the catalogue
  Infotext,    // a category's information text: line breaks allowed, "*" not
};

// The text (Windows-1252) is fit for the field; otherwise the message names
// the field by its caption (UTF-8, e.g. "Name der Einheit").
Resultat<> FeldPruefen(std::string_view text, std::string_view feldname, Feldart art = Feldart::Zeilenfeld);

// A file name the user gives for a new data file: 1 to 8 ASCII letters,
// digits, "_" or "-", not a device name of Windows (CON, NUL, COM1, ...).
Resultat<> DateinamePruefen(std::string_view name);

}  // namespace kolvaro
