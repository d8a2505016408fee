// Aspects on constructed charts: two points at chosen places and speeds, and what is found
// between them.
#include "engine/western/aspects.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/western/western_chart.h"
#include "test_births.h"

namespace velmora {
namespace {

struct PairCase {
  std::string Name;
  AspectPoint First, Second;
  AspectKinds Kinds;
  std::optional<AspectKind> Kind;  // none: no aspect
  double OrbDeg;
  bool Applying;
};

class AspectBetweenTwo : public ::testing::TestWithParam<PairCase> {};

TEST_P(AspectBetweenTwo, FoundWithItsOrbAndDirection) {
  const PairCase& c = GetParam();
  const AspectPoint points[] = {c.First, c.Second};
  const std::vector<Aspect> found = FindAspects(points, c.Kinds);
  if (!c.Kind) {
    EXPECT_TRUE(found.empty());
    return;
  }
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Kind, *c.Kind);
  EXPECT_NEAR(found[0].OrbDeg, c.OrbDeg, 1e-9);
  EXPECT_EQ(found[0].Applying, c.Applying);
  EXPECT_EQ(found[0].First, 0);
  EXPECT_EQ(found[0].Second, 1);
}

constexpr AspectKinds kDefaults = AspectKinds::Defaults();
constexpr AspectKinds kAll = AspectKinds::All();

INSTANTIATE_TEST_SUITE_P(
    Pairs, AspectBetweenTwo,
    ::testing::Values(
        // The faster body behind the slower one closes in; ahead of it, it draws away.
        PairCase{"ConjunctionFasterBehindApplies",
                 {10, 13},
                 {14, 1},
                 kDefaults,
                 AspectKind::Conjunction,
                 4,
                 true},
        PairCase{"ConjunctionFasterAheadSeparates",
                 {18, 13},
                 {14, 1},
                 kDefaults,
                 AspectKind::Conjunction,
                 4,
                 false},
        PairCase{"ConjunctionAcrossAriesPoint",
                 {355, 1},
                 {3, 0.1},
                 kDefaults,
                 AspectKind::Conjunction,
                 8,
                 true},
        PairCase{"RetrogradeBodyBacksIntoConjunction",
                 {20, -0.5},
                 {15, 0.05},
                 kDefaults,
                 AspectKind::Conjunction,
                 5,
                 true},
        PairCase{
            "OppositionOrbTenIsIn", {0, 1}, {190, 0}, kDefaults, AspectKind::Opposition, 10, true},
        PairCase{
            "OppositionJustPastTenIsOut", {0, 1}, {190.01, 0}, kDefaults, std::nullopt, 0, false},
        PairCase{"OppositionSeenTheOtherWayRound",
                 {200, 0},
                 {15, 1},
                 kDefaults,
                 AspectKind::Opposition,
                 5,
                 true},
        PairCase{"TrineOrbEight", {100, 0.5}, {228, 0}, kDefaults, AspectKind::Trine, 8, true},
        PairCase{
            "TrineWiderThanEightIsOut", {100, 0.5}, {228.5, 0}, kDefaults, std::nullopt, 0, false},
        PairCase{
            "SquareClosingFromInside", {0, 1}, {85, 0}, kDefaults, AspectKind::Square, 5, false},
        PairCase{
            "SquareClosingFromOutside", {0, 0}, {95, -1}, kDefaults, AspectKind::Square, 5, true},
        PairCase{"SextileOrbSix", {30, 1}, {96, 0}, kDefaults, AspectKind::Sextile, 6, true},
        PairCase{"QuincunxOnlyWhenAskedFor", {0, 0}, {151, 1}, kDefaults, std::nullopt, 0, false},
        PairCase{"QuincunxAskedFor", {0, 0}, {151, 1}, kAll, AspectKind::Quincunx, 1, false},
        PairCase{"SemiSextile", {0, 0}, {31.5, -1}, kAll, AspectKind::SemiSextile, 1.5, true},
        PairCase{"SemiSquare", {0, 0}, {44, 1}, kAll, AspectKind::SemiSquare, 1, true},
        PairCase{"Sesquiquadrate", {0, 0}, {137, 1}, kAll, AspectKind::Sesquiquadrate, 2, false},
        PairCase{"Quintile", {0, 0}, {73, 1}, kAll, AspectKind::Quintile, 1, false},
        PairCase{
            "QuintileNotBetweenSextileAndSquare", {0, 0}, {75, 0}, kAll, std::nullopt, 0, false},
        PairCase{"SextileLeftOut",
                 {0, 0},
                 {60, 0},
                 kDefaults.Without(AspectKind::Sextile),
                 std::nullopt,
                 0,
                 false}),
    [](const auto& info) { return info.param.Name; });

TEST(AspectOrder, PairsInTheOrderOfThePoints) {
  const AspectPoint points[] = {{0, 1}, {120, 0.5}, {240, 0.1}, {90, 0}};
  const std::vector<Aspect> found = FindAspects(points, AspectKinds::Defaults());
  // 120 and 90 are 30 apart, 240 and 90 150: neither is a default aspect.
  ASSERT_EQ(found.size(), 4u);
  const std::pair<int, int> pairs[] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}};
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(std::make_pair(found[i].First, found[i].Second), pairs[i]) << i;
  }
}

