// Google Benchmark runs of the converter core on a synthetic category of
// 1,000 units built from the real "Länge" data.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "Benchdaten.h"
#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "converter/Groesseneingabe.h"
#include "converter/Konverter.h"
#include "converter/Umrechnungstabelle.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Suche.h"

namespace {

namespace fs = std::filesystem;

// A data directory with the real files and "Bench 1000" added.
const fs::path& Benchdaten() {
  static const fs::path verzeichnis = [] {
    fs::path v = fs::temp_directory_path() / ("kolvaro_bench_" + std::to_string(std::random_device{}()));
    fs::create_directories(v);
    for (const auto& e : fs::directory_iterator(KOLVARO_DATEN_DIR)) fs::copy_file(e.path(), v / e.path().filename());
    kolvaro::bench::TausendEinheitenAnlegen(v);
    return v;
  }();
  return verzeichnis;
}

kolvaro::Konverter BenchKonverter() {
  kolvaro::Konverter k(Benchdaten());
  (void)k.LaenderLaden();
  (void)k.KatalogLaden();
  k.GebietWaehlen(static_cast<int>(k.Katalog().size()) - 1);
  return k;
}

void BM_GebietLaden(benchmark::State& state) {
  auto k = BenchKonverter();
  k.SetLaenderflaggen(k.Laenderflaggen());
  auto werte = k.Einstellungen();
  werte.Sortierung = static_cast<kolvaro::Sortiermodus>(state.range(0));
  k.EinstellungenUebernehmen(werte);
  for (auto _ : state) {
    (void)k.EinheitenLaden();
    benchmark::DoNotOptimize(k.Einheiten().data());
  }
  state.SetLabel(std::to_string(k.Einheiten().size()) + " Einheiten");
}
BENCHMARK(BM_GebietLaden)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The first visit of the category in a session: its file is read and
// deciphered line by line (BM_GebietLaden goes back to a category).
void BM_GebietErstmalsLaden(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto k = BenchKonverter();
    state.ResumeTiming();
    (void)k.EinheitenLaden();
    benchmark::DoNotOptimize(k.Einheiten().data());
  }
}
BENCHMARK(BM_GebietErstmalsLaden)->Unit(benchmark::kMicrosecond);

void BM_Umrechnen(benchmark::State& state) {
  auto k = BenchKonverter();
  (void)k.EinheitenLaden();
  for (auto _ : state) benchmark::DoNotOptimize(k.Umrechnen("1,5", 17));
  state.SetLabel(std::to_string(k.Einheiten().size()) + " Einheiten");
}
BENCHMARK(BM_Umrechnen)->Unit(benchmark::kMicrosecond);

// Reading the value field in "Länge": a plain number, a calculation, number-unit pairs.
void BM_WertLesen(benchmark::State& state) {
  kolvaro::Konverter k(KOLVARO_DATEN_DIR);
  (void)k.LaenderLaden();
  (void)k.KatalogLaden();
  for (std::size_t i = 0; i < k.Katalog().size(); ++i)
    if (k.Katalog()[i].Gebietsname == "Länge") k.GebietWaehlen(static_cast<int>(i));
  (void)k.EinheitenLaden();
  const char* const eingaben[] = {"1,5", "(5+3)/2*1,5", "5 ft 3 in"};
  const kolvaro::Text1252 eingabe = kolvaro::Cp1252(eingaben[state.range(0)]);
  for (auto _ : state) {
    const auto zahl = kolvaro::ZahlOderRechnung(eingabe.Sicht());
    const auto groesse =
        zahl ? kolvaro::Groesseneingabe{} : kolvaro::GroesseLesen(eingabe.Sicht(), k.Einheiten(), k.Gebietsname());
    benchmark::DoNotOptimize(zahl);
    benchmark::DoNotOptimize(groesse.Wert);
  }
  state.SetLabel(eingaben[state.range(0)]);
}
BENCHMARK(BM_WertLesen)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A conversion table of 10,000 rows into two units, with the float texts.
void BM_Umrechnungstabelle(benchmark::State& state) {
  kolvaro::TAusgabetextobject zoll, mm, cm;
  zoll.Faktor = 0.0254L;
  mm.Faktor = 0.001L;
  cm.Faktor = 0.01L;
  for (auto _ : state) {
    const auto werte = kolvaro::Tabellenwerte(1, 10000, 1);
    std::size_t laenge = 0;
    for (const auto& z : kolvaro::Umrechnungstabelle(*werte, zoll, {&mm, &cm})) {
      laenge += kolvaro::TabellenwertText(z.Wert).size();
      for (long double e : z.Ergebnisse) laenge += kolvaro::FliessText(e).size();
    }
    benchmark::DoNotOptimize(laenge);
  }
}
BENCHMARK(BM_Umrechnungstabelle)->Unit(benchmark::kMillisecond);

void BM_Ergebnistexte(benchmark::State& state) {
  std::mt19937 zufall(1);
  std::uniform_real_distribution<double> exponent(-15, 15);
  std::vector<long double> zahlen;
  for (int i = 0; i < 1000; ++i) zahlen.push_back(std::pow(10.0L, exponent(zufall)));
  for (auto _ : state)
    for (auto z : zahlen) {
      benchmark::DoNotOptimize(kolvaro::WissText(z));
      benchmark::DoNotOptimize(kolvaro::FliessText(z));
    }
}
BENCHMARK(BM_Ergebnistexte)->Unit(benchmark::kMicrosecond);

void BM_Entschluesseln(benchmark::State& state) {
  auto zeilen = *kolvaro::DateiLaden(Benchdaten() / "BENCH.DAT");
  for (auto _ : state)
    for (const auto& z : zeilen) benchmark::DoNotOptimize(kolvaro::LinieEntschluesseln(z, 1));
}
BENCHMARK(BM_Entschluesseln)->Unit(benchmark::kMicrosecond);

// The search over every category of the shipped data, in each mode.
void BM_Suchen(benchmark::State& state) {
  const fs::path daten = KOLVARO_DATEN_DIR;
  const auto katalog = *kolvaro::KatalogLaden(daten);
  const auto modus = static_cast<kolvaro::Suchmodus>(state.range(0));
  const kolvaro::Text1252 begriff = kolvaro::Cp1252(modus == kolvaro::Suchmodus::Abkuerzung ? "m" : "meter");
  std::size_t treffer = 0;
  for (auto _ : state) {
    auto ergebnis = kolvaro::Suchen(daten, katalog, begriff, modus);
    treffer = ergebnis.Treffer.size();
    benchmark::DoNotOptimize(ergebnis.Treffer.data());
  }
  state.SetLabel(std::to_string(katalog.size()) + " Gebiete, " + std::to_string(treffer) + " Treffer");
}
BENCHMARK(BM_Suchen)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
