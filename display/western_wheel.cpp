#include "western_wheel.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "ui/twips.h"

namespace velmora {
namespace {

constexpr const char* kSignFiles[12] = {
    "01_aries", "02_taurus",  "03_gemini",      "04_cancer",    "05_leo",      "06_virgo",
    "07_libra", "08_scorpio", "09_sagittarius", "10_capricorn", "11_aquarius", "12_pisces"};

// Indexed by WesternPoint, Sun to South Node.
constexpr const char* kBodyFiles[13] = {"sun",        "moon",       "mercury",   "venus",   "mars",
                                        "jupiter",    "saturn",     "uranus",    "neptune", "pluto",
                                        "north_node", "north_node", "south_node"};

// The rings, as fractions of the wheel's radius, from the rim inwards.
constexpr double kZodiacInner = 0.84;  // the zodiac ring lies between this and the rim
constexpr double kGlyphRing = 0.735;   // the planets' glyphs, their degrees inside them
constexpr double kNumberRing = 0.432;  // the house numbers
constexpr double kAspectRing = 0.395;  // the circle the aspect lines run across
constexpr double kSignGlyph = 0.10;    // glyph sizes
constexpr double kBodyGlyph = 0.092;
constexpr double kLabelText = 0.050;  // text heights
// The degree columns: about how far in they stand, and how much of the ring one takes.
constexpr double kLabelRing = 0.62;
constexpr double kLabelColumnSpan = 0.135;
constexpr double kNumberText = 0.046;
// Room left around the rim for the names of the four angles.
constexpr double kRimShare = 0.93;

const std::array<QColor, 12> kSegmentColours = {
    QColor(247, 201, 168), QColor(246, 221, 160), QColor(238, 236, 165), QColor(207, 232, 171),
    QColor(178, 223, 184), QColor(170, 222, 213), QColor(176, 210, 236), QColor(190, 196, 238),
    QColor(212, 190, 236), QColor(234, 187, 224), QColor(242, 183, 196), QColor(246, 190, 178)};
const QColor kInk(90, 40, 30);
const QColor kBodyInk(28, 40, 92);
const QColor kRing(255, 252, 240);
const QColor kCuspInk(120, 100, 80);

// The points that get a glyph on the ring.
constexpr WesternPoint kRingBodies[] = {
    WesternPoint::Sun,     WesternPoint::Moon,    WesternPoint::Mercury, WesternPoint::Venus,
    WesternPoint::Mars,    WesternPoint::Jupiter, WesternPoint::Saturn,  WesternPoint::Uranus,
    WesternPoint::Neptune, WesternPoint::Pluto};

struct AspectStyle {
  AspectKind Kind;
  QColor Colour;
  const char16_t* Symbol;
  bool Minor;
};
const std::array<AspectStyle, kAspectKinds> kAspectStyles = {{
    {AspectKind::Conjunction, QColor(150, 110, 0), u"\u260C", false},
    {AspectKind::Opposition, QColor(200, 30, 30), u"\u260D", false},
    {AspectKind::Trine, QColor(30, 90, 200), u"\u25B3", false},
    {AspectKind::Square, QColor(210, 50, 30), u"\u25A1", false},
    {AspectKind::Sextile, QColor(20, 140, 190), u"\u2736", false},
    {AspectKind::Quincunx, QColor(40, 140, 60), u"Qx", true},
    {AspectKind::SemiSextile, QColor(90, 160, 70), u"SSx", true},
    {AspectKind::SemiSquare, QColor(225, 120, 20), u"\u2220", true},
    {AspectKind::Sesquiquadrate, QColor(205, 110, 30), u"Ssq", true},
    {AspectKind::Quintile, QColor(130, 60, 170), u"Q", true},
}};

const AspectStyle& StyleOf(AspectKind kind) {
  return kAspectStyles[static_cast<std::size_t>(kind)];
}

double Forward(double fromDeg, double toDeg) {
  double d = std::fmod(toDeg - fromDeg, 360.0);
  return d < 0 ? d + 360 : d;
}

// Where on the wheel a longitude lies: degrees counter-clockwise from the right end of the
// horizontal axis, with the ascendant at the left end.
struct WheelFrame {
  QPointF Centre;
  double Radius;
  double AscendantDeg;

