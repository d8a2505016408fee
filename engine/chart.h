// One chart from birth data to what the windows show: the fixed order of the engine steps,
// the Indian display values and cells, and the Western wheel.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/astronomy/precise_ephemeris.h"
#include "engine/chart_record.h"
#include "engine/places/zones.h"

namespace velmora {

// How a chart is computed. The defaults are the program's own formulas, which every chart
// has always been made with; precise positions are the user's choice.
struct EngineOptions {
  PositionSource Positions = PositionSource::Formula;
  LunarNode Node = LunarNode::Mean;  // only precise positions offer the true node
};

// PrepareBirthMoment, ComputeAyanamsa, ComputeAngles, ComputeMoon, ComputePlanets: each
// step reads what the one before wrote, so the order is fixed. Precise positions take the
// ayanamsa, the Moon, the planets and the node from the ephemeris libraries instead, and
// measure the angles from the apparent sidereal time and the true obliquity of date.
void RunSiderealEngine(ChartRecord& chart, const EngineOptions& options = {});
void RunTropicalEngine(ChartRecord& chart, const EngineOptions& options = {});
// The tropical engine as the Western chart runs it. With precise positions it also returns
// the bodies only the Western chart shows, from the same moment's ephemerides; with the
// formulas there are none, the Western chart takes them from the formulas.
std::optional<OuterPlaces> RunWesternEngine(ChartRecord& tropical,
                                            const EngineOptions& options = {});

// What a window or a report shows to say how the positions were computed: "Precise
// positions (Lahiri)", or nothing for the formulas.
std::string_view PositionsCaption(const ChartRecord& chart);

// Ayanamsa without its sign, the ascendant's sign and lagna name, nakshatra, rashi, lord
// and pada, as the "Other Details" frame shows them.
void SetDisplayValues(ChartRecord& chart);

// The keys the interpretation pages look their texts up by.
void SetInterpretationKeys(ChartRecord& chart);

// The text of each sign's cell (0 = Aries), the same in all three Indian drawings: "Asc"
// first when the ascendant is there, then the bodies Sun ... Ketu, one per line.
using CellTexts = std::array<std::string, 12>;
void FillIndianCells(const ChartRecord& chart, const LookupTables& tables, CellTexts& cells);

// What the Western chart shows around and beside its wheel. Sector 1 holds the ascendant's
// sign and the sectors run on through the zodiac.
struct WesternWheel {
  std::array<std::string, 12> Sectors;  // each non-empty text starts with a line break
  // IMGWestern picture number (1 = Aries ... 12 = Pisces) for each sector's glyph; none when
  // the ascendant's sign cannot be read, and the glyphs then keep what they showed.
  std::optional<std::array<int, 12>> Glyphs;
  std::optional<std::string_view> Ascendant;  // English sign names; none leaves the label
  std::optional<std::string_view> SunSign;
  std::string MoonSign;
};
WesternWheel ComputeWesternWheel(const ChartRecord& tropical, const LookupTables& tables);

}  // namespace velmora
