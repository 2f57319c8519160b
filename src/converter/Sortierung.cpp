// Sorting the unit list. Keys are computed once per unit, then the list is
// sorted stably (equal keys keep the file order). Keys compare byte by byte
// as unsigned values, which is how std::string compares.
#include "converter/Sortierung.h"

#include <algorithm>
#include <numeric>

#include "basis/Alphabet.h"
#include "basis/Texte.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {
namespace {

void ErsetzenAlle(std::string& text, std::string_view alt, std::string_view neu) {
  for (auto pos = text.find(alt); pos != std::string::npos; pos = text.find(alt, pos + neu.size()))
    text.replace(pos, alt.size(), neu);
}

std::string UmlauteAufloesen(std::string text) {
  if (text.find_first_of("\xC4\xD6\xDC") == std::string::npos) return text;
  ErsetzenAlle(text, "\xC4", "AE");
  ErsetzenAlle(text, "\xD6", "OE");
  ErsetzenAlle(text, "\xDC", "UE");
  return text;
}

template <typename Schluessel, typename Kleiner>
void NachSchluesselSortieren(std::vector<TAusgabetextobject>& einheiten, Schluessel schluessel, Kleiner kleiner) {
  using S = decltype(schluessel(einheiten.front()));
  std::vector<S> schluesselliste;
  schluesselliste.reserve(einheiten.size());
  for (const auto& e : einheiten) schluesselliste.push_back(schluessel(e));
  std::vector<std::size_t> reihenfolge(einheiten.size());
  std::iota(reihenfolge.begin(), reihenfolge.end(), std::size_t{0});
  std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                   [&](std::size_t a, std::size_t b) { return kleiner(schluesselliste[a], schluesselliste[b]); });
  std::vector<TAusgabetextobject> sortiert;
  sortiert.reserve(einheiten.size());
  for (auto i : reihenfolge) sortiert.push_back(std::move(einheiten[i]));
  einheiten = std::move(sortiert);
}

}  // namespace

std::string SortiermodusText(Sortiermodus modus) {
  switch (modus) {
    case Sortiermodus::Land:
      return "Land";
    case Sortiermodus::Groesse:
      return "Groesse";
    default:
      return "Alphabet";
  }
}

bool SortiermodusAusText(std::string_view text, Sortiermodus& modus) {
  if (text == "Alphabet")
    modus = Sortiermodus::Alphabet;
  else if (text == "Land")
    modus = Sortiermodus::Land;
  else if (text == "Groesse")
    modus = Sortiermodus::Groesse;
  else
    return false;
  return true;
}

std::string NameSchluessel(std::string_view einheitenname) {
  std::string schluessel = AlphabetSchluessel(einheitenname);
  if (schluessel.size() > kapazitaet::Einheitenname) schluessel.resize(kapazitaet::Einheitenname);
  return schluessel;
}

std::string LandSchluessel(std::string_view landname) {
  // The unit classes sort first, in their order: the n-th becomes n "A"s.
  // They stand as the whole name nearly always: answer at once.
  for (std::size_t n = 0; n < texte::kEinheitenklassen.size(); ++n)
    if (landname == texte::kEinheitenklassen[n]) return std::string(n + 1, 'A');
  std::string schluessel = UmlauteAufloesen(std::string(landname));
  for (std::size_t n = 0; n < texte::kEinheitenklassen.size(); ++n)
    ErsetzenAlle(schluessel, texte::kEinheitenklassen[n], std::string(n + 1, 'A'));
  return schluessel;
}

void NachNameSortieren(std::vector<TAusgabetextobject>& einheiten) {
  if (einheiten.empty()) return;
  NachSchluesselSortieren(
      einheiten, [](const TAusgabetextobject& e) { return NameSchluessel(e.Einheitenname.Sicht()); },
      [](const std::string& a, const std::string& b) { return a < b; });
}

void NachLandSortieren(std::vector<TAusgabetextobject>& einheiten) {
  if (einheiten.empty()) return;
  struct Paar {
    std::string Land;
    std::string Name;
  };
  NachSchluesselSortieren(
      einheiten,
      [](const TAusgabetextobject& e) {
        std::string name = GrossCp1252(e.Einheitenname.Sicht());
        if (name.size() > kapazitaet::Einheitenname) name.resize(kapazitaet::Einheitenname);
        return Paar{LandSchluessel(e.Landname.Sicht()), std::move(name)};
      },
      [](const Paar& a, const Paar& b) {
        const int land = a.Land.compare(b.Land);
        return land != 0 ? land < 0 : a.Name < b.Name;
      });
}

void NachGroesseSortieren(std::vector<TAusgabetextobject>& einheiten, bool ergebnisNutzen) {
  if (einheiten.empty()) return;
  struct Groesse {
    bool Leer;
    double Wert;
  };
  NachSchluesselSortieren(
      einheiten,
      [ergebnisNutzen](const TAusgabetextobject& e) {
        if (!ergebnisNutzen) return Groesse{false, static_cast<double>(e.Faktor)};
        if (e.ErgebnisWiss.empty()) return Groesse{true, 0.0};
        auto zahl = ZahlLesen(e.ErgebnisWiss.Sicht());
        return Groesse{false, zahl ? static_cast<double>(*zahl) : 0.0};
      },
      // A unit without a result compares equal to every other (and the
      // comparison stays a strict weak order as long as results are all
      // present or all absent, which is how conversions leave them).
      [](const Groesse& a, const Groesse& b) { return !a.Leer && !b.Leer && a.Wert < b.Wert; });
}

}  // namespace kolvaro
