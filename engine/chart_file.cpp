#include "chart_file.h"

#include <charconv>

#include "report.h"

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

std::variant<ListSelection, std::string> ListSelectionOf(const ChartFileFields& fields) {
  ListSelection s{};
  const auto day = WholeNumber(fields[kDay], 1, 31);
  if (!day) return "line 2 holds the day " + Quoted(fields[kDay]) + ", not a day from 1 to 31";
  s.Day = *day;
  s.Month = 0;
  for (int m = 1; m <= 12; ++m) {
    if (MonthName(m) == fields[kMonth]) s.Month = m;
  }
  if (s.Month == 0) {
    return "line 3 holds the month " + Quoted(fields[kMonth]) + ", not a month name";
  }
  const auto year = WholeNumber(fields[kYear], kFirstYear, kLastYear);
  if (!year) {
    return "line 4 holds the year " + Quoted(fields[kYear]) + ", not a year from " +
           std::to_string(kFirstYear) + " to " + std::to_string(kLastYear);
  }
  s.Year = *year;
  const auto hour = WholeNumber(fields[kHour], 0, 24);
  if (!hour) return "line 5 holds the hour " + Quoted(fields[kHour]) + ", not an hour from 0 to 24";
  s.Hour = *hour;
  const auto minute = WholeNumber(fields[kMinute], 0, 59);
  if (!minute) {
    return "line 6 holds the minute " + Quoted(fields[kMinute]) + ", not a minute from 0 to 59";
  }
  s.Minute = *minute;
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

std::variant<BirthFormData, std::string> FormDataOf(const ChartFileFields& fields) {
  const auto selection = ListSelectionOf(fields);
  if (const auto* why = std::get_if<std::string>(&selection)) return *why;
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
