#include "engine/jyotish/dasha.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

constexpr double kArcMinutesPerNakshatra = 800.0;

struct Start {
  int LordIndex;
  double ElapsedFraction;  // of the first mahadasha, already run at birth
};

Start StartAt(double moonLongitudeDeg) {
  double lon = std::fmod(moonLongitudeDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  // Counted in arc-minutes exactly as the nakshatra shown beside the chart is, so the first
  // lord is always the lord of that nakshatra, also at its very edge.
  const double minutes = 60.0 * lon;
  int nakshatra = static_cast<int>(std::floor(minutes / kArcMinutesPerNakshatra));
  if (nakshatra > 26) nakshatra = 26;
  double fraction = (minutes - nakshatra * kArcMinutesPerNakshatra) / kArcMinutesPerNakshatra;
  if (fraction < 0.0) fraction = 0.0;
  if (fraction > 1.0) fraction = 1.0;
  return {nakshatra % 9, fraction};
}

double DaysOf(int LordIndex) {
  return kDashaLords[static_cast<std::size_t>(LordIndex)].Years * kDashaDaysPerYear;
}

std::chrono::sys_days BirthDay(const ChartRecord& c) {
  using namespace std::chrono;
  return sys_days{year{c.BirthYear} / month{static_cast<unsigned>(c.BirthMonth)} /
                  day{static_cast<unsigned>(c.BirthDay)}};
}

// The clock time of birth as a part of its day; hour 24 runs into the next one.
double BirthClockDays(const ChartRecord& c) {
  return (c.BirthHour * 60 + c.BirthMinute) / 1440.0;
}

// Each sub-period takes the period's share in proportion to its lord's 120-year part, the
// period's own lord first; the last one ends exactly where the period does.
void SubdividePeriod(const DashaPeriod& period, double length, std::array<DashaPeriod, 9>& subs) {
  double sub = period.StartDaysFromBirth;
  for (int j = 0; j < 9; ++j) {
    const int subLord = (period.LordIndex + j) % 9;
    const double subLength = length * kDashaLords[static_cast<std::size_t>(subLord)].Years / 120.0;
    subs[static_cast<std::size_t>(j)] = {subLord, sub, sub + subLength};
    sub += subLength;
  }
  subs[8].EndDaysFromBirth = period.EndDaysFromBirth;
}

// The sub-period that holds the day; the last one when rounding leaves it past their ends.
std::size_t RunningIn(const std::array<DashaPeriod, 9>& subs, double daysFromBirth) {
  for (std::size_t j = 0; j < subs.size(); ++j)
    if (daysFromBirth < subs[j].EndDaysFromBirth) return j;
  return subs.size() - 1;
}

}  // namespace

std::array<Mahadasha, 9> VimshottariDashas(double moonSiderealLongitudeDeg) {
  const Start start = StartAt(moonSiderealLongitudeDeg);
  std::array<Mahadasha, 9> result{};
  double at = -start.ElapsedFraction * DaysOf(start.LordIndex);
  for (int i = 0; i < 9; ++i) {
    const int lord = (start.LordIndex + i) % 9;
    const double length = DaysOf(lord);
    Mahadasha& m = result[static_cast<std::size_t>(i)];
    m.Period = {lord, at, at + length};
    SubdividePeriod(m.Period, length, m.Antardashas);
    for (std::size_t j = 0; j < 9; ++j) {
      const DashaPeriod& a = m.Antardashas[j];
      SubdividePeriod(a, a.EndDaysFromBirth - a.StartDaysFromBirth, m.Pratyantardashas[j]);
    }
    at += length;
  }
  return result;
}

YearsMonthsDays SplitDashaDays(double days) {
  const double years = days / kDashaDaysPerYear;
  // A hair of slack so a balance of exactly 3.5 years reads 3 years 6 months, not 5 months
  // and 30.4 days, when the nakshatra's width does not divide evenly in binary.
  constexpr double kSlack = 1e-9;
  const int wholeYears = std::max(0, static_cast<int>(std::floor(years + kSlack)));
  const double monthsLeft = (years - wholeYears) * 12.0;
  const int wholeMonths = std::max(0, static_cast<int>(std::floor(monthsLeft + kSlack)));
  const int wholeDays =
      std::max(0, static_cast<int>((monthsLeft - wholeMonths) * kDashaDaysPerYear / 12.0));
  return {wholeYears, wholeMonths, wholeDays};
}

DashaBalance VimshottariBalance(double moonSiderealLongitudeDeg) {
  const Start start = StartAt(moonSiderealLongitudeDeg);
  const double remaining = (1.0 - start.ElapsedFraction) * DaysOf(start.LordIndex);
  const YearsMonthsDays left = SplitDashaDays(remaining);
  return {start.LordIndex, remaining, left.Years, left.Months, left.Days};
}

std::array<Mahadasha, 9> VimshottariDashas(const ChartRecord& sidereal) {
  return VimshottariDashas(sidereal.Longitudes[kMoonRow]);
}

DashaBalance VimshottariBalance(const ChartRecord& sidereal) {
  return VimshottariBalance(sidereal.Longitudes[kMoonRow]);
}

std::optional<RunningDasha> RunningDashaAt(const std::array<Mahadasha, 9>& dashas,
                                           double daysFromBirth) {
  // Periods include their start and exclude their end, so a boundary belongs to the one
  // that begins there.
  for (std::size_t i = 0; i < dashas.size(); ++i) {
    const DashaPeriod& p = dashas[i].Period;
    if (daysFromBirth < p.StartDaysFromBirth || daysFromBirth >= p.EndDaysFromBirth) continue;
    const std::size_t j = RunningIn(dashas[i].Antardashas, daysFromBirth);
    return RunningDasha{i, j, RunningIn(dashas[i].Pratyantardashas[j], daysFromBirth)};
  }
  return std::nullopt;
}

CivilDate DateFromBirth(const ChartRecord& c, double daysFromBirth) {
  using namespace std::chrono;
  const double sinceMidnight = BirthClockDays(c) + daysFromBirth;
  const auto whole = static_cast<int>(std::floor(sinceMidnight));
  const year_month_day date{BirthDay(c) + days{whole}};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

double DaysFromBirthTo(const ChartRecord& c, CivilDate date, double localHours) {
  using namespace std::chrono;
  const sys_days then{year{date.Year} / month{static_cast<unsigned>(date.Month)} /
                      day{static_cast<unsigned>(date.Day)}};
  return static_cast<double>((then - BirthDay(c)).count()) + localHours / 24.0 - BirthClockDays(c);
}

std::string IsoDate(CivilDate date) {
  char text[40];  // room for any int, so the compiler sees no truncation
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return text;
}

}  // namespace velmora
