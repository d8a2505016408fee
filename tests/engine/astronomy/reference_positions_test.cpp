// Positions compared with an independent ephemeris (see tests/data/README.md). The
// tolerances are what the program's formulas reach over 1900-2050, with some room: mean
// J2000 elements for the planets, a 25-term series for the Moon, no nutation anywhere.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/ephemeris.h"
#include "engine/jyotish/zodiac.h"
#include "test_births.h"

namespace velmora {
namespace {

struct Reference {
  std::string Line;
  BirthFormData Birth;
  double Planets[6];  // Sun, Mercury, Venus, Mars, Jupiter, Saturn, J2000 ecliptic
  double Moon, MeanNode, Ascendant;
};

std::vector<Reference> LoadReferences() {
  std::ifstream in(VELMORA_TEST_DATA "/swetest_positions.txt");
  std::vector<Reference> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream s(line);
    Reference r;
    r.Line = line;
    int year, month, day, hour, minute;
    std::string latDeg, latMin, ns, lonDeg, lonMin, ew, bar;
    s >> year >> month >> day >> hour >> minute >> latDeg >> latMin >> ns >> lonDeg >> lonMin >>
        ew >> bar;
    for (double& p : r.Planets) s >> p;
    s >> bar >> r.Moon >> r.MeanNode >> r.Ascendant;
    r.Birth = test::GreenwichBirth(year, month, day, hour, minute);
    r.Birth.LatitudeDegrees = latDeg;
    r.Birth.LatitudeMinutes = latMin;
    r.Birth.LatitudeOption = ns == "N" ? 0 : 1;
    r.Birth.LongitudeDegrees = lonDeg;
    r.Birth.LongitudeMinutes = lonMin;
    r.Birth.LongitudeOption = ew == "E" ? 0 : 1;
    rows.push_back(r);
  }
  return rows;
}

// Degrees of a FormatLongitude text.
double DegreesOf(const std::string& text) {
  std::istringstream s(text);
  double deg, min, sec;
  std::string degreeSign, rest;
  s >> deg;
  s.ignore(2);  // the degree sign, two bytes of UTF-8
  s >> min;
  s.ignore(1);
  s >> sec;
  s.ignore(1);
  s >> rest;
  return *SignNumberOf(rest) * 30 + deg + min / 60 + sec / 3600;
}

TEST(ReferencePositionsTest, AgreeWithAnIndependentEphemeris) {
  const std::vector<Reference> rows = LoadReferences();
  ASSERT_EQ(rows.size(), 120u);
  // Degrees; element rows 2 (Sun), 0, 1, 3, 4, 5.
  const int elementRow[6] = {2, 0, 1, 3, 4, 5};
  const double planetTolerance[6] = {0.02, 0.03, 0.03, 0.08, 0.25, 0.25};
  double worst[9] = {};
  for (const Reference& r : rows) {
    const ChartRecord t = test::TropicalChartOf(r.Birth);
    for (int i = 0; i < 6; ++i) {
      const double ours = OrbitalPosition(elementRow[i], PlanetDayNumber(t));
      const double diff = std::fabs(test::AngleDifference(ours, r.Planets[i]));
      worst[i] = std::max(worst[i], diff);
      EXPECT_LT(diff, planetTolerance[i]) << "planet " << i << ": " << r.Line;
    }
    const double moon = std::fabs(test::AngleDifference(t.MoonLongitude, r.Moon));
    worst[6] = std::max(worst[6], moon);
    EXPECT_LT(moon, 0.05) << r.Line;

    // Undo the program's one-degree reduction and its 3.1416 for pi.
    const double node = (DegreesOf(t.RahuText) + 1) * 3.1416 / kPi;
    const double nodeDiff = std::fabs(test::AngleDifference(node, r.MeanNode));
    worst[7] = std::max(worst[7], nodeDiff);
    // The short mean-node formula starts 0.08 deg away from the modern one.
    EXPECT_LT(nodeDiff, 0.1) << r.Line;

    const double asc = std::fabs(test::AngleDifference(t.Ascendant, r.Ascendant));
    worst[8] = std::max(worst[8], asc);
    EXPECT_LT(asc, 0.03) << r.Line;
  }
  std::printf(
      "largest differences (deg): Sun %.4f Mercury %.4f Venus %.4f Mars %.4f Jupiter %.4f "
      "Saturn %.4f Moon %.4f node %.4f ascendant %.4f\n",
      worst[0], worst[1], worst[2], worst[3], worst[4], worst[5], worst[6], worst[7], worst[8]);
}

}  // namespace
}  // namespace velmora
