// Opening a chart file: which files fill the form, and the reason for each that cannot.
#include "output/chart_file_reader.h"
#include "example_births.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>

namespace velmora {
namespace {

// The boxes of the birth form: 3 characters for degrees and minutes, Qt's limit elsewhere.
constexpr ChartFileLineLimits kFormLimits = {
    kLongestBoxText, 0, 0, 0, 0, 0, 3, 3, 0, 3, 3, 0, kLongestBoxText, kLongestBoxText,
    kLongestBoxText};

const ChartFileFields kDelhi = {"Asha Rao", "15",   "June",      "1980",  "10",
                                "30",       "28",   "36",        "North", "77",
                                "13",       "East", "New Delhi", "Delhi", "India"};

std::string FileOf(const ChartFileFields& fields) {
  return std::get<std::string>(EncodeChartFile(fields));
}

// The first `count` lines of a file, each with its line end.
std::string FirstLines(const std::string& file, int count) {
  std::size_t at = 0;
  for (int i = 0; i < count; ++i) at = file.find("\r\n", at) + 2;
  return file.substr(0, at);
}

ChartFileFields With(ChartFileFields fields, int line, std::string text) {
  fields[static_cast<std::size_t>(line - 1)] = std::move(text);
  return fields;
}

// What opening reads of a file: its start, at most the read limit.
struct FileStart {
  std::string Bytes;
  bool Whole;
};
FileStart StartOf(const std::string& file) {
  if (file.size() <= kChartFileReadLimit) return {file, true};
  return {file.substr(0, kChartFileReadLimit), false};
}

struct RefusalCase {
  const char* Name;
  std::string File;
  std::string Reason;
};

class RefusedFileTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedFileTest, NamesTheReason) {
  const FileStart start = StartOf(GetParam().File);
  const auto result = ReadChartFile(start.Bytes, start.Whole, kFormLimits);
  ASSERT_TRUE(std::holds_alternative<std::string>(result));
  EXPECT_EQ(std::get<std::string>(result), GetParam().Reason);
}

const std::string kTenMegabytes(10 * 1024 * 1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    testing::Values(
        RefusalCase{"Empty", "", "line 2 holds the day \"\", not a day from 1 to 31"},
        RefusalCase{"ThreeLinesOnly", FirstLines(FileOf(kDelhi), 3),
                    "line 4 holds the year \"\", not a year from 1900 to 2050"},
        RefusalCase{"ZipArchive", std::string("PK\x03\x04\x14\x00\x08\x00\x08\x00", 10),
                    "line 2 holds the day \"\", not a day from 1 to 31"},
        RefusalCase{
            "PlainTextNotEncoded",
            "Asha Rao\r\n15\r\nJune\r\n1980\r\n10\r\n30\r\n28\r\n36\r\nNorth\r\n77\r\n13\r\n"
            "East\r\nNew Delhi\r\nDelhi\r\nIndia\r\n",
            "line 2 holds the day \"\", not a day from 1 to 31"},
        RefusalCase{"TenMegabytesWithoutLineEnds", kTenMegabytes,
                    "its first fifteen lines are longer than the form's boxes can hold"},
        RefusalCase{"NameLongerThanItsBox", FileOf(With(kDelhi, 1, std::string(32768, 'A'))),
                    "line 1 holds 32768 characters where the form's box takes at most 32767"},
        // The box would keep "004", and the chart would be drawn for 4 degrees.
        RefusalCase{"LatitudeDegreesLongerThanItsBox", FileOf(With(kDelhi, 7, "0045")),
                    "line 7 holds 4 characters where the form's box takes at most 3"},
        RefusalCase{"CountryLongerThanItsBox",
                    FileOf(With(kDelhi, 15, std::string(kLongestBoxText + 1, 'y'))),
                    "line 15 holds 32768 characters where the form's box takes at most 32767"},
        RefusalCase{"MonthInLowerCase", FileOf(With(kDelhi, 3, "june")),
                    "line 3 holds the month \"june\", not a month name"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.Name); });

struct AcceptedCase {
  const char* Name;
  std::string File;
  BirthFormData Expected;
};

// What the Delhi chart file puts on the form: the file holds no time zone.
BirthFormData DelhiEntry() {
  BirthFormData f = test::DelhiBirth();
  f.ZoneRow = 0;
  return f;
}

BirthFormData WithoutPlace(BirthFormData f) {
  f.City.clear();
  f.State.clear();
  f.Country.clear();
  return f;
}

BirthFormData SouthWestWithoutLonAndPlace(BirthFormData f) {
  f = WithoutPlace(f);
  f.LatitudeOption = 1;
  f.LongitudeDegrees.clear();
  f.LongitudeMinutes.clear();
  f.LongitudeOption = 1;
  return f;
}

class AcceptedFileTest : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedFileTest, FillsTheForm) {
  const FileStart start = StartOf(GetParam().File);
  const auto result = ReadChartFile(start.Bytes, start.Whole, kFormLimits);
  ASSERT_TRUE(std::holds_alternative<BirthFormData>(result)) << std::get<std::string>(result);
  const BirthFormData& got = std::get<BirthFormData>(result);
  const BirthFormData& want = GetParam().Expected;
  EXPECT_EQ(got.Name, want.Name);
  EXPECT_EQ(got.Day, want.Day);
  EXPECT_EQ(got.Month, want.Month);
  EXPECT_EQ(got.Year, want.Year);
  EXPECT_EQ(got.Hour, want.Hour);
  EXPECT_EQ(got.Minute, want.Minute);
  EXPECT_EQ(got.LatitudeDegrees, want.LatitudeDegrees);
  EXPECT_EQ(got.LatitudeMinutes, want.LatitudeMinutes);
  EXPECT_EQ(got.LatitudeOption, want.LatitudeOption);
  EXPECT_EQ(got.LongitudeDegrees, want.LongitudeDegrees);
  EXPECT_EQ(got.LongitudeMinutes, want.LongitudeMinutes);
  EXPECT_EQ(got.LongitudeOption, want.LongitudeOption);
  EXPECT_EQ(got.City, want.City);
  EXPECT_EQ(got.State, want.State);
  EXPECT_EQ(got.Country, want.Country);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedFileTest,
    testing::Values(
        AcceptedCase{"WholeFile", FileOf(kDelhi), DelhiEntry()},
        // Lines after the fifteenth are not read, however long they are.
        AcceptedCase{"FifteenLinesThenTenMegabytes", FileOf(kDelhi) + kTenMegabytes, DelhiEntry()},
        AcceptedCase{"TwelveLinesLeaveThePlaceEmpty", FirstLines(FileOf(kDelhi), 12),
                     WithoutPlace(DelhiEntry())},
        // A missing direction line selects South or West, as any other word does.
        AcceptedCase{"NineLinesWithLowerCaseNorth", FirstLines(FileOf(With(kDelhi, 9, "north")), 9),
                     SouthWestWithoutLonAndPlace(DelhiEntry())},
        AcceptedCase{"LineFeedsOnly",
                     [] {
                       std::string file = FileOf(kDelhi);
                       std::erase(file, '\r');
                       return file;
                     }(),
                     DelhiEntry()}),
    [](const testing::TestParamInfo<AcceptedCase>& info) { return std::string(info.param.Name); });

