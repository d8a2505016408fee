#include "engine/files/json_chart_file.h"

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>

#include "engine/files/report.h"
#include "engine/places/zones.h"

namespace velmora {
namespace {

// Keys stay in the order written, so that the file reads as the form does.
using Json = nlohmann::ordered_json;

ChartFileProblem Problem(std::string reason, std::string detail = {}) {
  return {false, std::move(reason), std::move(detail)};
}

ChartFileProblem NotAChartFile(std::string detail = {}) {
  return {true, kNotAChartFile, std::move(detail)};
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

// The degree and minute boxes hold digits once validated; a number is written as one, any
// other text as it stands so that the form's own check meets it again on opening.
Json BoxValue(std::string_view text) {
  const std::string_view trimmed = TrimSpaces(text);
  const bool digits = !trimmed.empty() && trimmed.size() <= 6 &&
                      trimmed.find_first_not_of("0123456789") == std::string_view::npos;
  if (digits) return std::stoi(std::string(trimmed));
  return std::string(trimmed);
}

// An integer of the file; one above the signed range comes back unsigned and is out of
// every range we check either way.
std::int64_t WholeNumber(const Json& value) {
  if (value.is_number_unsigned()) {
    return static_cast<std::int64_t>(
        std::min<std::uint64_t>(value.get<std::uint64_t>(), INT64_MAX));
  }
  return value.get<std::int64_t>();
}

bool HoldsControlCharacter(std::string_view text) {
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

// One object member, looked up with the name users read in messages.
class Reader {
 public:
  explicit Reader(const Json& object) : object_(object) {}

  const Json* Find(const char* key) const {
    const auto it = object_.find(key);
    return it == object_.end() ? nullptr : &*it;
  }

  // A whole number in [low, high]; `what` is "the birth year" and so on.
  std::variant<int, ChartFileProblem> Number(const char* key, const std::string& what, int low,
                                             int high) const {
    const Json* value = Find(key);
    if (value == nullptr || value->is_null()) return Problem(Capitalised(what) + " is missing.");
    if (!value->is_number_integer()) {
      return Problem(Capitalised(what) + " is not a whole number.",
                     "The file holds " + value->dump() + ".");
    }
    const std::int64_t number = WholeNumber(*value);
    if (number < low || number > high) {
      return Problem(Capitalised(what) + " " + std::to_string(number) + " is not between " +
                     std::to_string(low) + " and " + std::to_string(high) + ".");
    }
    return static_cast<int>(number);
  }

  std::variant<std::string, ChartFileProblem> Text(const char* key, const std::string& what) const {
    const Json* value = Find(key);
    if (value == nullptr || value->is_null()) return Problem(Capitalised(what) + " is missing.");
    if (!value->is_string()) {
      return Problem(Capitalised(what) + " is not a text.",
                     "The file holds " + value->dump() + ".");
    }
    std::string text = value->get<std::string>();
    if (HoldsControlCharacter(text)) {
      return Problem(Capitalised(what) +
                     " holds a line break or another control character, "
                     "which the form cannot show.");
    }
    return text;
  }

  // A degree or minute box: a number, or the text that was in the box.
  std::variant<std::string, ChartFileProblem> BoxText(const char* key,
                                                      const std::string& what) const {
    const Json* value = Find(key);
    if (value != nullptr && value->is_number_integer()) return value->dump();
    return Text(key, what);
  }

 private:
  const Json& object_;
};

template <typename T>
const ChartFileProblem* Failed(const std::variant<T, ChartFileProblem>& result) {
  return std::get_if<ChartFileProblem>(&result);
}

// The object under `key`, or the problem of its absence.
std::variant<const Json*, ChartFileProblem> Part(const Json& root, const char* key,
                                                 const std::string& what) {
  const auto it = root.find(key);
  if (it == root.end() || it->is_null()) return Problem(Capitalised(what) + " is missing.");
  if (!it->is_object()) {
    return Problem(Capitalised(what) + " is not written as a chart file writes it.",
                   "The file holds " + it->dump() + ".");
  }
  return &*it;
}

struct Coordinate {
  std::string Degrees, Minutes;
  int Option = 0;
};

std::variant<Coordinate, ChartFileProblem> ReadCoordinate(const Json& root, const char* key,
                                                          const std::string& what,
                                                          const char* first, const char* second) {
  const auto part = Part(root, key, "the " + what);
  if (const auto* bad = Failed(part)) return *bad;
  const Reader r(*std::get<const Json*>(part));
  Coordinate c;
  auto degrees = r.BoxText("degrees", "the degree of " + what);
  if (const auto* bad = Failed(degrees)) return *bad;
  auto minutes = r.BoxText("minutes", "the minute of " + what);
  if (const auto* bad = Failed(minutes)) return *bad;
  const auto direction = r.Text("direction", "the " + what + " direction");
  if (const auto* bad = Failed(direction)) return *bad;
  const std::string& word = std::get<std::string>(direction);
  if (word != first && word != second) {
    return Problem("The " + what + " direction " + Quoted(word) + " is neither " + first + " nor " +
                   second + ".");
  }
  c.Degrees = std::get<std::string>(std::move(degrees));
  c.Minutes = std::get<std::string>(std::move(minutes));
  c.Option = word == first ? 0 : 1;
  return c;
}

std::optional<Json> ParsedObject(std::string_view bytes) {
  Json root = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
  if (root.is_discarded() || !root.is_object()) return std::nullopt;
  return root;
}

// The fields in the order the form shows them; the first problem is the one reported.
std::variant<BirthFormData, ChartFileProblem> EntryOf(const Json& root) {
  BirthFormData f;
  const Reader top(root);
  auto name = top.Text("name", "the name");
  if (const auto* bad = Failed(name)) return *bad;
  f.Name = std::get<std::string>(std::move(name));

  const auto date = Part(root, "date", "the date of birth");
  if (const auto* bad = Failed(date)) return *bad;
  const Reader d(*std::get<const Json*>(date));
  const auto year = d.Number("year", "the birth year", kFirstYear, kLastYear);
  if (const auto* bad = Failed(year)) return *bad;
  const auto month = d.Number("month", "the birth month", 1, 12);
  if (const auto* bad = Failed(month)) return *bad;
  const auto day = d.Number("day", "the day of birth", 1, 31);
  if (const auto* bad = Failed(day)) return *bad;
  f.Year = std::get<int>(year);
  f.Month = std::get<int>(month);
  f.Day = std::get<int>(day);

  const auto time = Part(root, "time", "the time of birth");
  if (const auto* bad = Failed(time)) return *bad;
  const Reader t(*std::get<const Json*>(time));
  const auto hour = t.Number("hour", "the hour of birth", 0, 24);
  if (const auto* bad = Failed(hour)) return *bad;
  const auto minute = t.Number("minute", "the minute of birth", 0, 59);
  if (const auto* bad = Failed(minute)) return *bad;
  f.Hour = std::get<int>(hour);
  f.Minute = std::get<int>(minute);

  const auto zone = Part(root, "zone", "the time zone");
  if (const auto* bad = Failed(zone)) return *bad;
  const Reader z(*std::get<const Json*>(zone));
  const auto row = z.Number("row", "the time zone's row", 0, kZoneCount - 1);
  if (const auto* bad = Failed(row)) return *bad;
  f.ZoneRow = std::get<int>(row);
  if (const Json* iana = z.Find("timeZone"); iana != nullptr && !iana->is_null()) {
    auto named = z.Text("timeZone", "the time zone's name");
    if (const auto* bad = Failed(named)) return *bad;
    f.TimeZoneName = std::get<std::string>(std::move(named));
  }
  const Json* dst = top.Find("daylightSaving");
  if (dst == nullptr || dst->is_null()) return Problem("Daylight saving is missing.");
  if (!dst->is_boolean()) {
    return Problem("Daylight saving is neither true nor false.",
                   "The file holds " + dst->dump() + ".");
  }
  f.DaylightSaving = dst->get<bool>();

  auto latitude = ReadCoordinate(root, "latitude", "latitude", "North", "South");
  if (const auto* bad = Failed(latitude)) return *bad;
  auto longitude = ReadCoordinate(root, "longitude", "longitude", "East", "West");
  if (const auto* bad = Failed(longitude)) return *bad;
  auto& la = std::get<Coordinate>(latitude);
  auto& lo = std::get<Coordinate>(longitude);
  f.LatitudeDegrees = std::move(la.Degrees);
  f.LatitudeMinutes = std::move(la.Minutes);
  f.LatitudeOption = la.Option;
  f.LongitudeDegrees = std::move(lo.Degrees);
  f.LongitudeMinutes = std::move(lo.Minutes);
  f.LongitudeOption = lo.Option;

  struct Place {
    const char* Key;
    const char* What;
    std::string BirthFormData::*Field;
  };
  static constexpr Place kPlaces[] = {{"city", "the city", &BirthFormData::City},
                                      {"state", "the state", &BirthFormData::State},
                                      {"country", "the country", &BirthFormData::Country}};
  for (const Place& place : kPlaces) {
    auto text = top.Text(place.Key, place.What);
    if (const auto* bad = Failed(text)) return *bad;
    f.*place.Field = std::get<std::string>(std::move(text));
  }
  return f;
}

}  // namespace

std::variant<std::string, ChartFileProblem> JsonChartFileBytes(const BirthFormData& f) {
  auto trimmed = [](std::string_view s) { return std::string(TrimSpaces(s)); };
  Json root;
  root["format"] = kJsonChartFileFormat;
  root["name"] = trimmed(f.Name);
  root["date"] = {{"year", f.Year}, {"month", f.Month}, {"day", f.Day}};
  root["time"] = {{"hour", f.Hour}, {"minute", f.Minute}};
  root["zone"] = {{"row", f.ZoneRow},
                  {"timeZone", f.TimeZoneName.empty() ? Json() : Json(f.TimeZoneName)}};
  root["daylightSaving"] = f.DaylightSaving;
  root["latitude"] = {{"degrees", BoxValue(f.LatitudeDegrees)},
                      {"minutes", BoxValue(f.LatitudeMinutes)},
                      {"direction", f.LatitudeOption == 0 ? "North" : "South"}};
  root["longitude"] = {{"degrees", BoxValue(f.LongitudeDegrees)},
                       {"minutes", BoxValue(f.LongitudeMinutes)},
                       {"direction", f.LongitudeOption == 0 ? "East" : "West"}};
  root["city"] = trimmed(f.City);
  root["state"] = trimmed(f.State);
  root["country"] = trimmed(f.Country);
  try {
    return root.dump(2) + "\n";
  } catch (const Json::type_error&) {
    // Only text that is not UTF-8 gets here; dumping it with replacement characters would
    // save another name than the one typed.
    return Problem("A text of the chart is not valid UTF-8 and cannot be saved.");
  }
}

std::variant<BirthFormData, ChartFileProblem> ReadJsonChartFile(std::string_view bytes) {
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    return NotAChartFile("The file is empty.");
  }
  const auto root = ParsedObject(bytes);
  if (!root) return NotAChartFile("Its text is not a chart file's JSON object.");
  const Json* format = Reader(*root).Find("format");
  if (format == nullptr) return NotAChartFile("It has no \"format\" entry.");
  if (!format->is_number_integer() || WholeNumber(*format) < 1) {
    return NotAChartFile("Its \"format\" entry is " + format->dump() + ".");
  }
  if (WholeNumber(*format) > kJsonChartFileFormat) {
    return Problem("The chart file was written by a newer version of Velmora.",
                   "It is in format " + format->dump() + "; this version reads format " +
                       std::to_string(kJsonChartFileFormat) + ".");
  }
  return EntryOf(*root);
}

bool LooksLikeJsonChartFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const auto first = bytes.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || bytes[first] != '{') return false;
  const auto root = ParsedObject(bytes);
  return root && root->contains("format");
}

namespace {

bool EndsWithExtension(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  const std::string_view tail = path.substr(path.size() - extension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] + 32) : tail[i];
    if (c != extension[i]) return false;
  }
  return true;
}

}  // namespace

bool IsJsonChartFilePath(std::string_view path) {
  return EndsWithExtension(path, ".vmj");
}

bool IsVmxChartFilePath(std::string_view path) {
  return EndsWithExtension(path, ".vmx");
}

}  // namespace velmora
