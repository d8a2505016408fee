#include "engine/dasha.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kNakshatraDeg = 360.0 / 27.0;

struct Start {
  int LordIndex;
  double ElapsedFraction;  // of the first mahadasha, already run at birth
};

Start StartAt(double moonLongitudeDeg) {
  double lon = std::fmod(moonLongitudeDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  int nakshatra = static_cast<int>(lon / kNakshatraDeg);
  if (nakshatra > 26) nakshatra = 26;
  double fraction = (lon - nakshatra * kNakshatraDeg) / kNakshatraDeg;
  if (fraction < 0.0) fraction = 0.0;
  if (fraction > 1.0) fraction = 1.0;
  return {nakshatra % 9, fraction};
}

double DaysOf(int LordIndex) {
  return kDashaLords[LordIndex].Years * kDashaDaysPerYear;
}

}  // namespace

std::array<Mahadasha, 9> VimshottariDashas(double moonSiderealLongitudeDeg) {
  const Start start = StartAt(moonSiderealLongitudeDeg);
  std::array<Mahadasha, 9> result{};
  double at = -start.ElapsedFraction * DaysOf(start.LordIndex);
  for (int i = 0; i < 9; ++i) {
    const int lord = (start.LordIndex + i) % 9;
    const double length = DaysOf(lord);
    Mahadasha& m = result[i];
    m.Period = {lord, at, at + length};
    // Each sub-period takes the mahadasha's share in proportion to its lord's 120-year part.
    double sub = at;
    for (int j = 0; j < 9; ++j) {
      const int subLord = (lord + j) % 9;
      const double subLength = length * kDashaLords[subLord].Years / 120.0;
      m.Antardashas[j] = {subLord, sub, sub + subLength};
      sub += subLength;
    }
    m.Antardashas[8].EndDaysFromBirth = at + length;
    at += length;
  }
  return result;
}

DashaBalance VimshottariBalance(double moonSiderealLongitudeDeg) {
  const Start start = StartAt(moonSiderealLongitudeDeg);
  const double remaining = (1.0 - start.ElapsedFraction) * DaysOf(start.LordIndex);
  const double years = remaining / kDashaDaysPerYear;
  // A hair of slack so a balance of exactly 3.5 years reads 3 years 6 months, not 5 months
  // and 30.4 days, when the nakshatra's width does not divide evenly in binary.
  constexpr double kSlack = 1e-9;
  const int wholeYears = static_cast<int>(std::floor(years + kSlack));
  const double monthsLeft = (years - wholeYears) * 12.0;
  const int wholeMonths = std::max(0, static_cast<int>(std::floor(monthsLeft + kSlack)));
  const int days = static_cast<int>((monthsLeft - wholeMonths) * kDashaDaysPerYear / 12.0);
  return {start.LordIndex, remaining, wholeYears, wholeMonths, days};
}

}  // namespace velmora
