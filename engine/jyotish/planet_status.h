#pragma once

// Each body's standing in the chart: its dignity by sign (exaltation, debilitation,
// moolatrikona, own sign, or the natural friendship of its sign's lord), its motion and
// whether the Sun burns it. Pure functions of longitudes and daily speeds, so every reader of
// one chart sees the same status.

#include <array>
#include <optional>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

enum class Dignity : std::int8_t {
  Exalted,
  Debilitated,
  Moolatrikona,
  OwnSign,
  FriendSign,
  NeutralSign,
  EnemySign,
  None,  // Rahu and Ketu outside their exaltation and debilitation signs
};

// "Exalted", "Debilitated", "Moolatrikona", "Own sign", "Friend's sign", "Neutral sign",
// "Enemy's sign", or "" for none.
std::string_view DignityName(Dignity dignity);
// The same as a JSON word: "exalted", "debilitated", "moolatrikona", "own", "friend",
// "neutral", "enemy", or "" for none.
std::string_view DignityKey(Dignity dignity);

inline constexpr int kStatusBodies = 9;  // Sun ... Ketu, rows 0..8 of kLongitudeNames

struct PlanetStatus {
  Dignity SignDignity = Dignity::None;
  // Moving backwards through the zodiac; unknown when no daily speed was given.
  std::optional<bool> Retrograde;
  bool Combust = false;
  double DistanceFromSunDeg = 0;  // 0..180, either side
};

// The status of body `row` (0 Sun ... 8 Ketu, as kLongitudeNames) at a sidereal longitude,
// moving `speedDegPerDay` (negative when retrograde; none when unknown), with the Sun at
// `sunLongitudeDeg` in the same zodiac.
PlanetStatus StatusOf(std::size_t row, double longitudeDeg, std::optional<double> speedDegPerDay,
                      double sunLongitudeDeg);

// Every body of a sidereal chart, moving at the given speeds: degrees per day in the rows of
// kLongitudeNames. Without them (nullptr) retrograde is unknown and the direct combustion
// orbs hold.
std::array<PlanetStatus, kStatusBodies> PlanetStatuses(
    const ChartRecord& sidereal, const std::array<double, kLongitudeRows>* speedsDegPerDay);

// The same at the speeds the engine wrote into the record.
std::array<PlanetStatus, kStatusBodies> PlanetStatuses(const ChartRecord& sidereal);

}  // namespace velmora
