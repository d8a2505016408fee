// "Export Chart As Text": the last Indian chart as a 26-line report.
#pragma once

#include "remembered_paths.h"

namespace velmora {

class MainWindow;
class Platform;
struct ChartRecord;

// Asks for a file and writes the report of `sidereal` to it, whatever chart the window shows.
void ExportChartAsText(Platform& platform, MainWindow& main, const ChartRecord& sidereal,
                       RememberedPaths& paths);

}  // namespace velmora
