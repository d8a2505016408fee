#include <gtest/gtest.h>

#include <cmath>

#include "engine/astronomy/angles.h"
#include "engine/jyotish/zodiac.h"
#include "test_births.h"

namespace velmora {
namespace {

TEST(NormalizeDegreesTest, FoldsOnceEachWay) {
  EXPECT_EQ(NormalizeDegrees(-10), 350);
  EXPECT_EQ(NormalizeDegrees(370), 10);
  EXPECT_EQ(NormalizeDegrees(360), 360);
  EXPECT_EQ(NormalizeDegrees(0), 0);
  EXPECT_EQ(NormalizeDegrees(-400), -40);  // once only
}

TEST(Atan2QuadrantTest, AgreesWithAtan2InEveryQuadrant) {
  for (double y : {-3.0, -0.5, 0.0, 0.7, 2.0}) {
    for (double x : {-2.0, -0.1, 0.3, 5.0}) {
      EXPECT_NEAR(Atan2Quadrant(y, x), std::atan2(y, x), 1e-13) << y << "," << x;
    }
  }
}

TEST(Atan2QuadrantTest, OnTheVerticalAxis) {
  EXPECT_EQ(Atan2Quadrant(1, 0), kPi / 2);
  EXPECT_EQ(Atan2Quadrant(-1, 0), -kPi / 2);
  EXPECT_EQ(Atan2Quadrant(0, 0), 0);
  EXPECT_EQ(Atan2Quadrant(0, -1), kPi);
}

TEST(ComputeAnglesTest, NoonOfJ2000AtLongitudeAndLatitudeZero) {
  ChartRecord tropical = test::TropicalChartOf(test::GreenwichBirth(2000, 1, 1, 12, 0));
  EXPECT_NEAR(tropical.Ascendant, 11.4, 0.1);
  EXPECT_NEAR(tropical.Midheaven, 279.6, 0.1);

  ChartRecord sidereal = test::SiderealChartOf(test::GreenwichBirth(2000, 1, 1, 12, 0));
  EXPECT_EQ(LastThreeTrimmed(sidereal.AscendantText), "Pis");
  EXPECT_EQ(LastThreeTrimmed(sidereal.MidheavenText), "Sag");
  EXPECT_NEAR(NormalizeDegrees(sidereal.Ascendant), 347.5, 0.2);
}

TEST(ComputeAnglesTest, MidheavenStaysInTheHalfOfTheSiderealAngle) {
  for (const auto& [ramc, expected] : {std::pair{10.0, 10.9}, {190.0, 190.9}, {100.0, 99.2}}) {
    ChartRecord c;
    c.RamcRadians = ramc * kDegToRad;
    c.ObliquityRadians = 23.44 * kDegToRad;
    ComputeAngles(c);
    EXPECT_NEAR(c.Midheaven, expected, 0.05) << ramc;
  }
}

TEST(ComputeAnglesTest, DelhiAscendantInLeo) {
  ChartRecord c = test::SiderealChartOf(test::DelhiBirth());
  EXPECT_DOUBLE_EQ(c.UniversalTimeHours, 5.0);
  EXPECT_NEAR(c.Ascendant, 126.5, 0.05);
  EXPECT_EQ(c.AscendantSign, "Leo");
}

}  // namespace
}  // namespace velmora
