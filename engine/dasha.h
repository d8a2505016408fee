#pragma once

// Vimshottari dasha as a pure function of the Moon's sidereal longitude. Periods are given
// in days from the moment of birth so the caller turns them into dates in the birth's own
// local calendar; the first mahadasha starts before birth by the part already elapsed.

#include <array>
#include <string_view>

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
};

struct DashaBalance {
  int LordIndex;
  double RemainingDays;
  int Years;  // whole years, months (of a twelfth year) and days left at birth
  int Months;
  int Days;
};

std::array<Mahadasha, 9> VimshottariDashas(double moonSiderealLongitudeDeg);
DashaBalance VimshottariBalance(double moonSiderealLongitudeDeg);

}  // namespace velmora
