// Ascendant and midheaven of the birth moment and place.
#pragma once

#include "engine/astronomy/precise_ephemeris.h"
#include "engine/chart_record.h"

namespace velmora {

// How far the sky turns in a day of universal time, degrees.
inline constexpr double kSiderealDegPerDay = 360.98564736629;

// Writes Ascendant, Midheaven and their texts, turned by the record's AyanamsaCorrection,
// and the ascendant's speed.
void ComputeAngles(ChartRecord& chart);

// A precise chart measures its angles from the apparent sidereal time and the true
// obliquity of date: RamcRadians and ObliquityRadians become those.
void SetApparentSiderealFrame(ChartRecord& chart, const ApparentPlaces& places);

// The tropical midheaven and ascendant, degrees in 0..360, for the sidereal angle of the
// meridian, the obliquity and the latitude (degrees, North positive); the formulas
// ComputeAngles uses.
double MidheavenOf(double ramcRadians, double obliquityRadians);
double AscendantOf(double ramcRadians, double obliquityRadians, double latitudeDeg);
// How fast the ascendant moves there, degrees per day of universal time.
double AscendantSpeedDegPerDay(double ramcRadians, double obliquityRadians, double latitudeDeg);

// Adds 360 once if negative, then subtracts 360 once if above 360 (360 itself stays).
double NormalizeDegrees(double degrees);

// Two-argument arctangent in radians, range (-pi, pi], built from the one-argument atan.
double Atan2Quadrant(double y, double x);

}  // namespace velmora
