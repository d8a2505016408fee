#include <gtest/gtest.h>

#include "engine/jyotish/planet_status.h"

namespace velmora {
namespace {

// Record rows: 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn, 7 Rahu, 8 Ketu.
struct DignityCase {
  const char* Name;
  std::size_t row;
  double longitudeDeg;
  Dignity want;
};

// After Brihat Parashara Hora Shastra, ch. 3.
constexpr DignityCase kDignities[] = {
    {"SunInAriesExalted", 0, 10.0, Dignity::Exalted},
    {"SunInLibraDebilitated", 0, 190.0, Dignity::Debilitated},
    {"SunInLeoFifteenMoolatrikona", 0, 135.0, Dignity::Moolatrikona},
    {"SunInLeoTwentyOwn", 0, 140.0, Dignity::OwnSign},
    {"SunInCancerFriend", 0, 100.0, Dignity::FriendSign},
    {"SunInGeminiNeutral", 0, 70.0, Dignity::NeutralSign},
    {"SunInCapricornEnemy", 0, 280.0, Dignity::EnemySign},
    {"MoonInTaurusTwoExalted", 1, 32.0, Dignity::Exalted},
    {"MoonInTaurusThreeMoolatrikona", 1, 33.0, Dignity::Moolatrikona},
    {"MoonInScorpioDebilitated", 1, 215.0, Dignity::Debilitated},
    {"MoonInCancerOwn", 1, 95.0, Dignity::OwnSign},
    {"MoonInVirgoFriend", 1, 160.0, Dignity::FriendSign},
    {"MoonInAquariusNeutral", 1, 310.0, Dignity::NeutralSign},
    {"MercuryInVirgoTenExalted", 2, 160.0, Dignity::Exalted},
    {"MercuryInVirgoSeventeenMoolatrikona", 2, 167.0, Dignity::Moolatrikona},
    {"MercuryInVirgoTwentyFiveOwn", 2, 175.0, Dignity::OwnSign},
    {"MercuryInGeminiOwn", 2, 65.0, Dignity::OwnSign},
    {"MercuryInPiscesDebilitated", 2, 345.0, Dignity::Debilitated},
    {"MercuryInCancerEnemy", 2, 100.0, Dignity::EnemySign},
    {"VenusInPiscesExalted", 3, 356.0, Dignity::Exalted},
    {"VenusInVirgoDebilitated", 3, 170.0, Dignity::Debilitated},
    {"VenusInLibraTenMoolatrikona", 3, 190.0, Dignity::Moolatrikona},
    {"VenusInLibraTwentyOwn", 3, 200.0, Dignity::OwnSign},
    {"VenusInLeoEnemy", 3, 130.0, Dignity::EnemySign},
    {"VenusInCapricornFriend", 3, 275.0, Dignity::FriendSign},
    {"MarsInCapricornExalted", 4, 298.0, Dignity::Exalted},
    {"MarsInCancerDebilitated", 4, 118.0, Dignity::Debilitated},
    {"MarsInAriesTenMoolatrikona", 4, 10.0, Dignity::Moolatrikona},
    {"MarsInAriesTwentyOwn", 4, 20.0, Dignity::OwnSign},
    {"MarsInScorpioOwn", 4, 220.0, Dignity::OwnSign},
    {"MarsInGeminiEnemy", 4, 75.0, Dignity::EnemySign},
    {"MarsInLeoFriend", 4, 130.0, Dignity::FriendSign},
    {"JupiterInCancerExalted", 5, 95.0, Dignity::Exalted},
    {"JupiterInCapricornDebilitated", 5, 275.0, Dignity::Debilitated},
    {"JupiterInSagittariusFiveMoolatrikona", 5, 245.0, Dignity::Moolatrikona},
    {"JupiterInSagittariusFifteenOwn", 5, 255.0, Dignity::OwnSign},
    {"JupiterInGeminiEnemy", 5, 70.0, Dignity::EnemySign},
    {"JupiterInAquariusNeutral", 5, 310.0, Dignity::NeutralSign},
    {"SaturnInLibraExalted", 6, 200.0, Dignity::Exalted},
    {"SaturnInAriesDebilitated", 6, 20.0, Dignity::Debilitated},
    {"SaturnInAquariusTenMoolatrikona", 6, 310.0, Dignity::Moolatrikona},
    {"SaturnInAquariusTwentyFiveOwn", 6, 325.0, Dignity::OwnSign},
    {"SaturnInCapricornOwn", 6, 280.0, Dignity::OwnSign},
    {"SaturnInLeoEnemy", 6, 130.0, Dignity::EnemySign},
    {"SaturnInTaurusFriend", 6, 50.0, Dignity::FriendSign},
    {"SaturnInPiscesNeutral", 6, 350.0, Dignity::NeutralSign},
    {"RahuInTaurusExalted", 7, 40.0, Dignity::Exalted},
    {"RahuInScorpioDebilitated", 7, 220.0, Dignity::Debilitated},
    {"RahuInLeoNone", 7, 130.0, Dignity::None},
    {"KetuInScorpioExalted", 8, 220.0, Dignity::Exalted},
    {"KetuInTaurusDebilitated", 8, 40.0, Dignity::Debilitated},
};

class DignityTest : public testing::TestWithParam<DignityCase> {};

TEST_P(DignityTest, BySignAndDegree) {
  const DignityCase& c = GetParam();
  EXPECT_EQ(StatusOf(c.row, c.longitudeDeg, 1.0, 180.0).SignDignity, c.want);
}

INSTANTIATE_TEST_SUITE_P(Parashara, DignityTest, testing::ValuesIn(kDignities),
                         [](const testing::TestParamInfo<DignityCase>& info) {
                           return std::string(info.param.Name);
                         });

struct CombustCase {
  const char* Name;
  std::size_t row;
  double apartDeg;  // from the Sun
  double speedDegPerDay;
  bool wantCombust;
};

// Surya Siddhanta's orbs: Moon 12, Mars 17, Mercury 14 (12 retrograde), Jupiter 11, Venus 10
// (8 retrograde), Saturn 15; the Sun and the nodes are never combust.
constexpr CombustCase kCombust[] = {
    {"MoonTwelveCombust", 1, 12.0, 13.0, true},
    {"MoonThirteenClear", 1, 13.0, 13.0, false},
    {"MercuryThirteenDirectCombust", 2, 13.0, 1.2, true},
    {"MercuryThirteenRetrogradeClear", 2, 13.0, -0.5, false},
    {"MercuryElevenRetrogradeCombust", 2, 11.0, -0.5, true},
    {"VenusNineDirectCombust", 3, 9.0, 1.2, true},
    {"VenusNineRetrogradeClear", 3, 9.0, -0.6, false},
    {"VenusSevenRetrogradeCombust", 3, 7.0, -0.6, true},
    {"MarsSixteenCombust", 4, 16.0, 0.7, true},
    {"MarsEighteenClear", 4, 18.0, 0.7, false},
    {"JupiterElevenCombust", 5, 11.0, 0.2, true},
    {"JupiterTwelveClear", 5, 12.0, 0.2, false},
    {"SaturnFifteenCombust", 6, 15.0, 0.1, true},
    {"SaturnSixteenClear", 6, 16.0, 0.1, false},
    {"SunNever", 0, 0.0, 1.0, false},
    {"RahuOnTheSunNever", 7, 0.5, -0.05, false},
    {"KetuOnTheSunNever", 8, 0.5, -0.05, false},
};

class CombustTest : public testing::TestWithParam<CombustCase> {};

TEST_P(CombustTest, WithinTheOrbEitherSideOfTheSun) {
  const CombustCase& c = GetParam();
  // The same on either side, and across 0 Aries.
  for (double sun : {100.0, 355.0, 3.0}) {
    EXPECT_EQ(StatusOf(c.row, sun + c.apartDeg, c.speedDegPerDay, sun).Combust, c.wantCombust)
        << sun;
    EXPECT_EQ(StatusOf(c.row, sun - c.apartDeg, c.speedDegPerDay, sun).Combust, c.wantCombust)
        << sun;
  }
}

INSTANTIATE_TEST_SUITE_P(Orbs, CombustTest, testing::ValuesIn(kCombust),
                         [](const testing::TestParamInfo<CombustCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST(PlanetStatusTest, RetrogradeComesFromTheSpeed) {
  EXPECT_EQ(StatusOf(6, 10.0, -0.03, 200.0).Retrograde, std::optional<bool>(true));
  EXPECT_EQ(StatusOf(6, 10.0, 0.03, 200.0).Retrograde, std::optional<bool>(false));
  EXPECT_FALSE(StatusOf(6, 10.0, std::nullopt, 200.0).Retrograde.has_value());
  // Without a speed the direct orb holds: Mercury 13 degrees off is combust.
  EXPECT_TRUE(StatusOf(2, 113.0, std::nullopt, 100.0).Combust);
}

TEST(PlanetStatusTest, DistanceFromTheSunIsTheShorterArc) {
  EXPECT_DOUBLE_EQ(StatusOf(3, 350.0, 1.0, 10.0).DistanceFromSunDeg, 20.0);
  EXPECT_DOUBLE_EQ(StatusOf(3, 10.0, 1.0, 350.0).DistanceFromSunDeg, 20.0);
  EXPECT_DOUBLE_EQ(StatusOf(5, 280.0, 1.0, 100.0).DistanceFromSunDeg, 180.0);
}

TEST(PlanetStatusTest, TheMoonIsMeasuredFromTheSunOfItsOwnEquinox) {
  // The formulas' Sun is of J2000, their Moon of date: a century before 2000 the Sun of date
  // stands 1.397 degrees behind the Sun of J2000; the planets stay on the Sun's ecliptic.
  ChartRecord c;
  c.Positions = PositionSource::Formula;
  c.Centuries2000 = -1.0;
  c.Longitudes = {10.0, 30.0, 25.0, 0, 100, 150, 200, 250, 70, 0};
  const auto formula = PlanetStatuses(c, nullptr);
  EXPECT_NEAR(formula[1].DistanceFromSunDeg, 21.396971, 1e-9);
  EXPECT_NEAR(formula[2].DistanceFromSunDeg, 15.0, 1e-9);
  c.Positions = PositionSource::Precise;
  EXPECT_NEAR(PlanetStatuses(c, nullptr)[1].DistanceFromSunDeg, 20.0, 1e-9);
}

TEST(PlanetStatusTest, ChartStatusesReadTheRecordsLongitudesAndTheGivenSpeeds) {
  ChartRecord c;
  // Sun 0.5 Ari, Moon 45 Tau, Mercury 3.4 Ari, Venus 356 Pis, Mars 200 Lib, Jupiter 95 Can,
  // Saturn 20 Ari, Rahu 40 Tau, Ketu 220 Sco, ascendant 10 Ari.
  c.Longitudes = {0.5, 45.0, 3.4, 356.0, 200.0, 95.0, 20.0, 40.0, 220.0, 10.0};
  const std::array<double, kLongitudeRows> speeds{1,   13,    -0.4,  1.1,   0.6,
                                                  0.1, -0.05, -0.05, -0.05, 360};
  const auto statuses = PlanetStatuses(c, &speeds);
  EXPECT_EQ(statuses[0].SignDignity, Dignity::Exalted);
  EXPECT_EQ(statuses[1].SignDignity, Dignity::Moolatrikona);
  EXPECT_TRUE(statuses[2].Combust);  // 2.9 degrees, inside even the retrograde orb
  EXPECT_EQ(statuses[2].Retrograde, std::optional<bool>(true));
  EXPECT_EQ(statuses[3].SignDignity, Dignity::Exalted);
  EXPECT_TRUE(statuses[3].Combust);  // 4.5 degrees
  EXPECT_EQ(statuses[5].SignDignity, Dignity::Exalted);
  EXPECT_EQ(statuses[6].SignDignity, Dignity::Debilitated);
  EXPECT_FALSE(statuses[6].Combust);  // 19.5 degrees
  EXPECT_EQ(statuses[7].SignDignity, Dignity::Exalted);
  EXPECT_EQ(statuses[8].SignDignity, Dignity::Exalted);
  EXPECT_FALSE(PlanetStatuses(c, nullptr)[2].Retrograde.has_value());
  // The record's own speeds by default.
  c.SpeedsDegPerDay = speeds;
  EXPECT_EQ(PlanetStatuses(c)[2].Retrograde, std::optional<bool>(true));
  EXPECT_EQ(PlanetStatuses(c)[4].Retrograde, std::optional<bool>(false));
}

}  // namespace
}  // namespace velmora
