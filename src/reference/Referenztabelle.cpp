#include "reference/Referenztabelle.h"

namespace kolvaro {

namespace {

void ZeileAnhaengen(Text1252& text, const std::vector<Text1252>& felder) {
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (i > 0) text += '\t';
    text += felder[i];
  }
  text += '\n';
}

}  // namespace

Text1252 AlsTabText(const Referenztabelle& tabelle, bool mitKopf) {
  Text1252 text;
  if (mitKopf && !tabelle.Spalten.empty()) ZeileAnhaengen(text, tabelle.Spalten);
  for (const auto& zeile : tabelle.Zeilen) ZeileAnhaengen(text, zeile);
  return text;
}

}  // namespace kolvaro
