#include "engine/dasha.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kNakshatraDeg = 360.0 / 27.0;

struct Start {
  int lordIndex;
  double elapsedFraction;  // of the first mahadasha, already run at birth
};

Start startAt(double moonLongitudeDeg) {
  double lon = std::fmod(moonLongitudeDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  int nakshatra = static_cast<int>(lon / kNakshatraDeg);
  if (nakshatra > 26) nakshatra = 26;
  double fraction = (lon - nakshatra * kNakshatraDeg) / kNakshatraDeg;
  if (fraction < 0.0) fraction = 0.0;
  if (fraction > 1.0) fraction = 1.0;
  return {nakshatra % 9, fraction};
}

double daysOf(int lordIndex) {
  return kDashaLords[lordIndex].years * kDashaDaysPerYear;
}

}  // namespace

std::array<Mahadasha, 9> vimshottariDashas(double moonSiderealLongitudeDeg) {
  const Start start = startAt(moonSiderealLongitudeDeg);
  std::array<Mahadasha, 9> result{};
  double at = -start.elapsedFraction * daysOf(start.lordIndex);
  for (int i = 0; i < 9; ++i) {
    const int lord = (start.lordIndex + i) % 9;
    const double length = daysOf(lord);
    Mahadasha& m = result[i];
    m.period = {lord, at, at + length};
    // Each sub-period takes the mahadasha's share in proportion to its lord's 120-year part.
    double sub = at;
    for (int j = 0; j < 9; ++j) {
      const int subLord = (lord + j) % 9;
      const double subLength = length * kDashaLords[subLord].years / 120.0;
      m.antardashas[j] = {subLord, sub, sub + subLength};
      sub += subLength;
    }
    m.antardashas[8].endDaysFromBirth = at + length;
    at += length;
  }
  return result;
}

DashaBalance vimshottariBalance(double moonSiderealLongitudeDeg) {
  const Start start = startAt(moonSiderealLongitudeDeg);
  const double remaining = (1.0 - start.elapsedFraction) * daysOf(start.lordIndex);
  const double years = remaining / kDashaDaysPerYear;
  // A hair of slack so a balance of exactly 3.5 years reads 3 years 6 months, not 5 months
  // and 30.4 days, when the nakshatra's width does not divide evenly in binary.
  constexpr double kSlack = 1e-9;
  const int wholeYears = static_cast<int>(std::floor(years + kSlack));
  const double monthsLeft = (years - wholeYears) * 12.0;
  const int wholeMonths = std::max(0, static_cast<int>(std::floor(monthsLeft + kSlack)));
  const int days = static_cast<int>((monthsLeft - wholeMonths) * kDashaDaysPerYear / 12.0);
  return {start.lordIndex, remaining, wholeYears, wholeMonths, days};
}

}  // namespace velmora
