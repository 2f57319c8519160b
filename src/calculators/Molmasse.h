// The molar-mass calculator: a chemical formula such as "CaSO4*2H2O" is
// rewritten into an expression of element masses, counts and brackets, and
// evaluated. The masses come from the element file "Stoffw8.nfo".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"

namespace kolvaro {

struct Element {
  std::string Symbol;  // one or two letters, case-sensitive
  std::string Masse;   // the molar mass in g/mol as stored, decimal comma
};

// The elements of the element file in file order (symbol: field 2, mass:
// field 5). A missing or damaged file gives the message naming it.
Resultat<std::vector<Element>> ElementeLaden(const std::filesystem::path& verzeichnis);

// The formula as an arithmetic expression of masses: every element symbol
// becomes "+" and its mass, counts multiply, brackets group, a count at the
// start of the formula or after "*" or "·" multiplies the molecule it stands
// before (crystal water), D and T are deuterium and tritium.
std::string FormelUmschreiben(std::string_view formel, const std::vector<Element>& elemente);

// The result text of a value: three decimals, decimal comma ("18,015").
std::string MolmassenText(double wert);

// The calculation of the dialog: for an empty formula nothing; otherwise
// Werte holds the result text, and Ablauf.Vorher one message per error met
// in the formula (at most kMolmasseFehlerHoechstens; the value of the rest
// is still shown). A value that is no finite number is a wrong input.
Rechenergebnis MolmasseBerechnen(const Text1252& formel, const std::vector<Element>& elemente);

inline constexpr std::size_t kMolmasseFehlerHoechstens = 10;

}  // namespace kolvaro
