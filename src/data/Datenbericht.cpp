// Counting units and countries per category.
#include "data/Datenbericht.h"

#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Katalog.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro {

bool IstEinheitenklasse(const std::string& landname) {
  return landname == "SI-Einheit" || landname == "Internationale Einheit" || landname == "Englisches System" ||
         landname == "Eigene Einheit" || landname == "Sonstige Einheit";
}

std::variant<std::vector<Gebietsbericht>, Meldung> DatenberichtErstellen(const std::filesystem::path& verzeichnis) {
  auto katalog = KatalogLaden(verzeichnis);
  if (auto* meldung = std::get_if<Meldung>(&katalog)) return *meldung;
  std::vector<Gebietsbericht> bericht;
  for (const auto& gebiet : std::get<std::vector<Gebietseintrag>>(katalog)) {
    auto zeilen = DateiLaden(verzeichnis / gebiet.Datendatei);
    if (!zeilen) return NichtGeoeffnetMeldung(gebiet.Datendatei);
    Gebietsbericht b{gebiet.Gebietsname, 0, {}};
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
      auto klar = LinieEntschluesseln((*zeilen)[i], 1);
      if (!klar) return BeschaedigtMeldung(gebiet.Datendatei, i + 1);
      if (klar->empty()) continue;
      ++b.Einheiten;
      std::string land = Feld(*klar, '\t', feld::Landname);
      if (!land.empty() && !IstEinheitenklasse(land)) b.Laender.insert(land);
    }
    bericht.push_back(std::move(b));
  }
  return bericht;
}

}  // namespace kolvaro
