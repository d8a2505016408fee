// "Print" and "Export Report As PDF...": the paged report of the charts on screen, shown in a
// print preview and printed, or written as a PDF document.
#pragma once

#include <QPageLayout>
#include <QRect>
#include <QSize>

#include "remembered_paths.h"

class QImage;
class QPainter;
class QPrinter;

namespace velmora {

class MainWindow;
class Platform;
struct ChartRecord;

// Shows the report in a print preview; prints it on the printer (or into the PDF file) the
// user chooses there.
void PrintChart(Platform& platform, MainWindow& main, const ChartRecord& sidereal,
                const ChartRecord& tropical, RememberedPaths& paths);

// Asks for a file name and writes the report there as a PDF document, whole or not at all.
void ExportReportAsPdf(Platform& platform, MainWindow& main, const ChartRecord& sidereal,
                       const ChartRecord& tropical, RememberedPaths& paths);

// The orientation in which a picture of this size can be printed largest on the printer's
// page.
QPageLayout::Orientation BestOrientation(const QPrinter& printer, QSize picture);

// Draws `picture` as large as fits into `page` (painter coordinates) without distortion,
// centred in it.
void PaintPictureOnPage(QPainter& painter, const QImage& picture, const QRect& page);

}  // namespace velmora
