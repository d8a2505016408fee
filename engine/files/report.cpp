#include "engine/files/report.h"

#include <array>
#include <charconv>

namespace velmora {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Number(long long value) {
  char buf[24];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, end);
}

// Decodes one UTF-8 sequence at `i`; malformed bytes decode as U+FFFD, one byte each.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  auto cont = [&](std::size_t k) -> int {
    if (i + k >= s.size()) return -1;
    const auto b = static_cast<unsigned char>(s[i + k]);
    return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
  };
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int length = 0;
  char32_t cp = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    cp = b0 & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k < length; ++k) {
    const int c = cont(static_cast<std::size_t>(k));
    if (c < 0) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | static_cast<char32_t>(c);
  }
  i += static_cast<std::size_t>(length);
  return cp;
}

}  // namespace

std::string_view MonthName(int month) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  if (month < 1 || month > 12) return {};
  return kMonths[static_cast<std::size_t>(month - 1)];
}

std::string Utf8ToLatin1(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, i);
    out += cp <= 0xFF ? static_cast<char>(cp) : replacement;
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (char ch : latin1) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

std::optional<Utf8Character> FirstNonLatin1(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t at = i;
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp > 0xFF) return Utf8Character{at, cp};
  }
  return std::nullopt;
}

std::string TextReport(const ChartRecord& c) {
  std::string out;
  auto line = [&](std::string_view text) {
    out += Utf8ToLatin1(text);
    out += kLineEnd;
  };
  line("Name: " + c.BirthName);
  // Before the first chart the month is 0, which has no name: that line is left out.
  if (!MonthName(c.BirthMonth).empty()) {
    line("Date of Birth: " + std::string(MonthName(c.BirthMonth)) + " " + Number(c.BirthDay) +
         ", " + Number(c.BirthYear));
  }
  line("Time of Birth: " + Number(c.BirthHour) + " Hour " + Number(c.BirthMinute) + " Minute");
  line("Latitude: " + Number(c.LatitudeDegrees) + " Degree " + Number(c.LatitudeMinutes) +
       " Minute ");
  line("Longitude: " + Number(c.LongitudeDegrees) + " Degree " + Number(c.LongitudeMinutes) +
       " Minute ");
  line("City: " + c.BirthCity);
  line("State: " + c.BirthState);
  line("Country: " + c.BirthCountry);
  line("\r");
  line("Planetary Position");
  // The body lines stop at Ketu: the ascendant and midheaven rows are not reported.
  for (std::size_t row = 0; row + 3 < c.PlanetEnglishNames.size(); ++row) {
    line(c.PlanetEnglishNames[row] + " " + c.PlanetPositionTexts[row]);
  }
  line("\r");
  line("Ayanamsa: " + c.AyanamsaDisplay);
  line("Lagna / Asc: " + c.AscendantSignName);
  line("Nakshatra: " + c.NakshatraLabel);
  line("Rashi / Moon Sign: " + c.MoonSignName);
  line("Pada: " + c.NakshatraPada);
  line("Lord: " + c.NakshatraLord);
  return out;
}

}  // namespace velmora
