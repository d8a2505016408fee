#include "engine/files/chart_file.h"

#include <charconv>

#include "engine/files/report.h"

namespace velmora {
namespace {

constexpr unsigned kShift = 85;
constexpr unsigned char kHighestStorable = 255 - kShift;  // 170

enum Line {
  kName,
  kDay,
  kMonth,
  kYear,
  kHour,
  kMinute,
  kLatDeg,
  kLatMin,
  kLatDirection,
  kLonDeg,
  kLonMin,
  kLonDirection,
  kCity,
  kState,
  kCountry,
};

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out.append(1, '"').append(text).append(1, '"');
  return out;
}

}  // namespace

std::optional<std::string> EncodeText(std::string_view latin1) {
  std::string out(latin1.size(), '\0');
  for (std::size_t i = 0; i < latin1.size(); ++i) {
    const auto c = static_cast<unsigned char>(latin1[i]);
    if (c > kHighestStorable) return std::nullopt;
    out[latin1.size() - 1 - i] = static_cast<char>(c + kShift);
  }
  return out;
}

std::string DecodeText(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (auto it = stored.rbegin(); it != stored.rend(); ++it) {
    const auto c = static_cast<unsigned char>(*it);
    if (c >= kShift) out += static_cast<char>(c - kShift);
  }
  return out;
}

std::variant<std::string, UnstorableCharacter> EncodeChartFile(const ChartFileFields& fields) {
  std::string file;
  for (std::size_t line = 0; line < fields.size(); ++line) {
    const int lineNumber = static_cast<int>(line) + 1;
    if (auto bad = FirstNonLatin1(fields[line]))
      return UnstorableCharacter{lineNumber, bad->CodePoint};
    const std::string latin1 = Utf8ToLatin1(fields[line]);
    const auto stored = EncodeText(latin1);
    if (!stored) {
      for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c > kHighestStorable) return UnstorableCharacter{lineNumber, c};
      }
    }
    file += *stored;
    file += "\r\n";
  }
  return file;
}

ChartFileFields DecodeChartFile(std::string_view bytes) {
  ChartFileFields fields;
  std::size_t at = 0;
  for (std::size_t line = 0; line < fields.size() && at < bytes.size(); ++line) {
    const auto end = bytes.find_first_of("\r\n", at);
    const std::string_view stored =
        bytes.substr(at, end == std::string_view::npos ? end : end - at);
    fields[line] = Latin1ToUtf8(DecodeText(stored));
    if (end == std::string_view::npos) break;
    at = end + 1;
    if (bytes[end] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return fields;
}

ChartFileFields ChartFileFieldsOf(const BirthFormData& f) {
  auto trimmed = [](std::string_view s) { return std::string(TrimSpaces(s)); };
  ChartFileFields fields;
  fields[kName] = trimmed(f.Name);
  fields[kDay] = std::to_string(f.Day);
  fields[kMonth] = MonthName(f.Month);
  fields[kYear] = std::to_string(f.Year);
  fields[kHour] = std::to_string(f.Hour);
  fields[kMinute] = std::to_string(f.Minute);
  fields[kLatDeg] = trimmed(f.LatitudeDegrees);
  fields[kLatMin] = trimmed(f.LatitudeMinutes);
  fields[kLatDirection] = f.LatitudeOption == 0 ? "North" : "South";
  fields[kLonDeg] = trimmed(f.LongitudeDegrees);
  fields[kLonMin] = trimmed(f.LongitudeMinutes);
  fields[kLonDirection] = f.LongitudeOption == 0 ? "East" : "West";
  fields[kCity] = trimmed(f.City);
  fields[kState] = trimmed(f.State);
  fields[kCountry] = trimmed(f.Country);
  return fields;
}

std::variant<ListSelection, ChartFileProblem> ListSelectionOf(const ChartFileFields& fields) {
  struct ListLine {
    Line At;
    const char* What;  // as a sentence starts with it
    const char* Range;
    int Low, High;
    int ListSelection::*Field;
  };
  // The month is a name, not a number: High 0 marks it.
  static constexpr ListLine kLines[] = {
      {kDay, "The day of birth", "a day from 1 to 31", 1, 31, &ListSelection::Day},
      {kMonth, "The birth month", "a month name, January to December", 0, 0, &ListSelection::Month},
      {kYear, "The birth year", "a year from 1900 to 2050", kFirstYear, kLastYear,
       &ListSelection::Year},
      {kHour, "The hour of birth", "an hour from 0 to 24", 0, 24, &ListSelection::Hour},
      {kMinute, "The minute of birth", "a minute from 0 to 59", 0, 59, &ListSelection::Minute},
  };
  ListSelection s{};
  std::optional<ChartFileProblem> first;
  int failed = 0;
  for (const ListLine& line : kLines) {
    const std::string& text = fields[line.At];
    std::optional<int> value;
    if (line.High == 0) {
      for (int m = 1; m <= 12; ++m) {
        if (MonthName(m) == text) value = m;
      }
    } else {
      value = WholeNumber(text, line.Low, line.High);
    }
    if (value) {
      s.*line.Field = *value;
      continue;
    }
    ++failed;
    if (!first) {
      first = text.empty() ? ChartFileProblem{false, std::string(line.What) + " is missing.", {}}
                           : ChartFileProblem{false,
                                              std::string(line.What) + " " + Quoted(text) +
                                                  " is not " + line.Range + ".",
                                              {}};
    }
  }
  // Not one date or time where a chart file keeps them: whatever this is, it is not ours.
  if (failed == static_cast<int>(std::size(kLines))) {
    return ChartFileProblem{true, kNotAChartFile,
                            "It holds no date or time of birth where a chart file keeps them."};
  }
  if (first) return *first;
  return s;
}

void ApplyChartFileTexts(const ChartFileFields& fields, BirthFormData& f) {
  f.Name = fields[kName];
  f.LatitudeDegrees = fields[kLatDeg];
  f.LatitudeMinutes = fields[kLatMin];
  // Anything but the exact words selects the second option, as a missing line does.
  f.LatitudeOption = fields[kLatDirection] == "North" ? 0 : 1;
  f.LongitudeDegrees = fields[kLonDeg];
  f.LongitudeMinutes = fields[kLonMin];
  f.LongitudeOption = fields[kLonDirection] == "East" ? 0 : 1;
  f.City = fields[kCity];
  f.State = fields[kState];
  f.Country = fields[kCountry];
}

std::variant<BirthFormData, ChartFileProblem> FormDataOf(const ChartFileFields& fields) {
  const auto selection = ListSelectionOf(fields);
  if (const auto* why = std::get_if<ChartFileProblem>(&selection)) return *why;
  const auto& lists = std::get<ListSelection>(selection);
  BirthFormData form;
  form.Day = lists.Day;
  form.Month = lists.Month;
  form.Year = lists.Year;
  form.Hour = lists.Hour;
  form.Minute = lists.Minute;
  ApplyChartFileTexts(fields, form);
  return form;
}

}  // namespace velmora