  double ScreenDeg(double longitudeDeg) const { return 180 + longitudeDeg - AscendantDeg; }
  QPointF At(double fraction, double longitudeDeg) const {
    const double a = qDegreesToRadians(ScreenDeg(longitudeDeg));
    return {Centre.x() + fraction * Radius * std::cos(a),
            Centre.y() - fraction * Radius * std::sin(a)};
  }
  QRectF Square(const QPointF& middle, double fraction) const {
    const double side = fraction * Radius;
    return {middle.x() - side / 2, middle.y() - side / 2, side, side};
  }
};

QFont TextOfHeight(double pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  return font;
}

void PaintZodiac(QPainter& p, const WheelFrame& f, const WheelGlyphs& glyphs) {
  const double r = f.Radius;
  const QRectF rim(f.Centre.x() - r, f.Centre.y() - r, 2 * r, 2 * r);
  p.setPen(QPen(kInk, r * 0.006));
  for (int s = 0; s < 12; ++s) {
    p.setBrush(kSegmentColours[static_cast<std::size_t>(s)]);
    p.drawPie(rim, static_cast<int>(std::lround(f.ScreenDeg(30.0 * s) * 16)), 30 * 16);
  }
  p.setBrush(kRing);
  p.drawEllipse(f.Centre, kZodiacInner * r, kZodiacInner * r);
  for (int s = 0; s < 12; ++s) {
    const QPointF middle = f.At((1 + kZodiacInner) / 2, 30.0 * s + 15);
    glyphs.Sign(s).render(&p, f.Square(middle, kSignGlyph));
  }
  // Degrees along the inside of the zodiac: every degree, longer every five and ten.
  p.setPen(QPen(kInk, r * 0.003));
  for (int degree = 0; degree < 360; ++degree) {
    const double length = degree % 10 == 0 ? 0.035 : degree % 5 == 0 ? 0.024 : 0.013;
    p.drawLine(f.At(kZodiacInner, degree), f.At(kZodiacInner - length, degree));
  }
}

void PaintHouses(QPainter& p, const WheelFrame& f, const WesternChart& chart) {
  const double r = f.Radius;
  const auto& cusps = chart.Houses.CuspsDeg;
  p.setPen(QPen(kCuspInk, r * 0.004));
  for (std::size_t k = 0; k < 12; ++k) {
    if (k % 3 == 0) continue;  // the angles are drawn as axes below
    p.drawLine(f.At(kAspectRing, cusps[k]), f.At(kZodiacInner, cusps[k]));
  }
  p.setFont(TextOfHeight(kNumberText * r));
  p.setPen(kCuspInk);
  for (std::size_t k = 0; k < 12; ++k) {
    const double from = cusps[k];
    double span = std::remainder(cusps[(k + 1) % 12] - from, 360.0);
    if (span == 0) span = 30;
    const QPointF middle = f.At(kNumberRing, from + span / 2);
    const QRectF box(middle.x() - r * 0.05, middle.y() - r * 0.03, r * 0.1, r * 0.06);
    p.drawText(box, Qt::AlignCenter, QString::number(k + 1));
  }
}

// The horizon and the meridian through the whole wheel, named at their ends.
void PaintAngles(QPainter& p, const WheelFrame& f, const WesternChart& chart) {
  const double r = f.Radius;
  struct Axis {
    WesternPoint Point;
    const char* Name;
  };
  const Axis axes[] = {{WesternPoint::Ascendant, "AC"},
                       {WesternPoint::Descendant, "DC"},
                       {WesternPoint::Midheaven, "MC"},
                       {WesternPoint::ImumCoeli, "IC"}};
  p.setFont(TextOfHeight(kLabelText * r, true));
  for (const Axis& axis : axes) {
    const double lambda = chart.At(axis.Point).LongitudeDeg;
    p.setPen(QPen(kInk, r * 0.009));
    p.drawLine(f.At(kAspectRing, lambda), f.At(1.0, lambda));
    const QPointF end = f.At(1.0 + (1 - kRimShare) * 0.55 / kRimShare, lambda);
    p.drawText(QRectF(end.x() - r * 0.06, end.y() - r * 0.035, r * 0.12, r * 0.07), Qt::AlignCenter,
               QString::fromUtf8(axis.Name));
  }
}

// The degree within the sign and the minutes, with the retrograde mark: on one line where
// the glyph stands at the left or right end of the horizontal axis, where a column would
// stand in the aspect lines' way, and else as a short column under the degree.
QStringList DegreeLines(const PointPlace& place, bool oneLine) {
  const int minutes = static_cast<int>(place.LongitudeDeg * 60) % (30 * 60);
  const QString degrees = QStringLiteral("%1\u00B0").arg(minutes / 60);
  QString rest = QStringLiteral("%1\u2032").arg(minutes % 60, 2, 10, QLatin1Char('0'));
  if (place.Retrograde) rest += QStringLiteral("\u211E");
  if (oneLine) return {degrees + rest};
  return {degrees, rest};
}

// Writes the lines as one upright block, centred on the ray at `angleDeg` and reaching out
// to `outerRadius`: every label reads the same way up, and each stays by its own glyph
// wherever the glyph had to be moved to.
void DrawAlongRadius(QPainter& p, const WheelFrame& f, double outerRadius, double angleDeg,
                     const QStringList& lines) {
  const double a = qDegreesToRadians(f.ScreenDeg(angleDeg));
  const QFontMetricsF metrics(p.font(), p.device());
  const double lineHeight = metrics.ascent() * 1.02;
  double width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const double height = lineHeight * static_cast<double>(lines.size());
  // How far the block reaches along the ray from its middle.
  const double extent = (width * std::fabs(std::cos(a)) + height * std::fabs(std::sin(a))) / 2;
  const double middleRadius = outerRadius - extent;
  QPointF middle(f.Centre.x() + middleRadius * std::cos(a),
                 f.Centre.y() - middleRadius * std::sin(a));
  // The horizon runs straight through the centre: a label beside it moves off the line, to
  // the side its body stands on.
  const double clear = height / 2 + f.Radius * 0.006;
  if (std::fabs(middle.y() - f.Centre.y()) < clear)
    middle.setY(f.Centre.y() + (std::sin(a) > 0 ? -clear : clear));
  double top = middle.y() - height / 2;
  for (const QString& line : lines) {
    p.drawText(QRectF(middle.x() - width, top - lineHeight / 2, 2 * width, 2 * lineHeight),
               Qt::AlignCenter, line);
    top += lineHeight;
  }
}

void PaintBodies(QPainter& p, const WheelFrame& f, const WesternChart& chart,
                 const WheelGlyphs& glyphs) {
  const double r = f.Radius;
  // Glyphs side by side need about their own width and a little room, and so do the degree
  // columns under them, nearer the centre, where a diagonal ray makes each take the most room.
  const double gapDeg =
      qRadiansToDegrees(std::max(kBodyGlyph * 1.25 / kGlyphRing, kLabelColumnSpan / kLabelRing));
  const auto marks = SpreadWheelMarks(chart, gapDeg);
  const QFont text = TextOfHeight(kLabelText * r);
  for (const WheelMark& m : marks) {
    const PointPlace& place = chart.At(m.Point);
    // The exact degree on the scale, and a thin line to the glyph where it had to move.
    p.setPen(QPen(kBodyInk, r * 0.007));
    p.drawLine(f.At(kZodiacInner - 0.035, m.LongitudeDeg),
               f.At(kZodiacInner - 0.055, m.LongitudeDeg));
    p.setPen(QPen(QColor(150, 150, 170), r * 0.003));
    p.drawLine(f.At(kZodiacInner - 0.055, m.LongitudeDeg),
               f.At(kGlyphRing + kBodyGlyph * 0.5, m.DrawnAtDeg));
    glyphs.Body(m.Point).render(&p, f.Square(f.At(kGlyphRing, m.DrawnAtDeg), kBodyGlyph));
    const double a = qDegreesToRadians(f.ScreenDeg(m.DrawnAtDeg));
    const bool sideways = std::fabs(std::cos(a)) > 0.92;
    // Below the glyph by its own half extent along the radius.
    const double glyphHalf = kBodyGlyph * r / 2 * (std::fabs(std::cos(a)) + std::fabs(std::sin(a)));
    p.setPen(place.Retrograde ? QColor(170, 30, 30) : kBodyInk);
    p.setFont(text);
    DrawAlongRadius(p, f, kGlyphRing * r - glyphHalf - r * 0.01, m.DrawnAtDeg,
                    DegreeLines(place, sideways));
  }
}

void PaintAspects(QPainter& p, const WheelFrame& f, const WesternChart& chart) {
  const double r = f.Radius;
  p.setPen(QPen(kCuspInk, r * 0.004));
  p.setBrush(Qt::white);
  p.drawEllipse(f.Centre, kAspectRing * r, kAspectRing * r);
  for (const Aspect& a : chart.Aspects) {
    if (a.Kind == AspectKind::Conjunction) continue;  // two ends in one place: no line
    const AspectStyle& style = StyleOf(a.Kind);
    QPen pen(style.Colour, r * (style.Minor ? 0.005 : 0.007));
    if (style.Minor) pen.setStyle(Qt::DashLine);
    // The wider the orb, the fainter the line: close aspects stand out.
    QColor colour = style.Colour;
    colour.setAlphaF(1.0 - 0.55 * a.OrbDeg / DefinitionOf(a.Kind).OrbDeg);
    pen.setColor(colour);
    p.setPen(pen);
    const double from =
        chart.At(chart.AspectPoints[static_cast<std::size_t>(a.First)]).LongitudeDeg;
    const double to = chart.At(chart.AspectPoints[static_cast<std::size_t>(a.Second)]).LongitudeDeg;
    p.drawLine(f.At(kAspectRing, from), f.At(kAspectRing, to));
  }
}

QByteArray InkedSvg(const QString& resource, const QColor& ink) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray svg = file.readAll();
  svg.replace("#000000", ink.name().toLatin1());
  return svg;
}

}  // namespace

