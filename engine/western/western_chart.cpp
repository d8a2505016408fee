#include "engine/western/western_chart.h"

#include <cmath>

#include "engine/astronomy/angles.h"
#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/ephemeris.h"
#include "engine/astronomy/precise_ephemeris.h"
#include "engine/astronomy/turns.h"

namespace velmora {
namespace {

// Half the interval of the central differences for the formulas' true node and the
// midheaven: a day, and a minute of time.
constexpr double kNodeStepDays = 0.5;
constexpr double kAngleStepDays = 1.0 / 1440;

double DifferenceSpeed(double before, double after, double intervalDays) {
  return std::remainder(after - before, 360.0) / intervalDays;
}

void Place(WesternChart& w, WesternPoint point, double longitudeDeg, double speedDegPerDay) {
  PointPlace& p = w.Points[static_cast<std::size_t>(point)];
  p.LongitudeDeg = turns::Normalised360(longitudeDeg);
  p.SpeedDegPerDay = speedDegPerDay;
  p.Retrograde = speedDegPerDay < 0;
  p.Sign = std::min(static_cast<int>(p.LongitudeDeg / 30), 11);
}

// Uranus, Neptune, Pluto and both nodes from the precise ephemerides.
void PlacePreciseOuterBodies(WesternChart& w, const ChartRecord& c, const OuterPlaces& outer) {
  for (int k = 0; k < kOuterBodies; ++k) {
    const auto i = static_cast<std::size_t>(k);
    Place(w, static_cast<WesternPoint>(static_cast<int>(WesternPoint::Uranus) + k),
          outer.LongitudesDeg[i], outer.SpeedsDegPerDay[i]);
  }
  Place(w, WesternPoint::MeanNode, outer.MeanNodeDeg, outer.MeanNodeSpeedDegPerDay);
  Place(w, WesternPoint::TrueNode, outer.TrueNodeDeg, outer.TrueNodeSpeedDegPerDay);
  w.ChartNode = c.Node == LunarNode::True ? WesternPoint::TrueNode : WesternPoint::MeanNode;
}

// The same from the formulas: element rows 6 to 8, the record's own mean node (Rahu as the
// program has always placed it) and the formulas' true node.
void PlaceFormulaOuterBodies(WesternChart& w, const ChartRecord& c) {
  const double d = PlanetDayNumber(c);
  for (int row = 6; row <= 8; ++row) {
    Place(w, static_cast<WesternPoint>(static_cast<int>(WesternPoint::Uranus) + row - 6),
          OrbitalPosition(row, d), FormulaSpeedDegPerDay(row, d));
  }
  Place(w, WesternPoint::MeanNode, c.Longitudes[7], c.SpeedsDegPerDay[7]);
  const double step = kNodeStepDays / 36525;
  Place(w, WesternPoint::TrueNode, FormulaTrueNodeLongitude(c.Centuries2000),
        DifferenceSpeed(FormulaTrueNodeLongitude(c.Centuries2000 - step),
                        FormulaTrueNodeLongitude(c.Centuries2000 + step), 2 * kNodeStepDays));
  w.ChartNode = WesternPoint::MeanNode;
}

void PlaceAngles(WesternChart& w, const ChartRecord& c, double ramcDeg, double obliquityDeg) {
  const double asc = w.Houses.AscendantDeg;
  const double mc = w.Houses.MidheavenDeg;
  const double step = kSiderealDegPerDay * kAngleStepDays * kDegToRad;
  const double ramc = ramcDeg * kDegToRad;
  const double obliquity = obliquityDeg * kDegToRad;
  const double mcSpeed = DifferenceSpeed(MidheavenOf(ramc - step, obliquity),
                                         MidheavenOf(ramc + step, obliquity), 2 * kAngleStepDays);
  const double ascSpeed = c.SpeedsDegPerDay[kAscendantRow];
  Place(w, WesternPoint::Ascendant, asc, ascSpeed);
  Place(w, WesternPoint::Descendant, asc + 180, ascSpeed);
  Place(w, WesternPoint::Midheaven, mc, mcSpeed);
  Place(w, WesternPoint::ImumCoeli, mc + 180, mcSpeed);
  // The angles are where the houses start, not bodies: they never station.
  for (WesternPoint angle : {WesternPoint::Ascendant, WesternPoint::Descendant,
                             WesternPoint::Midheaven, WesternPoint::ImumCoeli}) {
    w.Points[static_cast<std::size_t>(angle)].Retrograde = false;
  }
}

}  // namespace

WesternChart ComputeWesternChart(const ChartRecord& c, const WesternOptions& options,
                                 const OuterPlaces* outer) {
  WesternChart w;
  for (int body = 0; body <= static_cast<int>(WesternPoint::Saturn); ++body) {
    const auto row = static_cast<std::size_t>(body);
    Place(w, static_cast<WesternPoint>(body), c.Longitudes[row], c.SpeedsDegPerDay[row]);
  }
  if (c.Positions == PositionSource::Precise) {
    PlacePreciseOuterBodies(
        w, c,
        outer ? *outer : ComputeApparentPlaces(JulianDayUt(c), c.Node, BodySet::Western).Outer);
  } else {
    PlaceFormulaOuterBodies(w, c);
  }
  const PointPlace& node = w.At(w.ChartNode);
  Place(w, WesternPoint::SouthNode, node.LongitudeDeg + 180, node.SpeedDegPerDay);

  const double ramcDeg = turns::Normalised360(c.RamcRadians * kRadToDeg);
  const double obliquityDeg = c.ObliquityRadians * kRadToDeg;
  w.Houses = ComputeHouses(options.Houses, ramcDeg, obliquityDeg, c.Latitude);
  PlaceAngles(w, c, ramcDeg, obliquityDeg);
  for (PointPlace& p : w.Points) p.House = HouseOf(w.Houses, p.LongitudeDeg);

  w.AspectPoints = {WesternPoint::Sun,      WesternPoint::Moon,   WesternPoint::Mercury,
                    WesternPoint::Venus,    WesternPoint::Mars,   WesternPoint::Jupiter,
                    WesternPoint::Saturn,   WesternPoint::Uranus, WesternPoint::Neptune,
                    WesternPoint::Pluto,    w.ChartNode,          WesternPoint::Ascendant,
                    WesternPoint::Midheaven};
  std::array<AspectPoint, 13> points{};
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointPlace& p = w.At(w.AspectPoints[i]);
    points[i] = {p.LongitudeDeg, p.SpeedDegPerDay};
  }
  w.Aspects = FindAspects(points, options.Aspects);
  // The ascendant and the midheaven always stand near a square: that tells nothing.
  std::erase_if(w.Aspects, [](const Aspect& a) { return a.First == 11 && a.Second == 12; });
  return w;
}

}  // namespace velmora
