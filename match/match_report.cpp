#include "match_report.h"

#include "display/chart_window.h"
#include "engine/chart.h"
#include "engine/files/report.h"
#include "engine/places/zones.h"
#include "output/chart_report.h"
#include "output/report_document.h"

namespace velmora {
namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString Place(const ChartRecord& c) {
  QStringList parts;
  for (const std::string* part : {&c.BirthCity, &c.BirthState, &c.BirthCountry}) {
    if (!part->empty()) parts << QString::fromStdString(*part);
  }
  return parts.join(QStringLiteral(", "));
}

std::vector<ReportField> PersonFields(const ChartRecord& c, const ManglikResult& manglik) {
  return {
      {QStringLiteral("Name"), QString::fromStdString(c.BirthName)},
      {QStringLiteral("Born"), QStringLiteral("%1 %2, %3 at %4:%5")
                                   .arg(Text(MonthName(c.BirthMonth)))
                                   .arg(c.BirthDay)
                                   .arg(c.BirthYear)
                                   .arg(c.BirthHour)
                                   .arg(c.BirthMinute, 2, 10, QLatin1Char('0'))},
      {QStringLiteral("Place"), Place(c)},
      {QStringLiteral("Nakshatra"), QString::fromStdString(c.MoonNakshatra)},
      {QStringLiteral("Rashi"), QString::fromStdString(c.MoonSignName)},
      {QStringLiteral("Lagna"), QString::fromStdString(c.AscendantSignName)},
      {QStringLiteral("Manglik"), manglik.IsManglik()  ? QStringLiteral("Yes")
                                  : manglik.HasDosha() ? QStringLiteral("Cancelled")
                                                       : QStringLiteral("No")},
  };
}

// The South Indian drawing of a chart, as the chart report draws it.
std::unique_ptr<IndianChartView> Drawing(const ChartRecord& c) {
  LookupTables tables;
  FillZoneTables(tables);
  CellTexts cells;
  FillIndianCells(c, tables, cells);
  return ReportIndianDrawing(ChartStyle::South, cells);
}

void WriteMatch(ReportWriter& w, const MatchReportSources& s, QWidget* groomDrawing,
                QWidget* brideDrawing) {
  const AshtakootaMatch& a = s.Match.Ashtakoota;
  w.Title(QStringLiteral("Kundli Matching"), false);
  w.Paragraph(QStringLiteral("Ashtakoota match of %1 (groom, the first chart) and %2 (bride, the "
                             "second chart).")
                  .arg(QString::fromStdString(s.Groom.BirthName),
                       QString::fromStdString(s.Bride.BirthName)));
  w.SideBySide(
      50,
      [&] {
        w.SubHeading(QStringLiteral("Groom"));
        w.Drawing(groomDrawing, 60);
        w.Fields(PersonFields(s.Groom, s.Match.GroomManglik), 34);
      },
      [&] {
        w.SubHeading(QStringLiteral("Bride"));
        w.Drawing(brideDrawing, 60);
        w.Fields(PersonFields(s.Bride, s.Match.BrideManglik), 34);
      });

  w.Heading(QStringLiteral("Ashtakoota"));
  std::vector<QStringList> rows;
  for (std::size_t k = 0; k < kKootas.size(); ++k) {
    rows.push_back({Text(kKootas[k].Name), Text(a.Kootas[k].Groom), Text(a.Kootas[k].Bride),
                    Text(PointsText(a.Kootas[k].Points)), Text(PointsText(kKootas[k].MaxPoints))});
  }
  rows.push_back({QStringLiteral("Total"), QString(), QString(), Text(PointsText(a.Total)),
                  QStringLiteral("36")});
  w.Grid({QStringLiteral("Koota"), QStringLiteral("Groom"), QStringLiteral("Bride"),
          QStringLiteral("Points"), QStringLiteral("Out of")},
         rows, {22, 24, 24, 15, 15}, 100);
  w.Paragraph(QStringLiteral("Tara is counted both ways: the groom's star is the %1 from the "
                             "bride's (%2), the bride's the %3 from the groom's (%4).")
                  .arg(Text(OrdinalHouse(a.TaraFromBride.Count)), Text(a.TaraFromBride.Name),
                       Text(OrdinalHouse(a.TaraFromGroom.Count)), Text(a.TaraFromGroom.Name)));

  w.Heading(QStringLiteral("Verdict: %1").arg(Text(MatchRating(a.Total))));
  w.Paragraph(Text(MatchVerdict(s.Match)));
  w.Heading(QStringLiteral("Manglik Dosha"));
  w.Fields({{QStringLiteral("Groom"), Text(ManglikSummary(s.Match.GroomManglik))},
            {QStringLiteral("Bride"), Text(ManglikSummary(s.Match.BrideManglik))},
            {QStringLiteral("Together"),
             Text(ManglikPairing(s.Match.GroomManglik, s.Match.BrideManglik))}},
           20);

  if (const std::string_view caption = PositionsCaption(s.Groom); !caption.empty()) {
    w.Paragraph(Text(caption));
  }
}

QString RunningName(const MatchReportSources& s) {
  return QStringLiteral("%1 and %2")
      .arg(QString::fromStdString(s.Groom.BirthName), QString::fromStdString(s.Bride.BirthName));
}

}  // namespace

std::optional<int> PaintMatchReport(QPagedPaintDevice& device, const MatchReportSources& sources) {
  const auto groom = Drawing(sources.Groom);
  const auto bride = Drawing(sources.Bride);
  return PaintReportDocument(
      device, [&](ReportWriter& w) { WriteMatch(w, sources, groom.get(), bride.get()); },
      RunningName(sources));
}

QByteArray MatchReportPdf(const MatchReportSources& sources, QPageSize::PageSizeId pageSize) {
  return ReportDocumentPdf(pageSize,
                           QStringLiteral("Kundli Matching of %1").arg(RunningName(sources)),
                           [&sources](QPagedPaintDevice& device) {
                             return PaintMatchReport(device, sources).has_value();
                           });
}

}  // namespace velmora
