// Apparent places of date from the maintained ephemeris libraries: the precise positions a
// user can compare with other programs, as opposed to the program's own short formulas.
#pragma once

#include <array>
#include <cstdint>

#include "engine/chart_record.h"

namespace velmora {

// The bodies in the order of the planet table's first rows.
enum class PreciseBody { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn };
inline constexpr int kPreciseBodies = 7;

// The mean equinox's slide along the ecliptic, IAU 2006 rate at J2000: what a longitude of
// date gains each day against a fixed frame, and what the ayanamsa grows by.
inline constexpr double kPrecessionDegPerDay = 5028.796195 / 3600 / 36525;

// The bodies only the Western chart shows, from the same sources and in the same frame.
enum class OuterBody { Uranus, Neptune, Pluto };
inline constexpr int kOuterBodies = 3;
struct OuterPlaces {
  std::array<double, kOuterBodies> LongitudesDeg{};  // apparent, of date, indexed by OuterBody
  std::array<double, kOuterBodies> SpeedsDegPerDay{};
  double MeanNodeDeg = 0;
  double MeanNodeSpeedDegPerDay = 0;
  double TrueNodeDeg = 0;  // the Moon's osculating node
  double TrueNodeSpeedDegPerDay = 0;
};

struct ApparentPlaces {
  // Apparent geocentric ecliptic longitudes, true equinox and ecliptic of date, degrees in
  // 0..360, indexed by PreciseBody.
  std::array<double, kPreciseBodies> LongitudesDeg{};
  // How fast each of them moves, degrees per day; negative while the body is retrograde.
  std::array<double, kPreciseBodies> SpeedsDegPerDay{};
  double NodeLongitudeDeg = 0;  // ascending node of the Moon, mean or osculating, of date
  double NodeSpeedDegPerDay = 0;
  double AyanamsaDeg = 0;  // Lahiri (Chitrapaksha), nutation included
  // Greenwich apparent sidereal time and the true obliquity of date, radians: the frame the
  // ascendant, the midheaven and the house cusps of a precise chart are measured in.
  double ApparentSiderealTimeRadians = 0;
  double TrueObliquityRadians = 0;
  OuterPlaces Outer;  // with BodySet::Western only
};

// Terrestrial time minus universal time in seconds at a Julian day in UT.
double DeltaTSeconds(double julianDayUt);

// The Lahiri ayanamsa in degrees at a Julian day in terrestrial time, nutation included, so
// that apparent longitude minus ayanamsa is the sidereal longitude.
double LahiriAyanamsaDeg(double julianDayTt);

// The bodies of the Indian chart, or those and the ones only the Western chart shows.
enum class BodySet : std::uint8_t { Chart, Western };

// Everything a precise chart needs at one moment given in UT.
ApparentPlaces ComputeApparentPlaces(double julianDayUt, LunarNode node,
                                     BodySet bodies = BodySet::Chart);

}  // namespace velmora
