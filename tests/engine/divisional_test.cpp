#include <gtest/gtest.h>

#include "engine/divisional.h"

namespace velmora {
namespace {

struct DivisionCase {
  const char* Name;
  velmora::Division Division;
  double longitudeDeg;
  int wantSign;  // 0 Aries .. 11 Pisces
};

// Sign starts, sign ends and the edges of single parts, where an off-by-one shows first.
constexpr DivisionCase kCases[] = {
    {"HoraAriesStartIsLeo", Division::D2, 0.0, 4},
    {"HoraAriesSecondHalfIsCancer", Division::D2, 15.0, 3},
    {"HoraTaurusStartIsCancer", Division::D2, 30.0, 3},
    {"HoraTaurusEndIsLeo", Division::D2, 59.999, 4},
    {"DrekkanaAriesMiddleIsLeo", Division::D3, 10.0, 4},
    {"DrekkanaAriesEndIsSagittarius", Division::D3, 29.999, 8},
    {"DrekkanaPiscesEndIsScorpio", Division::D3, 359.999, 7},
    {"SaptamsaAriesStartIsAries", Division::D7, 0.0, 0},
    {"SaptamsaTaurusStartIsScorpio", Division::D7, 30.0, 7},
    {"NavamsaAriesStartIsAries", Division::D9, 0.0, 0},
    {"NavamsaAriesEndIsSagittarius", Division::D9, 29.999, 8},
    {"NavamsaTaurusStartIsCapricorn", Division::D9, 30.0, 9},
    {"NavamsaGeminiStartIsLibra", Division::D9, 60.0, 6},
    {"NavamsaCancerStartIsCancer", Division::D9, 90.0, 3},
    {"NavamsaPiscesEndIsPisces", Division::D9, 359.999, 11},
    {"DasamsaAriesEndIsCapricorn", Division::D10, 29.999, 9},
    {"DasamsaTaurusStartIsCapricorn", Division::D10, 30.0, 9},
    {"DwadasamsaAriesEndIsPisces", Division::D12, 29.999, 11},
    {"DwadasamsaSecondPartStartIsTaurus", Division::D12, 2.5, 1},
    {"FullTurnWrapsToAries", Division::D9, 360.0, 0},
};

class DivisionalSignTest : public testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionalSignTest, FollowsTheParashariRule) {
  const DivisionCase& c = GetParam();
  EXPECT_EQ(DivisionalSign(c.Division, c.longitudeDeg), c.wantSign);
}

INSTANTIATE_TEST_SUITE_P(Rules, DivisionalSignTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DivisionCase>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
}  // namespace velmora
