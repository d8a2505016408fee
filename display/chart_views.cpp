#include "chart_views.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include "ui/twips.h"
#include "ui/ui_style.h"

namespace velmora {
namespace {

// Cell labels and sign numbers, by sign (0 = Aries), left and top in twips.
constexpr std::array<TwipsPlace, 12> kSouthCells = {{{1710, 0},
                                                     {3030, 0},
                                                     {4350, 0},
                                                     {4350, 1320},
                                                     {4350, 2640},
                                                     {4350, 3960},
                                                     {3030, 3960},
                                                     {1710, 3960},
                                                     {390, 3960},
                                                     {390, 2640},
                                                     {390, 1320},
                                                     {390, 0}}};
constexpr std::array<TwipsPlace, 12> kSouthNumbers = {{{2400, 1080},
                                                       {3795, 1080},
                                                       {5115, 1080},
                                                       {5115, 2400},
                                                       {5115, 3720},
                                                       {5115, 5040},
                                                       {3795, 5040},
                                                       {2400, 5040},
                                                       {1110, 5040},
                                                       {960, 3720},
                                                       {960, 2445},
                                                       {960, 1080}}};
constexpr std::array<TwipsPlace, 12> kNorthCells = {{{2220, 600},
                                                     {900, 0},
                                                     {45, 600},
                                                     {1020, 1800},
                                                     {30, 3360},
                                                     {1020, 4560},
                                                     {2460, 3240},
                                                     {3870, 4560},
                                                     {4785, 3360},
                                                     {3780, 1800},
                                                     {4665, 600},
                                                     {3540, 0}}};
constexpr std::array<int, 12> kNorthCellWidths = {1095, 840, 750, 900, 945,  930,
                                                  645,  795, 765, 960, 1290, 1185};
constexpr std::array<TwipsPlace, 12> kNorthNumbers = {{{2760, 2400},
                                                       {1320, 1080},
                                                       {1080, 1320},
                                                       {2520, 2670},
                                                       {1180, 4080},
                                                       {1380, 4200},
                                                       {2760, 2880},
                                                       {4125, 4200},
                                                       {4340, 4080},
                                                       {2900, 2670},
                                                       {4320, 1320},
                                                       {3960, 1080}}};
constexpr std::array<TwipsPlace, 12> kEastCells = {{{1920, 0},
                                                    {840, 0},
                                                    {120, 720},
                                                    {120, 1920},
                                                    {120, 3600},
                                                    {960, 4320},
                                                    {1920, 3600},
                                                    {3600, 4320},
                                                    {4200, 3600},
                                                    {3600, 1920},
                                                    {4440, 840},
                                                    {3600, 0}}};

// The lines of the South and North drawings: a warm dark brown on the orange-yellow ground.
const QColor kChartInk(74, 42, 10);

QLabel* TransparentLabel(QWidget* parent, const QPoint& at, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAutoFillBackground(false);
  label->setAlignment(alignment | Qt::AlignTop);
  label->move(at);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QPointF TwipsPointF(double left, double top) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel};
}

void PaintGround(QPainter& painter, const QWidget& view) {
  painter.fillRect(view.rect(), kOrangeYellow);
  painter.setRenderHint(QPainter::Antialiasing);
}

}  // namespace

IndianChartView::IndianChartView(QWidget* parent, int widthTwips, int heightTwips)
    : QWidget(parent) {
  setFixedSize(TwipsSize(widthTwips, heightTwips));
}

void IndianChartView::AddCells(const std::array<TwipsPlace, 12>& places, Qt::Alignment alignment) {
  for (std::size_t s = 0; s < 12; ++s) {
    cells_[s] = TransparentLabel(this, TwipsPoint(places[s].Left, places[s].Top), alignment);
    cells_[s]->resize(TwipsSize(570, 195));
  }
}

void IndianChartView::AddNumbers(const std::array<TwipsPlace, 12>& places) {
  for (std::size_t s = 0; s < 12; ++s) {
    numbers_[s] = TransparentLabel(this, TwipsPoint(places[s].Left, places[s].Top), Qt::AlignLeft);
    numbers_[s]->setText(QString::number(s + 1));
    numbers_[s]->adjustSize();
  }
}

void IndianChartView::SetCellText(int sign, const QString& text) {
  QLabel* cell = Cell(sign);
  // The cell texts separate their lines with CR LF; a label breaks lines at LF.
  cell->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  cell->adjustSize();
}

void IndianChartView::SetCellColour(int sign, const QColor& colour) {
  QLabel* cell = Cell(sign);
  QPalette palette = cell->palette();
  palette.setColor(QPalette::WindowText, colour);
  cell->setPalette(palette);
}

