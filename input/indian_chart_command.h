// The three Indian chart buttons: validate, compute the sidereal chart, fill the chart
// window and show it in the chosen style.
#pragma once

#include "display/chart_window.h"
#include "engine/chart_record.h"
#include "engine/places/zones.h"

namespace velmora {

class BirthForm;
class ChartWindowHost;

// Runs the whole command for the button of `style`. False when validation stopped it, in
// which case nothing else has happened.
// `options` choose the formulas or precise positions.
bool RunIndianChartCommand(ChartStyle style, BirthForm& form, LookupTables& tables,
                           ChartRecord& sidereal, ChartWindowHost& host,
                           const EngineOptions& options = {});

}  // namespace velmora
