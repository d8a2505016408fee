#include "engine/birth_data.h"

#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

bool IsDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return false;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

// The value of a box that holds one to three digits (the form's limit), or -1.
int BoxValue(std::string_view text) {
  if (!IsDigits(text, 3)) return -1;
  int value = 0;
  for (char ch : text) value = value * 10 + (ch - '0');
  return value;
}

ValidationFailure Info(std::string message, FormField field) {
  return {std::move(message), MessageIcon::Information, field};
}

// Degrees and minutes of one coordinate, in the order the user reads the boxes. Nothing
// unconverted or out of range may reach the engine.
std::optional<ValidationFailure> CheckCoordinate(std::string_view degreesText,
                                                 std::string_view minutesText, int maxDegrees,
                                                 const char* degreeWord, const char* minuteWord,
                                                 const char* coordinate, FormField degreeField,
                                                 FormField minuteField) {
  const int degrees = BoxValue(degreesText);
  if (degrees < 0 || degrees > maxDegrees) {
    return Info(std::string("Please Enter ") + degreeWord + " as a whole number from 0 to " +
                    std::to_string(maxDegrees),
                degreeField);
  }
  const int minutes = BoxValue(minutesText);
  if (minutes < 0 || minutes > 59) {
    return Info(std::string("Please Enter ") + minuteWord + " as a whole number from 0 to 59",
                minuteField);
  }
  if (degrees == maxDegrees && minutes > 0) {
    return Info(std::string("Please Enter 0 ") + minuteWord + ": a " + coordinate +
                    " cannot go beyond " + std::to_string(maxDegrees) + " degrees 0 minutes",
                minuteField);
  }
  return std::nullopt;
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::optional<ValidationFailure> ValidateInput(const BirthFormData& f) {
  struct Required {
    const std::string& Text;
    const char* Message;
    FormField Field;
  };
  const Required required[] = {
      {f.Name, "Please Enter Your Name", FormField::Name},
      {f.LatitudeDegrees, "Please Enter Degree of Latitude", FormField::LatitudeDegrees},
      {f.LatitudeMinutes, "Please Enter Minutes of Latitude", FormField::LatitudeMinutes},
      {f.LongitudeDegrees, "Please Enter Degree of Longitude", FormField::LongitudeDegrees},
      {f.LongitudeMinutes, "Please Enter Minute of Longitude", FormField::LongitudeMinutes},
  };
  for (const Required& r : required) {
    if (r.Text.empty()) return Info(r.Message, r.Field);
  }

  const Required place[] = {
      {f.City, "Please Enter Your City name", FormField::City},
      {f.State, "Please Enter Your State name", FormField::State},
      {f.Country, "Please Enter Your Country name", FormField::Country},
  };
  for (const Required& r : place) {
    if (r.Text.empty()) return Info(r.Message, r.Field);
  }

  if (f.LatitudeOption != 0 && f.LatitudeOption != 1) {
    return ValidationFailure{"Please Select Direction For The Latitude", MessageIcon::Error,
                             FormField::LatitudeDirection};
  }
  if (f.LongitudeOption != 0 && f.LongitudeOption != 1) {
    return ValidationFailure{"Please Select Direction For The Longitude", MessageIcon::Error,
                             FormField::LongitudeDirection};
  }

  if (f.Month == 2 && f.Day > (IsLeapYear(f.Year) ? 29 : 28)) {
    return Info("Please Enter Correct Date Or Month!", FormField::Date);
  }
  const bool thirtyDays = f.Month == 4 || f.Month == 6 || f.Month == 9 || f.Month == 11;
  if (thirtyDays && f.Day == 31)
    return Info("Please Enter Correct Date Or Month !", FormField::Date);

  // The form's own checks come first, so the message the user meets is the one its order
  // names; only then may a box that holds something still be out of range or not a number.
  if (auto bad = CheckCoordinate(f.LatitudeDegrees, f.LatitudeMinutes, 90, "Degree of Latitude",
                                 "Minutes of Latitude", "latitude", FormField::LatitudeDegrees,
                                 FormField::LatitudeMinutes)) {
    return bad;
  }
  if (auto bad = CheckCoordinate(f.LongitudeDegrees, f.LongitudeMinutes, 180, "Degree of Longitude",
                                 "Minute of Longitude", "longitude", FormField::LongitudeDegrees,
                                 FormField::LongitudeMinutes)) {
    return bad;
  }

  if (f.TimeZoneName.empty()) return std::nullopt;
  const auto reading = ReadBirthLocalTime(f);
  if (!reading) {
    return Info(
        "The time zone \"" + f.TimeZoneName + "\" is not in this computer's time-zone database",
        FormField::TimeZone);
  }
  if (reading->Kind == LocalTimeKind::Skipped) {
    return Info(
        SkippedTimeMessage(f.TimeZoneName, *reading, f.Year, f.Month, f.Day, f.Hour, f.Minute),
        FormField::Hour);
  }
  return std::nullopt;
}

std::optional<LocalTimeAtPlace> ReadBirthLocalTime(const BirthFormData& f) {
  if (f.TimeZoneName.empty()) return std::nullopt;
  return ReadLocalTime(f.TimeZoneName, f.Year, f.Month, f.Day, f.Hour, f.Minute);
}

std::optional<ZoneReading> ChosenZoneReading(const BirthFormData& f) {
  auto reading = ReadBirthLocalTime(f);
  if (!reading || reading->Kind == LocalTimeKind::Skipped) return std::nullopt;
  if (reading->Kind == LocalTimeKind::Repeated && !f.DaylightSaving) return reading->Second;
  return reading->First;
}

std::optional<ValidationFailure> ValidateListValues(const BirthFormData& f) {
  if (f.Year < kFirstYear || f.Year > kLastYear) {
    return Info("Please Enter a Year from " + std::to_string(kFirstYear) + " to " +
                    std::to_string(kLastYear),
                FormField::Year);
  }
  if (f.Month < 1 || f.Month > 12 || f.Day < 1 || f.Day > 31) {
    return Info("Please Enter Correct Date Or Month!", FormField::Date);
  }
  if (f.Hour < 0 || f.Hour > 24) return Info("Please Enter an Hour from 0 to 24", FormField::Hour);
  if (f.Minute < 0 || f.Minute > 59) {
    return Info("Please Enter a Minute from 0 to 59", FormField::Minute);
  }
  return std::nullopt;
}

void ReadBirthData(ChartRecord& c, const BirthFormData& f) {
  const ZoneRow& zone = kZoneRows.at(static_cast<std::size_t>(f.ZoneRow));
  c.BirthName = f.Name;
  c.BirthDay = static_cast<std::int16_t>(f.Day);
  c.BirthMonth = static_cast<std::int16_t>(f.Month);
  c.BirthYear = static_cast<std::int16_t>(f.Year);
  c.BirthHour = static_cast<std::int16_t>(f.Hour);
  c.BirthMinute = static_cast<std::int16_t>(f.Minute);
  c.ZoneHours = static_cast<std::int16_t>(std::abs(zone.Hours));
  c.ZoneMinutes = static_cast<std::int16_t>(std::abs(zone.Minutes));
  c.ZoneHoursValue = c.ZoneHours;
  c.ZoneMinutesValue = c.ZoneMinutes;
  c.ZoneSide = ZoneDirectionOf(zone);
  c.TimeZoneName.clear();
  c.UtcOffsetSeconds = 0;
  c.IsDaylightSaving = f.DaylightSaving;
  if (const auto reading = ChosenZoneReading(f)) {
    const int minutes = static_cast<int>(std::lround(std::abs(reading->UtcOffsetSeconds) / 60.0));
    c.TimeZoneName = f.TimeZoneName;
    c.UtcOffsetSeconds = reading->UtcOffsetSeconds;
    c.ZoneHours = static_cast<std::int16_t>(minutes / 60);
    c.ZoneMinutes = static_cast<std::int16_t>(minutes % 60);
    c.ZoneHoursValue = c.ZoneHours;
    c.ZoneMinutesValue = c.ZoneMinutes;
    c.ZoneSide = reading->UtcOffsetSeconds > 0   ? ZoneDirection::East
                 : reading->UtcOffsetSeconds < 0 ? ZoneDirection::West
                                                 : ZoneDirection::FromLongitude;
    c.IsDaylightSaving = reading->DaylightSaving;
  }
  c.LongitudeDegrees = static_cast<std::int16_t>(BoxValue(f.LongitudeDegrees));
  c.LongitudeMinutes = static_cast<std::int16_t>(BoxValue(f.LongitudeMinutes));
  c.LatitudeDegrees = static_cast<std::int16_t>(BoxValue(f.LatitudeDegrees));
  c.LatitudeMinutes = static_cast<std::int16_t>(BoxValue(f.LatitudeMinutes));
  c.IsEastLongitude = f.LongitudeOption == 0;
  c.IsSouthLatitude = f.LatitudeOption == 1;
  c.BirthCity = TrimSpaces(f.City);
  c.BirthState = TrimSpaces(f.State);
  c.BirthCountry = TrimSpaces(f.Country);
}

}  // namespace velmora
