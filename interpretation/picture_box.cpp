#include "picture_box.h"

#include <QPainter>

namespace velmora {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void PictureBox::SetPicture(const QString& resource) {
  picture_ = resource;
  renderer_.load(resource);
  drawn_ = QPixmap();
  update();
}

void PictureBox::Paint(QPainter& painter, const QRectF& target) {
  if (renderer_.isValid()) renderer_.render(&painter, target);
}

QSize PictureBox::sizeHint() const {
  return renderer_.isValid() ? renderer_.defaultSize() : QFrame::sizeHint();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const QRect target = contentsRect();
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
  if (drawn_.isNull() || drawn_.size() != pixels) {
    drawn_ = QPixmap(pixels);
    drawn_.setDevicePixelRatio(ratio);
    drawn_.fill(Qt::transparent);
    QPainter painter(&drawn_);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint(painter, QRectF(QPointF(0, 0), QSizeF(target.size())));
  }
  QPainter painter(this);
  painter.drawPixmap(target.topLeft(), drawn_);
}

}  // namespace velmora