// The Western chart of the example birth: its points, its nodes and angles, and the
// aspects among them, whatever the positions come from.
class WesternChartOfDelhi : public ::testing::TestWithParam<PositionSource> {};

TEST_P(WesternChartOfDelhi, NodesAnglesHousesAndAspectsHangTogether) {
  ChartRecord c;
  ReadBirthData(c, test::DelhiBirth());
  RunTropicalEngine(c, EngineOptions{GetParam(), LunarNode::Mean});
  const WesternChart w = ComputeWesternChart(c);

  for (int body = 0; body < 7; ++body) {
    EXPECT_EQ(w.Points[static_cast<std::size_t>(body)].LongitudeDeg,
              c.Longitudes[static_cast<std::size_t>(body)]);
  }
  EXPECT_EQ(w.ChartNode, WesternPoint::MeanNode);
  EXPECT_NEAR(w.At(WesternPoint::MeanNode).LongitudeDeg, c.Longitudes[7], 1e-9);
  EXPECT_NEAR(w.At(WesternPoint::SouthNode).LongitudeDeg, c.Longitudes[8], 1e-9);
  EXPECT_NEAR(w.At(WesternPoint::Ascendant).LongitudeDeg, c.Longitudes[kAscendantRow], 1e-9);
  EXPECT_NEAR(test::AngleDifference(w.At(WesternPoint::Descendant).LongitudeDeg,
                                    w.At(WesternPoint::Ascendant).LongitudeDeg),
              180, 1e-9);
  EXPECT_EQ(w.At(WesternPoint::Ascendant).House, 1);
  EXPECT_EQ(w.At(WesternPoint::Midheaven).House, 10);
  EXPECT_EQ(w.At(WesternPoint::Descendant).House, 7);
  EXPECT_EQ(w.At(WesternPoint::ImumCoeli).House, 4);
  EXPECT_EQ(w.Houses.CuspsDeg[0], w.At(WesternPoint::Ascendant).LongitudeDeg);
  // Virgo rises in New Delhi that morning, with Mars, Jupiter and Saturn in the first house.
  EXPECT_EQ(w.At(WesternPoint::Ascendant).Sign, 5);
  for (WesternPoint p : {WesternPoint::Mars, WesternPoint::Jupiter, WesternPoint::Saturn}) {
    EXPECT_EQ(w.At(p).House, 1) << NameOf(p);
  }
  // Venus was retrograde, the mean node always is.
  EXPECT_TRUE(w.At(WesternPoint::Venus).Retrograde);
  EXPECT_TRUE(w.At(WesternPoint::MeanNode).Retrograde);
  EXPECT_FALSE(w.At(WesternPoint::Sun).Retrograde);

  ASSERT_EQ(w.AspectPoints.size(), 13u);
  bool sunVenus = false;
  for (const Aspect& a : w.Aspects) {
    EXPECT_LT(a.First, a.Second);
    EXPECT_LE(a.OrbDeg, DefinitionOf(a.Kind).OrbDeg);
    EXPECT_FALSE(a.First == 11 && a.Second == 12) << "ascendant and midheaven";
    if (w.AspectPoints[static_cast<std::size_t>(a.First)] == WesternPoint::Sun &&
        w.AspectPoints[static_cast<std::size_t>(a.Second)] == WesternPoint::Venus) {
      sunVenus = true;
      EXPECT_EQ(a.Kind, AspectKind::Conjunction);
    }
  }
  EXPECT_TRUE(sunVenus) << "the Sun and Venus stood within a degree of each other";
}

INSTANTIATE_TEST_SUITE_P(Positions, WesternChartOfDelhi,
                         ::testing::Values(PositionSource::Formula, PositionSource::Precise),
                         [](const auto& info) {
                           return info.param == PositionSource::Formula ? "Formula" : "Precise";
                         });

// Inside the polar circle the Placidus houses become Porphyry ones and say so.
TEST(WesternChartPolar, PlacidusFallsBackToPorphyryPastThePolarCircle) {
  BirthFormData f = test::GreenwichBirth(2000, 1, 1, 12, 0);
  f.LatitudeDegrees = "69";
  f.LatitudeMinutes = "39";
  ChartRecord c;
  ReadBirthData(c, f);
  RunTropicalEngine(c, EngineOptions{PositionSource::Precise, LunarNode::Mean});
  const WesternChart w = ComputeWesternChart(c, WesternOptions{HouseSystem::Placidus});
  EXPECT_EQ(w.Houses.Requested, HouseSystem::Placidus);
  EXPECT_EQ(w.Houses.Used, HouseSystem::Porphyry);
  EXPECT_TRUE(w.Houses.PolarFallback());
  const WesternChart equal = ComputeWesternChart(c, WesternOptions{HouseSystem::Equal});
  EXPECT_FALSE(equal.Houses.PolarFallback());
}

}  // namespace
}  // namespace velmora
