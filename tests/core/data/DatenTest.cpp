// Checks on the shipped data as the build produced it: every file deciphers
// and keeps the formats, orders and limits the program relies on, and the
// values agree with each other and with the legal definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "basis/Alphabet.h"
#include "basis/Gebietsnamen.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Katalog.h"
#include "data/Laendertabelle.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "gemeinsam/Testdaten.h"
#include "reference/Tabellenpruefung.h"
#include "special/Datenpruefung.h"

namespace kolvaro {
namespace {

const std::filesystem::path kDaten = KOLVARO_DATEN_DIR;

struct Datei {
  Gebietseintrag Gebiet;
  std::vector<std::vector<std::string>> Zeilen;  // deciphered, split into fields
};

const std::vector<Datei>& AlleDateien() {
  static const std::vector<Datei> dateien = [] {
    std::vector<Datei> ergebnis;
    auto katalog = KatalogLaden(kDaten);
    for (const auto& gebiet : katalog ? *katalog : std::vector<Gebietseintrag>{}) {
      ergebnis.push_back({gebiet, {}});
      auto zeilen = GeheimdateiLesen(kDaten / gebiet.Datendatei);
      for (const auto& klar : zeilen ? *zeilen : std::vector<std::string>{}) {
        const auto felder = Felder(klar, '\t');
        ergebnis.back().Zeilen.emplace_back(felder.begin(), felder.end());
      }
    }
    return ergebnis;
  }();
  return dateien;
}

long double Faktor(const std::vector<std::string>& felder) {
  return ZahlLesen(felder[feld::Faktor - 1]).value_or(0.0L);
}

// Strictly in order, so no name twice.
TEST(Daten, KatalogUndInfotexte) {
  auto katalog = KatalogLaden(kDaten);
  auto infotext = InfotextLaden(kDaten);
  ASSERT_TRUE(katalog && infotext);
  const auto& gebiete = *katalog;
  EXPECT_GE(gebiete.size(), 7u);
  for (std::size_t k = 0; k < gebiete.size(); ++k) {
    const std::string name = Cp1252NachUtf8(gebiete[k].Gebietsname);
    EXPECT_FALSE(GebietsInfotextBereinigt(*infotext, static_cast<int>(k) + 1).empty()) << name;
    EXPECT_TRUE(k == 0 ||
                AlphabetischVergleichen(gebiete[k - 1].Gebietsname.Sicht(), gebiete[k].Gebietsname.Sicht()) < 0)
        << name;
  }
  // One text per category, nothing behind the last.
  EXPECT_TRUE(GebietsInfotextBereinigt(*infotext, static_cast<int>(gebiete.size()) + 1).empty());
}

// Field counts and limits, factors, order, unique names, countries, the
// lines and names the special conversions bind to, the reference tables:
// the check kolvaro-cli pruefen runs finds nothing.
TEST(Daten, DatenpruefungOhneBefund) {
  Pruefbericht bericht;
  DatenPruefen(kDaten, bericht);
  TabellenPruefen(kDaten, bericht);
  for (const auto& befund : bericht.Befunde) ADD_FAILURE() << BefundText(befund);
  EXPECT_EQ(bericht.Gebiete, static_cast<int>(AlleDateien().size()));
  EXPECT_GT(bericht.Einheiten, 1000);
}

// "12 Zoll": where the text names a unit of the same file, the factors agree.
TEST(Daten, EntsprichtStimmtMitDenFaktoren) {
  int geprueft = 0;
  for (const auto& d : AlleDateien()) {
    // In "Aräometerskalen" the field holds the reference temperature.
    if (d.Gebiet.Gebietsname == gebiet::Araeometerskalen) continue;
    std::multimap<std::string, const std::vector<std::string>*> nachName;
    for (const auto& f : d.Zeilen)
      if (f.size() == 19) nachName.emplace(f[feld::Einheitenname - 1], &f);
    for (const auto& f : d.Zeilen) {
      if (f.size() != 19) continue;
      const std::string& text = f[feld::Entspricht - 1];
      auto blank = text.find(' ');
      if (blank == std::string::npos) continue;
      auto anzahl = ZahlLesen(text.substr(0, blank));
      auto bereich = nachName.equal_range(text.substr(blank + 1));
      if (!anzahl || bereich.first == bereich.second) continue;
      // A unit of the same country is meant where there is one.
      bool gleichesLand = false;
      for (auto it = bereich.first; it != bereich.second; ++it)
        gleichesLand = gleichesLand || (*it->second)[feld::Landname - 1] == f[feld::Landname - 1];
      bool passt = false;
      std::string gefunden;
      for (auto it = bereich.first; it != bereich.second; ++it) {
        if (gleichesLand && (*it->second)[feld::Landname - 1] != f[feld::Landname - 1]) continue;
        long double soll = *anzahl * Faktor(*it->second);
        passt = passt || std::fabs(Faktor(f) / soll - 1.0L) < 1e-6L;
        gefunden += " " + std::to_string(static_cast<double>(soll));
      }
      ++geprueft;
      EXPECT_TRUE(passt) << d.Gebiet.Datendatei << ": " << test::AlsUtf8(f[feld::Einheitenname - 1]) << " ("
                         << test::AlsUtf8(f[feld::Landname - 1]) << ") = " << test::AlsUtf8(text) << ", Faktor "
                         << test::AlsUtf8(f[feld::Faktor - 1]) << ", erwartet" << gefunden;
    }
  }
  EXPECT_GT(geprueft, 50);
}

const std::vector<std::string>* Einheit(const char* datei, const char* name, const char* land) {
  for (const auto& d : AlleDateien())
    if (d.Gebiet.Datendatei == datei)
      for (const auto& f : d.Zeilen)
        if (f.size() == 19 && f[feld::Einheitenname - 1] == test::DateiBytes(name) &&
            f[feld::Landname - 1] == test::DateiBytes(land))
          return &f;
  return nullptr;
}

TEST(Daten, GesetzlicheDefinitionenSindExakt) {
  using D = std::tuple<const char*, const char*, const char*, const char*>;
  const char* const intl = "Internationale Einheit";
  for (const auto& [datei, name, land, faktor] :
       {D{"LAENGE.DAT", "Yard", intl, "0.9144"}, D{"LAENGE.DAT", "Fuß", intl, "0.3048"},
        D{"LAENGE.DAT", "Zoll", intl, "0.0254"}, D{"LAENGE.DAT", "Meile", intl, "1609.344"},
        D{"LAENGE.DAT", "Seemeile", intl, "1852"}, D{"LAENGE.DAT", "Fuß", "Deutschland-Preußen", "0.3138535"},
        D{"LAENGE.DAT", "Fuß", "Deutschland-Baden", "0.3"}, D{"MASSE.DAT", "Pfund", intl, "0.45359237"},
        D{"MASSE.DAT", "Pfund", "Deutschland", "0.5"}, D{"VOLUMEN.DAT", "Liter", "Sonstige Einheit", "0.001"}}) {
    const auto* f = Einheit(datei, name, land);
    EXPECT_EQ(f ? Faktor(*f) : -1.0L, *ZahlLesen(faktor)) << datei << ": " << name << " (" << land << ")";
  }
}

}  // namespace
}  // namespace kolvaro
