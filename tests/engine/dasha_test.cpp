#include <gtest/gtest.h>

#include "engine/dasha.h"

namespace velmora {
namespace {

struct BalanceCase {
  const char* Name;
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
  const DashaBalance b = VimshottariBalance(c.moonDeg);
  EXPECT_EQ(b.LordIndex, c.wantLord);
  EXPECT_EQ(b.Years, c.wantYears);
  EXPECT_EQ(b.Months, c.wantMonths);
}

INSTANTIATE_TEST_SUITE_P(Moons, DashaBalanceTest, testing::ValuesIn(kBalances),
                         [](const testing::TestParamInfo<BalanceCase>& info) {
                           return std::string(info.param.Name);
                         });

class DashaSequenceTest : public testing::TestWithParam<double> {};

TEST_P(DashaSequenceTest, NineLordsInOrderSpanning120YearsWithoutGaps) {
  const auto dashas = VimshottariDashas(GetParam());
  const int first = dashas[0].Period.LordIndex;
  EXPECT_LE(dashas[0].Period.StartDaysFromBirth, 0.0);
  EXPECT_GT(dashas[0].Period.EndDaysFromBirth, 0.0);
  for (int i = 0; i < 9; ++i) {
    const auto& m = dashas[i];
    EXPECT_EQ(m.Period.LordIndex, (first + i) % 9);
    if (i > 0) {
      EXPECT_DOUBLE_EQ(m.Period.StartDaysFromBirth, dashas[i - 1].Period.EndDaysFromBirth);
    }
    EXPECT_DOUBLE_EQ(m.Antardashas[0].StartDaysFromBirth, m.Period.StartDaysFromBirth);
    EXPECT_DOUBLE_EQ(m.Antardashas[8].EndDaysFromBirth, m.Period.EndDaysFromBirth);
    EXPECT_EQ(m.Antardashas[0].LordIndex, m.Period.LordIndex);
  }
  EXPECT_NEAR(dashas[8].Period.EndDaysFromBirth - dashas[0].Period.StartDaysFromBirth,
              120 * kDashaDaysPerYear, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Moons, DashaSequenceTest, testing::Values(0.0, 47.3, 200.0, 359.999));

}  // namespace
}  // namespace velmora
