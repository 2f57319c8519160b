// The store of recently loaded unit lists.
#include "converter/Einheitenvorrat.h"

#include <algorithm>
#include <numeric>

namespace kolvaro {

// Sorting the entries themselves would move every field of every unit
// several times; one pass through an order of indices moves each once.
void InDateireihenfolge(std::vector<TAusgabetextobject>& einheiten) {
  const auto frueher = [](const TAusgabetextobject& a, const TAusgabetextobject& b) {
    return a.Dateizeile < b.Dateizeile;
  };
  if (std::is_sorted(einheiten.begin(), einheiten.end(), frueher)) return;
  std::vector<std::size_t> reihe(einheiten.size());
  std::iota(reihe.begin(), reihe.end(), std::size_t{0});
  std::sort(reihe.begin(), reihe.end(),
            [&](std::size_t a, std::size_t b) { return frueher(einheiten[a], einheiten[b]); });
  std::vector<TAusgabetextobject> geordnet;
  geordnet.reserve(einheiten.size());
  for (std::size_t i : reihe) geordnet.push_back(std::move(einheiten[i]));
  einheiten = std::move(geordnet);
}

void Einheitenvorrat::Ablegen(Einheitenabbild abbild) {
  if (!abbild.Reihenfolge) InDateireihenfolge(abbild.Einheiten);
  for (auto& e : abbild.Einheiten) {
    e.ErgebnisWiss = Text1252();
    e.ErgebnisFliess = Text1252();
    e.Ergebniszahl.reset();
  }
  m_Abbilder.erase(std::remove_if(m_Abbilder.begin(), m_Abbilder.end(),
                                  [&](const Einheitenabbild& a) { return a.Datei == abbild.Datei; }),
                   m_Abbilder.end());
  m_Abbilder.insert(m_Abbilder.begin(), std::move(abbild));
  if (m_Abbilder.size() > kHoechstens) m_Abbilder.pop_back();
}

std::optional<Einheitenabbild> Einheitenvorrat::Nehmen(const std::filesystem::path& datei, std::string_view inhalt,
                                                       const std::vector<Text1252>& laender, bool temporaer) {
  for (auto it = m_Abbilder.begin(); it != m_Abbilder.end(); ++it) {
    if (it->Datei != datei) continue;
    // An older list of the same file is of no more use.
    if (it->Inhalt != inhalt || it->Laender != laender || it->Temporaer != temporaer) {
      m_Abbilder.erase(it);
      return std::nullopt;
    }
    Einheitenabbild abbild = std::move(*it);
    m_Abbilder.erase(it);
    return abbild;
  }
  return std::nullopt;
}

}  // namespace kolvaro
