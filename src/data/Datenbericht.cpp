// Counting units and countries per category.
#include "data/Datenbericht.h"

#include "basis/Texte.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Katalog.h"

namespace kolvaro {

Resultat<std::vector<Gebietsbericht>> DatenberichtErstellen(const std::filesystem::path& verzeichnis) {
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) return katalog.Fehler();
  std::vector<Gebietsbericht> bericht;
  for (const auto& gebiet : *katalog) {
    Gebietsbericht b{gebiet.Gebietsname, 0, {}};
    auto gelesen = GeheimdateiDurchlaufen(verzeichnis / gebiet.Datendatei, {}, [&](std::string_view klar, std::size_t) {
      if (klar.empty()) return true;
      ++b.Einheiten;
      std::string land = Feld(klar, '\t', feld::Landname);
      if (!land.empty() && !texte::IstEinheitenklasse(land)) b.Laender.insert(Text1252(std::move(land)));
      return true;
    });
    if (!gelesen) return gelesen.Fehler();
    bericht.push_back(std::move(b));
  }
  return bericht;
}

}  // namespace kolvaro
