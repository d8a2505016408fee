// The Western natal wheel as a Western astrologer reads it: the zodiac ring with the
// ascendant on the left, every planet and node at its degree with the degree written
// beside it, the house cusps numbered, and the aspects drawn across the middle in the
// colour of their kind. One paint routine draws it on the screen, into pictures and onto
// the pages of the report, always as lines, curves and text.
#pragma once

#include <QColor>
#include <QSvgRenderer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "engine/western/western_chart.h"

class QPainter;

namespace velmora {

// The sign and planet glyphs, read once from the program's pictures.
class WheelGlyphs {
 public:
  WheelGlyphs();
  QSvgRenderer& Sign(int sign) const { return *signs_[static_cast<std::size_t>(sign)]; }
  // The planets' and nodes' glyphs, drawn in the wheel's ink.
  QSvgRenderer& Body(WesternPoint point) const;

 private:
  std::array<std::unique_ptr<QSvgRenderer>, 12> signs_;
  std::array<std::unique_ptr<QSvgRenderer>, 13> bodies_;  // Sun ... South Node
};

// The colour of an aspect's line on the wheel and of its mark in the aspect grid: red for
// the hard ones, blue for the easy ones, green, orange and violet for the minor ones.
QColor AspectColour(AspectKind kind);
// The aspect's usual symbol where the program's font has it ("☌", "☍", "△", "□", "✶",
// "∠"), else a short name ("Qx" for the quincunx, "SSx", "Ssq", "Q").
QString AspectSymbol(AspectKind kind);

// The points the wheel writes around its ring, and where: the glyphs spread apart where
// bodies stand close together, each at least `minimumGapDeg` from the next, as little away
// from its own degree as that allows. Angles are the points' longitudes.
struct WheelMark {
  WesternPoint Point;
  double LongitudeDeg;
  double DrawnAtDeg;
};
std::vector<WheelMark> SpreadWheelMarks(const WesternChart& chart, double minimumGapDeg);
// The same for bare longitudes, sorted from 0 to 360: where each is drawn, in the same
// order around the circle (a gap wider than the circle allows becomes 360 / count).
std::vector<double> SpreadOnCircle(const std::vector<double>& longitudesDeg, double minimumGapDeg);

// Paints the whole wheel into `box` (the largest circle that fits, centred).
void PaintWesternWheel(QPainter& painter, const QRectF& box, const WesternChart& chart,
                       const WheelGlyphs& glyphs);

class WesternWheelView : public QWidget {
  Q_OBJECT

 public:
  explicit WesternWheelView(QWidget* parent);
  void SetChart(const WesternChart& chart);
  const std::optional<WesternChart>& Chart() const { return chart_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<WesternChart> chart_;
  WheelGlyphs glyphs_;
};

}  // namespace velmora
