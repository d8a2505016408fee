#include "indian_chart_command.h"

#include <QDateTime>

#include "birth_form.h"
#include "display/chart_window_host.h"
#include "display/main_window.h"
#include "engine/chart.h"

namespace velmora {
namespace {

// Steps 1 to 13 of the South procedure, which all three buttons run; `pressed` is the style
// button of the main window pressed at the end.
bool SouthProcedure(ChartStyle pressed, BirthForm& form, LookupTables& tables,
                    ChartRecord& sidereal, ChartWindowHost& host, const EngineOptions& options) {
  if (!form.ValidateInput()) return false;
  FillZoneTables(tables);
  ReadBirthData(sidereal, form.Data());
  RunSiderealEngine(sidereal, options);
  SetDisplayValues(sidereal);

  MainWindow& main = host.EnsureMainWindow();
  ChartWindow& window = main.chartWindow();
  // A window created just now filled its header as it loaded; an existing one (a chart file
  // opened from the main window) is brought up to date here.
  window.FillHeader(sidereal);
  window.ShowOtherDetails(sidereal);
  window.ShowPositionsCaption(sidereal, ChartMode::Sidereal);
  window.ShowPositions(sidereal, 11);
  CellTexts cells;
  FillIndianCells(sidereal, tables, cells);
  window.ShowCells(cells);
  window.ShowChartViews(sidereal, cells);
  window.ShowJyotishPages(sidereal);
  // The Dasha page leads with the periods running at this moment on the local clock.
  const QDateTime now = QDateTime::currentDateTime();
  window.ShowDasha(sidereal, {now.date().year(), now.date().month(), now.date().day()},
                   now.time().msecsSinceStartOfDay() / 3'600'000.0);
  window.ShowManglik(sidereal);

  main.ShowChartWindow();

  // The interpretation pages are filled from the keys set here.
  SetInterpretationKeys(sidereal);
  InterpretationPanel& panel = *window.fraInterpretation;
  panel.ShowPlanetsInSigns(sidereal);
  panel.ShowNakshatraInformation(sidereal.NakshatraInfoKey);
  panel.ShowLagnaInformation(sidereal.LagnaInfoKey);
  panel.ShowRashiInformation(sidereal.RashiInfoKey);

  window.ShowIndianAppearance(ChartStyle::South);
  panel.MoveHouseDescriptionToStart();
  form.hide();
  main.SetStyleChoiceEnabled(true);
  main.PressStyleButton(pressed);
  return true;
}

}  // namespace

bool RunIndianChartCommand(ChartStyle style, BirthForm& form, LookupTables& tables,
                           ChartRecord& sidereal, ChartWindowHost& host,
                           const EngineOptions& options) {
  if (!SouthProcedure(style, form, tables, sidereal, host, options)) return false;
  // The North and East buttons switch the window over after the South procedure.
  if (style != ChartStyle::South) host.EnsureMainWindow().chartWindow().ShowIndianAppearance(style);
  return true;
}

}  // namespace velmora
