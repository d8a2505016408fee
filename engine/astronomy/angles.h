// Ascendant and midheaven of the birth moment and place.
#pragma once

#include "engine/chart_record.h"

namespace velmora {

// Writes Ascendant, Midheaven and their texts, turned by the record's AyanamsaCorrection.
void ComputeAngles(ChartRecord& chart);

// Adds 360 once if negative, then subtracts 360 once if above 360 (360 itself stays).
double NormalizeDegrees(double degrees);

// Two-argument arctangent in radians, range (-pi, pi], built from the one-argument atan.
double Atan2Quadrant(double y, double x);

}  // namespace velmora
