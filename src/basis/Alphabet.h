// The alphabetical order of names: the one order in which the shipped data
// files list their units and the catalogue its categories, and in which the
// program inserts an own unit or a new category. A German reader looks for
// "Ölfass" among the O's and for "Äquivalentdosis" among the A's, so
// umlauts are read as AE, OE and UE; case does not count.
#pragma once

#include <string>
#include <string_view>

namespace kolvaro {

// The name (Windows-1252) as it is compared: upper case by the code page's
// rules, then Ä, Ö, Ü written AE, OE, UE (ß stays). Keys compare byte by
// byte as unsigned values, as std::string does.
std::string AlphabetSchluessel(std::string_view name);

// Below 0 when a comes before b, 0 when they share their place (as "Masse"
// and "masse" do), above 0 when a comes after b.
int AlphabetischVergleichen(std::string_view a, std::string_view b);

}  // namespace kolvaro
