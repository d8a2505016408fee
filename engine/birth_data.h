// The birth data as the form (or the command-line tool) holds it, its validation, and how a
// valid entry is copied into a chart record.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_record.h"
#include "engine/places/time_zones.h"
#include "engine/places/zones.h"

namespace velmora {

// What the user entered. The degree and minute boxes are kept as typed: validation decides
// whether they are numbers.
struct BirthFormData {
  std::string Name;  // UTF-8, as typed
  int Day = 1;       // 1..31
  int Month = 1;     // 1..12
  int Year = kFirstYear;
  int Hour = 0;     // 0..24
  int Minute = 0;   // 0..59
  int ZoneRow = 0;  // row of kZoneRows
  // The place's IANA zone ("Asia/Kathmandu") when the zone comes from the tz database
  // rather than a row; empty for a row.
  std::string TimeZoneName;
  // For a row: daylight saving moves the row's offset by an hour. For an IANA zone the tz
  // database decides, and this only picks between the two readings of a repeated hour:
  // ticked the earlier (summer time), not ticked the later.
  bool DaylightSaving = false;
  std::string LatitudeDegrees, LatitudeMinutes;
  std::string LongitudeDegrees, LongitudeMinutes;
  int LatitudeOption = 0;   // 0 North, 1 South, -1 neither selected
  int LongitudeOption = 0;  // 0 East, 1 West, -1 neither selected
  std::string City, State, Country;
};

enum class FormField {
  Name,
  LatitudeDegrees,
  LatitudeMinutes,
  LongitudeDegrees,
  LongitudeMinutes,
  City,
  State,
  Country,
  LatitudeDirection,
  LongitudeDirection,
  Date,
  Year,
  Hour,
  Minute,
  TimeZone,
};

enum class MessageIcon { Information, Error };

// The first check that failed: the message to show, its icon, and the control that takes
// the focus (for the direction checks, the option group to reset to North or East).
struct ValidationFailure {
  std::string Message;
  MessageIcon Icon = MessageIcon::Information;
  FormField Field = FormField::Name;
};

// The birth form's checks, in the order the user meets them; the first failure is returned.
std::optional<ValidationFailure> ValidateInput(const BirthFormData& form);

// Ranges the form's lists enforce by construction; callers that take numbers from elsewhere
// (the command-line tool, a chart file) check these first.
std::optional<ValidationFailure> ValidateListValues(const BirthFormData& form);

// The tz database's reading of the entry's local date and time in its IANA zone; nothing
// for a zone row or a zone the database does not know.
std::optional<LocalTimeAtPlace> ReadBirthLocalTime(const BirthFormData& form);

// The reading a chart of the entry uses: the only one, or in a repeated hour the one the
// daylight saving flag picks. Nothing for a zone row, an unknown zone or a skipped time.
std::optional<ZoneReading> ChosenZoneReading(const BirthFormData& form);

// Whether a year has a 29 February (the Gregorian rule; 1900 has none).
bool IsLeapYear(int year);

// Copies a validated entry into the record's birth data. Only the birth data changes.
void ReadBirthData(ChartRecord& chart, const BirthFormData& form);

// Removes leading and trailing spaces (only spaces, as the form always has).
std::string_view TrimSpaces(std::string_view text);

}  // namespace velmora
