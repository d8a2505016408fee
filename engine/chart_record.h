// The chart record: one instance holds one person's birth data and everything the engine
// derives from it. The program keeps two instances, one sidereal (Indian charts) and one
// tropical (Western charts); neither ever reads or writes the other.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// Fifteen-digit literals on purpose: every chart this program has ever printed was computed
// with them, and the last digit of a truncated arc-second depends on it.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

// The years the birth form offers; the orbital elements are fitted for about this span.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;

enum class ChartMode { Sidereal, Tropical };

// Where the positions come from: the program's own short formulas (what every chart has
// always shown) or the apparent places of date from the ephemeris libraries, with the
// Lahiri ayanamsa.
enum class PositionSource : std::int8_t { Formula, Precise };

// Rahu as the mean node or as the node of the Moon's osculating orbit; the formulas
// always give the mean node.
enum class LunarNode : std::int8_t { Mean, True };

// Which way the zone correction goes. Zone rows carry their side in the sign of their
// numbers; only the zero rows (GMT, UT) leave it to the hemisphere of the birth place.
enum class ZoneDirection : std::int8_t { FromLongitude, East, West };

inline constexpr int kPlanetRows = 12;  // rows 0..10 used, row 11 always empty
inline constexpr int kElementRows = 9;  // Mercury, Venus, Earth, Mars ... Pluto

// The nine bodies and the ascendant whose longitudes the record keeps at full precision, in
// the order of the planet table; the names are also the keys scripts read them by.
inline constexpr int kLongitudeRows = 10;
inline constexpr std::array<std::string_view, kLongitudeRows> kLongitudeNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};
inline constexpr std::size_t kMoonRow = 1;
inline constexpr std::size_t kAscendantRow = 9;

struct ChartRecord {
  // Birth data as the form gave it (after validation).
  std::string BirthName;  // as typed, not trimmed
  std::int16_t BirthDay = 0;
  std::int16_t BirthMonth = 0;  // 1..12; 0 before the first chart
  std::int16_t BirthYear = 0;
  std::int16_t BirthHour = 0;  // local clock, 0..24
  std::int16_t BirthMinute = 0;
  std::int16_t ZoneHours = 0;    // magnitude of the zone's hours
  std::int16_t ZoneMinutes = 0;  // magnitude of the zone's minutes
  std::int16_t ZoneHoursValue = 0;
  std::int16_t ZoneMinutesValue = 0;
  ZoneDirection ZoneSide = ZoneDirection::FromLongitude;  // east zones subtract, west add
  // The place's IANA zone when the offset comes from the tz database; empty for a zone row.
  std::string TimeZoneName;
  // With TimeZoneName: the offset in force at the birth, east positive, daylight saving
  // included. The zone fields above then hold its magnitude for readers of the old kind, and
  // IsDaylightSaving says what the database says without moving the clock again.
  std::int32_t UtcOffsetSeconds = 0;
  std::int16_t LongitudeDegrees = 0;
  std::int16_t LongitudeMinutes = 0;
  std::int16_t LatitudeDegrees = 0;
  std::int16_t LatitudeMinutes = 0;
  bool IsEastLongitude = false;
  bool IsSouthLatitude = false;
  bool IsDaylightSaving = false;
  std::string BirthCity;  // trimmed
  std::string BirthState;
  std::string BirthCountry;

  // Moment and place.
  double LocalTimeHours = 0;
  double ZoneOffsetHours = 0;     // hours, a magnitude; ZoneSide says which way it goes
  double Longitude = 0;           // degrees, West positive, East negative
  double Latitude = 0;            // degrees, North positive, South negative
  double UniversalTimeHours = 0;  // on the local civil date; may fall outside 0..24
  double JulianDayNumber = 0;     // whole day number of the local civil date
  double Centuries1900 = 0;       // Julian centuries since JD 2415020.0
  double Centuries2000 = 0;       // Julian centuries since JD 2451545.0
  double RamcRadians = 0;         // sidereal angle of the meridian
  double ObliquityRadians = 0;

  // Ayanamsa and angles.
  double AyanamsaCorrection = 0;      // degrees, minus the epoch-1900 ayanamsa (0 in tropical mode)
  double MoonAyanamsaCorrection = 0;  // degrees, minus the epoch-2000 ayanamsa (0 in tropical mode)
  std::string AyanamsaText;           // the epoch-1900 correction, signed D° M' S"
  double Ascendant = 0;               // degrees, after the correction, before normalising
  double Midheaven = 0;
  std::string AscendantText;
  std::string MidheavenText;

  // Bodies.
  std::array<std::string, kElementRows> BodySiderealTexts;  // element rows 0..5 only
  double MoonLongitude = 0;                                 // degrees, in the instance's zodiac
  std::string MoonText;
  std::string RahuText;
  std::string KetuText;
  std::array<std::string, kPlanetRows> PlanetEnglishNames;
  std::array<std::string, kPlanetRows> PlanetVedicNames;
  std::array<std::string, kPlanetRows> PlanetPositionTexts;  // "DD Sgn MM"
  // Degrees in 0..360 of the instance's zodiac, rows as kLongitudeNames: the very values the
  // position texts are cut from, so whatever is derived from them agrees with what is printed.
  std::array<double, kLongitudeRows> Longitudes{};
  // How fast each of those longitudes moves at the birth, degrees per day, rows as
  // kLongitudeNames; negative while the body is retrograde.
  std::array<double, kLongitudeRows> SpeedsDegPerDay{};

