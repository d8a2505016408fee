#include "western_chart_command.h"

#include "birth_form.h"
#include "display/chart_window_host.h"
#include "display/main_window.h"
#include "engine/chart.h"
#include "engine/western/western_chart.h"

namespace velmora {
namespace {

void ShowWheel(ChartWindow& window, const WesternWheel& wheel) {
  for (int i = 0; i < 12; ++i) {
    window.picNatal->SetSectorText(
        i, QString::fromStdString(wheel.Sectors[static_cast<std::size_t>(i)]));
  }
  // An ascendant whose sign cannot be read leaves the glyphs as they were.
  if (wheel.Glyphs) {
    for (int i = 0; i < 12; ++i)
      window.picNatal->imgSign[static_cast<std::size_t>(i)]->SetPicture(
          (*wheel.Glyphs)[static_cast<std::size_t>(i)]);
  }
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

bool Command2_Click(BirthForm& form, const LookupTables& tables, ChartRecord& tropical,
                    ChartWindowHost& host, const EngineOptions& options, const WesternView& view) {
  if (!form.ValidateInput()) return false;
  ReadBirthData(tropical, form.Data());

  MainWindow& main = host.EnsureMainWindow();
  ChartWindow& window = main.chartWindow();
  window.FillHeader(tropical);
  const auto outer = RunWesternEngine(tropical, options);
  for (int i = 0; i < 12; ++i) window.picNatal->SetSectorText(i, QString());
  window.ShowPositions(tropical, 10);
  window.ShowPositionsCaption(tropical);

  const WesternWheel wheel = ComputeWesternWheel(tropical, tables);
  if (wheel.Ascendant) window.lblLagna->setText(Text(*wheel.Ascendant));
  window.lblRashi->setText(QString::fromStdString(wheel.MoonSign));
  ShowWheel(window, wheel);
  if (wheel.SunSign) window.lblNakshatra->setText(Text(*wheel.SunSign));
  window.ShowWesternAppearance();
  window.ShowWesternChart(ComputeWesternChart(tropical, view.Options, outer ? &*outer : nullptr),
                          view.ClassicWheel);
  main.SetStyleChoiceEnabled(false);

  main.ShowChartWindow();
  form.hide();
  return true;
}

}  // namespace velmora
