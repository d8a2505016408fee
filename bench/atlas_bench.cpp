// Figures for the place finder: from the text in the City box to the labels of the list it
// offers, for each keystroke of a typed name and for the widest one-letter beginnings.
//   build/bench/atlas_bench
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/places/atlas.h"
#include "engine/places/time_zones.h"

namespace velmora {
namespace {

// The list the City box shows: at most 12 labels.
std::vector<std::string> ListFor(std::string_view typed) {
  std::vector<std::string> labels;
  for (const Place& place : FindPlaces(typed, 12)) labels.push_back(PlaceLabel(place));
  return labels;
}

void BM_KeystrokeToList(benchmark::State& state, std::string_view typed) {
  for (auto _ : state) {
    auto labels = ListFor(typed);
    benchmark::DoNotOptimize(labels);
  }
}
BENCHMARK_CAPTURE(BM_KeystrokeToList, OneLetterS, std::string_view("s"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeystrokeToList, OneLetterA, std::string_view("a"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeystrokeToList, Sao, std::string_view("sao"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeystrokeToList, SaoPauloAccented, std::string_view("São Paulo"))
    ->Unit(benchmark::kMillisecond);

// Typing "kathmandu" letter by letter: nine lists.
void BM_TypingAName(benchmark::State& state) {
  const std::string name = "kathmandu";
  for (auto _ : state) {
    for (std::size_t n = 1; n <= name.size(); ++n) {
      auto labels = ListFor(std::string_view(name).substr(0, n));
      benchmark::DoNotOptimize(labels);
    }
  }
}
BENCHMARK(BM_TypingAName)->Unit(benchmark::kMillisecond);

void BM_BestPlace(benchmark::State& state) {
  for (auto _ : state) {
    auto place = BestPlace("Portland, Maine, United States");
    benchmark::DoNotOptimize(place);
  }
}
BENCHMARK(BM_BestPlace)->Unit(benchmark::kMillisecond);

// The zone's offset for the date and time: the DST box follows it on every edit.
void BM_OffsetAtLocalTime(benchmark::State& state) {
  for (auto _ : state) {
    auto reading = ReadLocalTime("America/New_York", 1969, 7, 20, 22, 56);
    benchmark::DoNotOptimize(reading);
  }
}
BENCHMARK(BM_OffsetAtLocalTime)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
