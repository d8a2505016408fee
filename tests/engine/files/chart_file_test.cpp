#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/files/chart_file.h"
#include "test_births.h"

namespace velmora {
namespace {

TEST(EncodeTextTest, ReversesAndRaisesBy85) {
  EXPECT_EQ(EncodeText("abc"), "\xB8\xB7\xB6");
  EXPECT_EQ(EncodeText(""), "");
  EXPECT_EQ(EncodeText(std::string(1, '\xAA')), "\xFF");  // 170, the highest storable code
  EXPECT_FALSE(EncodeText("ok\xAB").has_value());
  EXPECT_FALSE(EncodeText("\xE9").has_value());
}

TEST(DecodeTextTest, RestoresAndDropsBytesBelow85) {
  EXPECT_EQ(DecodeText("\xB8\xB7\xB6"), "abc");
  EXPECT_EQ(DecodeText("\xB8"
                       "A\xB7\x10\xB6"),
            "abc");
  EXPECT_EQ(DecodeText(""), "");
}

TEST(EncodeTextTest, EveryStorableTextRoundTrips) {
  std::mt19937 random(7);
  for (int i = 0; i < 500; ++i) {
    std::string text(random() % 40, ' ');
    for (char& ch : text) ch = static_cast<char>(1 + random() % 170);
    const auto stored = EncodeText(text);
    ASSERT_TRUE(stored.has_value());
    for (char ch : *stored) EXPECT_GE(static_cast<unsigned char>(ch), 85);
    EXPECT_EQ(DecodeText(*stored), text);
  }
}

TEST(ChartFileTest, FifteenLinesInFormOrder) {
  BirthFormData f = test::DelhiBirth();
  f.Name = "  Asha Rao ";
  f.LongitudeOption = 1;
  const ChartFileFields fields = ChartFileFieldsOf(f);
  const ChartFileFields expected = {"Asha Rao", "15",   "June",      "1980",  "10",
                                    "30",       "28",   "36",        "North", "77",
                                    "13",       "West", "New Delhi", "Delhi", "India"};
  EXPECT_EQ(fields, expected);
  const auto file = std::get<std::string>(EncodeChartFile(fields));
  EXPECT_EQ(file.substr(0, 10), *EncodeText("Asha Rao") + "\r\n");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 15);
  EXPECT_EQ(DecodeChartFile(file), fields);
}

TEST(ChartFileTest, EmptyFieldIsAnEmptyLine) {
  ChartFileFields fields;
  fields[0] = "abc";
  const auto file = std::get<std::string>(EncodeChartFile(fields));
  std::string expected = "\xB8\xB7\xB6\r\n";
  for (int line = 2; line <= 15; ++line) expected += "\r\n";
  EXPECT_EQ(file, expected);
}

TEST(ChartFileTest, Latin1LettersAreStoredWhenTheyFit) {
  ChartFileFields fields;
  fields[0] = "Ren\u00A2";  // cent sign, code 162
  const auto file = std::get<std::string>(EncodeChartFile(fields));
  EXPECT_EQ(DecodeChartFile(file)[0], "Ren\u00A2");
}

TEST(ChartFileTest, RefusesCharactersTheFileCannotHold) {
  ChartFileFields fields;
  fields[12] = "M\u00FCnchen";  // u-umlaut is 252
  auto result = EncodeChartFile(fields);
  ASSERT_TRUE(std::holds_alternative<UnstorableCharacter>(result));
  EXPECT_EQ(std::get<UnstorableCharacter>(result).Line, 13);
  EXPECT_EQ(std::get<UnstorableCharacter>(result).CodePoint, U'\u00FC');

  fields[12] = "";
  fields[0] = "\u0410\u043D\u043D\u0430";
  result = EncodeChartFile(fields);
  ASSERT_TRUE(std::holds_alternative<UnstorableCharacter>(result));
  EXPECT_EQ(std::get<UnstorableCharacter>(result).Line, 1);
  EXPECT_EQ(std::get<UnstorableCharacter>(result).CodePoint, U'\u0410');
}

TEST(ChartFileTest, ShortAndLongFiles) {
  const std::string three =
      *EncodeText("A") + "\r\n" + *EncodeText("2") + "\r\n" + *EncodeText("May");
  const ChartFileFields fields = DecodeChartFile(three);
  EXPECT_EQ(fields[0], "A");
  EXPECT_EQ(fields[2], "May");
  for (int line = 3; line < 15; ++line) EXPECT_EQ(fields[line], "");

  std::string longFile;
  for (int line = 0; line < 20; ++line) longFile += *EncodeText(std::to_string(line)) + "\n";
  EXPECT_EQ(DecodeChartFile(longFile)[14], "14");
}

TEST(ChartFileTest, DirectionWordsAreExact) {
  ChartFileFields fields;
  fields[8] = "north";
  fields[11] = "East";
  BirthFormData f;
  ApplyChartFileTexts(fields, f);
  EXPECT_EQ(f.LatitudeOption, 1);
  EXPECT_EQ(f.LongitudeOption, 0);
  fields[11] = "";
  ApplyChartFileTexts(fields, f);
  EXPECT_EQ(f.LongitudeOption, 1);
}

struct SelectionCase {
  const char* Name;
  int Line;  // 2..6
  const char* Text;
  const char* Reason;
};

class ListSelectionTest : public testing::TestWithParam<SelectionCase> {};

TEST_P(ListSelectionTest, SaysInWordsWhatTheListsCannotShow) {
  const auto& p = GetParam();
  ChartFileFields fields = ChartFileFieldsOf(test::DelhiBirth());
  fields[p.Line - 1] = p.Text;
  const auto result = ListSelectionOf(fields);
  ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(result));
  EXPECT_EQ(std::get<ChartFileProblem>(result).Reason, p.Reason);
  EXPECT_FALSE(std::get<ChartFileProblem>(result).NotAChartFile);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListSelectionTest,
    testing::Values(
        SelectionCase{"DayZero", 2, "0", "The day of birth \"0\" is not a day from 1 to 31."},
        SelectionCase{"DayEmpty", 2, "", "The day of birth is missing."},
        SelectionCase{"MonthLowerCase", 3, "june",
                      "The birth month \"june\" is not a month name, January to December."},
        SelectionCase{"Year1899", 4, "1899",
                      "The birth year \"1899\" is not a year from 1900 to 2050."},
        SelectionCase{"YearEmpty", 4, "", "The birth year is missing."},
        SelectionCase{"HourWithSpace", 5, " 5",
                      "The hour of birth \" 5\" is not an hour from 0 to 24."},
        SelectionCase{"Minute60", 6, "60",
                      "The minute of birth \"60\" is not a minute from 0 to 59."}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ListSelectionTest, NoDateOrTimeAtAllIsNoChartFile) {
  ChartFileFields fields = ChartFileFieldsOf(test::DelhiBirth());
  for (int line = 2; line <= 6; ++line) fields[static_cast<std::size_t>(line - 1)] = "x";
  const auto result = ListSelectionOf(fields);
  ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(result));
  const auto& problem = std::get<ChartFileProblem>(result);
  EXPECT_TRUE(problem.NotAChartFile);
  EXPECT_EQ(problem.Reason, "This is not a Velmora chart file.");
  EXPECT_EQ(problem.Detail, "It holds no date or time of birth where a chart file keeps them.");
}

TEST(ListSelectionTest, ReadsTheListEntries) {
  const auto result = ListSelectionOf(ChartFileFieldsOf(test::DelhiBirth()));
  const auto& s = std::get<ListSelection>(result);
  EXPECT_EQ(s.Day, 15);
  EXPECT_EQ(s.Month, 6);
  EXPECT_EQ(s.Year, 1980);
  EXPECT_EQ(s.Hour, 10);
  EXPECT_EQ(s.Minute, 30);
}

}  // namespace
}  // namespace velmora
