// The Western natal wheel (picNatal): twelve whole-sign sectors from the ascendant's sign,
// counter-clockwise from just below the left end of the horizontal axis, with each sector's
// bodies and its sign's glyph.
#pragma once

#include <QLabel>
#include <QSvgRenderer>
#include <QWidget>
#include <array>

class QPainter;

namespace velmora {

// One sign glyph (IMGWestern picture 1 = Aries ... 12 = Pisces), drawn from its vector
// picture at whatever resolution the screen has.
class GlyphImage : public QWidget {
  Q_OBJECT

 public:
  explicit GlyphImage(QWidget* parent);
  void SetPicture(int pictureNumber);  // 1..12
  int Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int picture_ = 0;
  QSvgRenderer renderer_;
};

class WheelView : public QWidget {
  Q_OBJECT

 public:
  explicit WheelView(QWidget* parent);

  // The bodies of sector i (lblNatal(i)); a text of several lines grows the label downwards.
  void SetSectorText(int index, const QString& text);
  QLabel* Sector(int index) const { return lblNatal[static_cast<std::size_t>(index)]; }
  // Shows IMGWestern picture `pictureNumber` in sector i + 1. The glyph stands where the
  // sector's rim number is printed and takes its place.
  void SetGlyph(int index, int pictureNumber);

  std::array<QLabel*, 12> lblNatal{};
  std::array<GlyphImage*, 12> imgSign{};
  std::array<QLabel*, 12> lblNatalPosition{};

  // The wheel's artwork, for the screen, a picture or a printer; `size` is its box.
  static void PaintWheel(QPainter& painter, const QSizeF& size, QSvgRenderer& logo);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer logo_;
};

}  // namespace velmora
