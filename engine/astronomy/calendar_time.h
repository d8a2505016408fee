// Calendar, universal time and sidereal time of the birth moment.
#pragma once

#include "engine/chart_record.h"

namespace velmora {

// Fills the moment and place of the record from its birth data: signed longitude and
// latitude, zone offset, universal time, day number, centuries, RAMC and obliquity.
void PrepareBirthMoment(ChartRecord& chart);

// The offset from universal time the chart used, in minutes, east positive, daylight saving
// included (after PrepareBirthMoment).
int UtcOffsetMinutesOf(const ChartRecord& chart);

// The Julian day of the birth moment in universal time, from the record's day number and
// universal time (PrepareBirthMoment has run).
double JulianDayUt(const ChartRecord& chart);

// The whole day number of a civil date (Julian count, Gregorian correction after 1582).
double JulianDayNumberOf(int month, int day, int year);

// Days since 2000-01-01 12:00 by the short formula the planetary theory uses. It counts
// 1900 as a leap year, so it runs one day short in January and February 1900.
double DayNumber2000(int year, int month, int day, double hours);

// The day number the planets and nodes use: DayNumber2000 of the birth, with the day that
// formula loses before 1 March 1900 given back, so planets and Moon share one instant.
double PlanetDayNumber(const ChartRecord& chart);

}  // namespace velmora
