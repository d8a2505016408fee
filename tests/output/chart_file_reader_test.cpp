// Opening a chart file: which files fill the form, and the reason for each that cannot.
#include "output/chart_file_reader.h"
#include "engine/files/json_chart_file.h"
#include "engine/places/zones.h"
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
  bool NotAChartFile;
  std::string Reason;
};

class RefusedFileTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedFileTest, SaysInWordsWhatIsWrong) {
  const FileStart start = StartOf(GetParam().File);
  const auto result = ReadChartFile(start.Bytes, start.Whole, kFormLimits);
  ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(result));
  EXPECT_EQ(std::get<ChartFileProblem>(result).NotAChartFile, GetParam().NotAChartFile);
  EXPECT_EQ(std::get<ChartFileProblem>(result).Reason, GetParam().Reason);
}

const std::string kTenMegabytes(10 * 1024 * 1024, 'x');
const std::string kNotOurs = "This is not a Velmora chart file.";

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    testing::Values(
        RefusalCase{"Empty", "", true, kNotOurs},
        RefusalCase{"ThreeLinesOnly", FirstLines(FileOf(kDelhi), 3), false,
                    "The birth year is missing."},
        RefusalCase{"ZipArchive", std::string("PK\x03\x04\x14\x00\x08\x00\x08\x00", 10), true,
                    kNotOurs},
        RefusalCase{
            "PlainTextNotEncoded",
            "Asha Rao\r\n15\r\nJune\r\n1980\r\n10\r\n30\r\n28\r\n36\r\nNorth\r\n77\r\n13\r\n"
            "East\r\nNew Delhi\r\nDelhi\r\nIndia\r\n",
            true, kNotOurs},
        RefusalCase{"TenMegabytesWithoutLineEnds", kTenMegabytes, true, kNotOurs},
        RefusalCase{"NameLongerThanItsBox", FileOf(With(kDelhi, 1, std::string(32768, 'A'))), false,
                    "The name is longer than the form can hold."},
        // The box would keep "004", and the chart would be drawn for 4 degrees.
        RefusalCase{"LatitudeDegreesLongerThanItsBox", FileOf(With(kDelhi, 7, "0045")), false,
                    "The degree of latitude is longer than the form can hold."},
        RefusalCase{"CountryLongerThanItsBox",
                    FileOf(With(kDelhi, 15, std::string(kLongestBoxText + 1, 'y'))), false,
                    "The country is longer than the form can hold."},
        RefusalCase{"MonthInLowerCase", FileOf(With(kDelhi, 3, "june")), false,
                    "The birth month \"june\" is not a month name, January to December."}),
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
  ASSERT_TRUE(std::holds_alternative<BirthFormData>(result))
      << std::get<ChartFileProblem>(result).Reason;
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
      ASSERT_TRUE(std::get<ChartFileProblem>(result).Reason.ends_with('.'));
    }
  }
  // The mutations keep many files usable: both outcomes are exercised.
  EXPECT_GT(accepted, kInputs / 20);
}

// ---- Either kind of file ----

std::string JsonFileOf(const BirthFormData& f) {
  return std::get<std::string>(JsonChartFileBytes(f));
}

struct AnyFileCase {
  const char* Name;
  std::string Path;
  std::string File;
  bool HoldsZone;
  std::string Reason;  // empty when the file opens
};

class AnyChartFileTest : public testing::TestWithParam<AnyFileCase> {};

