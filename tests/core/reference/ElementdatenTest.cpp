// The element table Stoffw8.nfo as the build produced it: one line per
// element in order of atomic number, with the fields the molar-mass
// calculator and the element viewer rely on.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "basis/Zahlformat.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"

namespace kolvaro {
namespace {

std::vector<std::vector<std::string>> Elemente() {
  Geheimleseart art;
  art.Schluessel = 1;
  art.Kopfzeilen = 2;
  auto zeilen = GeheimdateiLesen(std::filesystem::path(KOLVARO_DATEN_DIR) / "Stoffw8.nfo", art);
  std::vector<std::vector<std::string>> ergebnis;
  if (!zeilen) return ergebnis;
  for (const auto& zeile : *zeilen) {
    std::vector<std::string> felder;
    for (auto f : Felder(zeile, '\t')) felder.emplace_back(f);
    ergebnis.push_back(felder);
  }
  return ergebnis;
}

TEST(Elementdaten, JedeZeileIstEinElementInDerReihenfolgeDerOrdnungszahl) {
  const auto elemente = Elemente();
  ASSERT_EQ(elemente.size(), 118u);
  const std::regex symbolForm("[A-Z][a-z]?"), gruppenForm("H[1-8]|N[1-8]|L|A");
  std::set<std::string> symbole;
  long double vorige = 0;
  for (std::size_t i = 0; i < elemente.size(); ++i) {
    const auto& f = elemente[i];
    const int z = static_cast<int>(i) + 1;
    ASSERT_EQ(f.size(), 19u) << "Zeile " << z;
    EXPECT_EQ(GanzzahlLesen(f[5]), z) << f[1];
    EXPECT_TRUE(std::regex_match(f[1], symbolForm)) << z;
    EXPECT_TRUE(symbole.insert(f[1]).second) << f[1] << " doppelt";
    EXPECT_TRUE(f[3] == "fest" || f[3] == "fl" || f[3] == "gas") << f[1];
    EXPECT_TRUE(std::regex_match(f[6], gruppenForm)) << f[1];
    EXPECT_EQ(f[6] == "L", z >= 57 && z <= 71) << f[1];
    EXPECT_EQ(f[6] == "A", z >= 89 && z <= 103) << f[1];
    // The mass grows with the atomic number, up to the known inversions
    // (Ar/K, Co/Ni, Te/I, Th/Pa, U/Np, Pu/Am), none of them above 1.1.
    auto masse = ZahlLesen(f[4]);
    ASSERT_TRUE(masse) << f[1] << ": " << f[4];
    EXPECT_EQ(f[4].find('.'), std::string::npos) << f[1] << ": Dezimalkomma erwartet";
    EXPECT_GE(*masse, z) << f[1];
    EXPECT_LE(*masse, 3.0L * z) << f[1];
    EXPECT_GT(*masse, vorige - 1.1L) << f[1];
    vorige = *masse;
  }
}

}  // namespace
}  // namespace kolvaro
