// velmora-chart: one birth in, one chart out, for scripts and batch use.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/western/western_chart.h"

namespace velmora {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitBadInput = 2;

struct ToolResult {
  int ExitStatus = kExitOk;
  std::string Out;  // what goes to stdout
  std::string Err;  // what goes to stderr
};

// What --pdf hands to the report renderer once the charts are computed.
struct PdfReportRequest {
  const ChartRecord& Sidereal;
  const CellTexts& Cells;
  const ChartRecord* Tropical;  // with --western: the Western wheel gets its own page
  const WesternWheel* Wheel;
  const WesternChart* Western;  // its degrees, houses and aspects, with --western
  const std::string& Path;
};
// Writes the report; returns why it could not. The tool itself stays free of Qt, so the
// renderer is given to it by whoever runs it.
using PdfReportWriter = std::function<std::optional<std::string>(const PdfReportRequest&)>;

// Runs the tool on its arguments (without the program name). Files named by --open are
// read and --output files are written here; everything else is returned. --pdf goes to
// `writePdf` after the birth data has been checked and the charts computed.
ToolResult RunChartTool(std::span<const std::string_view> args,
                        const PdfReportWriter& writePdf = {});

}  // namespace velmora
