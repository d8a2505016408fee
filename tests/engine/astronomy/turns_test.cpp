#include <gtest/gtest.h>

#include <random>

#include "engine/astronomy/turns.h"

namespace velmora {
namespace {

// The loops the constant-time reductions replace, written out.
double LoopAtLeast360(double x) {
  while (x >= 360) x -= 360;
  return x;
}
double LoopAbove360(double x) {
  while (x > 360) x -= 360;
  return x;
}
double LoopNegative(double x) {
  while (x < 0) x += 360;
  return x;
}

TEST(TurnsTest, MatchTheLoopsBitForBit) {
  std::mt19937_64 random(2024);
  // Magnitudes a chart meets: up to the Moon's mean longitude 1.5 centuries from J2000.
  std::uniform_real_distribution<double> wide(-800000, 800000);
  std::uniform_real_distribution<double> near(-1, 1);
  for (int i = 0; i < 200000; ++i) {
    const double x =
        i % 4 == 0 ? 360 * std::floor(wide(random) / 360) + near(random) * 1e-9 : wide(random);
    EXPECT_EQ(turns::WhileAtLeast360Subtract(x), LoopAtLeast360(x)) << x;
    EXPECT_EQ(turns::WhileAbove360Subtract(x), LoopAbove360(x)) << x;
    EXPECT_EQ(turns::WhileNegativeAdd360(x), LoopNegative(x)) << x;
  }
}

TEST(TurnsTest, WholeTurnsAndTheirEdges) {
  for (double x : {0.0, 360.0, 720.0, -360.0, -720.0, -1e-15, 359.99999999999994}) {
    EXPECT_EQ(turns::WhileAtLeast360Subtract(x), LoopAtLeast360(x)) << x;
    EXPECT_EQ(turns::WhileAbove360Subtract(x), LoopAbove360(x)) << x;
    EXPECT_EQ(turns::WhileNegativeAdd360(x), LoopNegative(x)) << x;
  }
}

}  // namespace
}  // namespace velmora
