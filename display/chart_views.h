// The three Indian chart drawings. Each sign always has the same cell; a view paints its
// background lines and holds the twelve cell labels (and the sign numbers) at their places.
#pragma once

#include <QColor>
#include <QLabel>
#include <QSvgRenderer>
#include <QWidget>
#include <array>
#include <optional>

#include "ui/twips.h"

namespace velmora {

class IndianChartView : public QWidget {
  Q_OBJECT

 public:
  // The label of sign s (0 = Aries): its text grows the label down and to the right.
  QLabel* Cell(int sign) const { return cells_[static_cast<std::size_t>(sign)]; }
  // The label with the sign's number, where the drawing has one.
  QLabel* Number(int sign) const { return numbers_[static_cast<std::size_t>(sign)]; }

  void SetCellText(int sign, const QString& text);
  void SetCellColour(int sign, const QColor& colour);

 protected:
  IndianChartView(QWidget* parent, int widthTwips, int heightTwips);
  void AddCells(const std::array<TwipsPlace, 12>& places, Qt::Alignment alignment);
  void AddNumbers(const std::array<TwipsPlace, 12>& places);

 private:
  std::array<QLabel*, 12> cells_{};
  std::array<QLabel*, 12> numbers_{};
};

// 4 x 4 cells, the middle four merged; Aries in the top row, second column, clockwise.
class SouthChartView final : public IndianChartView {
  Q_OBJECT
 public:
  explicit SouthChartView(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer logo_;  // read once, drawn at every paint
};

// A square with both diagonals and the inner diamond; Aries in the top diamond, then
// counter-clockwise.
class NorthChartView final : public IndianChartView {
  Q_OBJECT
 public:
  explicit NorthChartView(QWidget* parent);

  // With a lagna sign the houses stay in place instead: the lagna's sign in the top diamond,
  // the following signs counter-clockwise, each region numbered with its sign. Without one,
  // every sign keeps its own region, as the drawing has always been.
  void SetLagnaOnTop(std::optional<int> lagnaSign);
  std::optional<int> LagnaOnTop() const { return lagnaOnTop_; }
  // The region (0 = top diamond, counter-clockwise) that sign s occupies now.
  int RegionOf(int sign) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<int> lagnaOnTop_;
};

// 3 x 3 squares with a diagonal in each corner square; Aries top middle, counter-clockwise.
class EastChartView final : public IndianChartView {
  Q_OBJECT
 public:
  explicit EastChartView(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
