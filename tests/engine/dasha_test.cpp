#include <gtest/gtest.h>

#include "engine/dasha.h"

namespace velmora {
namespace {

struct BalanceCase {
  const char* name;
  double moonDeg;
  int wantLord;
  int wantYears;
  int wantMonths;
};

// Nakshatra starts give the whole period; a half-passed one leaves half of it.
constexpr BalanceCase kBalances[] = {
    {"AshwiniStartFullKetu", 0.0, 0, 7, 0},
    {"BharaniStartFullVenus", 360.0 / 27.0, 1, 20, 0},
    {"MaghaHalfwayHalfKetu", 120.0 + 180.0 / 27.0, 0, 3, 6},
    {"RevatiHalfwayHalfMercury", 360.0 - 180.0 / 27.0, 8, 8, 6},
};

class DashaBalanceTest : public testing::TestWithParam<BalanceCase> {};

TEST_P(DashaBalanceTest, LordAndTimeLeft) {
  const BalanceCase& c = GetParam();
  const DashaBalance b = vimshottariBalance(c.moonDeg);
  EXPECT_EQ(b.lordIndex, c.wantLord);
  EXPECT_EQ(b.years, c.wantYears);
  EXPECT_EQ(b.months, c.wantMonths);
}

INSTANTIATE_TEST_SUITE_P(Moons, DashaBalanceTest, testing::ValuesIn(kBalances),
                         [](const testing::TestParamInfo<BalanceCase>& info) {
                           return std::string(info.param.name);
                         });

class DashaSequenceTest : public testing::TestWithParam<double> {};

TEST_P(DashaSequenceTest, NineLordsInOrderSpanning120YearsWithoutGaps) {
  const auto dashas = vimshottariDashas(GetParam());
  const int first = dashas[0].period.lordIndex;
  EXPECT_LE(dashas[0].period.startDaysFromBirth, 0.0);
  EXPECT_GT(dashas[0].period.endDaysFromBirth, 0.0);
  for (int i = 0; i < 9; ++i) {
    const auto& m = dashas[i];
    EXPECT_EQ(m.period.lordIndex, (first + i) % 9);
    if (i > 0) {
      EXPECT_DOUBLE_EQ(m.period.startDaysFromBirth, dashas[i - 1].period.endDaysFromBirth);
    }
    EXPECT_DOUBLE_EQ(m.antardashas[0].startDaysFromBirth, m.period.startDaysFromBirth);
    EXPECT_DOUBLE_EQ(m.antardashas[8].endDaysFromBirth, m.period.endDaysFromBirth);
    EXPECT_EQ(m.antardashas[0].lordIndex, m.period.lordIndex);
  }
  EXPECT_NEAR(dashas[8].period.endDaysFromBirth - dashas[0].period.startDaysFromBirth,
              120 * kDashaDaysPerYear, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Moons, DashaSequenceTest, testing::Values(0.0, 47.3, 200.0, 359.999));

}  // namespace
}  // namespace velmora
