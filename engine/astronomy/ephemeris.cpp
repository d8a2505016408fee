#include "engine/astronomy/ephemeris.h"

#include <array>
#include <cmath>
#include <string_view>

#include "engine/astronomy/angles.h"
#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/turns.h"
#include "engine/jyotish/zodiac.h"

namespace velmora {
namespace {

// Mean orbital elements at J2000 with linear rates per Julian century: the approximate
// planetary elements published by JPL for 1800-2050, angle rates in arc-seconds per century.
struct OrbitalElements {
  double SemiMajorAxis, SemiMajorAxisRate;  // AU, AU per century
  double Eccentricity, EccentricityRate;
  double Inclination, InclinationRate;  // degrees, arc-seconds per century
  double Node, NodeRate;
  double Perihelion, PerihelionRate;
  double MeanLongitude, MeanLongitudeRate;
};

constexpr std::array<OrbitalElements, kElementRows> kElements = {{
    // Mercury
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    // Venus
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    // Earth: seen from it, the Sun
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    // Mars
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    // Jupiter
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    // Saturn
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
    // Uranus
    {19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40,
     170.96424, 1312.56, 313.23218, 1542547.79},
    // Neptune
    {30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135,
     -844.43, 304.88003, 786449.21},
    // Pluto
    {39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33,
     224.06676, -132.25, 238.92881, 522747.90},
}};

constexpr int kEarthRow = 2;
constexpr double kKeplerTolerance = 1e-12;

// One periodic term of the Moon's longitude: coefficient (degrees) times the sine of a sum of
// multiples of D, M, M' and F, times the eccentricity factor E where the Sun's anomaly enters.
struct MoonTerm {
  int D, M, Mp, F;
  double Coefficient;
  bool TimesE;
};

constexpr std::array<MoonTerm, 25> kMoonTerms = {{
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},  {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

// The argument of a term as the series writes it, e.g. 2D - M - M'. Summed term by term in
// the written order so that the rounding matches the written formula.
double MoonArgument(const MoonTerm& term, double d, double m, double mp, double f) {
  double sum = 0;
  bool first = true;
  auto add = [&](int k, double angle) {
    if (k == 0) return;
    const double part = std::abs(k) == 1 ? angle : std::abs(k) * angle;
    if (first) {
      sum = k < 0 ? -part : part;
      first = false;
    } else {
      sum = k < 0 ? sum - part : sum + part;
    }
  };
  add(term.D, d);
  add(term.M, m);
  add(term.Mp, mp);
  add(term.F, f);
  return sum;
}

struct Heliocentric {
  double Radius;       // AU
  double TrueAnomaly;  // radians
  double Perihelion;   // radians
  double Node;         // radians
  double Inclination;  // radians
};

Heliocentric SolveOrbit(const OrbitalElements& e, double t) {
  const double a = e.SemiMajorAxis + e.SemiMajorAxisRate * t;
  const double ecc = e.Eccentricity + e.EccentricityRate * t;
  const double incl = (e.Inclination + e.InclinationRate * t / 3600) * kDegToRad;
  const double node = (e.Node + e.NodeRate * t / 3600) * kDegToRad;
  const double peri = (e.Perihelion + e.PerihelionRate * t / 3600) * kDegToRad;
  const double meanLon =
      ReduceRadians((e.MeanLongitude + e.MeanLongitudeRate * t / 3600) * kDegToRad);
  const double meanAnomaly = ReduceRadians(meanLon - peri);
  const double nu = SolveKepler(meanAnomaly, ecc);
  const double r = a * (1 - ecc * ecc) / (1 + ecc * std::cos(nu));
  return {r, nu, peri, node, incl};
}

// The element rows in the order of the planet table: Sun, then Mercury, Venus, Mars,
// Jupiter, Saturn (rows 0 and 1 of the table hold the Sun and the Moon).
constexpr std::array<int, 6> kTableRowOfElement = {2, 3, 0, 4, 5, 6};

// The body of each of those element rows.
constexpr std::array<PreciseBody, 6> kBodyOfElement = {PreciseBody::Mercury, PreciseBody::Venus,
                                                       PreciseBody::Sun,     PreciseBody::Mars,
                                                       PreciseBody::Jupiter, PreciseBody::Saturn};

// Half the interval of the central differences that give the formulas' speeds.
constexpr double kSpeedStepDays = 0.5;
constexpr double kSpeedStepCenturies = kSpeedStepDays / 36525;

double SpeedByDifferenceDegPerDay(double before, double after, double intervalDays) {
  return std::remainder(after - before, 360.0) / intervalDays;
}

// A sidereal longitude loses what the ayanamsa gains, the precession of the equinox.
double AyanamsaRateDegPerDay(ChartMode mode) {
  return mode == ChartMode::Sidereal ? kPrecessionDegPerDay : 0;
}

constexpr std::array<std::string_view, 11> kEnglishNames = {
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
constexpr std::array<std::string_view, 11> kVedicNames = {
    "Surya", "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
    "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};

}  // namespace

double ReduceRadians(double x) {
  const double wholeTurns = std::trunc(x / kTwoPi);
  double r = x - wholeTurns * kTwoPi;
  if (r < 0) r += kTwoPi;
  return r;
}

double SolveKepler(double meanAnomaly, double e) {
  const double m = meanAnomaly;
  double ecc = m + e * std::sin(m) * (1 + e * std::cos(m));
  // Newton's method on E - e sin E = M; the eccentricities here converge in a few steps,
  // the cap only guards against a non-finite argument.
  for (int i = 0; i < 100; ++i) {
    const double previous = ecc;
    ecc = previous - (previous - e * std::sin(previous) - m) / (1 - e * std::cos(previous));
    if (!(std::fabs(previous - ecc) > kKeplerTolerance)) break;
  }
  double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(ecc / 2));
  if (nu < 0) nu += kTwoPi;
  return nu;
}

namespace {

// The Earth's heliocentric place; its own inclination and node are left out, as it defines
// the ecliptic.
struct EarthPosition {
  double X, Y;
};

EarthPosition EarthAt(double t) {
  const Heliocentric earth = SolveOrbit(kElements[kEarthRow], t);
  return {earth.Radius * std::cos(earth.TrueAnomaly + earth.Perihelion),
          earth.Radius * std::sin(earth.TrueAnomaly + earth.Perihelion)};
}

double GeocentricLongitude(int row, double t, EarthPosition earth) {
  double x = 0;
  double y = 0;
  if (row != kEarthRow) {
    const Heliocentric b = SolveOrbit(kElements[static_cast<std::size_t>(row)], t);
    const double u = b.TrueAnomaly + b.Perihelion - b.Node;
    x = b.Radius *
        (std::cos(b.Node) * std::cos(u) - std::sin(u) * std::sin(b.Node) * std::cos(b.Inclination));
    y = b.Radius *
        (std::sin(b.Node) * std::cos(u) + std::sin(u) * std::cos(b.Node) * std::cos(b.Inclination));
  }
  double lambda = Atan2Quadrant(y - earth.Y, x - earth.X) * 180 / kPi;
  lambda = turns::WhileAbove360Subtract(lambda);
  return turns::WhileNegativeAdd360(lambda);
}

// The planet table from the position texts: Sun ... Saturn, Rahu, Ketu, the ascendant and,
// in the Indian chart, the midheaven.
void FillPlanetTable(ChartRecord& c, ChartMode mode) {
  auto& texts = c.PlanetPositionTexts;
  for (int element = 0; element <= 5; ++element) {
    const auto tableRow =
        static_cast<std::size_t>(kTableRowOfElement[static_cast<std::size_t>(element)]);
    ChartPositionTextTo(texts[tableRow], c.BodySiderealTexts[static_cast<std::size_t>(element)]);
  }
  ChartPositionTextTo(texts[1], c.MoonText);
  ChartPositionTextTo(texts[7], c.RahuText);
  ChartPositionTextTo(texts[8], c.KetuText);
  ChartPositionTextTo(texts[9], c.AscendantText);
  // The tropical table has no midheaven row, so its names stop where its positions do.
  const std::size_t namedRows = mode == ChartMode::Sidereal ? kEnglishNames.size() : 10;
  for (std::size_t row = 0; row < namedRows; ++row) {
    c.PlanetEnglishNames[row] = kEnglishNames[row];
    c.PlanetVedicNames[row] = kVedicNames[row];
  }
  if (mode == ChartMode::Sidereal) ChartPositionTextTo(texts[10], c.MidheavenText);
}

}  // namespace

double OrbitalPosition(int row, double d) {
  const double t = d / 36525;
  return GeocentricLongitude(row, t, EarthAt(t));
}

double FormulaSpeedDegPerDay(int row, double d) {
  return SpeedByDifferenceDegPerDay(OrbitalPosition(row, d - kSpeedStepDays),
                                    OrbitalPosition(row, d + kSpeedStepDays), 2 * kSpeedStepDays);
}

double FormulaMoonLongitude(double centuries2000) {
  const double t = centuries2000;
  const double meanLongitude = 218.3164591 + 481267.88134236 * t;
  const double d = (297.8502042 + 445267.1115168 * t) * kDegToRad;
  const double m = (357.5291092 + 35999.0502909 * t) * kDegToRad;
  const double mp = (134.9634114 + 477198.8676313 * t) * kDegToRad;
  const double f = (93.2720993 + 483202.0175273 * t) * kDegToRad;
  const double e = 1 - 0.002516 * t - 0.0000074 * (t * t);

  double sum = 0;
  for (const MoonTerm& term : kMoonTerms) {
    double value = term.Coefficient * std::sin(MoonArgument(term, d, m, mp, f));
    if (term.TimesE) value *= e;
    sum += value;
  }

  double lambda = meanLongitude + sum;
  lambda = turns::WhileNegativeAdd360(lambda);
  return turns::WhileAbove360Subtract(lambda);
}

double FormulaTrueNodeLongitude(double centuries2000) {
  const double t = centuries2000;
  const double mean = 125.0445479 - 1934.1362891 * t + 0.0020754 * (t * t);
  const double d = (297.8501921 + 445267.1114034 * t) * kDegToRad;
  const double m = (357.5291092 + 35999.0502909 * t) * kDegToRad;
  const double mp = (134.9633964 + 477198.8675055 * t) * kDegToRad;
  const double f = (93.2720950 + 483202.0175233 * t) * kDegToRad;
  const double periodic = -1.4979 * std::sin(2 * (d - f)) - 0.1500 * std::sin(m) -
                          0.1226 * std::sin(2 * d) + 0.1176 * std::sin(2 * f) -
                          0.0801 * std::sin(2 * (mp - f));
  return turns::Normalised360(mean + periodic);
}

void ComputeMoon(ChartRecord& c, ChartMode mode) {
  ComputeMoonAyanamsa(c, mode);
  const double lambda = FormulaMoonLongitude(c.Centuries2000);
  double sidereal = lambda + c.MoonAyanamsaCorrection;
  if (sidereal < 0) sidereal += 360;

  c.MoonLongitude = sidereal;
  c.Longitudes[kMoonRow] = turns::Normalised360(sidereal);
  c.SpeedsDegPerDay[kMoonRow] =
      SpeedByDifferenceDegPerDay(FormulaMoonLongitude(c.Centuries2000 - kSpeedStepCenturies),
                                 FormulaMoonLongitude(c.Centuries2000 + kSpeedStepCenturies),
                                 2 * kSpeedStepDays) -
      AyanamsaRateDegPerDay(mode);
  FormatLongitudeTo(c.MoonText, sidereal);
  MoonNakshatraOf(c, c.MoonLongitude);
  MoonSignOf(c, c.MoonText, mode);
}

void ComputePlanets(ChartRecord& c, ChartMode mode) {
  const double d = PlanetDayNumber(c);
  const double t = d / 36525;
  // Every row is seen from the same Earth, so its orbit is solved once.
  const EarthPosition earth = EarthAt(t);
  for (int row = 0; row <= 5; ++row) {
    double lambda = GeocentricLongitude(row, t, earth) + c.AyanamsaCorrection;
    lambda = turns::WhileNegativeAdd360(lambda);
    FormatLongitudeTo(c.BodySiderealTexts[static_cast<std::size_t>(row)], lambda);
    const auto tableRow =
        static_cast<std::size_t>(kTableRowOfElement[static_cast<std::size_t>(row)]);
    c.Longitudes[tableRow] = turns::Normalised360(lambda);
    c.SpeedsDegPerDay[tableRow] = FormulaSpeedDegPerDay(row, d) - AyanamsaRateDegPerDay(mode);
  }

  // Mean ascending node. 180/3.1416 and the whole degree taken off are how this program has
  // always placed Rahu; charts saved and printed over the years depend on it.
  const double node = 125.1228 - 0.0529538083 * d;
  const double n = ReduceRadians(node * kDegToRad);
  double rahu = n * 180 / 3.1416 - 1;
  rahu = turns::WhileNegativeAdd360(rahu + c.AyanamsaCorrection);
  FormatLongitudeTo(c.RahuText, rahu);
  const double ketu = std::fabs(turns::WhileAbove360Subtract(rahu + 180));
  FormatLongitudeTo(c.KetuText, ketu);
  c.Longitudes[7] = turns::Normalised360(rahu);
  c.Longitudes[8] = turns::Normalised360(ketu);
  // The node formula's own rate, turned into degrees the way Rahu is.
  const double nodeSpeed = -0.0529538083 * kDegToRad * 180 / 3.1416 - AyanamsaRateDegPerDay(mode);
  c.SpeedsDegPerDay[7] = nodeSpeed;
  c.SpeedsDegPerDay[8] = nodeSpeed;

  FillPlanetTable(c, mode);
}

void PlacePreciseBodies(ChartRecord& c, ChartMode mode, const ApparentPlaces& places) {
  const auto& l = places.LongitudesDeg;
  const auto& speeds = places.SpeedsDegPerDay;
  const double moon = turns::Normalised360(l[static_cast<std::size_t>(PreciseBody::Moon)] +
                                           c.MoonAyanamsaCorrection);
  c.SpeedsDegPerDay[kMoonRow] =
      speeds[static_cast<std::size_t>(PreciseBody::Moon)] - AyanamsaRateDegPerDay(mode);
  c.MoonLongitude = moon;
  c.Longitudes[kMoonRow] = moon;
  FormatLongitudeTo(c.MoonText, moon);
  MoonNakshatraOf(c, c.MoonLongitude);
  MoonSignOf(c, c.MoonText, mode);

  for (std::size_t row = 0; row < kBodyOfElement.size(); ++row) {
    const double lambda = turns::Normalised360(l[static_cast<std::size_t>(kBodyOfElement[row])] +
                                               c.AyanamsaCorrection);
    FormatLongitudeTo(c.BodySiderealTexts[row], lambda);
    const auto tableRow = static_cast<std::size_t>(kTableRowOfElement[row]);
    c.Longitudes[tableRow] = lambda;
    c.SpeedsDegPerDay[tableRow] =
        speeds[static_cast<std::size_t>(kBodyOfElement[row])] - AyanamsaRateDegPerDay(mode);
  }
  const double rahu = turns::Normalised360(places.NodeLongitudeDeg + c.AyanamsaCorrection);
  const double ketu = turns::Normalised360(rahu + 180);
  FormatLongitudeTo(c.RahuText, rahu);
  FormatLongitudeTo(c.KetuText, ketu);
  c.Longitudes[7] = rahu;
  c.Longitudes[8] = ketu;
  c.SpeedsDegPerDay[7] = places.NodeSpeedDegPerDay - AyanamsaRateDegPerDay(mode);
  c.SpeedsDegPerDay[8] = c.SpeedsDegPerDay[7];
  FillPlanetTable(c, mode);
}

}  // namespace velmora
