// Fields of delimited lines: the n-th field, replacing the n-th TAB field,
// and a fast split for the loaders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvaro {

// The n-th field (from 1) of a line cut at a one-character delimiter;
// empty beyond the last field.
std::string Feld(std::string_view zeile, char trenner, int n);

// The line with its n-th TAB field set to wert; all other fields and the
// number of fields stay as they are. n beyond the last field leaves the line
// unchanged.
std::string FeldErsetzen(std::string_view zeile, int n, std::string_view wert);

// The text without the blanks and tabs around it.
std::string_view Getrimmt(std::string_view text);

// All fields of a line, as views into it.
std::vector<std::string_view> Felder(std::string_view zeile, char trenner);
void Felder(std::string_view zeile, char trenner, std::vector<std::string_view>& ziel);

}  // namespace kolvaro
