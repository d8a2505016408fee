#include <gtest/gtest.h>

#include "engine/jyotish/manglik.h"
#include "test_births.h"

namespace velmora {
namespace {

// The middle of sign s (0 Aries .. 11 Pisces), so that a case reads by signs only.
constexpr double In(int sign) {
  return 30.0 * sign + 12.0;
}
constexpr int kAri = 0, kTau = 1, kGem = 2, kCan = 3, kLeo = 4, kVir = 5, kLib = 6, kSco = 7,
              kSag = 8, kCap = 9, kAqu = 10, kPis = 11;

struct ManglikCase {
  const char* Name;
  int Lagna, Moon, Venus, Mars, Jupiter;
  std::array<int, 3> WantHouses;  // of Mars from the lagna, the Moon and Venus
  bool WantDosha;
  bool WantCancelled;
  const char* WantSummary;
};

constexpr ManglikCase kCases[] = {
    {"MarsInTheSeventhFromTheLagnaOnly",
     kAri,
     kTau,
     kTau,
     kLib,
     kPis,
     {7, 6, 6},
     true,
     false,
     "Manglik from the lagna (Mars in the 7th)"},
    {"MarsFromTheMoonAndVenusOnly",
     kAri,
     kSco,
     kSag,
     kGem,
     kLeo,
     {3, 8, 7},
     true,
     false,
     "Manglik from the Moon (Mars in the 8th) and Venus (Mars in the 7th)"},
    {"MarsInTheTwelfthFromVenusOnly",
     kAri,
     kCap,
     kCan,
     kGem,
     kLeo,
     {3, 6, 12},
     true,
     false,
     "Manglik from Venus (Mars in the 12th)"},
    {"NotManglikAnywhere",
     kAri,
     kVir,
     kAqu,
     kGem,
     kLeo,
     {3, 10, 5},
     false,
     false,
     "Not Manglik: Mars is in the 3rd from the lagna, the 10th from the Moon and the 5th from "
     "Venus"},
    {"OwnSignCancels",
     kLib,
     kLib,
     kLib,
     kAri,
     kVir,
     {7, 7, 7},
     true,
     true,
     "Manglik from the lagna (Mars in the 7th), the Moon (Mars in the 7th) and Venus (Mars in "
     "the 7th); cancelled: Mars in its own sign (Aries)"},
    {"ScorpioInTheFourthFromLeoCancelsThreeWays",
     kLeo,
     kTau,
     kTau,
     kSco,
     kGem,
     {4, 7, 7},
     true,
     true,
     "Manglik from the lagna (Mars in the 4th), the Moon (Mars in the 7th) and Venus (Mars in "
     "the 7th); cancelled: Mars in its own sign (Scorpio); Mars in Scorpio in the 4th from the "
     "lagna; Mars is yogakaraka for the lagna"},
    {"ExaltedInTheSeventhCancels",
     kCan,
     kGem,
     kGem,
     kCap,
     kAri,
     {7, 8, 8},
     true,
     true,
     "Manglik from the lagna (Mars in the 7th), the Moon (Mars in the 8th) and Venus (Mars in "
     "the 8th); cancelled: Mars exalted in Capricorn; Mars in Capricorn in the 7th from the "
     "lagna; Mars is yogakaraka for the lagna"},
    {"JupiterAspectsMarsByItsFifth",
     kTau,
     kLeo,
     kLeo,
     kSag,
     kLeo,
     {8, 5, 5},
     true,
     true,
     "Manglik from the lagna (Mars in the 8th); cancelled: Mars in Sagittarius in the 8th from "
     "the lagna; Jupiter joins or aspects Mars"},
    {"MoonJoinsMars",
     kVir,
     kPis,
     kAri,
     kPis,
     kGem,
     {7, 1, 12},
     true,
     true,
     "Manglik from the lagna (Mars in the 7th), the Moon (Mars in the 1st) and Venus (Mars in "
     "the 12th); cancelled: Mars joins the Moon (Chandra-Mangala yoga)"},
    {"LeoLagnaMakesMarsYogakaraka",
     kLeo,
     kLeo,
     kLeo,
     kAqu,
     kTau,
     {7, 7, 7},
     true,
     true,
     "Manglik from the lagna (Mars in the 7th), the Moon (Mars in the 7th) and Venus (Mars in "
     "the 7th); cancelled: Mars is yogakaraka for the lagna"},
    {"HouseExceptionForOneReferenceOnly",
     kTau,
     kCan,
     kCan,
     kGem,
     kCap,
     {2, 12, 12},
     true,
     false,
     "Manglik from the lagna (Mars in the 2nd), the Moon (Mars in the 12th) and Venus (Mars in "
     "the 12th); only partly excused: Mars in Gemini in the 2nd from the lagna"},
    {"HouseExceptionsForEveryReference",
     kCap,
     kCap,
     kCap,
     kCan,
     kLib,
     {7, 7, 7},
     true,
     true,
     "Manglik from the lagna (Mars in the 7th), the Moon (Mars in the 7th) and Venus (Mars in "
     "the 7th); cancelled: Mars in Cancer in the 7th from the lagna, the 7th from the Moon and "
     "the 7th from Venus"},
};

class ManglikTest : public testing::TestWithParam<ManglikCase> {};

TEST_P(ManglikTest, CountsMarsFromLagnaMoonAndVenus) {
  const ManglikCase& c = GetParam();
  const ManglikResult r =
      ComputeManglik(In(c.Lagna), In(c.Moon), In(c.Venus), In(c.Mars), In(c.Jupiter));
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(r.From[i].MarsHouse, c.WantHouses[i]) << i;
  EXPECT_EQ(r.HasDosha(), c.WantDosha);
  EXPECT_EQ(r.Cancelled(), c.WantCancelled);
  EXPECT_EQ(r.IsManglik(), c.WantDosha && !c.WantCancelled);
  EXPECT_EQ(ManglikSummary(r), c.WantSummary);
}

INSTANTIATE_TEST_SUITE_P(Rules, ManglikTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ManglikCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST(ManglikHouses, AreTheFirstSecondFourthSeventhEighthAndTwelfth) {
  std::vector<int> houses;
  for (int h = 1; h <= 12; ++h)
    if (IsManglikHouse(h)) houses.push_back(h);
  EXPECT_EQ(houses, (std::vector<int>{1, 2, 4, 7, 8, 12}));
}

TEST(ManglikOrdinals, ReadAsWords) {
  EXPECT_EQ(OrdinalHouse(1), "1st");
  EXPECT_EQ(OrdinalHouse(2), "2nd");
  EXPECT_EQ(OrdinalHouse(3), "3rd");
  EXPECT_EQ(OrdinalHouse(11), "11th");
  EXPECT_EQ(OrdinalHouse(12), "12th");
}

// A chart record gives the same answer as its longitudes, whichever positions made it.
TEST(ManglikOfChart, ReadsTheRecordsLongitudes) {
  for (PositionSource source : {PositionSource::Formula, PositionSource::Precise}) {
    ChartRecord c;
    ReadBirthData(c, test::DelhiBirth());
    RunSiderealEngine(c, EngineOptions{source, LunarNode::Mean});
    const auto& lon = c.Longitudes;
    const ManglikResult fromRecord = ComputeManglik(c);
    const ManglikResult fromLongitudes =
        ComputeManglik(lon[kAscendantRow], lon[kMoonRow], lon[3], lon[4], lon[5]);
    EXPECT_EQ(ManglikSummary(fromRecord), ManglikSummary(fromLongitudes));
    EXPECT_EQ(fromRecord.MarsSign, static_cast<int>(lon[4] / 30));
  }
}

}  // namespace
}  // namespace velmora
