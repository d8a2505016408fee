#include "chart_print.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "ui/platform.h"
#include "display/main_window.h"
#include "output_messages.h"

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

}  // namespace

void PrintChart(Platform& platform, MainWindow& main, RememberedPaths& paths) {
  QPrinter printer(QPrinter::HighResolution);
  if (!paths.PrinterName.isEmpty()) printer.setPrinterName(paths.PrinterName);
  if (!platform.ChoosePrinter(&main, printer)) return;
  if (printer.outputFormat() == QPrinter::NativeFormat) paths.PrinterName = printer.printerName();

  main.RefreshChartCapture();
  const QImage picture = main.chartCapture().toImage();
  printer.setPageOrientation(BestOrientation(printer, picture.size()));
  QPainter painter;
  if (!painter.begin(&printer)) {
    const QString where = PrinterDescription(printer);
    ShowOutputMessage(platform, &main,
                      where.isEmpty()
                          ? QStringLiteral("The chart could not be printed: no printer was chosen.")
                          : QStringLiteral("The chart could not be printed on %1.").arg(where));
    return;
  }
  // The painter starts at the corner of the printable area, inside the margins.
  const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  PaintPictureOnPage(painter, picture, QRect(QPoint(0, 0), printable));
  painter.end();
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
