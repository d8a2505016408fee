#include "fitting_label.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "plain_text.h"

namespace velmora {

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent) {
  // Names come from the user or a file: markup in them is text.
  setTextFormat(Qt::PlainText);
}

QFont FittingLabel::FittedFont() const {
  QFont fitted = font();
  const int room = contentsRect().width();
  const double full = font().pointSizeF();
  // Quarter points down to the smallest size: the first that fits is drawn.
  for (double size = full; size >= full * kSmallestScale; size -= 0.25) {
    fitted.setPointSizeF(size);
    if (QFontMetrics(fitted).horizontalAdvance(text()) <= room) return fitted;
  }
  fitted.setPointSizeF(full * kSmallestScale);
  return fitted;
}

QString FittingLabel::ShownText() const {
  return QFontMetrics(FittedFont()).elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QString FittingLabel::HiddenTextTip() const {
  return ShownText() == text() ? QString() : text();
}

void FittingLabel::paintEvent(QPaintEvent* event) {
  if (fontMetrics().horizontalAdvance(text()) <= contentsRect().width()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setFont(FittedFont());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(contentsRect(), static_cast<int>(alignment()), ShownText());
}

bool FittingLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    const QString tip = HiddenTextTip();
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), PlainToolTip(tip), this);
    }
    return true;
  }
  return QLabel::event(event);
}

}  // namespace velmora
