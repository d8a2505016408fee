#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "engine/files/json_chart_file.h"
#include "test_births.h"

namespace velmora {
namespace {

using Json = nlohmann::ordered_json;

std::string FileOf(const BirthFormData& f) {
  return std::get<std::string>(JsonChartFileBytes(f));
}

void ExpectSameEntry(const BirthFormData& a, const BirthFormData& b) {
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.Day, b.Day);
  EXPECT_EQ(a.Month, b.Month);
  EXPECT_EQ(a.Year, b.Year);
  EXPECT_EQ(a.Hour, b.Hour);
  EXPECT_EQ(a.Minute, b.Minute);
  EXPECT_EQ(a.ZoneRow, b.ZoneRow);
  EXPECT_EQ(a.TimeZoneName, b.TimeZoneName);
  EXPECT_EQ(a.DaylightSaving, b.DaylightSaving);
  EXPECT_EQ(a.LatitudeDegrees, b.LatitudeDegrees);
  EXPECT_EQ(a.LatitudeMinutes, b.LatitudeMinutes);
  EXPECT_EQ(a.LatitudeOption, b.LatitudeOption);
  EXPECT_EQ(a.LongitudeDegrees, b.LongitudeDegrees);
  EXPECT_EQ(a.LongitudeMinutes, b.LongitudeMinutes);
  EXPECT_EQ(a.LongitudeOption, b.LongitudeOption);
  EXPECT_EQ(a.City, b.City);
  EXPECT_EQ(a.State, b.State);
  EXPECT_EQ(a.Country, b.Country);
}

struct RoundTripCase {
  const char* Name;
  std::function<BirthFormData()> Entry;
};

class JsonChartFileRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(JsonChartFileRoundTrip, ReadsBackWhatItWrote) {
  const BirthFormData entry = GetParam().Entry();
  const auto read = ReadJsonChartFile(FileOf(entry));
  ASSERT_TRUE(std::holds_alternative<BirthFormData>(read))
      << std::get<ChartFileProblem>(read).Reason;
  ExpectSameEntry(std::get<BirthFormData>(read), entry);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, JsonChartFileRoundTrip,
    testing::Values(RoundTripCase{"SydneyDevanagariNameWithDaylightSaving",
                                  [] { return test::SydneyBirth(); }},
                    RoundTripCase{"DelhiAsTheVmxTestsHaveIt", [] { return test::DelhiBirth(); }},
                    RoundTripCase{"PlaceZoneName",
                                  [] {
                                    auto f = test::SydneyBirth();
                                    f.TimeZoneName = "Australia/Sydney";
                                    return f;
                                  }},
                    RoundTripCase{"SaoPauloSouthWest",
                                  [] {
                                    auto f = test::DelhiBirth();
                                    f.Name = "Zoë \"Zé\" Müller \\ <h1>Big";
                                    f.City = "São Paulo";
                                    f.State = "São Paulo";
                                    f.Country = "Brasil";
                                    f.LatitudeOption = 1;
                                    f.LongitudeOption = 1;
                                    f.ZoneRow = 13;
                                    return f;
                                  }},
                    RoundTripCase{"LastDayOfTheRange",
                                  [] {
                                    auto f = test::DelhiBirth();
                                    f.Year = kLastYear;
                                    f.Month = 12;
                                    f.Day = 31;
                                    f.Hour = 24;
                                    f.Minute = 59;
                                    f.ZoneRow = kZoneCount - 1;
                                    return f;
                                  }}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.Name; });

TEST(JsonChartFileTest, WritesOneReadableObjectWithTheWholeBirth) {
  const std::string file = FileOf(test::SydneyBirth());
  EXPECT_EQ(file,
            "{\n"
            "  \"format\": 1,\n"
            "  \"name\": \"José गीता\",\n"
            "  \"date\": {\n    \"year\": 1995,\n    \"month\": 1,\n    \"day\": 12\n  },\n"
            "  \"time\": {\n    \"hour\": 6,\n    \"minute\": 45\n  },\n"
            "  \"zone\": {\n    \"row\": 8,\n    \"timeZone\": null\n  },\n"
            "  \"daylightSaving\": true,\n"
            "  \"latitude\": {\n    \"degrees\": 33,\n    \"minutes\": 52,\n"
            "    \"direction\": \"South\"\n  },\n"
            "  \"longitude\": {\n    \"degrees\": 151,\n    \"minutes\": 12,\n"
            "    \"direction\": \"East\"\n  },\n"
            "  \"city\": \"Sydney\",\n"
            "  \"state\": \"New South Wales\",\n"
            "  \"country\": \"Australia\"\n"
            "}\n");
}

TEST(JsonChartFileTest, TextsAreTrimmedAsTheFormStoresThem) {
  auto f = test::DelhiBirth();
  f.Name = "  Asha Rao ";
  f.City = " New Delhi  ";
  f.LatitudeDegrees = " 28";
  const auto read = std::get<BirthFormData>(ReadJsonChartFile(FileOf(f)));
  EXPECT_EQ(read.Name, "Asha Rao");
  EXPECT_EQ(read.City, "New Delhi");
  EXPECT_EQ(read.LatitudeDegrees, "28");
}

TEST(JsonChartFileTest, UnvalidatedBoxTextIsKeptAsText) {
  auto f = test::DelhiBirth();
  f.LatitudeMinutes = "3a";
  const auto read = std::get<BirthFormData>(ReadJsonChartFile(FileOf(f)));
  EXPECT_EQ(read.LatitudeMinutes, "3a");
}

TEST(JsonChartFileTest, TheSameChartWhateverTheFormShowedBefore) {
  const BirthFormData saved = test::SydneyBirth();
  const auto read = std::get<BirthFormData>(ReadJsonChartFile(FileOf(saved)));
  const ChartRecord original = test::SiderealChartOf(saved);
  const ChartRecord reopened = test::SiderealChartOf(read);
  EXPECT_EQ(reopened.AscendantSignName, original.AscendantSignName);
  EXPECT_EQ(reopened.PlanetPositionTexts, original.PlanetPositionTexts);
}

TEST(JsonChartFileTest, TextThatIsNotUtf8CannotBeSaved) {
  auto f = test::DelhiBirth();
  f.Name = "Jos\xE9";  // Latin-1, not UTF-8
  const auto file = JsonChartFileBytes(f);
  ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(file));
  EXPECT_EQ(std::get<ChartFileProblem>(file).Reason,
            "A text of the chart is not valid UTF-8 and cannot be saved.");
}

