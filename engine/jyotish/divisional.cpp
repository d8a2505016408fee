#include "engine/jyotish/divisional.h"

#include <cmath>

namespace velmora {
namespace {

// The trimsamsa of Brihat Parashara Hora Shastra (ch. 6): five spans of unequal width, ruled
// by Mars, Saturn, Jupiter, Mercury and Venus in odd signs, and mirrored in even ones.
struct TrimsamsaSpan {
  double EndDeg;  // within the sign, exclusive
  int Sign;
};
constexpr std::array<TrimsamsaSpan, 5> kOddTrimsamsa{{
    {5, 0},    // Mars: Aries
    {10, 10},  // Saturn: Aquarius
    {18, 8},   // Jupiter: Sagittarius
    {25, 2},   // Mercury: Gemini
    {30, 6},   // Venus: Libra
}};
constexpr std::array<TrimsamsaSpan, 5> kEvenTrimsamsa{{
    {5, 1},    // Venus: Taurus
    {12, 5},   // Mercury: Virgo
    {20, 11},  // Jupiter: Pisces
    {25, 9},   // Saturn: Capricorn
    {30, 7},   // Mars: Scorpio
}};

int TrimsamsaSign(bool odd, double inSignDeg) {
  const auto& spans = odd ? kOddTrimsamsa : kEvenTrimsamsa;
  for (const TrimsamsaSpan& span : spans)
    if (inSignDeg < span.EndDeg) return span.Sign;
  return spans.back().Sign;
}

}  // namespace

const DivisionInfo& InfoOf(Division division) {
  for (const auto& info : kDivisions)
    if (info.Division == division) return info;
  return kDivisions.front();
}

int DivisionalSign(Division division, double siderealLongitudeDeg) {
  double lon = std::fmod(siderealLongitudeDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  int sign = static_cast<int>(lon / 30.0);
  if (sign > 11) sign = 11;  // guards a value that rounds up to exactly 360
  const double inSign = lon - 30.0 * sign;
  const int parts = InfoOf(division).Parts;
  int part = static_cast<int>(inSign * parts / 30.0);
  if (part >= parts) part = parts - 1;
  // Sign 0 is Aries, an odd sign in the traditional one-based counting.
  const bool odd = sign % 2 == 0;
  // Movable (Aries, Cancer ...), fixed (Taurus, Leo ...) and dual (Gemini, Virgo ...) signs.
  const int modality = sign % 3;
  switch (division) {
    case Division::D1:
      return sign;
    case Division::D2:  // Sun's hora is Leo, Moon's is Cancer
      return (odd == (part == 0)) ? 4 : 3;
    case Division::D3:  // the sign itself, then the 5th and the 9th from it
      return (sign + 4 * part) % 12;
    case Division::D4:  // the sign itself, then the 4th, 7th and 10th from it
      return (sign + 3 * part) % 12;
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
    case Division::D16:    // movable from Aries, fixed from Leo, dual from Sagittarius
    case Division::D45: {  // the same three starts
      static constexpr std::array<int, 3> kStart{0, 4, 8};
      return (kStart[static_cast<std::size_t>(modality)] + part) % 12;
    }
    case Division::D20: {  // movable from Aries, fixed from Sagittarius, dual from Leo
      static constexpr std::array<int, 3> kStart{0, 8, 4};
      return (kStart[static_cast<std::size_t>(modality)] + part) % 12;
    }
    case Division::D24:  // odd signs from Leo, even ones from Cancer
      return ((odd ? 4 : 3) + part) % 12;
    case Division::D27: {  // fire, earth, air, water start at Aries, Cancer, Libra, Capricorn
      static constexpr std::array<int, 4> kStart{0, 3, 6, 9};
      return (kStart[sign % 4] + part) % 12;
    }
    case Division::D30:
      return TrimsamsaSign(odd, inSign);
    case Division::D40:  // odd signs from Aries, even ones from Libra
      return ((odd ? 0 : 6) + part) % 12;
    case Division::D60:  // half degrees counted on from the sign itself
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
