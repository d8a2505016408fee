#pragma once

// Ashtakavarga by the Parashari rules: each of the seven planets receives a bindu in a sign
// from each of eight givers (the seven planets and the lagna) standing in certain houses
// from that sign's giver; the sarvashtakavarga adds up the seven tables.

#include <array>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

// The planets in their traditional order (the weekday lords), and the givers: the same
// seven followed by the lagna.
inline constexpr int kAshtakavargaPlanets = 7;
inline constexpr int kAshtakavargaGivers = 8;
inline constexpr std::array<std::string_view, kAshtakavargaGivers> kAshtakavargaNames{
    "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Ascendant"};

// Whatever the chart, each table holds the same number of bindus, 337 in all.
inline constexpr std::array<int, kAshtakavargaPlanets> kBhinnashtakavargaTotals{48, 49, 39, 54,
                                                                                56, 52, 39};
inline constexpr int kSarvashtakavargaTotal = 337;

using SignCounts = std::array<int, 12>;  // by sign, Aries first

struct Bhinnashtakavarga {
  SignCounts Bindus{};
  // Givers[g][s] is 1 when giver g (kAshtakavargaNames) gives its bindu in sign s: the
  // prastara table the bindus add up from.
  std::array<SignCounts, kAshtakavargaGivers> Givers{};
  int Total = 0;
};

struct Ashtakavarga {
  std::array<Bhinnashtakavarga, kAshtakavargaPlanets> Bhinna;  // kAshtakavargaNames order
  SignCounts Sarva{};
  int SarvaTotal = 0;
};

// From the signs (0 = Aries) of the eight givers, in kAshtakavargaNames order.
Ashtakavarga ComputeAshtakavarga(const std::array<int, kAshtakavargaGivers>& giverSigns);

// From the sidereal chart's longitudes (the birth chart's signs).
Ashtakavarga ComputeAshtakavarga(const ChartRecord& sidereal);

}  // namespace velmora
