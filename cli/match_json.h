// The JSON of the Manglik dosha and of a Kundli match, beside the tool's other objects.
#pragma once

#include "engine/chart_record.h"
#include "engine/jyotish/manglik.h"
#include "engine/jyotish/matching.h"
#include "json_writer.h"

namespace velmora {

// {"marsSign", "lagna" / "moon" / "venus" ({"marsHouse", "dosha", "excused"}), "dosha",
// "cancellations" (their names), "cancelled", "manglik", "summary"}.
void WriteManglik(JsonWriter& json, const ManglikResult& manglik);

// {"groom", "bride" (each {"name", "nakshatra", "rashi", "moonLongitude", "manglik"}),
// "kootas" ([{"koota", "points", "maxPoints", "groom", "bride"}] in their classical order),
// "tara" ({"fromBride", "fromGroom"}: {"count", "tara", "auspicious"}), "bhakootFromBride",
// "total", "maxPoints", "rating", "manglikPairing", "verdict"}.
void WriteMatch(JsonWriter& json, const ChartRecord& groom, const ChartRecord& bride,
                const KundliMatch& match);

}  // namespace velmora