TEST(JsonChartFileTest, RecognisedByContentAndExtension) {
  EXPECT_TRUE(LooksLikeJsonChartFile(FileOf(test::DelhiBirth())));
  EXPECT_TRUE(LooksLikeJsonChartFile("\xEF\xBB\xBF{\"format\": 1}"));
  EXPECT_FALSE(LooksLikeJsonChartFile("{\"name\": \"x\"}"));
  EXPECT_FALSE(LooksLikeJsonChartFile("{\xC3\xC4\r\n"));  // a .vmx name ending in "&"
  EXPECT_FALSE(LooksLikeJsonChartFile(""));
  EXPECT_TRUE(IsJsonChartFilePath("/home/a/Chart.VMJ"));
  EXPECT_FALSE(IsJsonChartFilePath("/home/a/chart.vmx"));
  EXPECT_TRUE(IsVmxChartFilePath("chart.vmx"));
  EXPECT_FALSE(IsVmxChartFilePath("vmx"));
}

// A good file changed in one place, and what a user is told about it.
struct ProblemCase {
  const char* Name;
  std::function<std::string()> File;
  bool NotAChartFile;
  const char* Reason;
};

std::string Changed(const std::function<void(Json&)>& change) {
  Json root = Json::parse(FileOf(test::DelhiBirth()));
  change(root);
  return root.dump();
}

class JsonChartFileProblem : public testing::TestWithParam<ProblemCase> {};

TEST_P(JsonChartFileProblem, SaysWhatIsWrongInWords) {
  const auto read = ReadJsonChartFile(GetParam().File());
  ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(read));
  const auto& problem = std::get<ChartFileProblem>(read);
  EXPECT_EQ(problem.NotAChartFile, GetParam().NotAChartFile);
  EXPECT_EQ(problem.Reason, GetParam().Reason);
}

constexpr const char* kNotOurs = "This is not a Velmora chart file.";

