#include <gtest/gtest.h>

#include "engine/jyotish/divisional.h"
#include "engine/jyotish/zodiac.h"
#include "test_births.h"

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
    {"HoraAriesEndIsCancer", Division::D2, 29.999, 3},
    {"HoraAriesLastOfFirstHalfIsLeo", Division::D2, 14.999, 4},
    {"HoraTaurusSecondHalfIsLeo", Division::D2, 45.0, 4},
    {"DrekkanaAriesStartIsAries", Division::D3, 0.0, 0},
    {"DrekkanaAriesLastOfFirstPartIsAries", Division::D3, 9.999, 0},
    {"DrekkanaAriesLastOfSecondPartIsLeo", Division::D3, 19.999, 4},
    {"DrekkanaAriesThirdPartIsSagittarius", Division::D3, 20.0, 8},
    {"DrekkanaTaurusMiddleIsVirgo", Division::D3, 40.0, 5},
    {"SaptamsaAriesLastOfFirstPartIsAries", Division::D7, 4.2857, 0},
    {"SaptamsaAriesSecondPartIsTaurus", Division::D7, 4.2858, 1},
    {"SaptamsaAriesEndIsLibra", Division::D7, 29.999, 6},
    {"SaptamsaTaurusEndIsTaurus", Division::D7, 59.999, 1},
    {"SaptamsaCancerStartIsCapricorn", Division::D7, 90.0, 9},
    {"NavamsaAriesLastOfFirstPartIsAries", Division::D9, 3.3333, 0},
    {"NavamsaAriesSecondPartIsTaurus", Division::D9, 3.3334, 1},
    {"NavamsaLeoStartIsAries", Division::D9, 120.0, 0},
    {"NavamsaVirgoStartIsCapricorn", Division::D9, 150.0, 9},
    {"NavamsaScorpioStartIsCancer", Division::D9, 210.0, 3},
    {"NavamsaAquariusStartIsLibra", Division::D9, 300.0, 6},
    {"NavamsaJustBelowAriesIsPisces", Division::D9, -0.001, 11},
    {"DasamsaAriesStartIsAries", Division::D10, 0.0, 0},
    {"DasamsaAriesLastOfFirstPartIsAries", Division::D10, 2.999, 0},
    {"DasamsaAriesSecondPartIsTaurus", Division::D10, 3.0, 1},
    {"DasamsaTaurusSecondPartIsAquarius", Division::D10, 33.0, 10},
    {"DasamsaTaurusEndIsLibra", Division::D10, 59.999, 6},
    {"DwadasamsaAriesStartIsAries", Division::D12, 0.0, 0},
    {"DwadasamsaAriesLastOfFirstPartIsAries", Division::D12, 2.499, 0},
    {"DwadasamsaLeoEndIsCancer", Division::D12, 149.999, 3},
    // The ten divisions beyond the first six, each at its part edges (Brihat Parashara Hora
    // Shastra, ch. 6).
    {"RashiIsTheSignItself", Division::D1, 245.0, 8},
    {"ChaturthamsaAriesSecondPartIsCancer", Division::D4, 7.5, 3},
    {"ChaturthamsaAriesLastPartIsCapricorn", Division::D4, 29.999, 9},
    {"ChaturthamsaTaurusStartIsTaurus", Division::D4, 30.0, 1},
    {"ShodasamsaAriesStartIsAries", Division::D16, 0.0, 0},
    {"ShodasamsaTaurusStartIsLeo", Division::D16, 30.0, 4},
    {"ShodasamsaGeminiStartIsSagittarius", Division::D16, 60.0, 8},
    {"ShodasamsaAriesEndIsCancer", Division::D16, 29.999, 3},
    {"VimsamsaTaurusStartIsSagittarius", Division::D20, 30.0, 8},
    {"VimsamsaGeminiStartIsLeo", Division::D20, 60.0, 4},
    {"VimsamsaAriesSecondPartIsTaurus", Division::D20, 1.5, 1},
    {"ChaturvimsamsaAriesStartIsLeo", Division::D24, 0.0, 4},
    {"ChaturvimsamsaTaurusStartIsCancer", Division::D24, 30.0, 3},
    {"ChaturvimsamsaAriesEndIsCancer", Division::D24, 29.999, 3},
    {"SaptavimsamsaTaurusStartIsCancer", Division::D27, 30.0, 3},
    {"SaptavimsamsaCancerStartIsCapricorn", Division::D27, 90.0, 9},
    {"SaptavimsamsaAriesEndIsGemini", Division::D27, 29.999, 2},
    {"TrimsamsaAriesFirstFiveDegreesIsAries", Division::D30, 4.999, 0},
    {"TrimsamsaAriesFifthDegreeIsAquarius", Division::D30, 5.0, 10},
    {"TrimsamsaAriesTenthDegreeIsSagittarius", Division::D30, 10.0, 8},
    {"TrimsamsaAriesEighteenthDegreeIsGemini", Division::D30, 18.0, 2},
    {"TrimsamsaAriesLastSpanIsLibra", Division::D30, 29.999, 6},
    {"TrimsamsaTaurusFirstSpanIsTaurus", Division::D30, 34.0, 1},
    {"TrimsamsaTaurusFifthDegreeIsVirgo", Division::D30, 35.0, 5},
    {"TrimsamsaTaurusTwelfthDegreeIsPisces", Division::D30, 42.0, 11},
    {"TrimsamsaTaurusTwentiethDegreeIsCapricorn", Division::D30, 50.0, 9},
    {"TrimsamsaTaurusLastSpanIsScorpio", Division::D30, 59.999, 7},
    {"KhavedamsaAriesStartIsAries", Division::D40, 0.0, 0},
    {"KhavedamsaTaurusStartIsLibra", Division::D40, 30.0, 6},
    {"KhavedamsaAriesEndIsCancer", Division::D40, 29.999, 3},
    {"AkshavedamsaLeoStartIsLeo", Division::D45, 120.0, 4},
    {"AkshavedamsaVirgoStartIsSagittarius", Division::D45, 150.0, 8},
    {"AkshavedamsaAriesEndIsSagittarius", Division::D45, 29.999, 8},
    {"ShashtiamsaAriesSecondHalfDegreeIsTaurus", Division::D60, 0.5, 1},
    {"ShashtiamsaLeoFirstHalfDegreeIsLeo", Division::D60, 120.25, 4},
    {"ShashtiamsaAriesEndIsPisces", Division::D60, 29.999, 11},
    {"ShashtiamsaCapricornSixthDegreeIsCapricorn", Division::D60, 276.0, 9},
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

