// The text report of the last Indian chart, and the single-byte text it is written in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

// The full English month name of 1..12; empty for any other number.
std::string_view MonthName(int month);

// The 26-line report of the sidereal record as the file bytes: Latin-1, CR LF line ends,
// lines 9 and 20 a lone CR. Before any chart the month is 0 and line 2 is left out.
std::string TextReport(const ChartRecord& sidereal);

// UTF-8 to Latin-1; a character Latin-1 cannot hold becomes `replacement`.
std::string Utf8ToLatin1(std::string_view utf8, char replacement = '?');
std::string Latin1ToUtf8(std::string_view latin1);

// The first character of a UTF-8 text that Latin-1 cannot hold, if any (as its code point).
struct Utf8Character {
  std::size_t Offset;  // byte offset in the UTF-8 text
  char32_t CodePoint;
};
std::optional<Utf8Character> FirstNonLatin1(std::string_view utf8);

}  // namespace velmora
