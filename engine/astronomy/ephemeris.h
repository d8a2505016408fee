// Where the Sun, the Moon, the five planets and the lunar nodes stand.
#pragma once

#include "engine/astronomy/precise_ephemeris.h"
#include "engine/chart_record.h"

namespace velmora {

// The Moon from its mean arguments and a 25-term series; writes MoonLongitude and MoonText,
// then the Moon's nakshatra and sign.
void ComputeMoon(ChartRecord& chart, ChartMode mode);

// The planets from Keplerian elements, the nodes from the mean node, and the planet table.
// Runs last: the table also carries the Moon and the two angles.
void ComputePlanets(ChartRecord& chart, ChartMode mode);

// The Moon, the planets and the node from apparent places of date instead of the formulas,
// turned sidereal by the record's ayanamsa corrections, then the planet table as above.
void PlacePreciseBodies(ChartRecord& chart, ChartMode mode, const ApparentPlaces& places);

// Geocentric ecliptic longitude in degrees of element row 0..8 (row 2, the Earth, gives the
// Sun) at day number d from 2000-01-01 12:00.
double OrbitalPosition(int row, double d);

// x reduced into [0, 2pi): whole turns taken off, one turn added if still negative.
double ReduceRadians(double x);

// True anomaly in radians for a mean anomaly (radians) and an eccentricity.
double SolveKepler(double meanAnomaly, double eccentricity);

}  // namespace velmora
