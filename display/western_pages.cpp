#include "western_pages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <cmath>

#include "engine/jyotish/zodiac.h"
#include "ui/ui_style.h"
#include "western_wheel.h"

namespace velmora {
namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QTableWidget* ReadOnlyTable(QWidget* parent, const QStringList& header) {
  auto* table = new QTableWidget(0, static_cast<int>(header.size()), parent);
  table->setHorizontalHeaderLabels(header);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(18);
  table->horizontalHeader()->setHighlightSections(false);
  return table;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(align | Qt::AlignVCenter);
  return item;
}

QString SignName(int sign) {
  return Text(kEnglishSignNames[static_cast<std::size_t>(sign)]);
}

// Short names for the grid's headers.
QString ShortName(WesternPoint p) {
  switch (p) {
    case WesternPoint::MeanNode:
    case WesternPoint::TrueNode:
      return QStringLiteral("Node");
    case WesternPoint::Ascendant:
      return QStringLiteral("Asc");
    default:
      return Text(NameOf(p)).left(3);
  }
}

QString Orb(double orbDeg) {
  const int minutes = static_cast<int>(std::lround(orbDeg * 60));
  return QStringLiteral("%1\u00B0%2\u2032")
      .arg(minutes / 60)
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString DegreesInSign(double longitudeDeg) {
  const int minutes = static_cast<int>(longitudeDeg * 60) % (30 * 60);
  return QStringLiteral("%1\u00B0 %2\u2032")
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString HouseSystemText(const HouseCusps& houses) {
  const QString asked = Text(HouseSystemName(houses.Requested));
  if (!houses.PolarFallback()) return QStringLiteral("%1 houses").arg(asked);
  return QStringLiteral(
             "%1 houses: %2 houses cannot be drawn inside the polar circle, where "
             "some degrees never rise; these are %3 houses")
      .arg(Text(HouseSystemName(houses.Used)), asked, Text(HouseSystemName(houses.Used)));
}

WesternPositionsPage::WesternPositionsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WesternPositionsPage"));
  tblPositions = ReadOnlyTable(
      this, {QStringLiteral("Point"), QStringLiteral("Sign"), QStringLiteral("Degree"),
             QStringLiteral("House"), QStringLiteral("Speed / day"), QStringLiteral("Motion")});
  tblPositions->setObjectName(QStringLiteral("tblPositions"));
  tblHouses = ReadOnlyTable(
      this, {QStringLiteral("House"), QStringLiteral("Sign"), QStringLiteral("Cusp")});
  tblHouses->setObjectName(QStringLiteral("tblHouses"));
  lblHouseSystem = new QLabel(this);
  lblHouseSystem->setObjectName(QStringLiteral("lblHouseSystem"));
  lblHouseSystem->setWordWrap(true);
  lblHouseSystem->setFont(VerdanaFont(8.25, true));

  auto* right = new QVBoxLayout;
  right->addWidget(lblHouseSystem);
  right->addWidget(tblHouses, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(tblPositions, 3);
  layout->addLayout(right, 2);
}

void WesternPositionsPage::Show(const WesternChart& chart) {
  tblPositions->setRowCount(kWesternPoints);
  for (int i = 0; i < kWesternPoints; ++i) {
    const PointPlace& p = chart.Points[static_cast<std::size_t>(i)];
    tblPositions->setItem(i, 0, Cell(Text(NameOf(static_cast<WesternPoint>(i)))));
    tblPositions->setItem(i, 1, Cell(SignName(p.Sign)));
    tblPositions->setItem(i, 2, Cell(DegreesInSign(p.LongitudeDeg), Qt::AlignRight));
    tblPositions->setItem(i, 3, Cell(QString::number(p.House), Qt::AlignRight));
    tblPositions->setItem(
        i, 4,
        Cell(QString::number(p.SpeedDegPerDay, 'f', p.SpeedDegPerDay > 100 ? 1 : 4),
             Qt::AlignRight));
    tblPositions->setItem(i, 5, Cell(p.Retrograde ? QStringLiteral("Retrograde") : QString()));
  }
  tblPositions->resizeColumnsToContents();
  lblHouseSystem->setText(HouseSystemText(chart.Houses));
  tblHouses->setRowCount(12);
  for (int k = 0; k < 12; ++k) {
    const double cusp = chart.Houses.CuspsDeg[static_cast<std::size_t>(k)];
    tblHouses->setItem(k, 0, Cell(QString::number(k + 1), Qt::AlignRight));
    tblHouses->setItem(k, 1, Cell(SignName(std::min(static_cast<int>(cusp / 30), 11))));
    tblHouses->setItem(k, 2, Cell(DegreesInSign(cusp), Qt::AlignRight));
  }
  tblHouses->resizeColumnsToContents();
}

AspectGridPage::AspectGridPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AspectGridPage"));
  tblAspects = ReadOnlyTable(this, {});
  tblAspects->setObjectName(QStringLiteral("tblAspects"));
  tblAspects->verticalHeader()->show();
  tblAspects->verticalHeader()->setDefaultSectionSize(24);
  tblAspects->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tblAspects->setFont(VerdanaFont(7.5));
  lblLegend = new QLabel(this);
  lblLegend->setObjectName(QStringLiteral("lblLegend"));
  lblLegend->setWordWrap(true);
  QString legend;
  for (const AspectDefinition& d : kAspectDefinitions) {
    if (!d.ShownByDefault) continue;
    legend += QStringLiteral("<span style=\"color:%1\">%2</span> %3 (orb %4\u00B0) &nbsp; ")
                  .arg(AspectColour(d.Kind).name(), AspectSymbol(d.Kind), Text(d.Name))
                  .arg(d.OrbDeg);
  }
  legend += QStringLiteral("&nbsp; A applying, S separating");
  lblLegend->setTextFormat(Qt::RichText);
  lblLegend->setText(legend);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tblAspects, 1);
  layout->addWidget(lblLegend);
}

void AspectGridPage::Show(const WesternChart& chart) {
  const int n = static_cast<int>(chart.AspectPoints.size());
  tblAspects->clear();
  tblAspects->setRowCount(n);
  tblAspects->setColumnCount(n);
  QStringList names;
  for (WesternPoint p : chart.AspectPoints) names << ShortName(p);
  tblAspects->setHorizontalHeaderLabels(names);
  tblAspects->setVerticalHeaderLabels(names);
  for (int row = 0; row < n; ++row) {
    for (int column = 0; column < n; ++column) {
      auto* item = Cell(QString(), Qt::AlignCenter);
      if (column >= row) item->setBackground(QColor(244, 242, 236));
      tblAspects->setItem(row, column, item);
    }
  }
  for (const Aspect& a : chart.Aspects) {
    // Below the diagonal: row the later point, column the earlier one.
    QTableWidgetItem* item = tblAspects->item(a.Second, a.First);
    item->setText(QStringLiteral("%1 %2 %3")
                      .arg(AspectSymbol(a.Kind), Orb(a.OrbDeg),
                           a.Applying ? QStringLiteral("A") : QStringLiteral("S")));
    item->setForeground(AspectColour(a.Kind));
    item->setToolTip(
        QStringLiteral("%1 %2 %3, orb %4, %5")
            .arg(Text(NameOf(chart.AspectPoints[static_cast<std::size_t>(a.First)])),
                 Text(DefinitionOf(a.Kind).Name).toLower(),
                 Text(NameOf(chart.AspectPoints[static_cast<std::size_t>(a.Second)])),
                 Orb(a.OrbDeg),
                 a.Applying ? QStringLiteral("applying") : QStringLiteral("separating")));
  }
}

}  // namespace velmora
