// A one-line label of fixed width that shows its whole text: a text too wide is drawn in a
// smaller font, and only one that still does not fit is cut with "…", the whole of it then
// shown as the tooltip. text() is always the whole text.
#pragma once

#include <QLabel>

namespace velmora {

class FittingLabel : public QLabel {
  Q_OBJECT

 public:
  explicit FittingLabel(QWidget* parent = nullptr);

  // The smallest share of the label's font size a text may shrink to before it is cut.
  static constexpr double kSmallestScale = 0.75;

  // The font the text is drawn in and the text as drawn.
  QFont FittedFont() const;
  QString ShownText() const;
  // The whole text when the label shows less of it; empty otherwise.
  QString HiddenTextTip() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
};

}  // namespace velmora
