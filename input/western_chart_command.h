// The Western chart button: validate, compute the tropical chart into its own record, and show
// the natal wheel in the chart window. The sidereal record and the interpretation pages are
// left as the last Indian chart left them.
#pragma once

#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/places/zones.h"
#include "engine/western/western_chart.h"

namespace velmora {

class BirthForm;
class ChartWindowHost;

// How the Western chart is shown: its house system and aspects, and whether as the classic
// wheel of sign sectors instead of the wheel with every body at its degree.
struct WesternView {
  WesternOptions Options;
  bool ClassicWheel = false;
};

// False when validation stopped it, in which case nothing else has happened.
bool Command2_Click(BirthForm& form, const LookupTables& tables, ChartRecord& tropical,
                    ChartWindowHost& host, const EngineOptions& options = {},
                    const WesternView& view = {});

}  // namespace velmora
