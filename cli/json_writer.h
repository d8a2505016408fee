// A small streaming JSON writer: enough for the tool's one object, with numbers written so
// that they read back as the same double.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_record.h"

namespace velmora {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view value);
  void OptionalString(const std::optional<std::string_view>& value);
  void Integer(long long value);
  void Number(double value);
  void Boolean(bool value);
  void Null();
  std::string Take() { return std::move(out_); }

 private:
  void BeforeValue();
  void Indent();
  void Close(char bracket);
  void WriteQuoted(std::string_view value);

  std::string out_;
  std::vector<bool> hasItems_;  // one entry per open object or array
  bool afterKey_ = false;
};

// Every field of a chart record under its own name.
void WriteChartRecord(JsonWriter& json, const ChartRecord& record);

// {"sidereal": {"Sun": deg, ... "Ascendant": deg}, "tropical": {...}}.
void WriteLongitudes(JsonWriter& json, const ChartRecord& sidereal, const ChartRecord& tropical);
// {"D1": {"Sun": "Leo", ...}, "D2": ..., ... "D60": {...}}: the sixteen divisions, English sign
// names.
void WriteDivisional(JsonWriter& json, const ChartRecord& sidereal);
// The nine mahadashas from the one running at birth, each with its nine antardashas and
// each of those with its nine "pratyantardashas", dated "YYYY-MM-DD" in the local calendar
// of the birth.
void WriteDasha(JsonWriter& json, const ChartRecord& sidereal);
// {"lord", "years", "months", "days"} of the mahadasha left at birth.
void WriteDashaBalance(JsonWriter& json, const ChartRecord& sidereal);
// The five limbs of the birth's day and its sunrise and sunset (local clock, or null).
void WritePanchanga(JsonWriter& json, const ChartRecord& sidereal);
// {"bhinnashtakavarga": {"Sun": {"bindus": [12], "total", "givers": {"Sun": [12 of 0 or 1],
// ... "Ascendant": [...]}}, ... "Saturn": ...}, "sarvashtakavarga": {"bindus", "total"}},
// signs Aries first.
void WriteAshtakavarga(JsonWriter& json, const ChartRecord& sidereal);
// {"Sun": {"dignity", "retrograde" (from the record's daily speeds), "combust",
// "distanceFromSun"}, ... "Ketu": ...}.
void WritePlanetStatus(JsonWriter& json, const ChartRecord& sidereal);
// {"city", "state", "country", "latitude", "longitude" (north and east positive), "timeZone",
// "utcOffsetMinutes", "daylightSaving"}: where and in which time the chart was cast.
void WritePlace(JsonWriter& json, const ChartRecord& chart);

}  // namespace velmora
