// Field access on delimited lines.
#include "data/Feld.h"

namespace kolvaro {

std::string Feld(std::string_view zeile, char trenner, int n) {
  if (n < 1) return {};
  for (int i = 1; i < n; ++i) {
    auto pos = zeile.find(trenner);
    if (pos == std::string_view::npos) return {};
    zeile.remove_prefix(pos + 1);
  }
  return std::string(zeile.substr(0, zeile.find(trenner)));
}

std::string FeldErsetzen(std::string_view zeile, int n, std::string_view wert) {
  auto felder = Felder(zeile, '\t');
  if (n < 1 || n > static_cast<int>(felder.size())) return std::string(zeile);
  std::string ergebnis;
  ergebnis.reserve(zeile.size() + wert.size());
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (i > 0) ergebnis += '\t';
    ergebnis += (static_cast<int>(i) == n - 1) ? wert : felder[i];
  }
  return ergebnis;
}

std::string_view Getrimmt(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

void Felder(std::string_view zeile, char trenner, std::vector<std::string_view>& ziel) {
  ziel.clear();
  std::size_t anfang = 0;
  for (;;) {
    auto pos = zeile.find(trenner, anfang);
    if (pos == std::string_view::npos) {
      ziel.push_back(zeile.substr(anfang));
      return;
    }
    ziel.push_back(zeile.substr(anfang, pos - anfang));
    anfang = pos + 1;
  }
}

std::vector<std::string_view> Felder(std::string_view zeile, char trenner) {
  std::vector<std::string_view> ziel;
  Felder(zeile, trenner, ziel);
  return ziel;
}

}  // namespace kolvaro
