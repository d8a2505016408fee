// Sunrise and sunset of one local date at one place.
#pragma once

#include <optional>

namespace velmora {

// The moments of one local date (midnight to midnight of the given offset) when the centre
// of the Sun's disc crosses the true horizon, without refraction: the sunrise of jyotisha.
struct SunRiseSet {
  // Hours after the local midnight that starts the date, 0 to 24; none when the Sun does not
  // rise (or set) on that date.
  std::optional<double> RiseLocalHours;
  std::optional<double> SetLocalHours;
  bool AboveAllDay = false;  // the midnight sun
  bool BelowAllDay = false;  // the polar night
};

// utcOffsetHours: the local clock's lead on universal time, east positive.
SunRiseSet SunRiseAndSet(int year, int month, int day, double utcOffsetHours,
                         double latitudeNorthDeg, double longitudeEastDeg);

// The Sun's mean equatorial place of date (degrees) at a Julian day, from the program's own
// solar formula: a few arc-seconds, a few seconds of time at the horizon.
struct EquatorialDeg {
  double RightAscension;  // 0..360
  double Declination;
};
EquatorialDeg SunEquatorialOfDate(double julianDay);

}  // namespace velmora
