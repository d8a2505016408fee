#include "text_export.h"

#include "atomic_file.h"
#include "display/main_window.h"
#include "engine/files/report.h"
#include "output_messages.h"
#include "ui/platform.h"

namespace velmora {

void ExportChartAsText(Platform& platform, MainWindow& main, const ChartRecord& sidereal,
                       RememberedPaths& paths) {
  FileDialogRequest request;
  request.Title = QStringLiteral("Select the destination text file ");
  request.Filter = QStringLiteral("Export Chart As Text (*.txt)");
  request.DefaultSuffix = QStringLiteral("txt");
  request.InitialPath = paths.ExportFilePath;
  request.ConfirmOverwrite = true;
  const auto chosen = platform.ChooseSavePath(&main, request);
  if (!chosen || chosen->isEmpty()) return;
  paths.ExportFilePath = *chosen;

  const std::string report = TextReport(sidereal);
  const QByteArray bytes(report.data(), static_cast<qsizetype>(report.size()));
  if (const auto reason = WriteFileAtomically(*chosen, bytes)) {
    ShowOutputMessage(platform, &main,
                      QStringLiteral("The chart could not be exported to %1: %2.")
                          .arg(QuotedPath(*chosen), *reason));
  }
}

}  // namespace velmora
