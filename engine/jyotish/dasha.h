#pragma once

// Vimshottari dasha as a pure function of the Moon's sidereal longitude. Periods are given
// in days from the moment of birth so the caller turns them into dates in the birth's own
// local calendar; the first mahadasha starts before birth by the part already elapsed.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

inline constexpr double kDashaDaysPerYear = 365.25;

struct DashaLord {
  std::string_view Name;
  int Years;
};

// The order the periods run in, each lord ruling three nakshatras in turn from Ashwini.
inline constexpr std::array<DashaLord, 9> kDashaLords{{
    {"Ketu", 7},
    {"Venus", 20},
    {"Sun", 6},
    {"Moon", 10},
    {"Mars", 7},
    {"Rahu", 18},
    {"Jupiter", 16},
    {"Saturn", 19},
    {"Mercury", 17},
}};

struct DashaPeriod {
  int LordIndex;  // into kDashaLords
  double StartDaysFromBirth;
  double EndDaysFromBirth;
};

struct Mahadasha {
  DashaPeriod Period;
  std::array<DashaPeriod, 9> Antardashas;
  // The third level: Pratyantardashas[j] are the nine periods of Antardashas[j], from its
  // own lord on, each its share of the antardasha as the antardasha is of the mahadasha.
  std::array<std::array<DashaPeriod, 9>, 9> Pratyantardashas;
};

struct DashaBalance {
  int LordIndex;
  double RemainingDays;
  int Years;  // whole years, months (of a twelfth year) and days left at birth
  int Months;
  int Days;
};

// A span of days read as whole years of 365.25 days, whole months of a twelfth year and
// whole days, the way a balance is told.
struct YearsMonthsDays {
  int Years;
  int Months;
  int Days;
};
YearsMonthsDays SplitDashaDays(double days);

std::array<Mahadasha, 9> VimshottariDashas(double moonSiderealLongitudeDeg);
DashaBalance VimshottariBalance(double moonSiderealLongitudeDeg);

// The same from a sidereal chart record's Moon, so every reader of one chart sees one dasha.
std::array<Mahadasha, 9> VimshottariDashas(const ChartRecord& sidereal);
DashaBalance VimshottariBalance(const ChartRecord& sidereal);

// The mahadasha, antardasha and pratyantardasha (indexes into the array, its Antardashas and
// the matching row of Pratyantardashas) running the given number of days after birth; none
// before birth or after the 120 years.
struct RunningDasha {
  std::size_t Mahadasha;
  std::size_t Antardasha;
  std::size_t Pratyantardasha = 0;
};
std::optional<RunningDasha> RunningDashaAt(const std::array<Mahadasha, 9>& dashas,
                                           double daysFromBirth);

// A proleptic Gregorian date of the local calendar.
struct CivilDate {
  int Year;
  int Month;  // 1..12
  int Day;
};

// The local date reached `daysFromBirth` days after the record's local date and clock time
// of birth, and back: the days from that moment to a local date and time.
CivilDate DateFromBirth(const ChartRecord& chart, double daysFromBirth);
double DaysFromBirthTo(const ChartRecord& chart, CivilDate date, double localHours);

// "YYYY-MM-DD".
std::string IsoDate(CivilDate date);

}  // namespace velmora
