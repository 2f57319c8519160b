// The scales of named steps have no factor: no own units, no changed factors.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "editing/Bearbeitungstor.h"

namespace kolvaro {
namespace {

TEST(Bearbeitungstor, SkalenOhneFaktor) {
  for (const char* gebiet : {"Drahtstärken", "Schleifkörnung", "Ringgrößen"})
    for (Bearbeitung b : {Bearbeitung::FaktorAendern, Bearbeitung::EigeneEinheit}) {
      const auto r = BearbeitungPruefen(b, Cp1252(gebiet), [] { return true; });
      EXPECT_FALSE(r.Erfolg) << gebiet;
    }
}

}  // namespace
}  // namespace kolvaro
