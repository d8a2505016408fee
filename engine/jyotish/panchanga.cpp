#include "engine/jyotish/panchanga.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "engine/astronomy/calendar_time.h"

namespace velmora {
namespace {

constexpr double kTithiDeg = 12.0;              // of the Moon's lead on the Sun
constexpr double kKaranaDeg = 6.0;              // half a tithi
constexpr double kNakshatraDeg = 360.0 / 27.0;  // 13 degrees 20 minutes, also a yoga
constexpr double kPadaDeg = kNakshatraDeg / 4.0;

// The seven movable karanas repeat eight times from the second half of the first tithi; the
// four fixed ones take the halves left at the new moon.
constexpr std::array<std::string_view, 7> kMovableKaranas{"Bava", "Balava", "Kaulava", "Taitila",
                                                          "Gara", "Vanija", "Vishti"};
constexpr std::string_view kFirstKarana = "Kimstughna";
constexpr std::array<std::string_view, 3> kLastKaranas{"Shakuni", "Chatushpada", "Naga"};

double Normalised(double deg) {
  double lon = std::fmod(deg, 360.0);
  if (lon < 0) lon += 360.0;
  return lon >= 360.0 ? 0.0 : lon;
}

// The index of the span of `widthDeg` that an angle in 0..360 falls in, at most count - 1.
int SpanOf(double deg, double widthDeg, int count) {
  const int span = static_cast<int>(Normalised(deg) / widthDeg);
  return span < count ? span : count - 1;
}

// 0 Sunday .. 6 Saturday.
int WeekdayOf(std::chrono::sys_days day) {
  return static_cast<int>(std::chrono::weekday(day).c_encoding());
}

}  // namespace

int TithiOf(double sunLongitudeDeg, double moonLongitudeDeg) {
  return SpanOf(moonLongitudeDeg - sunLongitudeDeg, kTithiDeg, 30) + 1;
}

int YogaOf(double sunSiderealDeg, double moonSiderealDeg) {
  return SpanOf(sunSiderealDeg + moonSiderealDeg, kNakshatraDeg, 27);
}

int KaranaOf(double sunLongitudeDeg, double moonLongitudeDeg) {
  return SpanOf(moonLongitudeDeg - sunLongitudeDeg, kKaranaDeg, 60);
}

std::string_view TithiNameOf(int tithi) {
  if (tithi == 30) return "Amavasya";
  if (tithi < 1 || tithi > 30) return {};
  return kTithiNames[static_cast<std::size_t>((tithi - 1) % 15)];
}

std::string ClockText(double localHours) {
  const auto seconds = static_cast<long>(std::floor(localHours * 3600.0 + 1e-7));
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600 % 24, seconds / 60 % 60,
                seconds % 60);
  return text;
}

std::string_view KaranaNameOf(int karana) {
  if (karana <= 0) return kFirstKarana;
  if (karana >= 57) return kLastKaranas[static_cast<std::size_t>(std::min(karana, 59) - 57)];
  return kMovableKaranas[static_cast<std::size_t>((karana - 1) % 7)];
}

double SunOnTheMoonsEquinoxDeg(const ChartRecord& c) {
  // The formulas place the Sun on the ecliptic of J2000 but the Moon on that of the birth
  // date; general precession (Lieske's 5029.0966" a century) brings the Sun to the Moon's
  // equinox before the two are compared, or a birth of 1900 would read the Moon's lead on
  // the Sun 1.4 degrees short. The precise positions are all of date.
  constexpr double kPrecessionDegPerCentury = 1.396971;
  const double sun = c.Longitudes[0];
  if (c.Positions != PositionSource::Formula) return sun;
  return sun + kPrecessionDegPerCentury * c.Centuries2000;
}

Panchanga ComputePanchanga(const ChartRecord& c) {
  Panchanga p;
  const double sun = SunOnTheMoonsEquinoxDeg(c);
  const double moon = c.Longitudes[kMoonRow];
  p.Tithi = TithiOf(sun, moon);
  p.TithiName = TithiNameOf(p.Tithi);
  p.Paksha = p.Tithi <= 15 ? "Shukla" : "Krishna";
  p.Nakshatra = SpanOf(moon, kNakshatraDeg, 27);
  p.Pada = SpanOf(moon - p.Nakshatra * kNakshatraDeg, kPadaDeg, 4) + 1;
  p.Yoga = YogaOf(sun, moon);
  p.Karana = KaranaOf(sun, moon);
  p.KaranaName = KaranaNameOf(p.Karana);

  // The local date and clock time; hour 24 is the next morning's midnight.
  using namespace std::chrono;
  const int clockMinutes = c.BirthHour * 60 + c.BirthMinute;
  const sys_days date = sys_days{year{c.BirthYear} / month{static_cast<unsigned>(c.BirthMonth)} /
                                 day{static_cast<unsigned>(c.BirthDay)}} +
                        days{clockMinutes / 1440};
  const double localHours = (clockMinutes % 1440) / 60.0;
  const year_month_day ymd{date};
  p.CivilWeekday = WeekdayOf(date);
  p.Sun = SunRiseAndSet(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                        static_cast<int>(unsigned(ymd.day())), UtcOffsetMinutesOf(c) / 60.0,
                        c.Latitude, c.Longitude == 0 ? 0.0 : -c.Longitude);
  // Without a sunrise that day (polar night or day) the civil day stands.
  p.BeforeSunrise = p.Sun.RiseLocalHours && localHours < *p.Sun.RiseLocalHours;
  p.Vara = p.BeforeSunrise ? (p.CivilWeekday + 6) % 7 : p.CivilWeekday;
  return p;
}

}  // namespace velmora
