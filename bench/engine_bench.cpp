// Figures for one chart of each kind and for the text report:
//   build/bench/engine_bench
// and, for the command-line tool against the Swiss Ephemeris test program as whole processes:
//   bench/cli_vs_swetest
#include <benchmark/benchmark.h>

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/files/chart_file.h"
#include "engine/files/json_chart_file.h"
#include "engine/files/report.h"
#include "engine/jyotish/ashtakavarga.h"
#include "engine/jyotish/dasha.h"
#include "engine/jyotish/divisional.h"
#include "engine/jyotish/manglik.h"
#include "engine/jyotish/matching.h"
#include "engine/jyotish/panchanga.h"
#include "engine/jyotish/planet_status.h"
#include "engine/places/zones.h"
#include "engine/western/western_chart.h"
#include "example_births.h"

namespace velmora {
namespace {

BirthFormData Delhi() {
  return test::DelhiBirth();
}

// What an Indian chart command computes: tables, birth data, engine, display values, cells;
// here with the classic formulas.
void BM_SiderealChart(benchmark::State& state) {
  const BirthFormData form = Delhi();
  LookupTables tables;
  ChartRecord chart;
  CellTexts cells;
  for (auto _ : state) {
    FillZoneTables(tables);
    ReadBirthData(chart, form);
    RunSiderealEngine(chart, kClassicFormulas);
    SetDisplayValues(chart);
    FillIndianCells(chart, tables, cells);
    benchmark::DoNotOptimize(cells);
  }
}
BENCHMARK(BM_SiderealChart);

// The same with precise positions, the default: mean node (first arg 0) or true node (1),
// and the ayanamsa (second arg, 0 Lahiri ... 5 Fagan-Bradley; 3 is True Chitra, which places
// Spica). The apparent places from ERFA and libnova take nearly all of its time.
void BM_PreciseSiderealChart(benchmark::State& state) {
  const BirthFormData form = Delhi();
  const EngineOptions options{PositionSource::Precise,
                              state.range(0) ? LunarNode::True : LunarNode::Mean,
                              static_cast<AyanamsaSystem>(state.range(1))};
  LookupTables tables;
  ChartRecord chart;
  CellTexts cells;
  for (auto _ : state) {
    FillZoneTables(tables);
    ReadBirthData(chart, form);
    RunSiderealEngine(chart, options);
    SetDisplayValues(chart);
    FillIndianCells(chart, tables, cells);
    benchmark::DoNotOptimize(cells);
  }
}
// The same birth over and over lets libnova answer from the values it keeps of the last
// moment asked for; a user's next chart is another moment. Here every chart is a minute
// later than the one before, Lahiri and the mean node.
void BM_PreciseSiderealChartNewMoment(benchmark::State& state) {
  BirthFormData form = Delhi();
  LookupTables tables;
  ChartRecord chart;
  CellTexts cells;
  int minute = 0;
  for (auto _ : state) {
    form.Minute = minute % 60;
    form.Hour = 10 + minute / 60 % 10;
    minute = (minute + 1) % 600;
    FillZoneTables(tables);
    ReadBirthData(chart, form);
    RunSiderealEngine(chart);
    SetDisplayValues(chart);
    FillIndianCells(chart, tables, cells);
    benchmark::DoNotOptimize(cells);
  }
}
BENCHMARK(BM_PreciseSiderealChartNewMoment)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_PreciseSiderealChart)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({0, 3})
    ->Unit(benchmark::kMicrosecond);

// What the divisional charts and the dasha add to one Indian chart: the sixteen divisions'
// cells and the nine mahadashas with both lower levels. Compare with BM_SiderealChart.
void BM_DivisionsAndDasha(benchmark::State& state) {
  ChartRecord chart;
  ReadBirthData(chart, Delhi());
  RunSiderealEngine(chart, kClassicFormulas);
  SetDisplayValues(chart);
  std::array<CellTexts, kDivisions.size()> divisions;
  for (auto _ : state) {
    for (std::size_t d = 0; d < kDivisions.size(); ++d)
      FillDivisionalCells(kDivisions[d].Division, chart, divisions[d]);
    auto dashas = VimshottariDashas(chart);
    DashaBalance balance = VimshottariBalance(chart);
    benchmark::DoNotOptimize(divisions);
    benchmark::DoNotOptimize(dashas);
    benchmark::DoNotOptimize(balance);
  }
}
BENCHMARK(BM_DivisionsAndDasha);

// Everything the Jyotish pages and --json derive from one computed chart: the panchanga with
// the day's sunrise and sunset, the sixteen divisions' cells, the three dasha levels, the
// ashtakavarga and each body's status. Compare with BM_SiderealChart; the target is 100 us.
void BM_JyotishDepth(benchmark::State& state) {
  ChartRecord chart;
  ReadBirthData(chart, Delhi());
  RunSiderealEngine(chart, EngineOptions{PositionSource::Formula, LunarNode::Mean});
  SetDisplayValues(chart);
  std::array<CellTexts, kDivisions.size()> divisions;
  for (auto _ : state) {
    Panchanga panchanga = ComputePanchanga(chart);
    for (std::size_t d = 0; d < kDivisions.size(); ++d)
      FillDivisionalCells(kDivisions[d].Division, chart, divisions[d]);
    auto dashas = VimshottariDashas(chart);
    Ashtakavarga ashtakavarga = ComputeAshtakavarga(chart);
    auto statuses = PlanetStatuses(chart);
    benchmark::DoNotOptimize(panchanga);
    benchmark::DoNotOptimize(divisions);
    benchmark::DoNotOptimize(dashas);
    benchmark::DoNotOptimize(ashtakavarga);
    benchmark::DoNotOptimize(statuses);
  }
}
BENCHMARK(BM_JyotishDepth)->Unit(benchmark::kMicrosecond);

// The same with the chart itself computed each time from the birth data (the formulas).
void BM_ChartWithJyotishDepth(benchmark::State& state) {
  const BirthFormData form = Delhi();
  const EngineOptions options{PositionSource::Formula, LunarNode::Mean};
  ChartRecord chart;
  std::array<CellTexts, kDivisions.size()> divisions;
  for (auto _ : state) {
    ReadBirthData(chart, form);
    RunSiderealEngine(chart, options);
    SetDisplayValues(chart);
    Panchanga panchanga = ComputePanchanga(chart);
    for (std::size_t d = 0; d < kDivisions.size(); ++d)
      FillDivisionalCells(kDivisions[d].Division, chart, divisions[d]);
    auto dashas = VimshottariDashas(chart);
    Ashtakavarga ashtakavarga = ComputeAshtakavarga(chart);
    auto statuses = PlanetStatuses(chart);
    benchmark::DoNotOptimize(panchanga);
    benchmark::DoNotOptimize(divisions);
    benchmark::DoNotOptimize(dashas);
    benchmark::DoNotOptimize(ashtakavarga);
    benchmark::DoNotOptimize(statuses);
  }
}
BENCHMARK(BM_ChartWithJyotishDepth)->Unit(benchmark::kMicrosecond);

// The sunrise and sunset alone: libnova's search over our solar formula.
void BM_SunRiseAndSet(benchmark::State& state) {
  for (auto _ : state) {
    SunRiseSet sun = SunRiseAndSet(1980, 6, 15, 5.5, 28.6, 77.2167);
    benchmark::DoNotOptimize(sun);
  }
}
BENCHMARK(BM_SunRiseAndSet)->Unit(benchmark::kMicrosecond);
// A Kundli match as the Match window and `velmora-chart --match` compute it: both sidereal
// charts, the eight kootas, both Manglik results and the verdict in words; with the formulas
// (arg 0) or precise positions (arg 1). Two births in turn: libnova keeps the last moment's
// series, which one chart computed again and again would reuse.
void BM_KundliMatch(benchmark::State& state) {
  const BirthFormData groomForm = Delhi();
  const BirthFormData brideForm = test::SydneyBirth();
  const EngineOptions options{state.range(0) ? PositionSource::Precise : PositionSource::Formula,
                              LunarNode::Mean};
  ChartRecord groom, bride;
  for (auto _ : state) {
    ReadBirthData(groom, groomForm);
    RunSiderealEngine(groom, options);
    ReadBirthData(bride, brideForm);
    RunSiderealEngine(bride, options);
    const KundliMatch match = MatchCharts(groom, bride);
    std::string verdict = MatchVerdict(match);
    benchmark::DoNotOptimize(verdict);
  }
}
BENCHMARK(BM_KundliMatch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the match adds to the two charts: the kootas, both Manglik results and the verdict.
void BM_MatchOfTwoCharts(benchmark::State& state) {
  const EngineOptions options{PositionSource::Precise, LunarNode::Mean};
  ChartRecord groom, bride;
  ReadBirthData(groom, Delhi());
  RunSiderealEngine(groom, options);
  ReadBirthData(bride, test::SydneyBirth());
  RunSiderealEngine(bride, options);
  for (auto _ : state) {
    const KundliMatch match = MatchCharts(groom, bride);
    std::string verdict = MatchVerdict(match);
    std::string manglik = ManglikSummary(match.GroomManglik);
    benchmark::DoNotOptimize(verdict);
    benchmark::DoNotOptimize(manglik);
  }
}
BENCHMARK(BM_MatchOfTwoCharts);

void BM_TropicalChart(benchmark::State& state) {
  const BirthFormData form = Delhi();
  LookupTables tables;
  FillZoneTables(tables);
  FillWheelLists(tables);
  ChartRecord chart;
  for (auto _ : state) {
    ReadBirthData(chart, form);
    RunTropicalEngine(chart, kClassicFormulas);
    WesternWheel wheel = ComputeWesternWheel(chart, tables);
    benchmark::DoNotOptimize(wheel);
  }
}
BENCHMARK(BM_TropicalChart);

// A full Western chart as the Western command computes it: the tropical engine, then the
// outer planets, both nodes, the Placidus cusps and the aspects; under 200 us. Arg 0: the
// formulas. Arg 1: precise positions of the same birth each time, as the precise benchmark
// above measures them; libnova keeps the planets of the last moment it was asked for, so
// this is a chart computed again (a change of house system, say). Arg 2: precise positions
// of a birth one minute later each time, which libnova computes afresh: a new chart.
void BM_WesternChart(benchmark::State& state) {
  BirthFormData form = Delhi();
  const EngineOptions options{state.range(0) ? PositionSource::Precise : PositionSource::Formula,
                              LunarNode::Mean};
  const bool newBirths = state.range(0) == 2;
  ChartRecord chart;
  int minute = 0;
  for (auto _ : state) {
    if (newBirths) form.Minute = minute++ % 60;
    ReadBirthData(chart, form);
    const auto outer = RunWesternEngine(chart, options);
    WesternChart western = ComputeWesternChart(chart, WesternOptions{}, outer ? &*outer : nullptr);
    benchmark::DoNotOptimize(western);
  }
}
BENCHMARK(BM_WesternChart)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The houses and the aspects alone, from a computed chart: what the Western chart adds to
// the positions besides the outer planets.
void BM_HousesAndAspects(benchmark::State& state) {
  ChartRecord chart;
  ReadBirthData(chart, Delhi());
  RunTropicalEngine(chart);
  const WesternChart western = ComputeWesternChart(chart);
  std::array<AspectPoint, 13> points{};
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointPlace& p = western.At(western.AspectPoints[i]);
    points[i] = {p.LongitudeDeg, p.SpeedDegPerDay};
  }
  const double ramcDeg = chart.RamcRadians * kRadToDeg;
  const double obliquityDeg = chart.ObliquityRadians * kRadToDeg;
  for (auto _ : state) {
    HouseCusps houses = ComputeHouses(HouseSystem::Placidus, ramcDeg, obliquityDeg, chart.Latitude);
    auto aspects = FindAspects(points, AspectKinds::All());
    benchmark::DoNotOptimize(houses);
    benchmark::DoNotOptimize(aspects);
  }
}
BENCHMARK(BM_HousesAndAspects)->Unit(benchmark::kMicrosecond);

void BM_TextReport(benchmark::State& state) {
  ChartRecord chart;
  ReadBirthData(chart, Delhi());
  RunSiderealEngine(chart, kClassicFormulas);
  SetDisplayValues(chart);
  for (auto _ : state) {
    std::string report = TextReport(chart);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_TextReport);

// Saving and opening a .vmj chart file, without the disk: the JSON written and read back.
// Compare with BM_SiderealChart, which opening is followed by.
void BM_JsonChartFileRoundTrip(benchmark::State& state) {
  const BirthFormData form = test::SydneyBirth();
  for (auto _ : state) {
    const auto bytes = JsonChartFileBytes(form);
    const auto read = ReadJsonChartFile(std::get<std::string>(bytes));
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_JsonChartFileRoundTrip);

// The same for a .vmx file: fifteen encoded lines written and decoded.
void BM_VmxChartFileRoundTrip(benchmark::State& state) {
  const BirthFormData form = Delhi();
  for (auto _ : state) {
    const auto bytes = EncodeChartFile(ChartFileFieldsOf(form));
    const auto read = FormDataOf(DecodeChartFile(std::get<std::string>(bytes)));
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_VmxChartFileRoundTrip);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
