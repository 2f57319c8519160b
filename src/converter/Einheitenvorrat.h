// The unit lists of the categories visited last, kept with the bytes of
// their data file. Going back to a category whose file has not changed
// takes its list again instead of deciphering and reading every line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Text1252.h"
#include "converter/Einstellungswerte.h"
#include "converter/Sortierung.h"
#include "data/Einheit.h"

namespace kolvaro {

struct Einheitenzaehler {
  int Gesamt = 0;             // lines of the data file
  int VerborgenNachLand = 0;  // left out because their country is hidden
  int Verborgen = 0;          // Sichtbar = "n"
  int Angezeigt() const { return Gesamt - VerborgenNachLand; }
};

// A unit list as a load built it, and what it was built from: the same
// file bytes with the same countries and the same display of hidden units
// give the same list.
struct Einheitenabbild {
  std::filesystem::path Datei;
  std::string Inhalt;
  std::vector<Text1252> Laender;  // empty for a category not filtered by country
  bool Temporaer = false;         // hidden units were listed too
  std::vector<TAusgabetextobject> Einheiten;
  Einheitenzaehler Zaehler;
  // The list stands as a load in this order with these favourites puts it;
  // none when it was sorted otherwise since (it is then kept in file order).
  std::optional<Sortiermodus> Reihenfolge;
  std::vector<Favorit> Favoriten;
};

// Puts a list back into the order of its file.
void InDateireihenfolge(std::vector<TAusgabetextobject>& einheiten);

class Einheitenvorrat {
 public:
  static constexpr std::size_t kHoechstens = 8;

  // Keeps the list without results; the list
  // used longest ago goes when there are more than kHoechstens.
  void Ablegen(Einheitenabbild abbild);
  // The list built from exactly these bytes with these settings, taken out
  // of the store; none if it was not kept.
  std::optional<Einheitenabbild> Nehmen(const std::filesystem::path& datei, std::string_view inhalt,
                                        const std::vector<Text1252>& laender, bool temporaer);

 private:
  std::vector<Einheitenabbild> m_Abbilder;  // most recent first
};

}  // namespace kolvaro
