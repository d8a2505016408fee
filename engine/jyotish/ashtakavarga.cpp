#include "engine/jyotish/ashtakavarga.h"

#include <cmath>
#include <initializer_list>

namespace velmora {
namespace {

// The houses (1 = the giver's own sign) in which each giver gives a bindu to each planet,
// after Brihat Parashara Hora Shastra (ch. 66, "Ashtakavarga"), as B. V. Raman prints them in
// "Ashtakavarga System of Prediction". Rows: the planet receiving; columns: the givers Sun,
// Moon, Mars, Mercury, Jupiter, Venus, Saturn, lagna. Each house list is a bit mask, bit h-1
// for house h.
constexpr unsigned Houses(std::initializer_list<int> houses) {
  unsigned mask = 0;
  for (int h : houses) mask |= 1u << (h - 1);
  return mask;
}

struct BinduRow {
  std::array<unsigned, kAshtakavargaGivers> FromGiver;
};

constexpr std::array<BinduRow, kAshtakavargaPlanets> kBinduHouses{{
    // Sun
    {{Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 6, 10, 11}),
      Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 5, 6, 9, 10, 11, 12}), Houses({5, 6, 9, 11}),
      Houses({6, 7, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 4, 6, 10, 11, 12})}},
    // Moon
    {{Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 10, 11}), Houses({2, 3, 5, 6, 9, 10, 11}),
      Houses({1, 3, 4, 5, 7, 8, 10, 11}), Houses({1, 4, 7, 8, 10, 11, 12}),
      Houses({3, 4, 5, 7, 9, 10, 11}), Houses({3, 5, 6, 11}), Houses({3, 6, 10, 11})}},
    // Mars
    {{Houses({3, 5, 6, 10, 11}), Houses({3, 6, 11}), Houses({1, 2, 4, 7, 8, 10, 11}),
      Houses({3, 5, 6, 11}), Houses({6, 10, 11, 12}), Houses({6, 8, 11, 12}),
      Houses({1, 4, 7, 8, 9, 10, 11}), Houses({1, 3, 6, 10, 11})}},
    // Mercury
    {{Houses({5, 6, 9, 11, 12}), Houses({2, 4, 6, 8, 10, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11}),
      Houses({1, 3, 5, 6, 9, 10, 11, 12}), Houses({6, 8, 11, 12}),
      Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11}),
      Houses({1, 2, 4, 6, 8, 10, 11})}},
    // Jupiter
    {{Houses({1, 2, 3, 4, 7, 8, 9, 10, 11}), Houses({2, 5, 7, 9, 11}),
      Houses({1, 2, 4, 7, 8, 10, 11}), Houses({1, 2, 4, 5, 6, 9, 10, 11}),
      Houses({1, 2, 3, 4, 7, 8, 10, 11}), Houses({2, 5, 6, 9, 10, 11}), Houses({3, 5, 6, 12}),
      Houses({1, 2, 4, 5, 6, 7, 9, 10, 11})}},
    // Venus
    {{Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}), Houses({3, 5, 6, 9, 11, 12}),
      Houses({3, 5, 6, 9, 11}), Houses({5, 8, 9, 10, 11}), Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}),
      Houses({3, 4, 5, 8, 9, 10, 11}), Houses({1, 2, 3, 4, 5, 8, 9, 11})}},
    // Saturn
    {{Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 6, 11}), Houses({3, 5, 6, 10, 11, 12}),
      Houses({6, 8, 9, 10, 11, 12}), Houses({5, 6, 11, 12}), Houses({6, 11, 12}),
      Houses({3, 5, 6, 11}), Houses({1, 3, 4, 6, 10, 11})}},
}};

// The record's rows of the givers: Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, lagna.
constexpr std::array<std::size_t, kAshtakavargaGivers> kRecordRows{0, 1, 4, 2,
                                                                   5, 3, 6, kAscendantRow};

}  // namespace

Ashtakavarga ComputeAshtakavarga(const std::array<int, kAshtakavargaGivers>& giverSigns) {
  Ashtakavarga result;
  for (std::size_t p = 0; p < kBinduHouses.size(); ++p) {
    Bhinnashtakavarga& table = result.Bhinna[p];
    for (std::size_t g = 0; g < kAshtakavargaGivers; ++g) {
      const unsigned houses = kBinduHouses[p].FromGiver[g];
      for (int s = 0; s < 12; ++s) {
        // Sign s is house 1 + (s - giver's sign) counted from the giver.
        const int house = ((s - giverSigns[g]) % 12 + 12) % 12;
        const int bindu = (houses >> house) & 1u;
        table.Givers[g][static_cast<std::size_t>(s)] = bindu;
        table.Bindus[static_cast<std::size_t>(s)] += bindu;
      }
    }
    for (int s = 0; s < 12; ++s) {
      table.Total += table.Bindus[static_cast<std::size_t>(s)];
      result.Sarva[static_cast<std::size_t>(s)] += table.Bindus[static_cast<std::size_t>(s)];
    }
    result.SarvaTotal += table.Total;
  }
  return result;
}

Ashtakavarga ComputeAshtakavarga(const ChartRecord& sidereal) {
  std::array<int, kAshtakavargaGivers> signs{};
  for (std::size_t g = 0; g < kAshtakavargaGivers; ++g) {
    double lon = std::fmod(sidereal.Longitudes[kRecordRows[g]], 360.0);
    if (lon < 0) lon += 360.0;
    signs[g] = static_cast<int>(lon / 30.0) % 12;
  }
  return ComputeAshtakavarga(signs);
}

}  // namespace velmora