// A chart whose ascendant and bodies are placed by hand, so each cell is known.
ChartRecord PlacedChart() {
  ChartRecord c = test::SiderealChartOf(test::DelhiBirth());
  // Sun 0.5 Ari, Moon 45 Tau, Mercury 3.4 Ari, Venus 100 Can, Mars 200 Lib, Jupiter 250 Sag,
  // Saturn 310 Aqu, Rahu 350 Pis, Ketu 170 Vir, ascendant 10 Ari.
  c.Longitudes = {0.5, 45.0, 3.4, 100.0, 200.0, 250.0, 310.0, 350.0, 170.0, 10.0};
  return c;
}

TEST(DivisionalCellsTest, NavamsaCellsListAscFirstThenBodiesInTableOrder) {
  CellTexts cells;
  FillDivisionalCells(Division::D9, PlacedChart(), cells);
  // Navamsa: 0.5 Ari -> Ari; 45 Tau -> Cap+4 = Tau; 3.4 Ari -> Tau; 100 Can -> Can+3 = Lib;
  // 200 Lib -> Lib+6 = Ari; 250 Sag -> Ari+3 = Can; 310 Aqu -> Lib+3 = Cap; 350 Pis ->
  // Can+6 = Cap; 170 Vir -> Cap+6 = Can; 10 Ari -> Ari+3 = Can.
  const CellTexts want = {"Surya\r\nMangala",
                          "Chandra\r\nBudha",
                          "",
                          "Asc\r\nGuru\r\nKetu",
                          "",
                          "",
                          "Shukra",
                          "",
                          "",
                          "Shani\r\nRahu",
                          "",
                          ""};
  EXPECT_EQ(cells, want);
}

// The navamsa's and the saptavimsamsa's starting signs are the ones that make their parts run
// on through the zodiac without a break, so the part counted from 0 Aries gives the sign.
TEST(DivisionalSignTest, NavamsaAndSaptavimsamsaRunOnThroughTheZodiac) {
  for (double lon = 0.05; lon < 360.0; lon += 0.1) {
    EXPECT_EQ(DivisionalSign(Division::D9, lon), static_cast<int>(lon * 9 / 30) % 12) << lon;
    EXPECT_EQ(DivisionalSign(Division::D27, lon), static_cast<int>(lon * 27 / 30) % 12) << lon;
  }
}

TEST(DivisionalCellsTest, EveryDivisionPlacesTheAscendantAndAllNineBodies) {
  const ChartRecord c = PlacedChart();
  for (const DivisionInfo& division : kDivisions) {
    CellTexts cells;
    FillDivisionalCells(division.Division, c, cells);
    const auto signs = DivisionalSigns(division.Division, c);
    EXPECT_EQ(cells[static_cast<std::size_t>(signs[kAscendantRow])].rfind("Asc", 0), 0u)
        << division.Key;
    for (std::size_t body = 0; body < kAscendantRow; ++body) {
      EXPECT_NE(cells[static_cast<std::size_t>(signs[body])].find(c.PlanetVedicNames[body]),
                std::string::npos)
          << division.Key << " " << kLongitudeNames[body];
    }
  }
}

}  // namespace
}  // namespace velmora
