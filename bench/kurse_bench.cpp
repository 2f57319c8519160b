// Reading the whole history of the central bank's reference rates as the
// bank offers it for download: about 6,800 working days of 42 currencies,
// newest first, "N/A" where a currency had no rate yet or no more. The file
// is made here; its size and shape follow the real one (~1.5 MB).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "special/Kursdatei.h"

namespace {

std::string Verlauf(int tage, int waehrungen) {
  std::string text = "Date,";
  for (int w = 0; w < waehrungen; ++w) {
    text += static_cast<char>('A' + w / 26);
    text += static_cast<char>('A' + w % 26);
    text += "X,";
  }
  text += '\n';
  char zeile[32];
  // Five working days a week, back from Friday, 4 December 2026.
  kolvaro::Tagesdatum tag{2026, 12, 4};
  int wochentag = 4;  // Monday 0
  for (int t = 0; t < tage; ++t) {
    text += kolvaro::IsoText(tag).Bytes() + ",";
    do {
      if (--tag.Tag == 0) {
        if (--tag.Monat == 0) {
          tag.Monat = 12;
          --tag.Jahr;
        }
        tag.Tag = kolvaro::TageImMonat(tag.Monat, tag.Jahr);
      }
      wochentag = (wochentag + 6) % 7;
    } while (wochentag >= 5);
    for (int w = 0; w < waehrungen; ++w) {
      if ((w * 7 + t) % 11 == 0) {
        text += "N/A,";
        continue;
      }
      std::snprintf(zeile, sizeof zeile, "%.4f,", 0.5 + (w * 131 + t * 17) % 10000 / 97.0);
      text += zeile;
    }
    text += '\n';
  }
  return text;
}

void BM_KursverlaufLesen(benchmark::State& state) {
  const std::string datei = Verlauf(6800, 42);
  for (auto _ : state) {
    auto gelesen = kolvaro::KursdateiLesen(datei, "eurofxref-hist.csv");
    if (!gelesen) state.SkipWithError("Datei abgelehnt");
    benchmark::DoNotOptimize(gelesen);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(datei.size()));
  state.counters["Bytes"] = static_cast<double>(datei.size());
}
BENCHMARK(BM_KursverlaufLesen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
