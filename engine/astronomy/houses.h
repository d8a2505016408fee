// House cusps of the Western chart: the quadrant systems Placidus, Koch, Porphyry,
// Regiomontanus and Campanus, and the Equal and Whole Sign houses.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

enum class HouseSystem : std::uint8_t {
  Placidus,
  Koch,
  Porphyry,
  Regiomontanus,
  Campanus,
  Equal,
  WholeSign
};
inline constexpr int kHouseSystems = 7;

// "Placidus", "Koch", "Porphyry", "Regiomontanus", "Campanus", "Equal", "Whole Sign".
std::string_view HouseSystemName(HouseSystem system);
// The system of that name, also without its space or in another case ("whole-sign",
// "wholesign", "PLACIDUS"); none for any other text.
std::optional<HouseSystem> HouseSystemNamed(std::string_view name);

struct HouseCusps {
  HouseSystem Requested = HouseSystem::Placidus;
  // What the cusps were computed with: Porphyry when Placidus or Koch were asked for inside
  // a polar circle, where some degrees of the ecliptic never rise and those systems have no
  // cusps.
  HouseSystem Used = HouseSystem::Placidus;
  bool PolarFallback() const { return Used != Requested; }
  std::array<double, 12> CuspsDeg{};  // tropical longitudes of cusps 1..12, degrees in 0..360
  double AscendantDeg = 0;
  double MidheavenDeg = 0;
};

// The cusps for the sidereal angle of the meridian (RAMC), the obliquity of the ecliptic and
// the geographic latitude (North positive), all in degrees. The ascendant and midheaven are
// the ones ComputeAngles gives for the same three values, except inside a polar circle,
// where the ascendant is taken as the one of its two points that rises after the
// midheaven.
HouseCusps ComputeHouses(HouseSystem system, double ramcDeg, double obliquityDeg,
                         double latitudeDeg);

// Which house, 1..12, holds a longitude (degrees): the house whose cusp it has passed last.
int HouseOf(const HouseCusps& houses, double longitudeDeg);

}  // namespace velmora
