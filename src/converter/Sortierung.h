// The three orders of the unit list and their comparison keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/Einheit.h"

namespace kolvaro {

enum class Sortiermodus { Alphabet, Land, Groesse };

// "Alphabet", "Land", "Groesse": the texts stored in the settings.
std::string SortiermodusText(Sortiermodus modus);
bool SortiermodusAusText(std::string_view text, Sortiermodus& modus);

// Upper case, umlauts as AE/OE/UE (ß stays), cut to 34 characters.
std::string NameSchluessel(std::string_view einheitenname);
// Landname with umlauts spelt out; the five unit classes first.
std::string LandSchluessel(std::string_view landname);

void NachNameSortieren(std::vector<TAusgabetextobject>& einheiten);
void NachLandSortieren(std::vector<TAusgabetextobject>& einheiten);
// ergebnisNutzen: the key is the number in ErgebnisWiss instead of Faktor.
void NachGroesseSortieren(std::vector<TAusgabetextobject>& einheiten, bool ergebnisNutzen);

}  // namespace kolvaro
