// Figures for the interpretation panel: reading the authored texts (once per run of the
// program), the four fills of one chart, the whole South chart command with them, and the
// PDF report of a chart:
//   build/bench/interpretation_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/velmora_app.h"
#include "example_births.h"
#include "interpretation/interpretation_panel.h"
#include "interpretation/text_table.h"
#include "scripted_platform.h"

namespace velmora {
namespace {

void BM_ReadTexts(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* file : {"planets_in_signs.txt", "nakshatras.txt", "signs.txt"}) {
      TextTable table(ReadTextResource(QString::fromUtf8(file)));
      benchmark::DoNotOptimize(table);
    }
  }
}
BENCHMARK(BM_ReadTexts)->Unit(benchmark::kMicrosecond);

// What a new chart window spends on its interpretation panel: the controls and the first
// paint of the page shown.
void BM_CreatePanel(benchmark::State& state) {
  for (auto _ : state) {
    InterpretationPanel panel;
    panel.resize(969, 412);
    panel.show();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_CreatePanel)->Unit(benchmark::kMillisecond);

// The Delhi chart's keys; the position texts are those the engine gives it.
ChartRecord DelhiKeys() {
  ChartRecord c;
  const char* positions[] = {"00 Gem 56", "00 Can 13", "25 Gem 23", "01 Gem 06",
                             "23 Leo 19", "10 Leo 25", "27 Leo 23"};
  for (std::size_t i = 0; i < std::size(positions); ++i) c.PlanetPositionTexts[i] = positions[i];
  c.NakshatraInfoKey = "Punarvasu";
  c.LagnaInfoKey = "Leo";
  c.RashiInfoKey = "Kataka";
  return c;
}

void BM_FourFills(benchmark::State& state) {
  InterpretationPanel panel;
  panel.resize(969, 412);
  panel.show();
  const ChartRecord chart = DelhiKeys();
  for (auto _ : state) {
    panel.ShowPlanetsInSigns(chart);
    panel.ShowNakshatraInformation(chart.NakshatraInfoKey);
    panel.ShowLagnaInformation(chart.LagnaInfoKey);
    panel.ShowRashiInformation(chart.RashiInfoKey);
    panel.MoveHouseDescriptionToStart();
    QCoreApplication::processEvents();  // the relayout and repaint the fills cause
  }
}
BENCHMARK(BM_FourFills)->Unit(benchmark::kMillisecond);

void FillDelhi(BirthForm& f) {
  f.ShowEntries(test::DelhiBirth());
  f.cboTimeZone->setCurrentIndex(test::DelhiBirth().ZoneRow);
}

// The South command on the form's Delhi entry, again and again in the same chart window, as
// opening chart files does; each run repaints what it changed.
void BM_SouthChartCommand(benchmark::State& state) {
  test::ScriptedPlatform platform;
  auto app = std::make_unique<VelmoraApp>(platform);
  app->Start();
  FillDelhi(app->form());
  for (auto _ : state) {
    app->IndianChart(ChartStyle::South);
    QCoreApplication::processEvents();
  }
  if (!platform.Messages.empty()) state.SkipWithError("the form was refused");
}
BENCHMARK(BM_SouthChartCommand)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// File > Export Report As PDF on the South chart of the Delhi entry and its Western chart:
// the whole paged report laid out, drawn and written to disk.
void BM_ExportReportPdf(benchmark::State& state) {
  test::ScriptedPlatform platform;
  auto app = std::make_unique<VelmoraApp>(platform);
  app->Start();
  FillDelhi(app->form());
  app->WesternChart();
  app->IndianChart(ChartStyle::South);
  QCoreApplication::processEvents();
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
  for (auto _ : state) {
    platform.SaveAnswers.push_back(pdf);
    app->mainWindow()->mnuExportPdf->trigger();
  }
  if (!platform.Messages.empty() || !QFile::exists(pdf)) state.SkipWithError("no report written");
}
BENCHMARK(BM_ExportReportPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

// The first chart from the form: the command creates the main window with its chart window
// and interpretation panel, and shows them.
void BM_FirstSouthChart(benchmark::State& state) {
  test::ScriptedPlatform platform;
  for (auto _ : state) {
    state.PauseTiming();
    auto app = std::make_unique<VelmoraApp>(platform);
    app->Start();
    FillDelhi(app->form());
    QCoreApplication::processEvents();
    state.ResumeTiming();
    app->IndianChart(ChartStyle::South);
    QCoreApplication::processEvents();
    state.PauseTiming();
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  if (!platform.Messages.empty()) state.SkipWithError("the form was refused");
}
BENCHMARK(BM_FirstSouthChart)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
