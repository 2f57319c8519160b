// One moment converted into every zone of the shipped "Zeitzonen": the
// routine as the window runs it, with the database already read once (the
// first conversion of a run reads each zone's file).
#include <benchmark/benchmark.h>

#include "basis/Gebietsnamen.h"
#include "converter/Konverter.h"

namespace {

void BM_ZeitzonenUmrechnen(benchmark::State& state) {
  kolvaro::Konverter k(KOLVARO_DATEN_DIR);
  (void)k.LaenderLaden();
  (void)k.KatalogLaden();
  for (std::size_t i = 0; i < k.Katalog().size(); ++i)
    if (k.Katalog()[i].Gebietsname == kolvaro::gebiet::Zeitzonen) k.GebietWaehlen(static_cast<int>(i));
  (void)k.EinheitenLaden();
  if (k.Einheiten().empty()) {
    state.SkipWithError("kein Gebiet Zeitzonen");
    return;
  }
  const kolvaro::Text1252 eingabe("06.12.2026 14:30");
  (void)k.Umrechnen(eingabe, 0);
  for (auto _ : state) benchmark::DoNotOptimize(k.Umrechnen(eingabe, 0));
  state.SetLabel(std::to_string(k.Einheiten().size()) + " Zonen");
}
BENCHMARK(BM_ZeitzonenUmrechnen)->Unit(benchmark::kMicrosecond);

}  // namespace