WheelGlyphs::WheelGlyphs() {
  for (std::size_t s = 0; s < signs_.size(); ++s) {
    signs_[s] = std::make_unique<QSvgRenderer>(
        QStringLiteral(":/pictures/glyphs/%1.svg").arg(QLatin1String(kSignFiles[s])));
  }
  for (std::size_t b = 0; b < bodies_.size(); ++b) {
    bodies_[b] = std::make_unique<QSvgRenderer>(InkedSvg(
        QStringLiteral(":/pictures/planets/%1.svg").arg(QLatin1String(kBodyFiles[b])), kBodyInk));
  }
}

QSvgRenderer& WheelGlyphs::Body(WesternPoint point) const {
  const auto index = std::min(static_cast<std::size_t>(point), bodies_.size() - 1);
  return *bodies_[index];
}

QColor AspectColour(AspectKind kind) {
  return StyleOf(kind).Colour;
}

QString AspectSymbol(AspectKind kind) {
  return QString::fromUtf16(StyleOf(kind).Symbol);
}

std::vector<double> SpreadOnCircle(const std::vector<double>& longitudesDeg, double gapDeg) {
  const std::size_t n = longitudesDeg.size();
  if (n < 2) return longitudesDeg;
  gapDeg = std::min(gapDeg, 360.0 / static_cast<double>(n));
  // Cut the circle in its widest empty stretch, so that no crowd is split in two, and lay
  // the points out on a line from there.
  std::size_t first = 0;
  double widest = -1;
  for (std::size_t i = 0; i < n; ++i) {
    const double empty = Forward(longitudesDeg[(i + n - 1) % n], longitudesDeg[i]);
    if (empty > widest) {
      widest = empty;
      first = i;
    }
  }
  // Points too close form a crowd, drawn evenly `gapDeg` apart about the crowd's mean degree;
  // crowds that then run into each other become one, until none do. Nothing overtakes
  // anything, and a crowd moves only as far as it must.
  struct Crowd {
    std::size_t Begin, End;  // [Begin, End) of `line`
    double Sum;              // of the members' own degrees
  };
  const auto start = [gapDeg](const Crowd& c) {
    const auto count = static_cast<double>(c.End - c.Begin);
    return c.Sum / count - gapDeg * (count - 1) / 2;
  };
  const auto finish = [&](const Crowd& c) {
    return start(c) + gapDeg * static_cast<double>(c.End - c.Begin - 1);
  };
  std::vector<double> line(n);
  std::vector<Crowd> crowds;
  for (std::size_t cuts = 0;; ++cuts) {
    for (std::size_t k = 0; k < n; ++k) {
      line[k] =
          longitudesDeg[first] + Forward(longitudesDeg[first], longitudesDeg[(first + k) % n]);
    }
    crowds.clear();
    for (std::size_t k = 0; k < n; ++k) {
      crowds.push_back({k, k + 1, line[k]});
      while (crowds.size() > 1) {
        const Crowd last = crowds.back();
        Crowd& before = crowds[crowds.size() - 2];
        if (finish(before) + gapDeg <= start(last) + 1e-9) break;
        before.End = last.End;
        before.Sum += last.Sum;
        crowds.pop_back();
      }
    }
    // Around the back of the circle the last crowd may now reach the first. Cut again in
    // front of the last one, so that the two meet on the line; should every cut fail, the
    // points fill the circle and all of them are one crowd.
    if (crowds.size() < 2 || finish(crowds.back()) + gapDeg <= start(crowds.front()) + 360 + 1e-9)
      break;
    if (cuts == n) {
      crowds = {{0, n, std::accumulate(line.begin(), line.end(), 0.0)}};
      break;
    }
    first = (first + crowds.back().Begin) % n;
  }
  std::vector<double> drawn(n);
  for (const Crowd& c : crowds) {
    for (std::size_t k = c.Begin; k < c.End; ++k) {
      const double at = start(c) + gapDeg * static_cast<double>(k - c.Begin);
      drawn[(first + k) % n] = std::fmod(std::fmod(at, 360.0) + 360.0, 360.0);
    }
  }
  return drawn;
}

