// Every country of the shipped country table has its picture.
#include <gtest/gtest.h>

#include "data/Laendertabelle.h"
#include "basis/Zeichensatz.h"
#include "ui/Flaggen.h"

namespace kolvaro::ui {
namespace {

TEST(LaenderFlaggen, JedesLandDerTabelleHatEinBild) {
  auto gelesen = LaendertabelleLaden(KOLVARO_DATEN_DIR);
  ASSERT_TRUE(gelesen);
  const Laendertabelle& tabelle = *gelesen;
  ASSERT_GT(tabelle.Alle.size(), 100u);
  for (const auto& land : tabelle.Alle) {
    const QString name = QString::fromStdString(Flaggenname(land));
    EXPECT_TRUE(FlaggeVorhanden(name)) << Cp1252NachUtf8(land);
    EXPECT_EQ(Flagge(name).size(), QSize(32, 16)) << Cp1252NachUtf8(land);
  }
}

}  // namespace
}  // namespace kolvaro::ui
