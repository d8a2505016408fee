// The numeric steps of a chart run thousands of times in a batch; they must not touch the
// heap (formatting the texts may).
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "engine/astronomy/angles.h"
#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/ephemeris.h"
#include "test_births.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace velmora {
namespace {

TEST(AllocationTest, NumericStepsDoNotAllocate) {
  ChartRecord c;
  ReadBirthData(c, test::DelhiBirth());
  const long before = allocations.load();
  double sum = 0;
  for (int i = 0; i < 100; ++i) {
    PrepareBirthMoment(c);
    const double d = PlanetDayNumber(c);
    for (int row = 0; row < 9; ++row) sum += OrbitalPosition(row, d);
    sum += SolveKepler(1.0, 0.2) + ReduceRadians(d) + NormalizeDegrees(d) + Atan2Quadrant(1, d);
  }
  EXPECT_EQ(allocations.load() - before, 0);
  EXPECT_TRUE(std::isfinite(sum));
}

}  // namespace
}  // namespace velmora
