#include "chart_print.h"

#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <memory>

#include "atomic_file.h"
#include "chart_report.h"
#include "display/main_window.h"
#include "engine/jyotish/divisional.h"
#include "engine/places/zones.h"
#include "output_messages.h"
#include "ui/platform.h"

namespace velmora {
namespace {

// How much a picture is enlarged (or shrunk) to fill a page area without distortion.
double FitScale(QSizeF picture, QSizeF area) {
  if (picture.isEmpty()) return 0;
  return std::min(area.width() / picture.width(), area.height() / picture.height());
}

// The printer or file as the user chose it; empty when there was none to choose (a
// computer without printers gives a file printer without a file).
QString PrinterDescription(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    return printer.outputFileName().isEmpty() ? QString() : QuotedPath(printer.outputFileName());
  }
  return printer.printerName().isEmpty()
             ? QString()
             : QStringLiteral("the printer \"%1\"").arg(printer.printerName());
}

// The report of the charts on screen: the last Indian chart in the style chosen last, with
// the cell colours of the window's drawing, and the wheel when the window shows a Western
// chart.
struct WindowReport {
  CellTexts Cells;
  WesternWheel Wheel;
  CellTexts NavamsaCells;
  std::unique_ptr<IndianChartView> IndianDrawing;
  std::unique_ptr<IndianChartView> NavamsaDrawing;
  std::unique_ptr<WheelView> WheelDrawing;
  ReportSources Sources;
};

std::unique_ptr<WindowReport> ReportOfWindow(MainWindow& main, const ChartRecord& sidereal,
                                             const ChartRecord& tropical) {
  auto report = std::make_unique<WindowReport>();
  LookupTables tables;
  FillZoneTables(tables);
  FillWheelLists(tables);
  ChartStyle style = ChartStyle::South;
  if (main.mnuNorthStyle->isChecked()) style = ChartStyle::North;
  if (main.mnuEastStyle->isChecked()) style = ChartStyle::East;
  FillIndianCells(sidereal, tables, report->Cells);
  report->IndianDrawing = ReportIndianDrawing(style, report->Cells);
  const IndianChartView* shown = main.chartWindow().Drawing(style);
  for (int s = 0; s < 12; ++s) {
    report->IndianDrawing->SetCellColour(s, shown->Cell(s)->palette().color(QPalette::WindowText));
  }
  FillDivisionalCells(Division::D9, sidereal, report->NavamsaCells);
  report->NavamsaDrawing = ReportIndianDrawing(style, report->NavamsaCells);
  ReportSources& sources = report->Sources;
  sources.Sidereal = &sidereal;
  sources.IndianDrawing = report->IndianDrawing.get();
  sources.NavamsaDrawing = report->NavamsaDrawing.get();
  sources.IndianStyleCaption = StyleCaption(style);
  const ChartWindow& window = main.chartWindow();
  const bool western = !window.picNatal->isHidden() || !window.picWestern->isHidden();
  if (western) {
    // The chart on screen, with the house system it was drawn with.
    if (window.WesternChartShown()) sources.Western = &*window.WesternChartShown();
    sources.ClassicWheel = window.ClassicWheelShown();
    report->Wheel = ComputeWesternWheel(tropical, tables);
    report->WheelDrawing = ReportWheelDrawing(report->Wheel);
    sources.Tropical = &tropical;
    sources.Wheel = &report->Wheel;
    sources.WheelDrawing = report->WheelDrawing.get();
  }
  return report;
}

// A file name to offer the first time: the person's name, without characters a file name
// cannot hold.
QString SuggestedReportName(const ChartRecord& chart) {
  QString name = QString::fromStdString(chart.BirthName).trimmed();
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral(" "));
  return name.isEmpty() ? QStringLiteral("Birth Chart.pdf")
                        : QStringLiteral("%1 - Birth Chart.pdf").arg(name.simplified());
}

}  // namespace

void PrintChart(Platform& platform, MainWindow& main, const ChartRecord& sidereal,
                const ChartRecord& tropical, RememberedPaths& paths) {
  const auto report = ReportOfWindow(main, sidereal, tropical);
  QPrinter printer(QPrinter::HighResolution);
  if (!paths.PrinterName.isEmpty()) printer.setPrinterName(paths.PrinterName);
  printer.setPageSize(QPageSize(ReportPageSize(QLocale())));
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  std::optional<QString> failure;
  const bool printed = platform.PreviewPrint(&main, printer, [&](QPrinter& target) {
    failure.reset();
    if (PaintReport(target, report->Sources)) return;
    const QString where = PrinterDescription(target);
    failure = where.isEmpty()
                  ? QStringLiteral("The chart could not be printed: no printer was chosen.")
                  : QStringLiteral("The chart could not be printed on %1.").arg(where);
  });
  if (!printed) return;
  if (printer.outputFormat() == QPrinter::NativeFormat) paths.PrinterName = printer.printerName();
  if (failure) ShowOutputMessage(platform, &main, *failure);
}

void ExportReportAsPdf(Platform& platform, MainWindow& main, const ChartRecord& sidereal,
                       const ChartRecord& tropical, RememberedPaths& paths) {
  FileDialogRequest request;
  request.Title = QStringLiteral("Export Report As PDF");
  request.Filter = QStringLiteral("PDF documents (*.pdf)");
  request.DefaultSuffix = QStringLiteral("pdf");
  request.InitialPath =
      paths.ReportPdfPath.isEmpty() ? SuggestedReportName(sidereal) : paths.ReportPdfPath;
  request.ConfirmOverwrite = true;
  const auto chosen = platform.ChooseSavePath(&main, request);
  if (!chosen || chosen->isEmpty()) return;
  paths.ReportPdfPath = *chosen;

  const auto report = ReportOfWindow(main, sidereal, tropical);
  const QByteArray pdf = ReportPdf(report->Sources, ReportPageSize(QLocale()));
  const auto reason =
      pdf.isEmpty() ? std::optional<QString>(QStringLiteral("the report could not be laid out"))
                    : WriteFileAtomically(*chosen, pdf);
  if (reason) {
    ShowOutputMessage(platform, &main,
                      QStringLiteral("The report could not be exported to %1: %2.")
                          .arg(QuotedPath(*chosen), *reason));
  }
}

QPageLayout::Orientation BestOrientation(const QPrinter& printer, QSize picture) {
  QPageLayout layout = printer.pageLayout();
  layout.setOrientation(QPageLayout::Portrait);
  const QSizeF portrait = layout.paintRect(QPageLayout::Point).size();
  layout.setOrientation(QPageLayout::Landscape);
  const QSizeF landscape = layout.paintRect(QPageLayout::Point).size();
  return FitScale(picture, landscape) > FitScale(picture, portrait) ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait;
}

void PaintPictureOnPage(QPainter& painter, const QImage& picture, const QRect& page) {
  const double scale = FitScale(picture.size(), page.size());
  if (scale <= 0) return;
  QRectF target(QPointF(0, 0), QSizeF(picture.size()) * scale);
  target.moveCenter(QRectF(page).center());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, picture);
}

}  // namespace velmora
