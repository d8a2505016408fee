#include "picture_box.h"

#include <QPainter>

namespace velmora {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void PictureBox::SetPicture(const QString& resource) {
  picture_ = resource;
  renderer_.load(resource);
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
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  Paint(painter, contentsRect());
}

}  // namespace velmora
