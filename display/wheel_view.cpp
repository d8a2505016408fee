#include "wheel_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "ui/twips.h"
#include "ui/ui_style.h"

namespace velmora {
namespace {

// Places by index, in twips relative to the wheel's box. lblNatal(i) and imgSign(i) belong to
// sector i + 1; the rim number with index 0 is the one of sector 12.
constexpr std::array<TwipsPlace, 12> kSectorTexts = {{{960, 3240},
                                                      {1680, 4080},
                                                      {2535, 4440},
                                                      {3480, 4560},
                                                      {4440, 3960},
                                                      {5055, 3240},
                                                      {5160, 2160},
                                                      {4695, 1080},
                                                      {3480, 480},
                                                      {2400, 600},
                                                      {1440, 1200},
                                                      {840, 2160}}};
constexpr std::array<TwipsPlace, 12> kGlyphs = {{{280, 3720},
                                                 {880, 4920},
                                                 {2040, 5800},
                                                 {3840, 5975},
                                                 {5100, 5400},
                                                 {6060, 4080},
                                                 {6200, 2400},
                                                 {5640, 1200},
                                                 {4320, 240},
                                                 {2520, 120},
                                                 {1320, 720},
                                                 {380, 2040}}};
constexpr std::array<TwipsPlace, 12> kRimNumbers = {{{360, 2040},
                                                     {345, 3720},
                                                     {960, 4920},
                                                     {2160, 5760},
                                                     {3960, 6000},
                                                     {5160, 5400},
                                                     {6120, 4080},
                                                     {6240, 2400},
                                                     {5640, 1200},
                                                     {4320, 240},
                                                     {2520, 120},
                                                     {1320, 720}}};

constexpr const char* kGlyphFiles[12] = {
    "01_aries", "02_taurus",  "03_gemini",      "04_cancer",    "05_leo",      "06_virgo",
    "07_libra", "08_scorpio", "09_sagittarius", "10_capricorn", "11_aquarius", "12_pisces"};

// The rings, as fractions of the wheel's radius: the glyphs sit in the outer ring, whose
// place the glyph positions above fix.
constexpr double kOuterRing = 0.865;
constexpr double kScaleRing = 0.80;
constexpr double kHub = 0.15;

// Soft colours for the twelve rim segments, light enough for the glyphs' cream squares.
const std::array<QColor, 12> kSegmentColours = {
    QColor(247, 201, 168), QColor(246, 221, 160), QColor(238, 236, 165), QColor(207, 232, 171),
    QColor(178, 223, 184), QColor(170, 222, 213), QColor(176, 210, 236), QColor(190, 196, 238),
    QColor(212, 190, 236), QColor(234, 187, 224), QColor(242, 183, 196), QColor(246, 190, 178)};
const QColor kInk(90, 40, 30);

// A point at `radius` and `degrees` counted counter-clockwise from the right end of the
// horizontal axis, as the eye sees the wheel.
QPointF Polar(const QPointF& centre, double radius, double degrees) {
  const double a = qDegreesToRadians(degrees);
  return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

void PaintArrow(QPainter& painter, const QPointF& centre, double from, double to, double degrees) {
  const QPointF tail = Polar(centre, from, degrees);
  const QPointF tip = Polar(centre, to, degrees);
  painter.setPen(QPen(kInk, 2));
  painter.drawLine(tail, tip);
  const double head = (to - from) * 0.45;
  QPainterPath arrow;
  arrow.moveTo(tip);
  arrow.lineTo(Polar(centre, to - head, degrees + 2.2));
  arrow.lineTo(Polar(centre, to - head, degrees - 2.2));
  arrow.closeSubpath();
  painter.fillPath(arrow, kInk);
}

}  // namespace

GlyphImage::GlyphImage(QWidget* parent) : QWidget(parent) {
  // The image control takes the size of its 21 x 21 pixel pictures.
  setFixedSize(21, 21);
  setAttribute(Qt::WA_TranslucentBackground);
}

void GlyphImage::SetPicture(int pictureNumber) {
  if (pictureNumber < 1 || pictureNumber > 12 || pictureNumber == picture_) return;
  picture_ = pictureNumber;
  renderer_.load(QStringLiteral(":/pictures/glyphs/%1.svg")
                     .arg(QString::fromUtf8(kGlyphFiles[pictureNumber - 1])));
  setAccessibleName(QString::fromUtf8(kGlyphFiles[pictureNumber - 1]).mid(3));
  update();
}

void GlyphImage::paintEvent(QPaintEvent*) {
  if (!renderer_.isValid()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Drawn from the vector picture, so it stays sharp when the screen scales it up.
  renderer_.render(&painter, QRectF(rect()));
}

WheelView::WheelView(QWidget* parent)
    : QWidget(parent), logo_(QStringLiteral(":/pictures/icons/velmora.svg")) {
  setObjectName(QStringLiteral("picNatal"));
  setAccessibleName(QStringLiteral("Western natal wheel"));
  setFixedSize(TwipsSize(6750, 6465));
  for (std::size_t i = 0; i < 12; ++i) {
    lblNatalPosition[i] = new QLabel(QString::number(i == 0 ? 12 : static_cast<int>(i)), this);
    lblNatalPosition[i]->setAttribute(Qt::WA_TranslucentBackground);
    lblNatalPosition[i]->move(TwipsPoint(kRimNumbers[i].Left, kRimNumbers[i].Top));
    lblNatalPosition[i]->adjustSize();
  }
  for (std::size_t i = 0; i < 12; ++i) {
    imgSign[i] = new GlyphImage(this);
    imgSign[i]->move(TwipsPoint(kGlyphs[i].Left, kGlyphs[i].Top));
  }
  // Small enough that the lowest sector's text can run to eleven lines inside the wheel's box.
  const QFont sectorFont = VerdanaFont(7);
  for (std::size_t i = 0; i < 12; ++i) {
    lblNatal[i] = new QLabel(this);
    lblNatal[i]->setTextFormat(Qt::PlainText);
    lblNatal[i]->setFont(sectorFont);
    lblNatal[i]->setAttribute(Qt::WA_TranslucentBackground);
    lblNatal[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNatal[i]->setGeometry(TwipsRect(kSectorTexts[i].Left, kSectorTexts[i].Top, 435, 195));
  }
}

void WheelView::SetSectorText(int index, const QString& text) {
  QLabel* label = Sector(index);
  label->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  label->adjustSize();
}

void WheelView::SetGlyph(int index, int pictureNumber) {
  imgSign[static_cast<std::size_t>(index)]->SetPicture(pictureNumber);
  // The rim number of sector i + 1 has index i + 1, that of sector 12 index 0.
  lblNatalPosition[static_cast<std::size_t>((index + 1) % 12)]->hide();
}

void WheelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintWheel(painter, QSizeF(size()), logo_);
}

void WheelView::PaintWheel(QPainter& painter, const QSizeF& size, QSvgRenderer& logo) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size.width() / 2, size.height() / 2);
  const double radius = std::min(size.width(), size.height()) / 2 - 1;

