// Checks of what the user types into a field that ends up in a data file:
// texts, file names and factors.
//
// A unit line is cut at TABs and the files at line ends, a category's block
// in Gebiet.nfo ends at "*", and the line cipher cannot carry the bytes 0x00
// and 0xFF ("ÿ" would come back as a NUL byte): such characters would break
// or corrupt the files, so they are refused before anything is written.
#pragma once

#include <string>
#include <string_view>

#include "basis/Meldung.h"
#include "special/Sonderumrechnung.h"

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

// What a typed factor says, and so which values it may take.
enum class Faktorart {
  Einheit,        // how many reference units one unit equals: above 0
  Kurs,           // an exchange rate: 0 (the rate is not known) or above
  Zeitdifferenz,  // minutes to world time: whole, at most a day either way
};

// Where a factor is typed. Each place has always worded a text that is no
// number in its own way; every other refusal reads the same everywhere.
enum class Faktorstelle {
  Einfuegen,    // the dialogs that add an own unit
  Aendern,      // the dialogs that change the factor of one unit
  Kurstabelle,  // the table of all exchange rates (its refusals are errors)
};

// The time zones one may enter: whole minutes within one day either way,
// the offsets the converter accepts.
constexpr long double kWeltzeitGrenze = kWeltzeitGrenzeStunden * 60;

// Unit factors and rates other than 0 lie within these bounds: the
// currencies are converted, and the rate table shows its rates, as doubles,
// and no unit is further from its reference unit.
constexpr long double kKleinsterFaktor = 1e-300L;
constexpr long double kGroessterFaktor = 1e300L;

// The one reading of a typed factor (Windows-1252): leading blanks, an
// optional sign, digits with an optional fraction after "," or ".", an
// optional exponent ("E" or "e", optional sign, digits), nothing after it;
// then the values its kind allows. Gives the value (minutes for a time
// zone), or the message for the place.
Resultat<long double> FaktorPruefen(std::string_view text, Faktorart art, Faktorstelle stelle);

}  // namespace kolvaro
