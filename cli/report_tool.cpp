// velmora-report: the renderer behind `velmora-chart --pdf`. It takes the same arguments,
// checks and computes the same charts, and draws the report with Qt; velmora-chart starts it
// only for --pdf, so its other paths never load Qt.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

#include "chart_tool.h"
#include "engine/jyotish/divisional.h"
#include "output/chart_report.h"
#include "output/file_access.h"

namespace velmora {
namespace {

std::optional<std::string> WritePdfReport(const PdfReportRequest& request) {
  // Opening a chart presses the South Indian command, so the tool draws that style too.
  const auto indian = ReportIndianDrawing(ChartStyle::South, request.Cells);
  CellTexts navamsaCells;
  FillDivisionalCells(Division::D9, request.Sidereal, navamsaCells);
  const auto navamsa = ReportIndianDrawing(ChartStyle::South, navamsaCells);
  ReportSources sources;
  sources.Sidereal = &request.Sidereal;
  sources.IndianDrawing = indian.get();
  sources.NavamsaDrawing = navamsa.get();
  sources.IndianStyleCaption = StyleCaption(ChartStyle::South);
  std::unique_ptr<WheelView> wheel;
  if (request.Tropical && request.Wheel) {
    wheel = ReportWheelDrawing(*request.Wheel);
    sources.Tropical = request.Tropical;
    sources.Wheel = request.Wheel;
    sources.WheelDrawing = wheel.get();
    sources.Western = request.Western;
  }
  const QByteArray pdf = ReportPdf(sources, ReportPageSize(QLocale()));
  if (pdf.isEmpty()) return "the report could not be laid out";
  // The same rules as --output: written whole or not at all, never through a link.
  return ReplaceFileAtomically(
      request.Path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}
}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  // Drawn into a file and never shown: no display is needed, or used when there is one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the desktop it runs without would read as the tool's own complaints;
  // only real failures get through.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "velmora-chart: %s\n", qPrintable(message));
    }
  });
  // Qt sees only the program's name: the chart options are not its own.
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  velmora::ToolResult result;
  try {
    result = velmora::RunChartTool(args, velmora::WritePdfReport);
  } catch (const std::exception& e) {
    result = {velmora::kExitBadInput, {}, std::string("velmora-chart: ") + e.what() + "\n"};
  }
  std::fwrite(result.Out.data(), 1, result.Out.size(), stdout);
  std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
  return result.ExitStatus;
}
