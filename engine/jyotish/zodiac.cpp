#include "engine/jyotish/zodiac.h"

#include <charconv>
#include <cmath>

#include "engine/astronomy/turns.h"

namespace velmora {
namespace {

constexpr std::string_view kDegreeSign = "\u00B0";

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

// Positions are written into a small stack buffer and then assigned, so that a record field
// refilled chart after chart keeps its storage instead of allocating.
constexpr std::size_t kTextCapacity = 48;

// Writes a whole number; the one- and two-digit numbers of degrees, minutes and seconds take
// the short way.
char* PutNumber(char* p, char* end, long long value) {
  if (value >= 0 && value < 100 && end - p >= 2) {
    if (value >= 10) *p++ = static_cast<char>('0' + value / 10);
    *p++ = static_cast<char>('0' + value % 10);
    return p;
  }
  const auto [next, ec] = std::to_chars(p, end, value);
  return ec == std::errc() ? next : p;
}

// The pieces are a few bytes long: a plain loop beats a general copy.
char* PutText(char* p, char* end, std::string_view text) {
  for (char ch : text) {
    if (p == end) break;
    *p++ = ch;
  }
  return p;
}

// Whole degrees, minutes and seconds of |x|, each truncated, never rounded.
struct Dms {
  long long Degrees;
  long long Minutes;
  long long Seconds;
};

Dms SplitDegrees(double x) {
  x = std::fabs(x);
  if (!(x < 1e15)) x = 0;  // not a longitude at all (infinite or NaN): nothing to convert
  const double deg = std::floor(x);
  const double m = 60 * (x - deg);
  const double min = std::floor(m);
  const double sec = std::floor(60 * (m - min));
  return {static_cast<long long>(deg), static_cast<long long>(min), static_cast<long long>(sec)};
}

}  // namespace

std::optional<int> SignNumberOf(std::string_view abbreviation) {
  if (abbreviation.size() != 3) return std::nullopt;
  for (int s = 0; s < 12; ++s) {
    const char* a = kSignAbbreviations.data() + 3 * s;
    if (a[0] == abbreviation[0] && a[1] == abbreviation[1] && a[2] == abbreviation[2]) return s;
  }
  return std::nullopt;
}

std::string_view ChartTextSign(std::string_view chartText) {
  if (chartText.size() <= 3) return {};
  return chartText.substr(3, 3);
}

std::string_view LastThreeTrimmed(std::string_view text) {
  const std::string_view t = Trimmed(text);
  return t.size() <= 3 ? t : t.substr(t.size() - 3);
}

void ComputeAyanamsa(ChartRecord& c, ChartMode mode) {
  const double t = c.Centuries1900;
  // Mean node of the Moon and twice the Sun's mean longitude, in degrees, for the nutation
  // in longitude (arc-seconds) that is added to the mean ayanamsa of 22° 27' 41.27" at 1900.
  double node = (933060 - 6962911 * t + 7.5 * (t * t)) / 3600;
  node = turns::WhileAtLeast360Subtract(node);
  const double twiceSun = (2013816 + 259205536 * t) / 3600;
  const double nutation =
      1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
  c.AyanamsaCorrection = (nutation - t * (5025.64 + 1.11 * t) - 80861.27) / 3600;
  FormatSignedDegreesTo(c.AyanamsaText, c.AyanamsaCorrection);
  if (mode == ChartMode::Tropical) c.AyanamsaCorrection = 0;
}

void ComputeMoonAyanamsa(ChartRecord& c, ChartMode mode) {
  const double t = c.Centuries2000;
  const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * (t * t);
  const double sun = 280.466449 + 36000.7698231 * t + 0.0003106 * (t * t);
  const double nutation = 1.27 * std::sin(2 * sun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
  c.MoonAyanamsaCorrection = (nutation - t * (5025.64 + 1.11 * t) - 85886.27) / 3600;
  if (mode == ChartMode::Tropical) c.MoonAyanamsaCorrection = 0;
}

void SetPreciseAyanamsa(ChartRecord& c, ChartMode mode, double ayanamsaDeg) {
  c.AyanamsaCorrection = -ayanamsaDeg;
  c.MoonAyanamsaCorrection = -ayanamsaDeg;
  FormatSignedDegreesTo(c.AyanamsaText, c.AyanamsaCorrection);
  if (mode == ChartMode::Tropical) {
    c.AyanamsaCorrection = 0;
    c.MoonAyanamsaCorrection = 0;
  }
}

void FormatLongitudeTo(std::string& out, double x) {
  const Dms dms = SplitDegrees(x);
  const long long sign = dms.Degrees / 30;
  char buf[kTextCapacity];
  char* const end = buf + sizeof buf;
  char* p = PutNumber(buf, end, dms.Degrees - 30 * sign);
  p = PutText(p, end, kDegreeSign);
  p = PutText(p, end, " ");
  p = PutNumber(p, end, dms.Minutes);
  p = PutText(p, end, "' ");
  p = PutNumber(p, end, dms.Seconds);
  p = PutText(p, end, "\" ");
  p = PutText(p, end, SignAbbreviation(static_cast<int>(sign)));
  out.assign(buf, p);
}

std::string FormatLongitude(double x) {
  std::string out;
  FormatLongitudeTo(out, x);
  return out;
}

void FormatSignedDegreesTo(std::string& out, double x) {
  const long long factor = x < 0 ? -1 : 1;
  const Dms dms = SplitDegrees(x);
  char buf[kTextCapacity];
  char* const end = buf + sizeof buf;
  char* p = PutNumber(buf, end, factor * dms.Degrees);
  p = PutText(p, end, kDegreeSign);
  p = PutText(p, end, " ");
  p = PutNumber(p, end, dms.Minutes);
  p = PutText(p, end, "' ");
  p = PutNumber(p, end, dms.Seconds);
  p = PutText(p, end, "\"");
  out.assign(buf, p);
}

std::string FormatSignedDegrees(double x) {
  std::string out;
  FormatSignedDegreesTo(out, x);
  return out;
}

void ChartPositionTextTo(std::string& out, std::string_view fullText) {
  const std::string_view t = Trimmed(fullText);
  // One pass for the first degree sign and the first apostrophe after the start.
  std::size_t degreeAt = std::string_view::npos;
  std::size_t minuteAt = std::string_view::npos;
  for (std::size_t i = 0; i < t.size() && minuteAt == std::string_view::npos; ++i) {
    if (degreeAt == std::string_view::npos && t[i] == kDegreeSign[0] && i + 1 < t.size() &&
        t[i + 1] == kDegreeSign[1]) {
      degreeAt = i;
    } else if (t[i] == '\'') {
      minuteAt = i;
    }
  }
  if (degreeAt == std::string_view::npos || minuteAt == std::string_view::npos ||
      minuteAt < degreeAt) {
    out.clear();
    return;
  }
  const std::string_view degrees = Trimmed(t.substr(0, degreeAt));
  const auto afterDegree = degreeAt + kDegreeSign.size();
  const std::string_view minutes = Trimmed(t.substr(afterDegree, minuteAt - afterDegree));
  const std::string_view sign = t.size() <= 3 ? t : t.substr(t.size() - 3);

  char buf[kTextCapacity];
  char* const end = buf + sizeof buf;
  char* p = PutText(buf, end, degrees.size() == 1 ? "0" : "");
  p = PutText(p, end, degrees);
  p = PutText(p, end, " ");
  p = PutText(p, end, sign);
  p = PutText(p, end, " ");
  p = PutText(p, end, minutes.size() == 1 ? "0" : "");
  p = PutText(p, end, minutes);
  out.assign(buf, p);
}

std::string ChartPositionText(std::string_view fullText) {
  std::string out;
  ChartPositionTextTo(out, fullText);
  return out;
}

void MoonNakshatraOf(ChartRecord& c, double longitude) {
  // 800 arc-minutes (13° 20') to a nakshatra, counted from 0° Aries.
  const auto k = static_cast<long long>(std::floor(60 * longitude / 800));
  c.MoonNakshatra = (k >= 0 && k < 27) ? kNakshatraNames[static_cast<std::size_t>(k)] : "";
}

void MoonSignOf(ChartRecord& c, std::string_view fullText, ChartMode mode) {
  const auto sign = SignNumberOf(LastThreeTrimmed(fullText));
  if (!sign) return;
  const auto& names = mode == ChartMode::Sidereal ? kRashiNames : kEnglishSignNames;
  c.MoonSignName = names[static_cast<std::size_t>(*sign)];
}

std::optional<std::string_view> LagnaNameOf(std::string_view abbreviation) {
  const auto sign = SignNumberOf(abbreviation);
  if (!sign) return std::nullopt;
  return kLagnaNames[static_cast<std::size_t>(*sign)];
}

std::optional<std::string_view> EnglishSignNameOf(std::string_view abbreviation) {
  const auto sign = SignNumberOf(abbreviation);
  if (!sign) return std::nullopt;
  return kEnglishSignNames[static_cast<std::size_t>(*sign)];
}

std::string_view PadaOf(double longitude) {
  // 200 arc-minutes (3° 20') to a quarter, counted like the nakshatras themselves.
  static constexpr std::string_view kPadas[] = {"1", "2", "3", "4"};
  const auto quarter = static_cast<long long>(std::floor(60 * longitude / 200));
  return kPadas[((quarter % 4) + 4) % 4];
}

void LookupNakshatraLord(ChartRecord& c, std::string_view nakshatra) {
  for (const NakshatraSegment& row : kNakshatraSegments) {
    if (row.Nakshatra == nakshatra) {
      c.NakshatraLord = row.Lord;
      // The segment table's pada column counts quarters per sign; what a reader wants beside
      // the Moon's nakshatra is the quarter the Moon itself stands in.
      c.NakshatraPada = PadaOf(c.MoonLongitude);
      return;
    }
  }
}

}  // namespace velmora
