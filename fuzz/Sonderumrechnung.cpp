// Every special conversion through its input text, on the units of the
// built data files (hidden ones included) and one own unit. The first byte
// chooses the category, the next two the selected unit, one the answer to
// a question, eight the own unit's factor; the rest is the typed input.
#include "special/Sonderumrechnung.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Fuzzeingabe.h"
#include "basis/Gebietsnamen.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Katalog.h"

using namespace kolvaro;

namespace {

struct Sondergebiet {
  Sonderroutine Routine;
  std::vector<TAusgabetextobject> Einheiten;
};

// In a fixed order, so that a corpus input keeps its meaning when the
// catalogue changes.
std::vector<Sondergebiet> GebieteLaden(const std::filesystem::path& verzeichnis) {
  const Text1252 namen[] = {gebiet::Brueche,        gebiet::Zahlensysteme,
                            gebiet::Temperatur,     gebiet::Araeometerskalen,
                            gebiet::ViskositaetAlt, gebiet::Schuhgroessen,
                            gebiet::Weltzeit,       gebiet::Waehrungen,
                            gebiet::Kalender,       gebiet::Kraftstoffverbrauch,
                            gebiet::Stromverbrauch, gebiet::Windstaerke,
                            gebiet::Leistungspegel, gebiet::Ofenstufen,
                            gebiet::Drahtstaerken,  gebiet::Schleifkoernung,
                            gebiet::Ringgroessen,   gebiet::Zeitzonen};
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) {
    std::fprintf(stderr, "%s\n", Cp1252NachUtf8(katalog.Fehler().Text).c_str());
    std::abort();
  }
  std::vector<Sondergebiet> gebiete;
  for (const Text1252& name : namen) {
    Sondergebiet g{SonderroutineFuer(name), {}};
    for (const Gebietseintrag& eintrag : *katalog) {
      if (eintrag.Gebietsname != name) continue;
      std::vector<std::string_view> felder;
      auto geladen =
          GeheimdateiDurchlaufen(verzeichnis / eintrag.Datendatei, {}, [&](std::string_view zeile, std::size_t nr) {
            Felder(zeile, '\t', felder);
            EinheitFuellen(g.Einheiten.emplace_back(), felder, static_cast<int>(nr));
            return true;
          });
      if (!geladen) {
        std::fprintf(stderr, "%s\n", Cp1252NachUtf8(geladen.Fehler().Text).c_str());
        std::abort();
      }
    }
    if (!g.Routine || g.Einheiten.empty()) {
      std::fprintf(stderr, "Sondergebiet ohne Routine oder Einheiten: %s\n", Cp1252NachUtf8(name).c_str());
      std::abort();
    }
    gebiete.push_back(std::move(g));
  }
  return gebiete;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static const std::filesystem::path verzeichnis = KOLVARO_DATEN_DIR;
  static const std::vector<Sondergebiet> gebiete = GebieteLaden(verzeichnis);

  fuzz::Eingabe eingabe(daten, groesse);
  const Sondergebiet& gebiet = gebiete[eingabe.Byte() % gebiete.size()];
  std::vector<TAusgabetextobject> einheiten = gebiet.Einheiten;
  TAusgabetextobject& eigene = einheiten.emplace_back();
  eigene.Eigenschaft = 'j';
  eigene.Landname = "Eigene Einheit";
  eigene.Einheitenname = "Fuzz-Einheit";
  eigene.Dateizeile = static_cast<int>(einheiten.size()) - 1;
  const int auswahl = eingabe.Wert<std::uint16_t>() % einheiten.size();
  const std::uint8_t antwort = eingabe.Byte() % 4;
  const auto faktor = eingabe.Wert<double>();
  // A typed factor is read by ZahlLesen and always finite.
  eigene.Faktor = std::isfinite(faktor) ? faktor : 0.0;
  const std::string_view text = eingabe.Rest();

  Rueckfrage frage;
  if (antwort < 3)
    frage = [antwort](const Text1252&) {
      return antwort == 0 ? FrageAntwort::Ja : antwort == 1 ? FrageAntwort::Nein : FrageAntwort::Abbrechen;
    };
  Sonderkontext kontext{text, einheiten, auswahl, verzeichnis, frage};
  const Rechenergebnis ergebnis = gebiet.Routine(kontext);
  fuzz::Pruefen(einheiten.size() == gebiet.Einheiten.size() + 1, "die Einheitenliste behaelt ihre Laenge", text);
  if (!ergebnis.Erfolg) return 0;
  for (const TAusgabetextobject& e : einheiten) {
    fuzz::Pruefen(e.ErgebnisWiss.size() <= kapazitaet::ErgebnisWiss, "das wiss. Ergebnis passt in sein Feld", text,
                  e.ErgebnisWiss.Bytes());
    fuzz::Pruefen(e.ErgebnisFliess.size() <= kapazitaet::ErgebnisFliess, "das Fliess-Ergebnis passt in sein Feld", text,
                  e.ErgebnisFliess.Bytes());
  }
  return 0;
}
