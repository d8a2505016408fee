// A picture box that shows one SVG picture, drawn from its vectors at the screen's own
// resolution so that it stays sharp on any display.
#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

namespace velmora {

class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Shows the SVG picture at `resource` (":/pictures/..."); a picture that cannot be read
  // leaves the box blank rather than keeping a stale one.
  void SetPicture(const QString& resource);
  const QString& Picture() const { return picture_; }
  bool HasPicture() const { return renderer_.isValid(); }

  // The picture scaled into `target`, keeping its proportions, straight from its vectors:
  // for pictures of the window and for printers.
  void Paint(QPainter& painter, const QRectF& target);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString picture_;
  QSvgRenderer renderer_;
  // The picture drawn once for the box's size and the screen's pixel ratio; repaints
  // (scrolling the window, say) only copy it.
  QPixmap drawn_;
};

}  // namespace velmora
