#include <gtest/gtest.h>

#include "engine/astronomy/calendar_time.h"
#include "engine/birth_data.h"
#include "engine/places/time_zones.h"
#include "test_births.h"

namespace velmora {
namespace {

struct OffsetCase {
  const char* Name;
  const char* Zone;
  int Year, Month, Day, Hour, Minute;
  int UtcOffsetSeconds;
  bool DaylightSaving;
};

class HistoricalOffsetTest : public testing::TestWithParam<OffsetCase> {};

TEST_P(HistoricalOffsetTest, ComesFromTheTzDatabase) {
  const auto& p = GetParam();
  const auto reading = ReadLocalTime(p.Zone, p.Year, p.Month, p.Day, p.Hour, p.Minute);
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->Kind, LocalTimeKind::Unique);
  EXPECT_EQ(reading->First.UtcOffsetSeconds, p.UtcOffsetSeconds);
  EXPECT_EQ(reading->First.DaylightSaving, p.DaylightSaving);
}

INSTANTIATE_TEST_SUITE_P(
    Places, HistoricalOffsetTest,
    testing::Values(
        // India's war time: clocks an hour ahead of IST.
        OffsetCase{"Kolkata1943WarTime", "Asia/Kolkata", 1943, 6, 1, 12, 0, 6 * 3600 + 1800, true},
        OffsetCase{"Kolkata1980", "Asia/Kolkata", 1980, 6, 15, 10, 30, 5 * 3600 + 1800, false},
        // Before IST: Madras time, in seconds.
        OffsetCase{"Kolkata1900MadrasTime", "Asia/Kolkata", 1900, 1, 1, 12, 0, 19270, false},
        OffsetCase{"NewYorkJuly1969", "America/New_York", 1969, 7, 20, 22, 56, -4 * 3600, true},
        OffsetCase{"NewYorkJanuary1969", "America/New_York", 1969, 1, 20, 12, 0, -5 * 3600, false},
        // British Standard Time: summer time's hour kept all winter, as standard time.
        OffsetCase{"LondonDecember1968", "Europe/London", 1968, 12, 1, 12, 0, 3600, false},
        OffsetCase{"LondonDecember1972", "Europe/London", 1972, 12, 1, 12, 0, 0, false},
        OffsetCase{"Kathmandu1990", "Asia/Kathmandu", 1990, 5, 1, 8, 0, 5 * 3600 + 2700, false},
        OffsetCase{"Kathmandu1980BeforeQuarterHour", "Asia/Kathmandu", 1980, 5, 1, 8, 0,
                   5 * 3600 + 1800, false},
        OffsetCase{"Caracas2010", "America/Caracas", 2010, 3, 1, 12, 0, -(4 * 3600 + 1800), false},
        OffsetCase{"Kabul2000", "Asia/Kabul", 2000, 3, 1, 12, 0, 4 * 3600 + 1800, false},
        OffsetCase{"LagosWestAfricaTime", "Africa/Lagos", 1990, 3, 1, 12, 0, 3600, false},
        // The database calls Irish winter the "daylight" period; people call summer so.
        OffsetCase{"DublinSummer2000", "Europe/Dublin", 2000, 7, 1, 12, 0, 3600, true},
        OffsetCase{"DublinWinter2000", "Europe/Dublin", 2000, 1, 1, 12, 0, 0, false},
        // Hour 24 is the midnight that ends the day: 1 July is summer time.
        OffsetCase{"Hour24IsNextMidnight", "Europe/Berlin", 2000, 6, 30, 24, 0, 7200, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LocalTimeTest, ASkippedHourHasTheOffsetsOnBothSides) {
  const auto reading = ReadLocalTime("America/New_York", 2021, 3, 14, 2, 30);
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->Kind, LocalTimeKind::Skipped);
  EXPECT_EQ(reading->First.UtcOffsetSeconds, -5 * 3600);
  EXPECT_EQ(reading->Second.UtcOffsetSeconds, -4 * 3600);
  EXPECT_EQ(SkippedTimeMessage("America/New_York", *reading, 2021, 3, 14, 2, 30),
            "The time 2:30 on 14 March 2021 did not exist in America/New_York: the clocks were "
            "put forward from UTC-5:00 to UTC-4:00 and skipped it. Please check the time of "
            "birth.");
}

TEST(LocalTimeTest, ARepeatedHourHasTheSummerReadingFirst) {
  const auto reading = ReadLocalTime("America/New_York", 2021, 11, 7, 1, 30);
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->Kind, LocalTimeKind::Repeated);
  EXPECT_EQ(reading->First.UtcOffsetSeconds, -4 * 3600);
  EXPECT_TRUE(reading->First.DaylightSaving);
  EXPECT_EQ(reading->Second.UtcOffsetSeconds, -5 * 3600);
  EXPECT_FALSE(reading->Second.DaylightSaving);
}

TEST(LocalTimeTest, AnUnknownZoneHasNoReading) {
  EXPECT_FALSE(ReadLocalTime("Asia/Atlantis", 2000, 1, 1, 0, 0));
  EXPECT_FALSE(IsKnownTimeZone("Asia/Atlantis"));
  EXPECT_FALSE(IsKnownTimeZone(""));
  EXPECT_TRUE(IsKnownTimeZone("Asia/Kathmandu"));
}

struct FormatCase {
  const char* Name;
  int Seconds;
  const char* Text;
};

class UtcOffsetTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(UtcOffsetTextTest, ReadsAsPeopleWriteIt) {
  EXPECT_EQ(FormatUtcOffset(GetParam().Seconds), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Offsets, UtcOffsetTextTest,
                         testing::Values(FormatCase{"Kathmandu", 20700, "+5:45"},
                                         FormatCase{"Caracas", -16200, "-4:30"},
                                         FormatCase{"Greenwich", 0, "+0:00"},
                                         FormatCase{"MadrasTimeSeconds", 19270, "+5:21:10"},
                                         FormatCase{"Kiritimati", 14 * 3600, "+14:00"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ZoneDisplayNameTest, NamesTheZoneAndItsOffsetOnTheDate) {
  EXPECT_EQ(ZoneDisplayName("Asia/Kathmandu", 20700), "Asia/Kathmandu (+5:45 on this date)");
}

// The chart of an entry with an IANA zone: its reading goes into the record and the engine
// turns it into universal time, whatever the DST box says outside a repeated hour.
struct BirthZoneCase {
  const char* Name;
  const char* Zone;
  int Year, Month, Day, Hour, Minute;
  bool DstBox;
  int ExpectedOffsetMinutes;
  bool ExpectedDaylightSaving;
  double ExpectedUniversalTimeHours;
};

class BirthZoneTest : public testing::TestWithParam<BirthZoneCase> {};

TEST_P(BirthZoneTest, SetsTheOffsetTheChartUses) {
  const auto& p = GetParam();
  BirthFormData f = test::DelhiBirth();
  f.TimeZoneName = p.Zone;
  f.Year = p.Year;
  f.Month = p.Month;
  f.Day = p.Day;
  f.Hour = p.Hour;
  f.Minute = p.Minute;
  f.DaylightSaving = p.DstBox;
  ASSERT_FALSE(ValidateInput(f));
  ChartRecord c;
  ReadBirthData(c, f);
  PrepareBirthMoment(c);
  EXPECT_EQ(c.TimeZoneName, p.Zone);
  EXPECT_EQ(UtcOffsetMinutesOf(c), p.ExpectedOffsetMinutes);
  EXPECT_EQ(c.IsDaylightSaving, p.ExpectedDaylightSaving);
  EXPECT_DOUBLE_EQ(c.UniversalTimeHours, p.ExpectedUniversalTimeHours);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BirthZoneTest,
    testing::Values(BirthZoneCase{"KathmanduQuarterHour", "Asia/Kathmandu", 1990, 5, 1, 8, 0, false,
                                  345, false, 2.25},
                    BirthZoneCase{"DstBoxIgnoredOutsideARepeatedHour", "Asia/Kathmandu", 1990, 5, 1,
                                  8, 0, true, 345, false, 2.25},
                    BirthZoneCase{"NewYorkSummer1969", "America/New_York", 1969, 7, 20, 22, 56,
                                  false, -240, true, 26.0 + 56.0 / 60},
                    BirthZoneCase{"CaracasHalfHourWest", "America/Caracas", 2010, 3, 1, 12, 0,
                                  false, -270, false, 16.5},
                    BirthZoneCase{"RepeatedHourBoxTickedTakesSummerTime", "America/New_York", 2021,
                                  11, 7, 1, 30, true, -240, true, 5.5},
                    BirthZoneCase{"RepeatedHourBoxClearTakesStandardTime", "America/New_York", 2021,
                                  11, 7, 1, 30, false, -300, false, 6.5}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(BirthZoneTest, ASkippedTimeIsRefusedByValidation) {
  BirthFormData f = test::DelhiBirth();
  f.TimeZoneName = "America/New_York";
  f.Year = 2021;
  f.Month = 3;
  f.Day = 14;
  f.Hour = 2;
  f.Minute = 30;
  const auto failure = ValidateInput(f);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Field, FormField::Hour);
  EXPECT_NE(failure->Message.find("did not exist in America/New_York"), std::string::npos);
}

TEST(BirthZoneTest, AnUnknownZoneIsRefusedByValidation) {
  BirthFormData f = test::DelhiBirth();
  f.TimeZoneName = "Mars/Olympus_Mons";
  const auto failure = ValidateInput(f);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->Field, FormField::TimeZone);
}

// The Indian zone row and Asia/Kolkata give the same chart for a birth after 1945.
TEST(BirthZoneTest, KolkataMatchesTheIndianRowExactly) {
  BirthFormData row = test::DelhiBirth();
  BirthFormData iana = row;
  iana.TimeZoneName = "Asia/Kolkata";
  const ChartRecord a = test::SiderealChartOf(row);
  const ChartRecord b = test::SiderealChartOf(iana);
  EXPECT_EQ(a.UniversalTimeHours, b.UniversalTimeHours);
  EXPECT_EQ(a.PlanetPositionTexts, b.PlanetPositionTexts);
  EXPECT_EQ(a.AscendantText, b.AscendantText);
}

}  // namespace
}  // namespace velmora
