// The chart file: fifteen lines holding the birth form's texts, each line stored reversed
// with every byte raised by 85, in Latin-1 with CR LF line ends.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/birth_data.h"

namespace velmora {

inline constexpr int kChartFileLines = 15;

// The fifteen form texts in file order (name, day, month name, year, hour, minute, latitude
// degrees, minutes, "North"/"South", longitude degrees, minutes, "East"/"West", city, state,
// country), as UTF-8.
using ChartFileFields = std::array<std::string, kChartFileLines>;

// Latin-1 bytes in, stored bytes out: reversed, each byte plus 85. A byte above 170 cannot
// be raised within one byte, so such a text has no encoding.
std::optional<std::string> EncodeText(std::string_view latin1);
// The reverse: bytes below 85 cannot be lowered and are left out.
std::string DecodeText(std::string_view stored);

// A character that the file cannot hold, and the line (1..15) it is in.
struct UnstorableCharacter {
  int Line;
  char32_t CodePoint;
};

// The whole file for the given texts, or the first character it cannot hold.
std::variant<std::string, UnstorableCharacter> EncodeChartFile(const ChartFileFields& fields);

// The decoded texts of a file's first fifteen lines (CR LF, CR or LF ends); lines that are
// missing come back empty. Never fails: any bytes decode to something.
ChartFileFields DecodeChartFile(std::string_view bytes);

// The texts the form shows for an entry, each trimmed, in file order.
ChartFileFields ChartFileFieldsOf(const BirthFormData& form);

// Why a file cannot be opened, in words a user understands. `NotAChartFile` when the bytes
// are not a chart file at all rather than a chart file with a bad entry; `Detail` may add
// what was found, for whoever wants to look closer.
struct ChartFileProblem {
  bool NotAChartFile = false;
  std::string Reason;  // one sentence: "The birth year is missing."
  std::string Detail;  // empty, or one more sentence
};

inline constexpr const char* kNotAChartFile = "This is not a Velmora chart file.";

// The day, month, year, hour and minute that the texts of lines 2 to 6 name, if the form's
// lists hold such an entry; the problem otherwise. When none of the five is a list entry the
// file is no chart file at all.
struct ListSelection {
  int Day, Month, Year, Hour, Minute;
};
std::variant<ListSelection, ChartFileProblem> ListSelectionOf(const ChartFileFields& fields);

// Fills the form's texts and direction options from the file's texts; the lists, the time
// zone and daylight saving are left to the caller.
void ApplyChartFileTexts(const ChartFileFields& fields, BirthFormData& form);

// The entry a file's texts put on the form (time zone and daylight saving at their
// defaults: the file does not hold them), or why they cannot go there.
std::variant<BirthFormData, ChartFileProblem> FormDataOf(const ChartFileFields& fields);

}  // namespace velmora
