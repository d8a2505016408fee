#include "engine/places/time_zones.h"

#include <date/tz.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace velmora {
namespace {

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

const date::time_zone* FindZone(std::string_view zone) {
  if (zone.empty()) return nullptr;
  try {
    return date::locate_zone(zone);
  } catch (const std::runtime_error&) {
    return nullptr;
  }
}

// The tz database marks Irish (and Namibian, Moroccan) winter time as the "daylight" period,
// with summer as the standard one. People there call summer time daylight saving, so the
// flag is read against the neighbouring period: in force when the offset is the larger one.
bool SummerTimeInForce(const date::time_zone& zone, const date::sys_info& info) {
  const bool isDst = info.save != std::chrono::minutes{0};
  const date::sys_info before = zone.get_info(info.begin - std::chrono::seconds{1});
  const bool beforeIsDst = before.save != std::chrono::minutes{0};
  if (isDst && !beforeIsDst && before.offset > info.offset) return false;
  if (!isDst && beforeIsDst && before.offset < info.offset) return true;
  return isDst;
}

ZoneReading ReadingOf(const date::time_zone& zone, const date::sys_info& info) {
  return {static_cast<std::int32_t>(info.offset.count()), SummerTimeInForce(zone, info),
          info.abbrev};
}

}  // namespace

bool IsKnownTimeZone(std::string_view zone) {
  return FindZone(zone) != nullptr;
}

std::optional<LocalTimeAtPlace> ReadLocalTime(std::string_view zoneName, int year, int month,
                                              int day, int hour, int minute) {
  const date::time_zone* zone = FindZone(zoneName);
  if (!zone) return std::nullopt;
  const date::local_seconds local =
      date::local_days{date::year{year} / static_cast<unsigned>(month) /
                       static_cast<unsigned>(day)} +
      std::chrono::hours{hour} + std::chrono::minutes{minute};
  const date::local_info info = zone->get_info(local);
  LocalTimeAtPlace out;
  out.First = ReadingOf(*zone, info.first);
  switch (info.result) {
    case date::local_info::unique:
      out.Kind = LocalTimeKind::Unique;
      break;
    case date::local_info::nonexistent:
      out.Kind = LocalTimeKind::Skipped;
      out.Second = ReadingOf(*zone, info.second);
      break;
    case date::local_info::ambiguous:
      out.Kind = LocalTimeKind::Repeated;
      out.Second = ReadingOf(*zone, info.second);
      break;
  }
  return out;
}

std::string FormatUtcOffset(std::int32_t seconds) {
  const std::int32_t magnitude = std::abs(seconds);
  const std::int32_t hours = magnitude / 3600, minutes = magnitude / 60 % 60, rest = magnitude % 60;
  const auto two = [](std::int32_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  std::string text = (seconds < 0 ? "-" : "+") + std::to_string(hours) + ":" + two(minutes);
  if (rest != 0) text += ":" + two(rest);
  return text;
}

std::string ZoneDisplayName(std::string_view zone, std::int32_t utcOffsetSeconds) {
  return std::string(zone) + " (" + FormatUtcOffset(utcOffsetSeconds) + " on this date)";
}

std::string LocalTimeText(int year, int month, int day, int hour, int minute) {
  const std::string monthName =
      month >= 1 && month <= 12 ? kMonthNames[month - 1] : std::to_string(month);
  return std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute) + " on " +
         std::to_string(day) + " " + monthName + " " + std::to_string(year);
}

std::string SkippedTimeMessage(std::string_view zone, const LocalTimeAtPlace& reading, int year,
                               int month, int day, int hour, int minute) {
  return "The time " + LocalTimeText(year, month, day, hour, minute) + " did not exist in " +
         std::string(zone) + ": the clocks were put forward from UTC" +
         FormatUtcOffset(reading.First.UtcOffsetSeconds) + " to UTC" +
         FormatUtcOffset(reading.Second.UtcOffsetSeconds) +
         " and skipped it. Please check the time of birth.";
}

}  // namespace velmora