  // Rim: twelve segments whose boundaries start at the horizontal axis.
  const QRectF rim(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  painter.setPen(QPen(kInk, 1.2));
  for (int k = 0; k < 12; ++k) {
    painter.setBrush(kSegmentColours[static_cast<std::size_t>(k)]);
    painter.drawPie(rim, 16 * 30 * k, 16 * 30);
  }

  // A ring graduated in degrees, longer marks every five and ten.
  const double scaleOuter = radius * kOuterRing;
  const double scaleInner = radius * kScaleRing;
  painter.setBrush(QColor(255, 252, 240));
  painter.drawEllipse(centre, scaleOuter, scaleOuter);
  painter.setPen(QPen(kInk, 0.8));
  for (int degree = 0; degree < 360; ++degree) {
    const double length = (degree % 10 == 0  ? 0.8
                           : degree % 5 == 0 ? 0.55
                                             : 0.3) *
                          (scaleOuter - scaleInner);
    painter.drawLine(Polar(centre, scaleOuter, degree), Polar(centre, scaleOuter - length, degree));
  }

  // The disc of the twelve sectors.
  painter.setPen(QPen(kInk, 1.2));
  painter.setBrush(QColor(255, 250, 232));
  painter.drawEllipse(centre, scaleInner, scaleInner);
  for (int k = 0; k < 12; ++k) {
    painter.drawLine(Polar(centre, radius * kHub, 30.0 * k), Polar(centre, radius, 30.0 * k));
  }

  // The hub with the program's mark.
  const double hub = radius * kHub;
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre, hub, hub);
  logo.render(&painter,
              QRectF(centre.x() - hub * 0.85, centre.y() - hub * 0.85, hub * 1.7, hub * 1.7));

  // The ascendant's end of the horizontal axis and the top of the vertical axis.
  PaintArrow(painter, centre, scaleInner, radius - 1, 180);
  PaintArrow(painter, centre, scaleInner, radius - 1, 90);
  painter.restore();
}

}  // namespace velmora
