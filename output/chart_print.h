// "Print": the chart window's capture on one page of the printer the user chooses.
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

// Shows the printer dialog; unless the user cancels, prints the chart window's capture.
void PrintChart(Platform& platform, MainWindow& main, RememberedPaths& paths);

// The orientation in which a picture of this size can be printed largest on the printer's
// page.
QPageLayout::Orientation BestOrientation(const QPrinter& printer, QSize picture);

// Draws `picture` as large as fits into `page` (painter coordinates) without distortion,
// centred in it.
void PaintPictureOnPage(QPainter& painter, const QImage& picture, const QRect& page);

}  // namespace velmora