// Random and mutated files: whatever the bytes, the reader gives a usable entry or a reason.
TEST(ChartFileReaderTest, SurvivesRandomFiles) {
  constexpr int kInputs = 100'000;
  std::mt19937 random(20240611);
  const std::string valid = FileOf(kDelhi);
  int accepted = 0;
  for (int n = 0; n < kInputs; ++n) {
    std::string file;
    if (n % 2 == 0) {
      file = valid;
      const int changes = 1 + static_cast<int>(random() % 4);
      for (int c = 0; c < changes; ++c) {
        file[random() % file.size()] = static_cast<char>(random() % 256);
      }
    } else {
      file.resize(random() % 200);
      for (char& ch : file) {
        const unsigned pick = random() % 8;
        ch = pick == 0 ? '\r' : pick == 1 ? '\n' : static_cast<char>(0x80 + random() % 0x50);
      }
    }
    const auto result = ReadChartFile(file, true, kFormLimits);
    if (const auto* entry = std::get_if<BirthFormData>(&result)) {
      ++accepted;
      ASSERT_GE(entry->Day, 1);
      ASSERT_LE(entry->Day, 31);
      ASSERT_GE(entry->Month, 1);
      ASSERT_LE(entry->Month, 12);
      ASSERT_GE(entry->Year, kFirstYear);
      ASSERT_LE(entry->Year, kLastYear);
      ASSERT_LE(entry->Hour, 24);
      ASSERT_LE(entry->Minute, 59);
      ASSERT_LE(entry->LatitudeDegrees.size(), 2 * 3u);  // three characters, UTF-8
    } else {
      ASSERT_EQ(std::get<std::string>(result).rfind("line ", 0), 0u);
    }
  }
  // The mutations keep many files usable: both outcomes are exercised.
  EXPECT_GT(accepted, kInputs / 20);
}

}  // namespace
}  // namespace velmora
