// The Western chart button: validate, compute the tropical chart into its own record, and show
// the natal wheel in the chart window. The sidereal record and the interpretation pages are
// left as the last Indian chart left them.
#pragma once

#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/places/zones.h"

namespace velmora {

class BirthForm;
class ChartWindowHost;

// False when validation stopped it, in which case nothing else has happened.
bool Command2_Click(BirthForm& form, const LookupTables& tables, ChartRecord& tropical,
                    ChartWindowHost& host, const EngineOptions& options = {});

}  // namespace velmora
