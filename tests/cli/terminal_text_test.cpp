// What reaches a terminal or a JSON reader from a name, a path or an option value.
#include "cli/terminal_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "cli/chart_tool.h"

namespace velmora {
namespace {

struct EscapeCase {
  const char* Name;
  std::string Text;
  std::string Shown;
};

class TerminalEscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(TerminalEscapeTest, ShowsControlsAndStrayBytesAsText) {
  EXPECT_EQ(EscapeForTerminal(GetParam().Text), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TerminalEscapeTest,
    testing::Values(
        EscapeCase{"TitleSequenceWithBell", "A\x1b]0;owned\x07Z", "A\\x1B]0;owned\\x07Z"},
        EscapeCase{"ColourSequence", "\x1b[31mred", "\\x1B[31mred"},
        EscapeCase{"CarriageReturnOverwritingTheLine", "ok\rno", "ok\\x0Dno"},
        EscapeCase{"DeleteCharacter", "a\x7f", "a\\x7F"},
        EscapeCase{"OneCharacterCsiOfC1",
                   "\xc2\x9b"
                   "2J",
                   "\\u009B2J"},
        EscapeCase{"Latin1ByteInsteadOfUtf8", "Jos\xe9", "Jos\\xE9"},
        EscapeCase{"OverlongSlash", "\xc0\xaf", "\\xC0\\xAF"},
        EscapeCase{"Surrogate", "\xed\xa0\x80", "\\xED\\xA0\\x80"},
        EscapeCase{"BeyondUnicode", "\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        EscapeCase{"CutShortAtTheEnd", "ab\xe0\xa4", "ab\\xE0\\xA4"},
        EscapeCase{"LinesTabsAccentsAndDevanagariKept", "Jos\xc3\xa9\t\xe0\xa4\x97\xe0\xa5\x80\n",
                   "Jos\xc3\xa9\t\xe0\xa4\x97\xe0\xa5\x80\n"},
        EscapeCase{"FourByteCharacterKept", "\xf0\x9f\x8c\x99", "\xf0\x9f\x8c\x99"}),
    [](const auto& info) { return std::string(info.param.Name); });

std::vector<std::string_view> DelhiNamed(std::string_view name) {
  return {"--name", name,        "--date",  "1980-06-15", "--time",    "10:30",
          "--zone", "IST",       "--lat",   "28:36N",     "--lon",     "77:13E",
          "--city", "New Delhi", "--state", "Delhi",      "--country", "India"};
}

bool HoldsControlBytes(const std::string& text) {
  for (unsigned char c : text) {
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7f) return true;
  }
  return false;
}

// glibc's own converter, not ours, judges the bytes.
bool IsValidUtf8(const std::string& text) {
  iconv_t converter = iconv_open("UTF-8", "UTF-8");
  std::string in = text;
  std::string out(4 * text.size() + 4, '\0');
  char* from = in.data();
  char* to = out.data();
  std::size_t left = in.size();
  std::size_t room = out.size();
  const std::size_t result = iconv(converter, &from, &left, &to, &room);
  iconv_close(converter);
  return result != static_cast<std::size_t>(-1) && left == 0;
}

TEST(ChartToolTerminalTest, ANameCannotDriveTheTerminal) {
  for (const char* flag : {"", "--western"}) {
    std::vector<std::string_view> args = DelhiNamed("Asha\x1b]0;owned\x07 Rao");
    if (*flag) args.push_back(flag);
    const ToolResult r = RunChartTool(args);
    ASSERT_EQ(r.ExitStatus, kExitOk) << flag;
    EXPECT_FALSE(HoldsControlBytes(r.Out)) << flag;
    EXPECT_NE(r.Out.find("Asha\\x1B]0;owned\\x07 Rao"), std::string::npos) << flag;
  }
}

TEST(ChartToolTerminalTest, AnOptionValueInAMessageCannotDriveTheTerminal) {
  std::vector<std::string_view> args = DelhiNamed("Asha Rao");
  args[7] = "\x1b[2J";
  const ToolResult r = RunChartTool(args);
  EXPECT_EQ(r.ExitStatus, kExitBadInput);
  EXPECT_EQ(r.Err,
            "velmora-chart: --zone \\x1B[2J: no time zone has this abbreviation (velmora-chart "
            "--zones lists them)\n");
}

TEST(ChartToolTerminalTest, JsonIsValidUtf8WhateverTheNameHolds) {
  std::vector<std::string_view> args = DelhiNamed("Jos\xe9 \x1b\x7f\xc2\x85 \xe0\xa4\x97");
  args.push_back("--json");
  const ToolResult r = RunChartTool(args);
  ASSERT_EQ(r.ExitStatus, kExitOk);
  EXPECT_TRUE(IsValidUtf8(r.Out));
  EXPECT_FALSE(HoldsControlBytes(r.Out));
  EXPECT_NE(r.Out.find("\"BirthName\": \"Jos\\ufffd \\u001b\\u007f\\u0085 \xe0\xa4\x97\""),
            std::string::npos)
      << r.Out.substr(0, 400);
}

}  // namespace
}  // namespace velmora
