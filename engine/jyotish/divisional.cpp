#include "engine/jyotish/divisional.h"

#include <cmath>

namespace velmora {
namespace {

int PartsOf(Division division) {
  for (const auto& info : kDivisions)
    if (info.Division == division) return info.Parts;
  return 1;
}

}  // namespace

int DivisionalSign(Division division, double siderealLongitudeDeg) {
  double lon = std::fmod(siderealLongitudeDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  int sign = static_cast<int>(lon / 30.0);
  if (sign > 11) sign = 11;  // guards a value that rounds up to exactly 360
  const double inSign = lon - 30.0 * sign;
  const int parts = PartsOf(division);
  int part = static_cast<int>(inSign * parts / 30.0);
  if (part >= parts) part = parts - 1;
  // Sign 0 is Aries, an odd sign in the traditional one-based counting.
  const bool odd = sign % 2 == 0;
  switch (division) {
    case Division::D2:  // Sun's hora is Leo, Moon's is Cancer
      return (odd == (part == 0)) ? 4 : 3;
    case Division::D3:  // the sign itself, then the 5th and the 9th from it
      return (sign + 4 * part) % 12;
    case Division::D7:  // odd signs count from themselves, even ones from their 7th
      return (sign + (odd ? 0 : 6) + part) % 12;
    case Division::D9: {  // fire, earth, air, water start at Aries, Capricorn, Libra, Cancer
      static constexpr std::array<int, 4> kStart{0, 9, 6, 3};
      return (kStart[sign % 4] + part) % 12;
    }
    case Division::D10:  // odd signs count from themselves, even ones from their 9th
      return (sign + (odd ? 0 : 8) + part) % 12;
    case Division::D12:
      return (sign + part) % 12;
  }
  return sign;
}

std::array<int, kLongitudeRows> DivisionalSigns(Division division, const ChartRecord& sidereal) {
  std::array<int, kLongitudeRows> signs{};
  for (std::size_t row = 0; row < signs.size(); ++row)
    signs[row] = DivisionalSign(division, sidereal.Longitudes[row]);
  return signs;
}

void FillDivisionalCells(Division division, const ChartRecord& sidereal, CellTexts& cells) {
  const auto signs = DivisionalSigns(division, sidereal);
  for (std::string& cell : cells) cell.clear();
  cells[static_cast<std::size_t>(signs[kAscendantRow])] = "Asc";
  for (std::size_t body = 0; body < kAscendantRow; ++body) {
    std::string& cell = cells[static_cast<std::size_t>(signs[body])];
    if (!cell.empty()) cell += "\r\n";
    cell += sidereal.PlanetVedicNames[body];
  }
}

}  // namespace velmora
