#include "engine/astronomy/rise_set.h"

#include <libnova/rise_set.h>

#include <cmath>

#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/ephemeris.h"
#include "engine/chart_record.h"

namespace velmora {
namespace {

constexpr double kJ2000 = 2451545.0;
// The centre of the disc on the true horizon: no allowance for refraction or the Sun's
// radius, as the jyotisha sunrise is reckoned.
constexpr double kDiscCentreHorizonDeg = 0.0;

// libnova's rise and set search takes a plain function of the Julian day. Its own solar
// place costs several hundred microseconds a call and is of J2000; ours is of date and cheap.
void SunForLibnova(double julianDay, ln_equ_posn* place) {
  const EquatorialDeg sun = SunEquatorialOfDate(julianDay);
  place->ra = sun.RightAscension;
  place->dec = sun.Declination;
}

}  // namespace

EquatorialDeg SunEquatorialOfDate(double julianDay) {
  const double d = julianDay - kJ2000;
  const double t = d / 36525;
  // The orbital elements give the J2000 ecliptic; general precession in longitude (Lieske's
  // 5029.0966" a century) and the mean obliquity of date (IAU 1976, first terms) bring the
  // Sun to the equinox of date. Its ecliptic latitude stays below an arc-second.
  const double longitudeRadians = (OrbitalPosition(2, d) + 1.396971 * t) * kDegToRad;
  const double obliquityRadians = (23.439291 - 0.0130042 * t) * kDegToRad;
  double raRadians = std::atan2(std::cos(obliquityRadians) * std::sin(longitudeRadians),
                                std::cos(longitudeRadians));
  if (raRadians < 0) raRadians += kTwoPi;
  return {raRadians * kRadToDeg,
          std::asin(std::sin(obliquityRadians) * std::sin(longitudeRadians)) * kRadToDeg};
}

SunRiseSet SunRiseAndSet(int year, int month, int day, double utcOffsetHours,
                         double latitudeNorthDeg, double longitudeEastDeg) {
  // The local midnight that starts the date, in universal time; the search gives the first
  // rising and setting after the moment it is handed.
  const double midnight = JulianDayNumberOf(month, day, year) - 0.5 - utcOffsetHours / 24.0;
  ln_lnlat_posn observer{longitudeEastDeg, latitudeNorthDeg};
  ln_rst_time times{};
  SunRiseSet result;
  const int kind =
      ln_get_body_rst_horizon(midnight, &observer, SunForLibnova, kDiscCentreHorizonDeg, &times);
  if (kind == 1) {
    result.AboveAllDay = true;
    return result;
  }
  if (kind == -1) {
    result.BelowAllDay = true;
    return result;
  }
  auto onTheDate = [midnight](double julianDay) -> std::optional<double> {
    const double hours = (julianDay - midnight) * 24.0;
    if (hours < 0 || hours >= 24) return std::nullopt;
    return hours;
  };
  result.RiseLocalHours = onTheDate(times.rise);
  result.SetLocalHours = onTheDate(times.set);
  return result;
}

}  // namespace velmora
