#pragma once

// The panchanga of the birth: its five limbs (tithi, vara, nakshatra, yoga, karana) and the
// day's sunrise and sunset at the birth place.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/astronomy/rise_set.h"
#include "engine/chart_record.h"

namespace velmora {

inline constexpr std::array<std::string_view, 15> kTithiNames{
    "Pratipada",  "Dwitiya",     "Tritiya", "Chaturthi", "Panchami", "Shashthi",
    "Saptami",    "Ashtami",     "Navami",  "Dashami",   "Ekadashi", "Dwadashi",
    "Trayodashi", "Chaturdashi", "Purnima"};  // the fifteenth of the dark half is Amavasya

inline constexpr std::array<std::string_view, 7> kVaraNames{
    "Ravivara", "Somavara", "Mangalavara", "Budhavara", "Guruvara", "Shukravara", "Shanivara"};
inline constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

inline constexpr std::array<std::string_view, 27> kYogaNames{
    "Vishkambha", "Priti",  "Ayushman",  "Saubhagya", "Shobhana", "Atiganda", "Sukarma",
    "Dhriti",     "Shula",  "Ganda",     "Vriddhi",   "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyan",   "Parigha",  "Shiva",    "Siddha",
    "Sadhya",     "Shubha", "Shukla",    "Brahma",    "Indra",    "Vaidhriti"};

struct Panchanga {
  int Tithi = 1;  // 1..30: 1..15 the bright half (Shukla), 16..30 the dark half (Krishna)
  std::string_view TithiName;  // "Chaturthi", "Purnima", "Amavasya" ...
  std::string_view Paksha;     // "Shukla" or "Krishna"
  int Vara = 0;                // 0 Sunday .. 6 Saturday, the day running from sunrise
  int Nakshatra = 0;           // 0 Ashwini .. 26 Revati, of the Moon
  int Pada = 1;                // 1..4
  int Yoga = 0;                // 0 Vishkambha .. 26 Vaidhriti
  int Karana = 0;              // 0..59, the half of the tithi counted from the new moon
  std::string_view KaranaName;
  // Sunrise and sunset of the local date the vara is reckoned on, at the birth place.
  SunRiseSet Sun;
  // Born after local midnight but before that day's sunrise: the vara is the day before's.
  bool BeforeSunrise = false;
  int CivilWeekday = 0;  // 0 Sunday .. 6 Saturday, of the local date of birth
};

// From the sidereal chart: the Sun's and the Moon's longitudes, the local date, time and zone
// of birth and its place.
Panchanga ComputePanchanga(const ChartRecord& sidereal);

// The Sun's longitude in the record's zodiac, on the ecliptic of the birth date as the Moon
// is: the formulas keep the Sun on that of J2000.
double SunOnTheMoonsEquinoxDeg(const ChartRecord& chart);

// The pieces, each from the longitudes in degrees of one zodiac (the yoga needs the
// sidereal one).
int TithiOf(double sunLongitudeDeg, double moonLongitudeDeg);
int YogaOf(double sunSiderealDeg, double moonSiderealDeg);
int KaranaOf(double sunLongitudeDeg, double moonLongitudeDeg);
std::string_view TithiNameOf(int tithi);
// "05:27:07": local hours as a clock reads them, the seconds cut, not rounded.
std::string ClockText(double localHours);
std::string_view KaranaNameOf(int karana);

}  // namespace velmora
