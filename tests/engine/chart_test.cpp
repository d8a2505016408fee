#include <gtest/gtest.h>

#include "engine/chart.h"
#include "engine/jyotish/zodiac.h"
#include "test_births.h"

namespace velmora {
namespace {

// A record whose planet table puts the bodies where a test wants them.
ChartRecord PlacedChart(const char* ascendant, std::array<const char*, 9> bodies) {
  ChartRecord c = test::SiderealChartOf(test::DelhiBirth());
  c.AscendantSign = ascendant;
  for (int b = 0; b < 9; ++b) c.PlanetPositionTexts[b] = std::string("12 ") + bodies[b] + " 34";
  return c;
}

CellTexts CellsOf(const ChartRecord& c) {
  LookupTables tables;
  FillZoneTables(tables);
  CellTexts cells;
  FillIndianCells(c, tables, cells);
  return cells;
}

TEST(DisplayValuesTest, DelhiChart) {
  const ChartRecord c = test::SiderealChartOf(test::DelhiBirth());
  EXPECT_EQ(c.AyanamsaDisplay, "23\u00B0 34' 54\"");
  EXPECT_EQ(c.AscendantSign, "Leo");
  EXPECT_EQ(c.AscendantSignName, "Simha");
  EXPECT_EQ(c.NakshatraLabel, "Punarvasu");
  EXPECT_EQ(c.MoonSignLabel, "Kataka");
  EXPECT_EQ(c.NakshatraLord, "Jupiter");
  EXPECT_EQ(c.NakshatraPada, "4");
  const char* expected[] = {"00 Gem 56", "00 Can 13", "25 Gem 23", "01 Gem 06", "23 Leo 19",
                            "10 Leo 25", "27 Leo 23", "28 Can 35", "28 Cap 35", "06 Leo 31"};
  for (int row = 0; row < 10; ++row) EXPECT_EQ(c.PlanetPositionTexts[row], expected[row]) << row;
}

struct LongitudeCase {
  const char* Name;
  BirthFormData Birth;
  bool Tropical;
};

class RecordLongitudesTest : public testing::TestWithParam<LongitudeCase> {};

// The kept longitudes are the values the position texts are cut from: formatted again they
// give back the very texts, and they lie in 0 to 360.
TEST_P(RecordLongitudesTest, FormatBackToThePositionTexts) {
  const LongitudeCase& p = GetParam();
  const ChartRecord c =
      p.Tropical ? test::TropicalChartOf(p.Birth) : test::SiderealChartOf(p.Birth);
  for (std::size_t row = 0; row < kLongitudeRows; ++row) {
    const double degrees = c.Longitudes[row];
    EXPECT_GE(degrees, 0.0) << kLongitudeNames[row];
    EXPECT_LT(degrees, 360.0) << kLongitudeNames[row];
    EXPECT_EQ(ChartPositionText(FormatLongitude(degrees)), c.PlanetPositionTexts[row])
        << kLongitudeNames[row];
  }
  EXPECT_EQ(c.Longitudes[kMoonRow], c.MoonLongitude);
}

INSTANTIATE_TEST_SUITE_P(
    Births, RecordLongitudesTest,
    testing::Values(LongitudeCase{"DelhiSidereal", test::DelhiBirth(), false},
                    LongitudeCase{"DelhiTropical", test::DelhiBirth(), true},
                    // At 1:30 the sidereal ascendant formula leaves a negative value.
                    LongitudeCase{"GreenwichNightAscendantInPisces",
                                  test::GreenwichBirth(1980, 6, 15, 1, 30), false},
                    LongitudeCase{"Greenwich1900", test::GreenwichBirth(1900, 1, 1, 0, 0), false},
                    LongitudeCase{"Greenwich2050Tropical",
                                  test::GreenwichBirth(2050, 12, 31, 23, 59), true}),
    [](const testing::TestParamInfo<LongitudeCase>& info) { return std::string(info.param.Name); });

TEST(DisplayValuesTest, InterpretationKeys) {
  ChartRecord c = test::SiderealChartOf(test::DelhiBirth());
  SetInterpretationKeys(c);
  EXPECT_EQ(c.NakshatraInfoKey, "Punarvasu");
  EXPECT_EQ(c.LagnaInfoKey, "Leo");
  EXPECT_EQ(c.RashiInfoKey, "Kataka");
}

TEST(IndianCellsTest, DelhiChart) {
  const CellTexts cells = CellsOf(test::SiderealChartOf(test::DelhiBirth()));
  EXPECT_EQ(cells[2], "Surya\r\nBudha\r\nShukra");
  EXPECT_EQ(cells[3], "Chandra\r\nRahu");
  EXPECT_EQ(cells[4], "Asc\r\nMangala\r\nGuru\r\nShani");
  EXPECT_EQ(cells[9], "Ketu");
  for (int s : {0, 1, 5, 6, 7, 8, 10, 11}) EXPECT_EQ(cells[s], "") << s;
}

TEST(IndianCellsTest, AscendantFirstThenBodiesInTableOrder) {
  const ChartRecord c =
      PlacedChart("Ari", {"Ari", "Ari", "Tau", "Gem", "Gem", "Can", "Leo", "Vir", "Pis"});
  const CellTexts cells = CellsOf(c);
  EXPECT_EQ(cells[0], "Asc\r\nSurya\r\nChandra");
  EXPECT_EQ(cells[2], "Shukra\r\nMangala");  // no ascendant: the earlier body first
  EXPECT_EQ(cells[7], "");
}

TEST(IndianCellsTest, BodyWithoutASignIsNotPlaced) {
  ChartRecord c =
      PlacedChart("Tau", {"Ari", "Ari", "Tau", "Gem", "Gem", "Can", "Leo", "Vir", "Pis"});
  c.PlanetPositionTexts[0] = "";
  c.PlanetPositionTexts[1] = "12 ari 34";
  const CellTexts cells = CellsOf(c);
  EXPECT_EQ(cells[0], "");
  EXPECT_EQ(cells[1], "Asc\r\nBudha");
}

WesternWheel WheelOf(const ChartRecord& tropical) {
  LookupTables tables;
  FillZoneTables(tables);
  FillWheelLists(tables);
  return ComputeWesternWheel(tropical, tables);
}

ChartRecord TropicalPlaced(const char* ascendant, std::array<const char*, 9> bodies) {
  ChartRecord c;
  for (int b = 0; b < 9; ++b) c.PlanetPositionTexts[b] = std::string("12 ") + bodies[b] + " 34";
  c.PlanetPositionTexts[9] = std::string("03 ") + ascendant + " 10";
  c.AscendantText = std::string("3\u00B0 10' 5\" ") + ascendant;
  c.MoonSignName = "Aries";
  return c;
}

TEST(WesternWheelTest, AscendantInAriesRunsThroughTheZodiac) {
  const WesternWheel w = WheelOf(
      TropicalPlaced("Ari", {"Ari", "Tau", "Ari", "Lib", "Lib", "Cap", "Cap", "Vir", "Pis"}));
  EXPECT_EQ(w.Sectors[0], "\r\nSun\r\nMercury\r\nAsc");
  EXPECT_EQ(w.Sectors[1], "\r\nMoon");
  EXPECT_EQ(w.Sectors[2], "");
  EXPECT_EQ(w.Sectors[6], "\r\nVenus\r\nMars");
  EXPECT_EQ(w.Sectors[11], "\r\nKetu");
  ASSERT_TRUE(w.Glyphs.has_value());
  for (int i = 0; i < 12; ++i) EXPECT_EQ((*w.Glyphs)[i], i + 1);
  EXPECT_EQ(w.Ascendant, "Aries");
  EXPECT_EQ(w.SunSign, "Aries");
  EXPECT_EQ(w.MoonSign, "Aries");
}

TEST(WesternWheelTest, AscendantInPiscesPutsPiscesInSectorOne) {
  const WesternWheel w = WheelOf(
      TropicalPlaced("Pis", {"Aqu", "Ari", "Ari", "Lib", "Lib", "Cap", "Cap", "Vir", "Pis"}));
  EXPECT_EQ(w.Sectors[0], "\r\nKetu\r\nAsc");
  EXPECT_EQ(w.Sectors[1], "\r\nMoon\r\nMercury");
  EXPECT_EQ(w.Sectors[11], "\r\nSun");
  const std::array<int, 12> expected = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  EXPECT_EQ(w.Glyphs, expected);
  EXPECT_EQ(w.SunSign, "Aquarius");
  EXPECT_EQ(w.Ascendant, "Pisces");
}

TEST(WesternWheelTest, UnreadableAscendantKeepsTheGlyphs) {
  ChartRecord c =
      TropicalPlaced("Ari", {"Ari", "Tau", "Ari", "Lib", "Lib", "Cap", "Cap", "Vir", "Pis"});
  c.PlanetPositionTexts[9] = "";
  c.AscendantText = "";
  const WesternWheel w = WheelOf(c);
  EXPECT_FALSE(w.Glyphs.has_value());
  EXPECT_FALSE(w.Ascendant.has_value());
  EXPECT_EQ(w.Sectors[0], "\r\nSun\r\nMercury");  // nothing holds "Asc": Aries leads
}

TEST(WesternWheelTest, RealChartNodesAreRahuAndKetuOnTheWheel) {
  const WesternWheel w = WheelOf(test::TropicalChartOf(test::DelhiBirth()));
  EXPECT_EQ(w.Sectors[0], "\r\nMars\r\nJupiter\r\nSaturn\r\nAsc");
  EXPECT_EQ(w.Sectors[5], "\r\nKetu");
  EXPECT_EQ(w.Sectors[11], "\r\nRahu");
  EXPECT_EQ(w.Ascendant, "Virgo");
  EXPECT_EQ(w.SunSign, "Gemini");
  EXPECT_EQ(w.MoonSign, "Cancer");
}

}  // namespace
}  // namespace velmora
