// Apparent places of date from the maintained ephemeris libraries: the precise positions a
// user can compare with other programs, as opposed to the program's own short formulas.
#pragma once

#include <array>

#include "engine/chart_record.h"

namespace velmora {

// The bodies in the order of the planet table's first rows.
enum class PreciseBody { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn };
inline constexpr int kPreciseBodies = 7;

struct ApparentPlaces {
  // Apparent geocentric ecliptic longitudes, true equinox and ecliptic of date, degrees in
  // 0..360, indexed by PreciseBody.
  std::array<double, kPreciseBodies> LongitudesDeg{};
  double NodeLongitudeDeg = 0;  // ascending node of the Moon, mean or osculating, of date
  double AyanamsaDeg = 0;       // the one asked for, nutation included
};

// Terrestrial time minus universal time in seconds at a Julian day in UT.
double DeltaTSeconds(double julianDayUt);

// An ayanamsa in degrees at a Julian day in terrestrial time, nutation included, so that
// apparent longitude minus ayanamsa is the sidereal longitude.
double AyanamsaDeg(AyanamsaSystem system, double julianDayTt);

// Everything a precise chart needs at one moment given in UT.
ApparentPlaces ComputeApparentPlaces(double julianDayUt, LunarNode node,
                                     AyanamsaSystem ayanamsa = AyanamsaSystem::Lahiri);

}  // namespace velmora
