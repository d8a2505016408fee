// Offsets from the system's tz database (/usr/share/zoneinfo): what the clocks read at a
// place on a given local date and time, including the hours skipped or repeated when they
// were changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// One way of reading a local clock time at a place.
struct ZoneReading {
  std::int32_t UtcOffsetSeconds = 0;  // east positive, daylight saving included
  bool DaylightSaving = false;        // summer time in force, as people there called it
  std::string Abbreviation;           // "IST", "EDT", "+0545"
};

enum class LocalTimeKind {
  Unique,    // one reading
  Skipped,   // the clocks jumped over it: First is the reading before, Second after
  Repeated,  // it happened twice: First is the earlier reading, Second the later
};

struct LocalTimeAtPlace {
  LocalTimeKind Kind = LocalTimeKind::Unique;
  ZoneReading First;
  ZoneReading Second;  // set for Skipped and Repeated only
};

// Whether the tz database knows the IANA name ("Asia/Kathmandu").
bool IsKnownTimeZone(std::string_view zone);

// The reading(s) of a local date and clock time in an IANA zone; hour 24 is midnight that
// ends the day. Nothing when the zone is unknown.
std::optional<LocalTimeAtPlace> ReadLocalTime(std::string_view zone, int year, int month, int day,
                                              int hour, int minute);

// "+5:45", "-4:30", "+0:00"; seconds appear only when there are some ("+5:21:10").
std::string FormatUtcOffset(std::int32_t seconds);

// The zone as the form and the chart window show it: "Asia/Kathmandu (+5:45 on this date)".
std::string ZoneDisplayName(std::string_view zone, std::int32_t utcOffsetSeconds);

// "2:30 on 14 March 2021"
std::string LocalTimeText(int year, int month, int day, int hour, int minute);

// The message for a clock time that never happened at the place.
std::string SkippedTimeMessage(std::string_view zone, const LocalTimeAtPlace& reading, int year,
                               int month, int day, int hour, int minute);

}  // namespace velmora
