#include <gtest/gtest.h>

#include "engine/astronomy/calendar_time.h"
#include "test_births.h"

namespace velmora {
namespace {

struct DayNumberCase {
  const char* Name;
  int Year, Month, Day;
  double Expected;
};

class JulianDayNumberTest : public testing::TestWithParam<DayNumberCase> {};

TEST_P(JulianDayNumberTest, CountsDaysOfTheCivilDate) {
  const auto& p = GetParam();
  EXPECT_EQ(JulianDayNumberOf(p.Month, p.Day, p.Year), p.Expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, JulianDayNumberTest,
                         testing::Values(DayNumberCase{"J2000", 2000, 1, 1, 2451545},
                                         DayNumberCase{"FirstDayOf1900", 1900, 1, 1, 2415021},
                                         DayNumberCase{"Feb28Of1900", 1900, 2, 28, 2415079},
                                         DayNumberCase{"Mar1Of1900", 1900, 3, 1, 2415080},
                                         DayNumberCase{"LeapDay2000", 2000, 2, 29, 2451604},
                                         DayNumberCase{"Delhi1980", 1980, 6, 15, 2444406},
                                         DayNumberCase{"LastDayOf2050", 2050, 12, 31, 2470172},
                                         DayNumberCase{"LastJulianCalendarDay", 1582, 10, 4,
                                                       2299160}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DayNumber2000Test, IsZeroAtNoonOfJ2000) {
  EXPECT_EQ(DayNumber2000(2000, 1, 1, 12), 0.0);
}

TEST(DayNumber2000Test, RunsOneDayShortInJanuaryAndFebruary1900Only) {
  // Julian date minus 2451545 of 00:00 UT on the given date.
  auto trueDays = [](int y, int m, int d) { return JulianDayNumberOf(m, d, y) - 0.5 - 2451545; };
  EXPECT_EQ(DayNumber2000(1900, 1, 1, 0), trueDays(1900, 1, 1) - 1);
  EXPECT_EQ(DayNumber2000(1900, 2, 28, 0), trueDays(1900, 2, 28) - 1);
  EXPECT_EQ(DayNumber2000(1900, 3, 1, 0), trueDays(1900, 3, 1));
  EXPECT_EQ(DayNumber2000(1980, 6, 15, 0), trueDays(1980, 6, 15));
  EXPECT_EQ(DayNumber2000(2050, 12, 31, 0), trueDays(2050, 12, 31));
}

TEST(PlanetDayNumberTest, GivesPlanetsTheInstantOfTheMoonAlsoEarlyIn1900) {
  for (const auto& [month, day] : {std::pair{1, 1}, {2, 28}, {3, 1}, {7, 4}}) {
    ChartRecord c;
    ReadBirthData(c, test::GreenwichBirth(1900, month, day, 18, 0));
    PrepareBirthMoment(c);
    EXPECT_NEAR(PlanetDayNumber(c), 36525 * c.Centuries2000, 1e-6) << month << "/" << day;
  }
}

TEST(PrepareBirthMomentTest, NoonOfJ2000AtGreenwich) {
  ChartRecord c;
  ReadBirthData(c, test::GreenwichBirth(2000, 1, 1, 12, 0));
  PrepareBirthMoment(c);
  EXPECT_EQ(c.UniversalTimeHours, 12);
  EXPECT_EQ(c.Centuries1900, 1.0);
  EXPECT_EQ(c.Centuries2000, 0.0);
  EXPECT_NEAR(c.RamcRadians * kRadToDeg, 280.461, 0.001);
  EXPECT_NEAR(c.ObliquityRadians * kRadToDeg, 23.439, 0.001);
}

// The direction of the zone correction, with and without daylight saving.
struct ZoneCase {
  const char* Name;
  int ZoneRow;
  const char* LonDeg;
  int LonOption;  // 0 East, 1 West
  bool Dst;
  int Hour, Minute;
  double ExpectedUt;
};

class UniversalTimeTest : public testing::TestWithParam<ZoneCase> {};

TEST_P(UniversalTimeTest, FollowsTheZonesSide) {
  const auto& p = GetParam();
  BirthFormData f = test::DelhiBirth();
  f.ZoneRow = p.ZoneRow;
  f.LongitudeDegrees = p.LonDeg;
  f.LongitudeMinutes = "0";
  f.LongitudeOption = p.LonOption;
  f.DaylightSaving = p.Dst;
  f.Hour = p.Hour;
  f.Minute = p.Minute;
  ChartRecord c;
  ReadBirthData(c, f);
  PrepareBirthMoment(c);
  EXPECT_DOUBLE_EQ(c.UniversalTimeHours, p.ExpectedUt);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, UniversalTimeTest,
    testing::Values(ZoneCase{"IndiaEast", 34, "77", 0, false, 10, 30, 5.0},
                    ZoneCase{"IndiaBeforeMidnightUt", 34, "77", 0, false, 2, 0, -3.5},
                    ZoneCase{"MadridOnCentralEuropeanTimeWithDst", 20, "3", 1, true, 12, 0, 10.0},
                    ZoneCase{"WestLongitudeOnIndianTime", 34, "3", 1, false, 12, 0, 6.5},
                    ZoneCase{"NewYorkStandard", 27, "74", 1, false, 12, 0, 17.0},
                    ZoneCase{"NewYorkWithDst", 27, "74", 1, true, 12, 0, 16.0},
                    ZoneCase{"ParisWithDst", 20, "2", 0, true, 12, 0, 10.0},
                    ZoneCase{"SamoaOnNewZealandSummerTime", 46, "171", 1, false, 12, 0, -1.0},
                    ZoneCase{"ChukotkaOnNewZealandTime", 47, "177", 1, false, 12, 0, 0.0},
                    ZoneCase{"GreenwichEastSideFollowsLongitude", 29, "1", 0, true, 12, 0, 11.0},
                    // Zone 0 with daylight saving is UT+1 on either side of Greenwich.
                    ZoneCase{"GreenwichWestSideFollowsLongitude", 29, "1", 1, true, 12, 0, 11.0},
                    ZoneCase{"ZeroLongitudeWithEastCountsAsWest", 61, "0", 0, true, 12, 0, 11.0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PrepareBirthMomentTest, KeepsTheCivilDateWhenUniversalTimeFallsBeforeIt) {
  BirthFormData f = test::DelhiBirth();
  f.Hour = 2;
  f.Minute = 0;
  ChartRecord c;
  ReadBirthData(c, f);
  PrepareBirthMoment(c);
  EXPECT_EQ(c.JulianDayNumber, 2444406);
  EXPECT_NEAR(c.Centuries1900 * 36525, 2444406 - 2415020 - 0.5 - 3.5 / 24, 1e-9);
}

TEST(PrepareBirthMomentTest, SignsPlaceByHemisphere) {
  BirthFormData f = test::DelhiBirth();
  f.LatitudeOption = 1;
  f.LongitudeOption = 1;
  ChartRecord c;
  ReadBirthData(c, f);
  PrepareBirthMoment(c);
  EXPECT_DOUBLE_EQ(c.Latitude, -(28 + 36 / 60.0));
  EXPECT_DOUBLE_EQ(c.Longitude, 77 + 13 / 60.0);  // West positive
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST(PrepareBirthMomentTest, ZeroLongitudeWithEastSelectedIsTreatedAsWest) {
  BirthFormData f = test::GreenwichBirth(1990, 7, 1, 12, 0);
  f.LongitudeOption = 0;
  f.DaylightSaving = true;
  ChartRecord c;
  ReadBirthData(c, f);
  PrepareBirthMoment(c);
  EXPECT_EQ(c.ZoneOffsetHours, -1);  // daylight saving subtracted, as west of Greenwich
}

}  // namespace
}  // namespace velmora
