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

}  // namespace velmora::test
