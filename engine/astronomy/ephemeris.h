// Where the Sun, the Moon, the planets and the lunar nodes stand, and how fast they move.
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

// How fast element row 0..8 moves at day number d, degrees per day, from the formulas.
double FormulaSpeedDegPerDay(int row, double d);

// The formulas' tropical Moon, degrees in 0..360, at Julian centuries from J2000.
double FormulaMoonLongitude(double centuries2000);

// The Moon's true ascending node by the formulas, degrees in 0..360 of date: the mean node
// of the modern theory with the five largest terms of its swing about it (Meeus,
// Astronomical Algorithms, chapter 47), within about a tenth of a degree.
double FormulaTrueNodeLongitude(double centuries2000);

// x reduced into [0, 2pi): whole turns taken off, one turn added if still negative.
double ReduceRadians(double x);

// True anomaly in radians for a mean anomaly (radians) and an eccentricity.
double SolveKepler(double meanAnomaly, double eccentricity);

}  // namespace velmora
