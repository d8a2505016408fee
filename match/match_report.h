// The printable match: both births with their charts, the eight kootas with their points,
// both Manglik results and the verdict, on the pages of the paged report.
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <optional>

#include "engine/chart_record.h"
#include "engine/jyotish/matching.h"

class QPagedPaintDevice;

namespace velmora {

struct MatchReportSources {
  const ChartRecord& Groom;  // sidereal, the first chart
  const ChartRecord& Bride;  // sidereal, the second
  const KundliMatch& Match;
};

// Lays the match out for `device` and paints every page; the number of pages, or nothing
// when the device cannot be painted on.
std::optional<int> PaintMatchReport(QPagedPaintDevice& device, const MatchReportSources& sources);

// The same as a PDF document of that page size, in memory; empty when it could not be made.
QByteArray MatchReportPdf(const MatchReportSources& sources, QPageSize::PageSizeId pageSize);

}  // namespace velmora
