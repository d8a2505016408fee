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

double MidheavenOf(double ramcRadians, double obliquityRadians) {
  // The midheaven lies in the same half of the circle as the meridian's sidereal angle.
  double mc = Atan2Quadrant(std::tan(ramcRadians), std::cos(obliquityRadians));
  if (mc < 0) mc += kPi;
  if (std::sin(ramcRadians) < 0) mc += kPi;
  return mc * kRadToDeg;
}

double AscendantOf(double ramcRadians, double obliquityRadians, double latitudeDeg) {
  const double latitude = latitudeDeg * kDegToRad;
  const double y = std::cos(ramcRadians);
  const double x = -std::sin(ramcRadians) * std::cos(obliquityRadians) -
                   std::sin(obliquityRadians) * std::tan(latitude);
  double asc = Atan2Quadrant(y, x);
  if (asc < 0) asc += kPi;
  if (std::cos(ramcRadians) < 0) asc += kPi;
  return turns::WhileAtLeast360Subtract(asc * kRadToDeg);
}

double AscendantSpeedDegPerDay(double ramcRadians, double obliquityRadians, double latitudeDeg) {
  // A minute of time either side: the ascendant can cover a sign in a few minutes.
  const double step = kSiderealDegPerDay / 1440 * kDegToRad;
  const double before = AscendantOf(ramcRadians - step, obliquityRadians, latitudeDeg);
  const double after = AscendantOf(ramcRadians + step, obliquityRadians, latitudeDeg);
  return std::remainder(after - before, 360.0) * 720;
}

void ComputeAngles(ChartRecord& c) {
  c.Midheaven = MidheavenOf(c.RamcRadians, c.ObliquityRadians);
  c.Ascendant = AscendantOf(c.RamcRadians, c.ObliquityRadians, c.Latitude);

  c.Ascendant += c.AyanamsaCorrection;
  c.Midheaven += c.AyanamsaCorrection;
  const double ascendant = NormalizeDegrees(c.Ascendant);
  FormatLongitudeTo(c.AscendantText, ascendant);
  c.Longitudes[kAscendantRow] = turns::Normalised360(ascendant);
  c.SpeedsDegPerDay[kAscendantRow] =
      AscendantSpeedDegPerDay(c.RamcRadians, c.ObliquityRadians, c.Latitude);
  FormatLongitudeTo(c.MidheavenText, NormalizeDegrees(c.Midheaven));
}

void SetApparentSiderealFrame(ChartRecord& c, const ApparentPlaces& places) {
  // Longitude is West positive: local sidereal time is Greenwich's less it.
  c.RamcRadians =
      turns::Normalised360(places.ApparentSiderealTimeRadians * kRadToDeg - c.Longitude) *
      kDegToRad;
  c.ObliquityRadians = places.TrueObliquityRadians;
}

}  // namespace velmora
