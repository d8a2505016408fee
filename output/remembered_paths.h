// The paths the file, export, picture and print commands remember for the rest of the run.
// Nothing here is kept between runs.
#pragma once

#include <QString>
#include <string>

namespace velmora {

struct RememberedPaths {
  // The path last chosen in the Open or Save As dialog: it pre-fills both and Save writes it.
  QString ChartFilePath;
  // The path last written by Save As; New empties it, and while it is empty Save asks for a
  // path as Save As does.
  QString SavedChartPath;
  // The birth of the chart that was on screen when SavedChartPath was written: Save goes to
  // that file only while the chart shown is still that birth, so one person is never saved
  // over another.
  std::string SavedChartBirth;
  // The path last chosen in the export dialog.
  QString ExportFilePath;
  // The path last chosen for the PDF report.
  QString ReportPdfPath;
  // The name the picture dialog returned last.
  QString PicturePath;
  // The printer chosen last, offered first the next time.
  QString PrinterName;
};

}  // namespace velmora
