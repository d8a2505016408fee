// The sidereal vocabulary: ayanamsa, signs, position texts, nakshatras, rashi and lagna.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

// Three letters per sign, Aries first; sign s owns characters 3s .. 3s+2.
inline constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

inline constexpr std::array<std::string_view, 12> kLagnaNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};

// Differs from the lagna names only for Sagittarius.
inline constexpr std::array<std::string_view, 12> kRashiNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanus",  "Makara", "Kumbha", "Meena"};

inline constexpr std::array<std::string_view, 12> kEnglishSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

inline constexpr std::array<std::string_view, 27> kNakshatraNames = {"Ashwini",
                                                                     "Bharani",
                                                                     "Krittika",
                                                                     "Rohini",
                                                                     "Mrigasira",
                                                                     "Ardra",
                                                                     "Punarvasu",
                                                                     "Pushya",
                                                                     "Ashlesha",
                                                                     "Magha",
                                                                     "Poorva Phalguni",
                                                                     "Uttara Phalguni",
                                                                     "Hasta",
                                                                     "Chitra",
                                                                     "Swati",
                                                                     "Vishakha",
                                                                     "Anuradha",
                                                                     "Jyeshtha",
                                                                     "Moola",
                                                                     "Purva Ashadha",
                                                                     "Uttara Ashadha",
                                                                     "Shravana",
                                                                     "Dhanistha",
                                                                     "Shatabhisha",
                                                                     "Poorva Bhadrapada",
                                                                     "Uttara Bhadrapada",
                                                                     "Revati"};

// One row per piece of a nakshatra that lies within one sign, three rows per sign. Padas is
// how many of the nakshatra's four quarters fall in that sign.
struct NakshatraSegment {
  std::string_view Nakshatra;
  std::string_view Lord;
  std::string_view Padas;
};

inline constexpr std::array<NakshatraSegment, 36> kNakshatraSegments = {{
    {"Ashwini", "Ketu", "4"},
    {"Bharani", "Venus", "4"},
    {"Krittika", "Sun", "1"},
    {"Krittika", "Sun", "3"},
    {"Rohini", "Moon", "4"},
    {"Mrigasira", "Mars", "2"},
    {"Mrigasira", "Mars", "2"},
    {"Ardra", "Rahu", "4"},
    {"Punarvasu", "Jupiter", "3"},
    {"Punarvasu", "Jupiter", "1"},
    {"Pushya", "Saturn", "4"},
    {"Ashlesha", "Mercury", "4"},
    {"Magha", "Ketu", "4"},
    {"Poorva Phalguni", "Venus", "4"},
    {"Uttara Phalguni", "Sun", "1"},
    {"Uttara Phalguni", "Sun", "3"},
    {"Hasta", "Moon", "4"},
    {"Chitra", "Mars", "2"},
    {"Chitra", "Mars", "2"},
    {"Swati", "Rahu", "4"},
    {"Vishakha", "Jupiter", "3"},
    {"Vishakha", "Jupiter", "1"},
    {"Anuradha", "Saturn", "4"},
    {"Jyeshtha", "Mercury", "4"},
    {"Moola", "Ketu", "4"},
    {"Purva Ashadha", "Venus", "4"},
    {"Uttara Ashadha", "Sun", "1"},
    {"Uttara Ashadha", "Sun", "3"},
    {"Shravana", "Moon", "4"},
    {"Dhanistha", "Mars", "2"},
    {"Dhanistha", "Mars", "2"},
    {"Shatabhisha", "Rahu", "4"},
    {"Poorva Bhadrapada", "Jupiter", "3"},
    {"Poorva Bhadrapada", "Jupiter", "1"},
    {"Uttara Bhadrapada", "Saturn", "4"},
    {"Revati", "Mercury", "4"},
}};

// The abbreviation of sign s (0 = Aries); empty outside 0..11.
constexpr std::string_view SignAbbreviation(int s) {
  if (s < 0 || s > 11) return {};
  return kSignAbbreviations.substr(3 * static_cast<std::size_t>(s), 3);
}

// The sign number of an abbreviation, compared exactly ("ari" is no sign).
std::optional<int> SignNumberOf(std::string_view abbreviation);

// Characters 4 to 6 of a short chart text ("05 Leo 07"): the sign abbreviation.
std::string_view ChartTextSign(std::string_view chartText);

// The last three characters of a text after trimming spaces.
std::string_view LastThreeTrimmed(std::string_view text);

void ComputeAyanamsa(ChartRecord& chart, ChartMode mode);
void ComputeMoonAyanamsa(ChartRecord& chart, ChartMode mode);

// The precise chart's ayanamsa (degrees, Lahiri) in place of both formulas: the text and the
// two corrections, which the tropical chart sets to 0 as it does for the formulas.
void SetPreciseAyanamsa(ChartRecord& chart, ChartMode mode, double ayanamsaDeg);

// "5° 7' 9\" Leo": degrees within the sign, minutes, truncated seconds, sign abbreviation.
std::string FormatLongitude(double degrees);
// "-23° 51' 14\"": signed whole degrees, minutes, truncated seconds.
std::string FormatSignedDegrees(double degrees);
// "05 Leo 07" from a FormatLongitude text; seconds dropped without rounding.
std::string ChartPositionText(std::string_view fullText);

// The same, written into an existing string so that a record refilled chart after chart
// keeps its storage.
void FormatLongitudeTo(std::string& out, double degrees);
void FormatSignedDegreesTo(std::string& out, double degrees);
void ChartPositionTextTo(std::string& out, std::string_view fullText);

void MoonNakshatraOf(ChartRecord& chart, double longitude);
void MoonSignOf(ChartRecord& chart, std::string_view fullText, ChartMode mode);
std::optional<std::string_view> LagnaNameOf(std::string_view abbreviation);
std::optional<std::string_view> EnglishSignNameOf(std::string_view abbreviation);
void LookupNakshatraLord(ChartRecord& chart, std::string_view nakshatra);

// The quarter (1..4) of its nakshatra that a longitude stands in, as the chart shows it.
std::string_view PadaOf(double longitude);

}  // namespace velmora
