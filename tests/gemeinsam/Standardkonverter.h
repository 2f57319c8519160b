// A converter on the standard test data with one category loaded, for the
// tests of what the converter does with a list (favourites, history, the
// value field).
#pragma once

#include <gtest/gtest.h>

#include "converter/Konverter.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::test {

class Standardkonverter : public ::testing::Test {
 protected:
  void SetUp() override {
    StandardDaten(m_Verzeichnis.Pfad());
    ASSERT_TRUE(k.LaenderLaden());
    ASSERT_TRUE(k.KatalogLaden());
    Laden(0);  // Länge: Fuß, Kilometer, Meter, Meile
  }
  void Laden(int gebiet) {
    k.GebietWaehlen(gebiet);
    ASSERT_TRUE(k.EinheitenLaden());
  }

  TempVerzeichnis m_Verzeichnis;
  Konverter k{m_Verzeichnis.Pfad()};
};

}  // namespace kolvaro::test