std::vector<WheelMark> SpreadWheelMarks(const WesternChart& chart, double gapDeg) {
  std::vector<WheelMark> marks;
  for (WesternPoint p : kRingBodies) {
    marks.push_back({p, chart.At(p).LongitudeDeg, chart.At(p).LongitudeDeg});
  }
  marks.push_back({chart.ChartNode, chart.At(chart.ChartNode).LongitudeDeg,
                   chart.At(chart.ChartNode).LongitudeDeg});
  const double south = chart.At(WesternPoint::SouthNode).LongitudeDeg;
  marks.push_back({WesternPoint::SouthNode, south, south});
  std::sort(marks.begin(), marks.end(),
            [](const WheelMark& a, const WheelMark& b) { return a.LongitudeDeg < b.LongitudeDeg; });
  std::vector<double> longitudes;
  for (const WheelMark& m : marks) longitudes.push_back(m.LongitudeDeg);
  const std::vector<double> drawn = SpreadOnCircle(longitudes, gapDeg);
  for (std::size_t i = 0; i < marks.size(); ++i) marks[i].DrawnAtDeg = drawn[i];
  return marks;
}

void PaintWesternWheel(QPainter& painter, const QRectF& box, const WesternChart& chart,
                       const WheelGlyphs& glyphs) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const WheelFrame frame{box.center(), kRimShare * std::min(box.width(), box.height()) / 2,
                         chart.At(WesternPoint::Ascendant).LongitudeDeg};
  PaintZodiac(painter, frame, glyphs);
  PaintAspects(painter, frame, chart);
  PaintHouses(painter, frame, chart);
  PaintAngles(painter, frame, chart);
  PaintBodies(painter, frame, chart, glyphs);
  painter.restore();
}

WesternWheelView::WesternWheelView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picWestern"));
  setAccessibleName(QStringLiteral("Western natal wheel, bodies at their degrees"));
  // The box of the classic wheel, in the same place.
  setFixedSize(TwipsSize(6750, 6465));
}

void WesternWheelView::SetChart(const WesternChart& chart) {
  chart_ = chart;
  update();
}

QSize WesternWheelView::sizeHint() const {
  return TwipsSize(6750, 6465);
}

void WesternWheelView::paintEvent(QPaintEvent*) {
  if (!chart_) return;
  QPainter painter(this);
  PaintWesternWheel(painter, QRectF(rect()), *chart_, glyphs_);
}

}  // namespace velmora
