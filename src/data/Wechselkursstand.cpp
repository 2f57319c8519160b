// Finding the date of the newest exchange rate.
#include "data/Wechselkursstand.h"

#include <optional>

#include "basis/Gebietsnamen.h"
#include "basis/Tagesdatum.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Katalog.h"

namespace kolvaro {

Text1252 NeuestesKursdatum(const std::vector<std::string_view>& staende) {
  std::optional<Tagesdatum> neuestes;
  for (std::string_view stand : staende) {
    auto d = DeutschesDatumAmAnfang(Getrimmt(stand));
    if (d && (!neuestes || *neuestes < *d)) neuestes = d;
  }
  return neuestes ? DeutscherText(*neuestes) : Text1252();
}

namespace {

Text1252 Anzahl(long n, const char* einzahl, const char* mehrzahl) {
  return "vor " + Text1252::Zahl(n) + " " + (n == 1 ? Cp1252(einzahl) : Cp1252(mehrzahl));
}

}  // namespace

Text1252 Kursalter(std::string_view stand, const Tagesdatum& heute) {
  const auto datum = DeutschesDatumAmAnfang(Getrimmt(stand));
  if (!datum || heute < *datum) return {};
  if (*datum == heute) return Cp1252("von heute");
  // Whole calendar months and years, as a person counts them.
  long monate = (heute.Jahr - datum->Jahr) * 12L + (heute.Monat - datum->Monat);
  if (heute.Tag < datum->Tag) --monate;
  if (monate < 1) return Anzahl(Tageszahl(heute) - Tageszahl(*datum), "Tag", "Tagen");
  if (monate < 12) return Anzahl(monate, "Monat", "Monaten");
  return Anzahl(monate / 12, "Jahr", "Jahren");
}

Text1252 StandMitAlter(const Text1252& stand, const Tagesdatum& heute) {
  const Text1252 alter = Kursalter(stand.Sicht(), heute);
  return alter.empty() ? stand : stand + ", " + alter;
}

Resultat<Text1252> Wechselkursstand(const std::filesystem::path& verzeichnis) {
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) return katalog.Fehler();
  for (const auto& eintrag : *katalog) {
    if (eintrag.Gebietsname != gebiet::Waehrungen) continue;
    std::vector<std::string> staende;
    auto gelesen =
        GeheimdateiDurchlaufen(verzeichnis / eintrag.Datendatei, {}, [&](std::string_view klar, std::size_t) {
          staende.push_back(Feld(klar, '\t', feld::Uebersetzung));
          return true;
        });
    if (!gelesen) return gelesen.Fehler();
    return NeuestesKursdatum({staende.begin(), staende.end()});
  }
  return Text1252();
}

}  // namespace kolvaro
