// Birth entries the engine tests share.
#pragma once

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/places/zones.h"
#include "example_births.h"

#include <cmath>

namespace velmora::test {

// Greenwich at the given local (= universal) time.
inline BirthFormData GreenwichBirth(int year, int month, int day, int hour, int minute) {
  BirthFormData f = DelhiBirth();
  f.Year = year;
  f.Month = month;
  f.Day = day;
  f.Hour = hour;
  f.Minute = minute;
  f.ZoneRow = 29;  // "Greenwich Mean Time,GMT,0.0"
  f.LatitudeDegrees = "0";
  f.LatitudeMinutes = "0";
  f.LongitudeDegrees = "0";
  f.LongitudeMinutes = "0";
  return f;
}

// The classic formulas' charts: the figures the engine tests were written against.
inline ChartRecord SiderealChartOf(const BirthFormData& f) {
  ChartRecord c;
  ReadBirthData(c, f);
  RunSiderealEngine(c, kClassicFormulas);
  SetDisplayValues(c);
  return c;
}

inline ChartRecord TropicalChartOf(const BirthFormData& f) {
  ChartRecord c;
  ReadBirthData(c, f);
  RunTropicalEngine(c, kClassicFormulas);
  return c;
}

// The difference a - b folded into (-180, 180].
inline double AngleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

}  // namespace velmora::test
