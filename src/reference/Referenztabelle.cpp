#include "reference/Referenztabelle.h"

namespace kolvaro {

namespace {

void ZeileAnhaengen(std::string& text, const std::vector<std::string>& felder) {
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (i > 0) text += '\t';
    text += felder[i];
  }
  text += '\n';
}

}  // namespace

std::string AlsTabText(const Referenztabelle& tabelle, bool mitKopf) {
  std::string text;
  if (mitKopf && !tabelle.Spalten.empty()) ZeileAnhaengen(text, tabelle.Spalten);
  for (const auto& zeile : tabelle.Zeilen) ZeileAnhaengen(text, zeile);
  return text;
}

}  // namespace kolvaro
