// CSV text.
#include "basis/Csv.h"

namespace kolvaro {

Text1252 CsvText(const std::vector<std::vector<Text1252>>& zeilen) {
  std::string text;
  for (const auto& zeile : zeilen) {
    for (std::size_t i = 0; i < zeile.size(); ++i) {
      if (i > 0) text += ';';
      const std::string_view feld = zeile[i].Sicht();
      if (feld.find_first_of(";\"\r\n") == std::string_view::npos) {
        text += feld;
        continue;
      }
      text += '"';
      for (char c : feld) {
        if (c == '"') text += '"';
        text += c;
      }
      text += '"';
    }
    text += "\r\n";
  }
  return Text1252(std::move(text));
}

}  // namespace kolvaro
