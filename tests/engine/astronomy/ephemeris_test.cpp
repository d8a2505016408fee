#include <gtest/gtest.h>

#include <cmath>

#include "engine/astronomy/ephemeris.h"
#include "engine/jyotish/zodiac.h"
#include "test_births.h"

namespace velmora {
namespace {

TEST(ReduceRadiansTest, TakesOffWholeTurns) {
  EXPECT_NEAR(ReduceRadians(7.0), 7.0 - kTwoPi, 1e-15);
  EXPECT_NEAR(ReduceRadians(-1.0), kTwoPi - 1.0, 1e-15);
  EXPECT_NEAR(ReduceRadians(-7.0), 2 * kTwoPi - 7.0, 1e-14);
  EXPECT_EQ(ReduceRadians(0.0), 0.0);
  EXPECT_NEAR(ReduceRadians(1000.0), std::fmod(1000.0, kTwoPi), 1e-12);
}

TEST(SolveKeplerTest, TrueAnomalySatisfiesKeplersEquation) {
  for (double e : {0.0, 0.0167, 0.2056, 0.2488}) {
    for (double m : {0.1, 1.0, 2.5, 4.0, 6.0}) {
      const double nu = SolveKepler(m, e);
      // Back from the true to the eccentric and the mean anomaly.
      const double ecc = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
      const double mean = ecc - e * std::sin(ecc);
      EXPECT_NEAR(std::remainder(mean - m, kTwoPi), 0, 1e-11) << e << " " << m;
      EXPECT_GE(nu, 0);
      EXPECT_LT(nu, kTwoPi + 1e-12);
    }
  }
}

TEST(OrbitalPositionTest, SunAtJ2000) {
  EXPECT_NEAR(OrbitalPosition(2, 0), 280.4, 0.1);
  ChartRecord c = test::SiderealChartOf(test::GreenwichBirth(2000, 1, 1, 12, 0));
  EXPECT_EQ(ChartTextSign(c.PlanetPositionTexts[0]), "Sag");
}

TEST(ComputePlanetsTest, NodesAtJ2000) {
  // Mean node 125.1228 deg, through 180/3.1416 and less one whole degree.
  ChartRecord tropical = test::TropicalChartOf(test::GreenwichBirth(2000, 1, 1, 12, 0));
  EXPECT_EQ(tropical.RahuText, "4\u00B0 7' 21\" Leo");  // 124.1225 deg
  EXPECT_EQ(tropical.KetuText, "4\u00B0 7' 21\" Aqu");
  ChartRecord sidereal = test::SiderealChartOf(test::GreenwichBirth(2000, 1, 1, 12, 0));
  EXPECT_EQ(ChartTextSign(sidereal.PlanetPositionTexts[7]), "Can");
  EXPECT_EQ(ChartTextSign(sidereal.PlanetPositionTexts[8]), "Cap");
}

TEST(ComputePlanetsTest, PlanetTableRowsAndNames) {
  ChartRecord c = test::SiderealChartOf(test::DelhiBirth());
  const char* english[] = {"Sun",    "Moon", "Mercury", "Venus",     "Mars",      "Jupiter",
                           "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven", ""};
  const char* vedic[] = {"Surya", "Chandra", "Budha", "Shukra",    "Mangala",   "Guru",
                         "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven", ""};
  for (int row = 0; row < 12; ++row) {
    EXPECT_EQ(c.PlanetEnglishNames[row], english[row]);
    EXPECT_EQ(c.PlanetVedicNames[row], vedic[row]);
  }
  EXPECT_EQ(c.PlanetPositionTexts[0], ChartPositionText(c.BodySiderealTexts[2]));  // the Sun
  EXPECT_EQ(c.PlanetPositionTexts[2], ChartPositionText(c.BodySiderealTexts[0]));  // Mercury
  EXPECT_EQ(c.PlanetPositionTexts[9], ChartPositionText(c.AscendantText));
  EXPECT_EQ(c.PlanetPositionTexts[10], ChartPositionText(c.MidheavenText));
  EXPECT_EQ(c.PlanetPositionTexts[11], "");
  for (int row = 6; row < 9; ++row) EXPECT_EQ(c.BodySiderealTexts[row], "");
}

TEST(ComputePlanetsTest, KetuOppositeRahuAndSixCellsApart) {
  for (int year : {1901, 1950, 1987, 2033}) {
    ChartRecord c = test::SiderealChartOf(test::GreenwichBirth(year, 5, 9, 8, 0));
    const int rahu = *SignNumberOf(ChartTextSign(c.PlanetPositionTexts[7]));
    const int ketu = *SignNumberOf(ChartTextSign(c.PlanetPositionTexts[8]));
    EXPECT_EQ((rahu + 6) % 12, ketu) << year;
    EXPECT_EQ(c.RahuText.substr(0, c.RahuText.size() - 3),
              c.KetuText.substr(0, c.KetuText.size() - 3));
  }
}

TEST(ComputePlanetsTest, SameInstantEastAndWestGivesSameBodies) {
  // 10:30 in Delhi and 00:00 at 77 W on Eastern time are both 05:00 UT.
  BirthFormData east = test::DelhiBirth();
  BirthFormData west = test::DelhiBirth();
  west.LongitudeOption = 1;
  west.ZoneRow = 27;  // "Eastern Standard Time,EST,-5.0"
  west.Hour = 0;
  west.Minute = 0;
  const ChartRecord a = test::SiderealChartOf(east);
  const ChartRecord b = test::SiderealChartOf(west);
  EXPECT_EQ(a.UniversalTimeHours, b.UniversalTimeHours);
  for (int row = 0; row < 9; ++row)
    EXPECT_EQ(a.PlanetPositionTexts[row], b.PlanetPositionTexts[row]);
  EXPECT_EQ(a.MoonText, b.MoonText);
  EXPECT_NE(a.AscendantText, b.AscendantText);
}

TEST(TropicalModeTest, EachBodyIsSiderealPlusItsAyanamsa) {
  for (int year : {1903, 1950, 1968, 1999, 2024, 2049}) {
    const BirthFormData f = test::GreenwichBirth(year, 3, 21, 6, 45);
    const ChartRecord s = test::SiderealChartOf(f);
    const ChartRecord t = test::TropicalChartOf(f);
    EXPECT_NEAR(test::AngleDifference(t.MoonLongitude, s.MoonLongitude - s.MoonAyanamsaCorrection),
                0, 1e-9);
    EXPECT_NEAR(test::AngleDifference(t.Ascendant, s.Ascendant - s.AyanamsaCorrection), 0, 1e-9);
    if (year >= 1950 && year <= 2000) {
      EXPECT_GT(-s.AyanamsaCorrection, 23);
      EXPECT_LT(-s.AyanamsaCorrection, 24);
    }
    EXPECT_EQ(t.PlanetPositionTexts[10], "");
    EXPECT_EQ(t.PlanetPositionTexts[11], "");
  }
}

TEST(TropicalModeTest, NodeJustBelowZeroWrapsIntoPisces) {
  // On 1987-11-01 the mean node stands at 0.45 deg, which the one-degree reduction takes
  // below zero.
  ChartRecord t = test::TropicalChartOf(test::GreenwichBirth(1987, 11, 1, 12, 0));
  EXPECT_EQ(LastThreeTrimmed(t.RahuText), "Pis");
  EXPECT_EQ(t.RahuText.substr(0, 4), "29\u00B0");
  EXPECT_EQ(LastThreeTrimmed(t.KetuText), "Vir");
}

TEST(TropicalModeTest, TablesAndNamesOfTheWesternChart) {
  const ChartRecord t = test::TropicalChartOf(test::GreenwichBirth(2000, 1, 1, 12, 0));
  EXPECT_EQ(ChartTextSign(t.PlanetPositionTexts[9]), "Ari");
  EXPECT_EQ(t.MoonSignName, std::string(*EnglishSignNameOf(LastThreeTrimmed(t.MoonText))));
}

}  // namespace
}  // namespace velmora