  std::string MoonNakshatra;
  std::string MoonSignName;  // rashi name (sidereal) or English name (tropical)

  // Display values of the Indian chart (sidereal instance only).
  std::string AyanamsaDisplay;
  std::string AscendantSign;
  std::string AscendantSignName;
  std::string NakshatraLabel;
  std::string MoonSignLabel;
  std::string NakshatraLord;
  std::string NakshatraPada;
  std::string NakshatraInfoKey;
  std::string LagnaInfoKey;
  std::string RashiInfoKey;

  // How this instance was computed, so the window, the reports and everything derived from
  // the longitudes can say so.
  PositionSource Positions = PositionSource::Formula;
  LunarNode Node = LunarNode::Mean;
};

// Calls visit(name, value) for every field of the record, in declaration order, so that
// writers such as the command-line tool's JSON output never fall behind the struct.
// Longitudes is left out: scripts read it by body name, under its own key beside the two
// records, and the records' own objects stay as they always were; so is SpeedsDegPerDay,
// which the Western chart's points carry. So are the two fields
// that say how the record was computed: only a precise chart's output names them.
template <class Visitor>
void VisitChartFields(const ChartRecord& r, Visitor&& visit) {
  visit("BirthName", r.BirthName);
  visit("BirthDay", r.BirthDay);
  visit("BirthMonth", r.BirthMonth);
  visit("BirthYear", r.BirthYear);
  visit("BirthHour", r.BirthHour);
  visit("BirthMinute", r.BirthMinute);
  visit("ZoneHours", r.ZoneHours);
  visit("ZoneMinutes", r.ZoneMinutes);
  visit("ZoneHoursValue", r.ZoneHoursValue);
  visit("ZoneMinutesValue", r.ZoneMinutesValue);
  visit("ZoneSide", r.ZoneSide);
  visit("TimeZoneName", r.TimeZoneName);
  visit("UtcOffsetSeconds", r.UtcOffsetSeconds);
  visit("LongitudeDegrees", r.LongitudeDegrees);
  visit("LongitudeMinutes", r.LongitudeMinutes);
  visit("LatitudeDegrees", r.LatitudeDegrees);
  visit("LatitudeMinutes", r.LatitudeMinutes);
  visit("IsEastLongitude", r.IsEastLongitude);
  visit("IsSouthLatitude", r.IsSouthLatitude);
  visit("IsDaylightSaving", r.IsDaylightSaving);
  visit("BirthCity", r.BirthCity);
  visit("BirthState", r.BirthState);
  visit("BirthCountry", r.BirthCountry);
  visit("LocalTimeHours", r.LocalTimeHours);
  visit("ZoneOffsetHours", r.ZoneOffsetHours);
  visit("Longitude", r.Longitude);
  visit("Latitude", r.Latitude);
  visit("UniversalTimeHours", r.UniversalTimeHours);
  visit("JulianDayNumber", r.JulianDayNumber);
  visit("Centuries1900", r.Centuries1900);
  visit("Centuries2000", r.Centuries2000);
  visit("RamcRadians", r.RamcRadians);
  visit("ObliquityRadians", r.ObliquityRadians);
  visit("AyanamsaCorrection", r.AyanamsaCorrection);
  visit("MoonAyanamsaCorrection", r.MoonAyanamsaCorrection);
  visit("AyanamsaText", r.AyanamsaText);
  visit("Ascendant", r.Ascendant);
  visit("Midheaven", r.Midheaven);
  visit("AscendantText", r.AscendantText);
  visit("MidheavenText", r.MidheavenText);
  visit("BodySiderealTexts", r.BodySiderealTexts);
  visit("MoonLongitude", r.MoonLongitude);
  visit("MoonText", r.MoonText);
  visit("RahuText", r.RahuText);
  visit("KetuText", r.KetuText);
  visit("PlanetEnglishNames", r.PlanetEnglishNames);
  visit("PlanetVedicNames", r.PlanetVedicNames);
  visit("PlanetPositionTexts", r.PlanetPositionTexts);
  visit("MoonNakshatra", r.MoonNakshatra);
  visit("MoonSignName", r.MoonSignName);
  visit("AyanamsaDisplay", r.AyanamsaDisplay);
  visit("AscendantSign", r.AscendantSign);
  visit("AscendantSignName", r.AscendantSignName);
  visit("NakshatraLabel", r.NakshatraLabel);
  visit("MoonSignLabel", r.MoonSignLabel);
  visit("NakshatraLord", r.NakshatraLord);
  visit("NakshatraPada", r.NakshatraPada);
  visit("NakshatraInfoKey", r.NakshatraInfoKey);
  visit("LagnaInfoKey", r.LagnaInfoKey);
  visit("RashiInfoKey", r.RashiInfoKey);
}

}  // namespace velmora