SouthChartView::SouthChartView(QWidget* parent)
    : IndianChartView(parent, 5340, 5355), logo_(QStringLiteral(":/pictures/icons/velmora.svg")) {
  setObjectName(QStringLiteral("picSouthRasi"));
  setAccessibleName(QStringLiteral("South Indian chart"));
  AddCells(kSouthCells, Qt::AlignHCenter);
  AddNumbers(kSouthNumbers);
}

void SouthChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintGround(painter, *this);
  const double cell = 1335.0 / kTwipsPerPixel;  // four cells of 1335 twips a side
  const double size = 4 * cell;

  // The merged centre carries the program's mark, faintly.
  painter.setOpacity(0.22);
  logo_.render(&painter, QRectF(cell + cell * 0.35, cell + cell * 0.35, cell * 1.3, cell * 1.3));
  painter.setOpacity(1.0);

  painter.setPen(QPen(kChartInk, 1.5));
  painter.drawRect(QRectF(0.75, 0.75, size - 1.5, size - 1.5));
  for (int k : {1, 3}) {
    painter.drawLine(QPointF(k * cell, 0), QPointF(k * cell, size));
    painter.drawLine(QPointF(0, k * cell), QPointF(size, k * cell));
  }
  // The middle lines stop at the merged centre.
  painter.drawLine(QPointF(2 * cell, 0), QPointF(2 * cell, cell));
  painter.drawLine(QPointF(2 * cell, 3 * cell), QPointF(2 * cell, size));
  painter.drawLine(QPointF(0, 2 * cell), QPointF(cell, 2 * cell));
  painter.drawLine(QPointF(3 * cell, 2 * cell), QPointF(size, 2 * cell));
}

NorthChartView::NorthChartView(QWidget* parent) : IndianChartView(parent, 5565, 5505) {
  setObjectName(QStringLiteral("picNorthRasi"));
  setAccessibleName(QStringLiteral("North Indian chart"));
  AddCells(kNorthCells, Qt::AlignHCenter);
  for (std::size_t s = 0; s < 12; ++s)
    Cell(static_cast<int>(s))->resize(TwipsSize(kNorthCellWidths[s], 195));
  AddNumbers(kNorthNumbers);
}

int NorthChartView::RegionOf(int sign) const {
  return lagnaOnTop_ ? (sign - *lagnaOnTop_ + 12) % 12 : sign;
}

void NorthChartView::SetLagnaOnTop(std::optional<int> lagnaSign) {
  if (lagnaSign && (*lagnaSign < 0 || *lagnaSign > 11)) lagnaSign.reset();
  lagnaOnTop_ = lagnaSign;
  // The labels belong to their signs; only their places follow the houses.
  for (int s = 0; s < 12; ++s) {
    const auto region = static_cast<std::size_t>(RegionOf(s));
    Cell(s)->move(TwipsPoint(kNorthCells[region].Left, kNorthCells[region].Top));
    Number(s)->move(TwipsPoint(kNorthNumbers[region].Left, kNorthNumbers[region].Top));
  }
}

void NorthChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintGround(painter, *this);
  const QRectF square = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
  painter.setPen(QPen(kChartInk, 1.5));
  painter.drawRect(square);
  painter.drawLine(square.topLeft(), square.bottomRight());
  painter.drawLine(square.topRight(), square.bottomLeft());
  const QPointF diamond[] = {{square.center().x(), square.top()},
                             {square.right(), square.center().y()},
                             {square.center().x(), square.bottom()},
                             {square.left(), square.center().y()}};
  painter.drawPolygon(diamond, 4);
}

EastChartView::EastChartView(QWidget* parent) : IndianChartView(parent, 5300, 5300) {
  setObjectName(QStringLiteral("picRashiEast"));
  setAccessibleName(QStringLiteral("East Indian chart"));
  AddCells(kEastCells, Qt::AlignLeft);
}

void EastChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintGround(painter, *this);
  painter.setPen(QPen(Qt::black, 1));
  // Nine squares of 1755 twips (the first one 1750), in twips as designed.
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const double side = row == 0 && column == 0 ? 1750 : 1755;
      painter.drawRect(QRectF(TwipsPointF(1755.0 * column, 1755.0 * row),
                              TwipsPointF(1755.0 * column + side, 1755.0 * row + side)));
    }
  }
  painter.drawLine(TwipsPointF(0, 0), TwipsPointF(1775, 1775));
  painter.drawLine(TwipsPointF(3495, 1750), TwipsPointF(5250, 0));
  painter.drawLine(TwipsPointF(0, 5230), TwipsPointF(1755, 3480));
  painter.drawLine(TwipsPointF(3495, 3495), TwipsPointF(5280, 5280));
}

}  // namespace velmora
