// Comparing names alphabetically.
#include "basis/Alphabet.h"

#include "basis/Zeichensatz.h"

namespace kolvaro {

std::string AlphabetSchluessel(std::string_view name) {
  std::string schluessel;
  schluessel.reserve(name.size() + 4);
  for (char c : name) {
    const unsigned char gross = GrossCp1252(static_cast<unsigned char>(c));
    if (gross == 0xC4)
      schluessel += "AE";
    else if (gross == 0xD6)
      schluessel += "OE";
    else if (gross == 0xDC)
      schluessel += "UE";
    else
      schluessel += static_cast<char>(gross);
  }
  return schluessel;
}

int AlphabetischVergleichen(std::string_view a, std::string_view b) {
  const int vergleich = AlphabetSchluessel(a).compare(AlphabetSchluessel(b));
  return (vergleich > 0) - (vergleich < 0);
}

}  // namespace kolvaro
