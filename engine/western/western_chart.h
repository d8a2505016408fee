// The Western natal chart as a Western astrologer reads it: the ten planets, both lunar
// nodes and the four angles at their degrees, with house, sign, speed and retrograde flag;
// the house cusps; the aspects among them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/astronomy/houses.h"
#include "engine/astronomy/precise_ephemeris.h"
#include "engine/chart_record.h"
#include "engine/western/aspects.h"

namespace velmora {

enum class WesternPoint : std::uint8_t {
  Sun,
  Moon,
  Mercury,
  Venus,
  Mars,
  Jupiter,
  Saturn,
  Uranus,
  Neptune,
  Pluto,
  MeanNode,
  TrueNode,
  SouthNode,  // opposite the node the chart uses for Rahu
  Ascendant,
  Midheaven,
  Descendant,
  ImumCoeli
};
inline constexpr int kWesternPoints = 17;

// The points' names as the tables and the command-line tool's JSON write them.
inline constexpr std::array<std::string_view, kWesternPoints> kWesternPointNames = {
    "Sun",        "Moon",      "Mercury", "Venus",      "Mars",      "Jupiter",
    "Saturn",     "Uranus",    "Neptune", "Pluto",      "Mean Node", "True Node",
    "South Node", "Ascendant", "MC",      "Descendant", "IC"};

inline constexpr std::string_view NameOf(WesternPoint point) {
  return kWesternPointNames[static_cast<std::size_t>(point)];
}

struct WesternOptions {
  HouseSystem Houses = HouseSystem::Placidus;
  AspectKinds Aspects = AspectKinds::Defaults();
};

struct PointPlace {
  double LongitudeDeg = 0;  // tropical, 0..360
  double SpeedDegPerDay = 0;
  bool Retrograde = false;  // moving backwards through the zodiac: speed below 0
  int Sign = 0;             // 0 = Aries ... 11 = Pisces
  int House = 1;            // 1..12
};

struct WesternChart {
  std::array<PointPlace, kWesternPoints> Points{};
  WesternPoint ChartNode = WesternPoint::MeanNode;  // the record's Rahu
  HouseCusps Houses;
  // The points the aspects are looked for among, in this order: the ten planets, the
  // chart's node, the ascendant and the midheaven. Aspect indexes refer to this list.
  std::vector<WesternPoint> AspectPoints;
  std::vector<Aspect> Aspects;

  const PointPlace& At(WesternPoint p) const { return Points[static_cast<std::size_t>(p)]; }
};

// From a tropical record the engine has computed: its bodies and ascendant as they are, the
// outer planets and the other node from the same source as the record's own (precise or
// formula), the cusps from its sidereal angle and obliquity. A precise record's outer bodies
// are those RunWesternEngine returned, or are computed here when none are given.
WesternChart ComputeWesternChart(const ChartRecord& tropical, const WesternOptions& options = {},
                                 const OuterPlaces* outer = nullptr);

}  // namespace velmora
