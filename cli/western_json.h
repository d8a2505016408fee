// The Western chart's points, houses and aspects in the command-line tool's JSON.
#pragma once

#include "engine/western/western_chart.h"
#include "json_writer.h"

namespace velmora {

// [{"name", "longitude", "sign", "house", "speed", "retrograde"}, ...]: the planets, both
// nodes, the south node and the four angles.
void WriteWesternPoints(JsonWriter& json, const WesternChart& chart);
// {"system", "cusps", "fallback"}: the system asked for, the twelve cusps and, when the
// polar circle made Placidus or Koch impossible, the system used instead (else null).
void WriteWesternHouses(JsonWriter& json, const WesternChart& chart);
// [{"p1", "p2", "kind", "orb", "applying"}, ...].
void WriteWesternAspects(JsonWriter& json, const WesternChart& chart);

}  // namespace velmora
