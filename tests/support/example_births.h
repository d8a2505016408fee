// Births the tests and benchmarks share.
#pragma once

#include "engine/birth_data.h"

namespace velmora::test {

// New Delhi, 15 June 1980, 10:30 Indian time: 28° 36' N, 77° 13' E.
inline BirthFormData DelhiBirth() {
  BirthFormData f;
  f.Name = "Asha Rao";
  f.Day = 15;
  f.Month = 6;
  f.Year = 1980;
  f.Hour = 10;
  f.Minute = 30;
  f.ZoneRow = 34;  // "Indian Time, IST, +5.3"
  f.LatitudeDegrees = "28";
  f.LatitudeMinutes = "36";
  f.LatitudeOption = 0;
  f.LongitudeDegrees = "77";
  f.LongitudeMinutes = "13";
  f.LongitudeOption = 0;
  f.City = "New Delhi";
  f.State = "Delhi";
  f.Country = "India";
  return f;
}

// Sydney, 12 January 1995, 6:45 in summer: Eastern Standard Time with daylight saving,
// 33° 52' S, 151° 12' E.
inline BirthFormData SydneyBirth() {
  BirthFormData f;
  f.Name = "José गीता";
  f.Day = 12;
  f.Month = 1;
  f.Year = 1995;
  f.Hour = 6;
  f.Minute = 45;
  f.ZoneRow = 8;  // "Australian Eastern Standard Time,AEST,+10.0"
  f.DaylightSaving = true;
  f.LatitudeDegrees = "33";
  f.LatitudeMinutes = "52";
  f.LatitudeOption = 1;
  f.LongitudeDegrees = "151";
  f.LongitudeMinutes = "12";
  f.LongitudeOption = 0;
  f.City = "Sydney";
  f.State = "New South Wales";
  f.Country = "Australia";
  return f;
}

}  // namespace velmora::test
