#include "link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velmora {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, QColor(107, 26, 26));
  setPalette(palette);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::changeEvent(QEvent* event) {
  // Whatever font it is given, a link stays underlined.
  if (event->type() == QEvent::FontChange && !font().underline()) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
  }
  QLabel::changeEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit activated();
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Space) {
    emit activated();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace velmora
