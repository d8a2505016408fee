// The printable report: the birth data, the Indian chart with its details and positions, the
// Western wheel when the last chart was Western, and every interpretation text with its
// pictures, laid out on pages of any paged device (a PDF writer or a printer).
#pragma once

#include <QColor>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "display/chart_views.h"
#include "display/chart_window.h"
#include "display/wheel_view.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/western/western_chart.h"

class QPagedPaintDevice;
class QWidget;

namespace velmora {

struct ReportSources {
  // The last Indian chart; a record without a birth month (no Indian chart yet) leaves the
  // Indian pages and the interpretation out.
  const ChartRecord* Sidereal = nullptr;
  // The Indian drawing in the style on screen, drawn as vectors with its cell texts.
  QWidget* IndianDrawing = nullptr;
  QString IndianStyleCaption;  // "South Indian Style" ...
  // The Navamsa (D9) in the same style, on the page of the dasha table.
  QWidget* NavamsaDrawing = nullptr;
  // Set when the last chart was Western: the wheel page follows the Indian chart.
  const ChartRecord* Tropical = nullptr;
  const WesternWheel* Wheel = nullptr;
  QWidget* WheelDrawing = nullptr;
  // With it, the page holds the wheel with every body at its degree, the positions with
  // their houses, the cusps, the aspects and the Sun, Moon and ascendant texts; the classic
  // sign-sector wheel (WheelDrawing) instead when ClassicWheel.
  const WesternChart* Western = nullptr;
  bool ClassicWheel = false;
};

// The drawings of the report, filled from the records the way the chart commands fill the
// chart window's: the report never depends on what a window happens to hold.
std::unique_ptr<IndianChartView> ReportIndianDrawing(ChartStyle style, const CellTexts& cells);
std::unique_ptr<WheelView> ReportWheelDrawing(const WesternWheel& wheel);

// "South Indian Style" ...
QString StyleCaption(ChartStyle style);

// A4, or Letter where the locale's country prints on it.
QPageSize::PageSizeId ReportPageSize(const QLocale& locale);

// Lays the report out for `device` and paints every page. Returns the number of pages, or
// nothing when the device cannot be painted on.
std::optional<int> PaintReport(QPagedPaintDevice& device, const ReportSources& sources);

// The report as a PDF document of that page size, in memory.
QByteArray ReportPdf(const ReportSources& sources, QPageSize::PageSizeId pageSize);

}  // namespace velmora
