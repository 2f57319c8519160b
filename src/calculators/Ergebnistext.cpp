#include "calculators/Ergebnistext.h"

#include <cmath>

#include "basis/Zahlformat.h"

namespace kolvaro {

Text1252 ErgebnisText(long double wert) {
  const long double betrag = std::fabs(wert);
  if (!(betrag > 5e-11L && betrag <= 9.9e12L)) return WissText(wert);
  std::string text = FestTextRoh(wert, FliessDezimalen(wert)).Bytes();
  text.erase(0, text.find_first_not_of(' '));
  const std::size_t punkt = text.find('.');
  if (punkt != std::string::npos) {
    text[punkt] = ',';
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == ',') text += '0';
  }
  return Text1252(std::move(text));
}

}  // namespace kolvaro
