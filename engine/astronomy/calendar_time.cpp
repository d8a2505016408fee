#include "engine/astronomy/calendar_time.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/astronomy/turns.h"

namespace velmora {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Which way the zone offset runs: towards universal time it is subtracted east of
// Greenwich and added west of it.
bool ZoneIsEast(const ChartRecord& chart) {
  switch (chart.ZoneSide) {
    case ZoneDirection::East:
      return true;
    case ZoneDirection::West:
      return false;
    case ZoneDirection::FromLongitude:
      break;
  }
  return chart.Longitude < 0;
}

}  // namespace

void PrepareBirthMoment(ChartRecord& c) {
  c.Longitude = c.LongitudeDegrees + c.LongitudeMinutes / 60.0;
  if (c.IsEastLongitude) c.Longitude = -c.Longitude;
  c.Latitude = c.LatitudeDegrees + c.LatitudeMinutes / 60.0;
  if (c.IsSouthLatitude) c.Latitude = -c.Latitude;

  bool east = ZoneIsEast(c);
  if (!c.TimeZoneName.empty()) {
    // The tz database's offset already holds whatever summer time was in force.
    east = c.UtcOffsetSeconds > 0;
    c.ZoneOffsetHours = std::abs(c.UtcOffsetSeconds) / 3600.0;
  } else {
    c.ZoneOffsetHours = c.ZoneHours + c.ZoneMinutes / 60.0;
    // Daylight saving moves the clock one hour further from Greenwich on either side.
    if (c.IsDaylightSaving) c.ZoneOffsetHours += east ? 1 : -1;
  }

  c.LocalTimeHours = c.BirthHour + c.BirthMinute / 60.0;
  c.UniversalTimeHours =
      east ? c.LocalTimeHours - c.ZoneOffsetHours : c.LocalTimeHours + c.ZoneOffsetHours;

  c.JulianDayNumber = JulianDayNumberOf(c.BirthMonth, c.BirthDay, c.BirthYear);
  // The day number counts from noon, hence the half day.
  c.Centuries1900 = (c.JulianDayNumber - 2415020 + c.UniversalTimeHours / 24 - 0.5) / 36525;
  c.Centuries2000 = (c.JulianDayNumber - 2451545 + c.UniversalTimeHours / 24 - 0.5) / 36525;

  const double t = c.Centuries1900;
  // Longitude is West positive, so this is Greenwich sidereal time plus east longitude. A
  // negative angle is left as it is: only its sine, cosine and tangent are used.
  double ramc =
      15 * (c.UniversalTimeHours + 6.6460656 + 2400.0513 * t + 0.0000258 * (t * t)) - c.Longitude;
  ramc = turns::WhileAtLeast360Subtract(ramc);
  c.RamcRadians = ramc * kDegToRad;

  const double obliquity = 23.452294 - 0.0130125 * t;
  c.ObliquityRadians = obliquity * kDegToRad;
}

int UtcOffsetMinutesOf(const ChartRecord& c) {
  if (!c.TimeZoneName.empty()) return static_cast<int>(std::lround(c.UtcOffsetSeconds / 60.0));
  const int minutes = static_cast<int>(std::lround(c.ZoneOffsetHours * 60));
  return ZoneIsEast(c) ? minutes : -minutes;
}

double JulianDayUt(const ChartRecord& c) {
  // The whole day number belongs to the civil date's noon.
  return c.JulianDayNumber - 0.5 + c.UniversalTimeHours / 24;
}

double JulianDayNumberOf(int month, int day, int year) {
  // Months counted from March of year -4800, so leap days fall at the end of each year.
  const std::int64_t c = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
  const std::int64_t cMod12 = c - 12 * FloorDiv(c, 12);
  std::int64_t j = day + FloorDiv(365 * c + 2 * cMod12 + 7, 12) + FloorDiv(c, 48) - 32083;
  if (j > 2299171) j = j + FloorDiv(c, 4800) - FloorDiv(c, 1200) + 38;
  return static_cast<double>(j);
}

double DayNumber2000(int year, int month, int day, double hours) {
  const std::int64_t y = year;
  const std::int64_t m = month;
  const std::int64_t whole =
      367 * y - FloorDiv(7 * (y + FloorDiv(m + 9, 12)), 4) + FloorDiv(275 * m, 9) + day;
  return static_cast<double>(whole) - 730531.5 + hours / 24;
}

double PlanetDayNumber(const ChartRecord& c) {
  double d = DayNumber2000(c.BirthYear, c.BirthMonth, c.BirthDay, c.UniversalTimeHours);
  const bool beforeMarch1900 = c.BirthYear < 1900 || (c.BirthYear == 1900 && c.BirthMonth < 3);
  if (beforeMarch1900) d += 1;
  return d;
}

}  // namespace velmora