INSTANTIATE_TEST_SUITE_P(
    Files, JsonChartFileProblem,
    testing::Values(
        ProblemCase{"Empty", [] { return std::string(); }, true, kNotOurs},
        ProblemCase{"OnlyLineEnds", [] { return std::string("\r\n\r\n"); }, true, kNotOurs},
        ProblemCase{"JpegPicture", [] { return std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10); },
                    true, kNotOurs},
        ProblemCase{"BrokenOffHalfway",
                    [] {
                      const std::string file = FileOf(test::DelhiBirth());
                      return file.substr(0, file.size() / 2);
                    },
                    true, kNotOurs},
        ProblemCase{"AnArray", [] { return std::string("[1, 2]"); }, true, kNotOurs},
        ProblemCase{"SomeoneElsesJson", [] { return std::string("{\"name\": \"x\"}"); }, true,
                    kNotOurs},
        ProblemCase{"FormatZero", [] { return Changed([](Json& j) { j["format"] = 0; }); }, true,
                    kNotOurs},
        ProblemCase{"FormatAsText", [] { return Changed([](Json& j) { j["format"] = "1"; }); },
                    true, kNotOurs},
        ProblemCase{"TextNotUtf8", [] { return std::string("{\"format\":1,\"name\":\"\xE9\"}"); },
                    true, kNotOurs},
        ProblemCase{"NewerFormat", [] { return Changed([](Json& j) { j["format"] = 2; }); }, false,
                    "The chart file was written by a newer version of Velmora."},
        ProblemCase{"HugeFormat",
                    [] { return Changed([](Json& j) { j["format"] = 18446744073709551615u; }); },
                    false, "The chart file was written by a newer version of Velmora."},
        ProblemCase{"NameMissing", [] { return Changed([](Json& j) { j.erase("name"); }); }, false,
                    "The name is missing."},
        ProblemCase{"NameANumber", [] { return Changed([](Json& j) { j["name"] = 7; }); }, false,
                    "The name is not a text."},
        ProblemCase{"NameWithLineBreak",
                    [] { return Changed([](Json& j) { j["name"] = "Asha\nRao"; }); }, false,
                    "The name holds a line break or another control character, which the form "
                    "cannot show."},
        ProblemCase{"DateMissing", [] { return Changed([](Json& j) { j.erase("date"); }); }, false,
                    "The date of birth is missing."},
        ProblemCase{"DateAsText", [] { return Changed([](Json& j) { j["date"] = "1980-06-15"; }); },
                    false, "The date of birth is not written as a chart file writes it."},
        ProblemCase{"YearMissing", [] { return Changed([](Json& j) { j["date"].erase("year"); }); },
                    false, "The birth year is missing."},
        ProblemCase{"YearNull",
                    [] { return Changed([](Json& j) { j["date"]["year"] = nullptr; }); }, false,
                    "The birth year is missing."},
        ProblemCase{"YearAsText",
                    [] { return Changed([](Json& j) { j["date"]["year"] = "1980"; }); }, false,
                    "The birth year is not a whole number."},
        ProblemCase{"YearWithFraction",
                    [] { return Changed([](Json& j) { j["date"]["year"] = 1980.5; }); }, false,
                    "The birth year is not a whole number."},
        ProblemCase{"YearBeforeTheRange",
                    [] { return Changed([](Json& j) { j["date"]["year"] = 1850; }); }, false,
                    "The birth year 1850 is not between 1900 and 2050."},
        ProblemCase{
            "YearFarBeyondAnyRange",
            [] { return Changed([](Json& j) { j["date"]["year"] = 18446744073709551615u; }); },
            false, "The birth year 9223372036854775807 is not between 1900 and 2050."},
        ProblemCase{"MonthThirteen",
                    [] { return Changed([](Json& j) { j["date"]["month"] = 13; }); }, false,
                    "The birth month 13 is not between 1 and 12."},
        ProblemCase{"DayZero", [] { return Changed([](Json& j) { j["date"]["day"] = 0; }); }, false,
                    "The day of birth 0 is not between 1 and 31."},
        ProblemCase{"HourNegative", [] { return Changed([](Json& j) { j["time"]["hour"] = -1; }); },
                    false, "The hour of birth -1 is not between 0 and 24."},
        ProblemCase{"MinuteMissing",
                    [] { return Changed([](Json& j) { j["time"].erase("minute"); }); }, false,
                    "The minute of birth is missing."},
        ProblemCase{"ZoneMissing", [] { return Changed([](Json& j) { j.erase("zone"); }); }, false,
                    "The time zone is missing."},
        ProblemCase{"ZoneRowBeyondTheList",
                    [] { return Changed([](Json& j) { j["zone"]["row"] = 71; }); }, false,
                    "The time zone's row 71 is not between 0 and 70."},
        ProblemCase{"ZoneNameANumber",
                    [] { return Changed([](Json& j) { j["zone"]["timeZone"] = 5; }); }, false,
                    "The time zone's name is not a text."},
        ProblemCase{"DaylightSavingMissing",
                    [] { return Changed([](Json& j) { j.erase("daylightSaving"); }); }, false,
                    "Daylight saving is missing."},
        ProblemCase{"DaylightSavingAsText",
                    [] { return Changed([](Json& j) { j["daylightSaving"] = "yes"; }); }, false,
                    "Daylight saving is neither true nor false."},
        ProblemCase{"LatitudeDirectionInAnotherLanguage",
                    [] { return Changed([](Json& j) { j["latitude"]["direction"] = "Nord"; }); },
                    false, "The latitude direction \"Nord\" is neither North nor South."},
        ProblemCase{"LongitudeDegreesMissing",
                    [] { return Changed([](Json& j) { j["longitude"].erase("degrees"); }); }, false,
                    "The degree of longitude is missing."},
        ProblemCase{"CountryMissing", [] { return Changed([](Json& j) { j.erase("country"); }); },
                    false, "The country is missing."}),
    [](const testing::TestParamInfo<ProblemCase>& info) { return info.param.Name; });

}  // namespace
}  // namespace velmora
