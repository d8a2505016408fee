#include "engine/astronomy/angles.h"

#include <cmath>

#include "engine/astronomy/turns.h"
#include "engine/jyotish/zodiac.h"

namespace velmora {

double NormalizeDegrees(double x) {
  if (x < 0) x += 360;
  if (x > 360) x -= 360;
  return x;
}

double Atan2Quadrant(double y, double x) {
  if (x > 0) return std::atan(y / x);
  if (x == 0) {
    if (y > 0) return kPi / 2;
    if (y < 0) return -kPi / 2;
    return 0;
  }
  const double a = kPi - std::atan(std::fabs(y / x));
  return y >= 0 ? a : -a;
}

void ComputeAngles(ChartRecord& c) {
  const double ramc = c.RamcRadians;
  const double obliquity = c.ObliquityRadians;
  const double latitude = c.Latitude * kDegToRad;

  // The midheaven lies in the same half of the circle as the meridian's sidereal angle.
  double mc = Atan2Quadrant(std::tan(ramc), std::cos(obliquity));
  if (mc < 0) mc += kPi;
  if (std::sin(ramc) < 0) mc += kPi;
  c.Midheaven = mc * kRadToDeg;

  const double y = std::cos(ramc);
  const double x = -std::sin(ramc) * std::cos(obliquity) - std::sin(obliquity) * std::tan(latitude);
  double asc = Atan2Quadrant(y, x);
  if (asc < 0) asc += kPi;
  if (std::cos(ramc) < 0) asc += kPi;
  c.Ascendant = turns::WhileAtLeast360Subtract(asc * kRadToDeg);

  c.Ascendant += c.AyanamsaCorrection;
  c.Midheaven += c.AyanamsaCorrection;
  const double ascendant = NormalizeDegrees(c.Ascendant);
  FormatLongitudeTo(c.AscendantText, ascendant);
  c.Longitudes[kAscendantRow] = turns::Normalised360(ascendant);
  FormatLongitudeTo(c.MidheavenText, NormalizeDegrees(c.Midheaven));
}

}  // namespace velmora
