#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/report.h"
#include "test_births.h"

namespace velmora {
namespace {

// The report split at CR LF; a lone CR line comes back as "\r".
std::vector<std::string> LinesOf(const std::string& report) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < report.size()) {
    const auto end = report.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(report.substr(at));
      break;
    }
    lines.push_back(report.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(TextReportTest, DelhiChartByteForByte) {
  const std::string expected =
      "Name: Asha Rao\r\n"
      "Date of Birth: June 15, 1980\r\n"
      "Time of Birth: 10 Hour 30 Minute\r\n"
      "Latitude: 28 Degree 36 Minute \r\n"
      "Longitude: 77 Degree 13 Minute \r\n"
      "City: New Delhi\r\n"
      "State: Delhi\r\n"
      "Country: India\r\n"
      "\r\r\n"
      "Planetary Position\r\n"
      "Sun 00 Gem 56\r\n"
      "Moon 00 Can 13\r\n"
      "Mercury 25 Gem 23\r\n"
      "Venus 01 Gem 06\r\n"
      "Mars 23 Leo 19\r\n"
      "Jupiter 10 Leo 25\r\n"
      "Saturn 27 Leo 23\r\n"
      "Rahu 28 Can 35\r\n"
      "Ketu 28 Cap 35\r\n"
      "\r\r\n"
      "Ayanamsa: 23\xB0 34' 54\"\r\n"
      "Lagna / Asc: Simha\r\n"
      "Nakshatra: Punarvasu\r\n"
      "Rashi / Moon Sign: Kataka\r\n"
      "Pada: 4\r\n"
      "Lord: Jupiter\r\n";
  EXPECT_EQ(TextReport(test::SiderealChartOf(test::DelhiBirth())), expected);
}

TEST(TextReportTest, SmallNumbersWithoutLeadingZerosAndNoDirections) {
  BirthFormData f = test::DelhiBirth();
  f.Day = 5;
  f.Month = 3;
  f.Year = 1907;
  f.Hour = 9;
  f.Minute = 5;
  f.LatitudeDegrees = "7";
  f.LatitudeMinutes = "05";
  f.LatitudeOption = 1;
  f.LongitudeOption = 1;
  f.ZoneRow = 27;
  const auto lines = LinesOf(TextReport(test::SiderealChartOf(f)));
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[1], "Date of Birth: March 5, 1907");
  EXPECT_EQ(lines[2], "Time of Birth: 9 Hour 5 Minute");
  EXPECT_EQ(lines[3], "Latitude: 7 Degree 5 Minute ");
  EXPECT_EQ(lines[4], "Longitude: 77 Degree 13 Minute ");
}

TEST(TextReportTest, BeforeAnyChartTheDateLineIsMissing) {
  const auto lines = LinesOf(TextReport(ChartRecord{}));
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "Name: ");
  EXPECT_EQ(lines[1], "Time of Birth: 0 Hour 0 Minute");
  EXPECT_EQ(lines[7], "\r");
  EXPECT_EQ(lines[9], " ");  // no body names yet
  EXPECT_EQ(lines[24], "Lord: ");
}

TEST(TextReportTest, NamesOutsideLatin1BecomeQuestionMarks) {
  BirthFormData f = test::DelhiBirth();
  f.Name = "Zo\u00EB \u0410\u043D\u043D\u0430";
  const auto lines = LinesOf(TextReport(test::SiderealChartOf(f)));
  EXPECT_EQ(lines[0], "Name: Zo\xEB ????");
}

TEST(Latin1Test, RoundTripsEverySingleByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
  EXPECT_EQ(Latin1ToUtf8("\xB0"), "\u00B0");
}

TEST(Latin1Test, FindsTheFirstCharacterLatin1CannotHold) {
  EXPECT_FALSE(FirstNonLatin1("caf\u00E9").has_value());
  const auto bad = FirstNonLatin1("ab\u20ACc");
  ASSERT_TRUE(bad.has_value());
  EXPECT_EQ(bad->Offset, 2u);
  EXPECT_EQ(bad->CodePoint, U'\u20AC');
  EXPECT_EQ(FirstNonLatin1("x\xFFy")->CodePoint, U'\uFFFD');  // malformed UTF-8
}

}  // namespace
}  // namespace velmora