TEST_P(AnyChartFileTest, OpensByExtensionOrContent) {
  const AnyFileCase& p = GetParam();
  const bool whole = p.File.size() <= kAnyChartFileReadLimit;
  const auto result = ReadAnyChartFile(
      p.Path, std::string_view(p.File).substr(0, kAnyChartFileReadLimit), whole, kFormLimits);
  if (p.Reason.empty()) {
    ASSERT_TRUE(std::holds_alternative<OpenedChartFile>(result))
        << std::get<ChartFileProblem>(result).Reason;
    const auto& opened = std::get<OpenedChartFile>(result);
    EXPECT_EQ(opened.HoldsZone, p.HoldsZone);
    EXPECT_EQ(opened.Entry.Year, p.HoldsZone ? 1995 : 1980);
    EXPECT_EQ(opened.Entry.ZoneRow, p.HoldsZone ? 8 : 0);
  } else {
    ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(result));
    EXPECT_EQ(std::get<ChartFileProblem>(result).Reason, p.Reason);
  }
}

BirthFormData WithName(BirthFormData f, std::string name) {
  f.Name = std::move(name);
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Files, AnyChartFileTest,
    testing::Values(
        AnyFileCase{"VmjByExtension", "/tmp/sydney.vmj", JsonFileOf(test::SydneyBirth()), true, ""},
        AnyFileCase{"VmjUnderAnotherName", "/tmp/sydney.txt", JsonFileOf(test::SydneyBirth()), true,
                    ""},
        AnyFileCase{"VmjNamedVmx", "/tmp/sydney.vmx", JsonFileOf(test::SydneyBirth()), true, ""},
        AnyFileCase{"VmxByExtension", "/tmp/delhi.vmx", FileOf(kDelhi), false, ""},
        AnyFileCase{"VmxWithoutExtension", "/tmp/delhi", FileOf(kDelhi), false, ""},
        // A .vmx file whose first name ends in "&" starts with a brace, and is still one.
        AnyFileCase{"VmxStartingWithABrace", "/tmp/amp.vmx", FileOf(With(kDelhi, 1, "A&")), false,
                    ""},
        AnyFileCase{"VmxNamedVmj", "/tmp/delhi.vmj", FileOf(kDelhi), false, kNotOurs},
        AnyFileCase{"VmjNameLongerThanItsBox", "/tmp/long.vmj",
                    JsonFileOf(WithName(test::SydneyBirth(), std::string(32768, 'A'))), false,
                    "The name is longer than the form can hold."},
        AnyFileCase{"VmjOfThreeMegabytes", "/tmp/huge.vmj",
                    JsonFileOf(WithName(test::SydneyBirth(), std::string(3 * 1024 * 1024, 'z'))),
                    false, kNotOurs}),
    [](const testing::TestParamInfo<AnyFileCase>& info) { return std::string(info.param.Name); });

// Mutated .vmj files: whatever the bytes, the reader gives an entry or a reason in words.
TEST(ChartFileReaderTest, SurvivesMutatedJsonFiles) {
  constexpr int kInputs = 20'000;
  std::mt19937 random(20261210);
  const std::string valid = JsonFileOf(test::SydneyBirth());
  int accepted = 0;
  for (int n = 0; n < kInputs; ++n) {
    std::string file = valid;
    const int changes = 1 + static_cast<int>(random() % 3);
    for (int c = 0; c < changes; ++c) {
      const std::size_t at = random() % file.size();
      switch (random() % 3) {
        case 0:
          file[at] = static_cast<char>(random() % 256);
          break;
        case 1:
          file.erase(at, 1 + random() % 8);
          break;
        default:
          file.insert(at, 1, "{}[]\",:0"[random() % 9]);
      }
      if (file.empty()) file = "{";
    }
    const auto result = ReadAnyChartFile("m.vmj", file, true, kFormLimits);
    if (const auto* opened = std::get_if<OpenedChartFile>(&result)) {
      ++accepted;
      ASSERT_GE(opened->Entry.ZoneRow, 0);
      ASSERT_LT(opened->Entry.ZoneRow, kZoneCount);
      ASSERT_GE(opened->Entry.Year, kFirstYear);
      ASSERT_LE(opened->Entry.Year, kLastYear);
    } else {
      ASSERT_TRUE(std::get<ChartFileProblem>(result).Reason.ends_with('.'));
    }
  }
  EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace velmora
