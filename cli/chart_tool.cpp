#include "chart_tool.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <variant>
#include <vector>

#include <CLI/CLI.hpp>

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "engine/files/chart_file.h"
#include "engine/files/json_chart_file.h"
#include "engine/files/report.h"
#include "engine/jyotish/ayanamsa.h"
#include "engine/jyotish/zodiac.h"
#include "engine/places/atlas.h"
#include "engine/places/time_zones.h"
#include "engine/places/zones.h"
#include "engine/western/western_chart.h"
#include "json_writer.h"
#include "match_json.h"
#include "match_tool.h"
#include "output/chart_file_reader.h"
#include "output/file_access.h"
#include "terminal_text.h"
#include "velmora/version.h"
#include "western_json.h"

namespace velmora {
namespace {

constexpr std::string_view kUsage = R"(Usage:
  velmora-chart --name TEXT --date YYYY-MM-DD --time H:MM --zone Z
                --lat D:MM(N|S) --lon D:MM(E|W) [--dst]
                --city TEXT --state TEXT --country TEXT
                [--western [--houses SYSTEM] [--minor-aspects]] [--json]
                [--ayanamsa NAME] [--true-node | --classic]
                [--output FILE | --pdf FILE.pdf] [--save-chart FILE]
  velmora-chart --name TEXT --date YYYY-MM-DD --time H:MM --place "CITY, COUNTRY"
                [--dst | --no-dst] [--western [--houses SYSTEM] [--minor-aspects]]
                [--json] [--ayanamsa NAME] [--true-node | --classic]
                [--output FILE | --pdf FILE.pdf] [--save-chart FILE]
  velmora-chart --open FILE [--zone Z | --tz AREA/CITY] [--dst | --no-dst]
                [--western [--houses SYSTEM] [--minor-aspects]] [--json]
                [--ayanamsa NAME] [--true-node | --classic]
                [--output FILE | --pdf FILE.pdf] [--save-chart FILE]
  velmora-chart --match GROOM.vmj BRIDE.vmj [--json]
                [--ayanamsa NAME] [--true-node | --classic] [--output FILE]
  velmora-chart --places TEXT | --zones | --help | --version

Computes one birth chart the way the Velmora desktop program does and prints it.

Birth data
  --name TEXT        the person's name
  --date YYYY-MM-DD  the local date of birth, 1900-01-01 to 2050-12-31
  --time H:MM        the local clock time, hour 0 to 24, minute 0 to 59
  --zone Z           the time zone: a row number 0 to 70 of the list printed by
                     --zones, or an abbreviation that names exactly one row
                     (IST, CET, EST ...); row 0 when left out, as on the form
  --dst              daylight saving time was in force
  --lat D:MM(N|S)    latitude, degrees 0 to 90 and minutes 0 to 59, e.g. 28:36N
  --lon D:MM(E|W)    longitude, degrees 0 to 180 and minutes 0 to 59, e.g. 77:13E
  --city, --state, --country TEXT   the place of birth
  --open FILE        read the birth from a chart file saved by the desktop
                     program: a .vmj file gives the time zone and daylight saving
                     too, a .vmx file holds neither; --zone, --tz, --dst and
                     --no-dst still apply

Places and historical time zones (offline: GeoNames places, the system's tz
database)
  --place TEXT       "CITY", "CITY, COUNTRY" or "CITY, STATE, COUNTRY", each by
                     any of its names ("Bombay", "Seoul, South Korea"): latitude,
                     longitude, city, state, country and time zone of the best
                     match (the largest place of that name); --lat, --lon,
                     --zone, --tz, --city, --state and --country override it
  --tz AREA/CITY     an IANA time zone (Asia/Kathmandu): the offset in force at
                     the local date and time, daylight saving included, comes
                     from the tz database
  --no-dst           with an IANA zone, the later (standard time) reading of a
                     local time that happened twice; --dst takes the earlier
                     one, which is also taken, with a warning, when neither is
                     given. A local time that never happened is refused.
  --places TEXT      list the places whose name begins with TEXT (case and
                     accents aside), the largest first, one per line: name,
                     latitude, longitude (degrees, north and east positive) and
                     time zone, separated by tabs

Positions (precise by default: apparent positions of date from the ERFA and
libnova ephemerides, the Lahiri ayanamsa and the mean node)
  --ayanamsa NAME    the sidereal zodiac's start: lahiri (the default), raman,
                     krishnamurti (or kp), true-chitra, yukteshwar or
                     fagan-bradley
  --true-node        Rahu and Ketu on the Moon's true (osculating) node instead
                     of the mean node
  --classic          the program's own classic formulas instead, with their
                     own ayanamsa and the mean node: the charts of earlier
                     versions, byte for byte
  --precise          the precise positions (the default)

Kundli matching
  --match GROOM BRIDE  the Ashtakoota match of two chart files (.vmj or .vmx), the
                     groom's first and the bride's second: the eight kootas with
                     their points out of 36, both charts' Manglik dosha and a
                     verdict; --json gives one JSON object ("groom", "bride",
                     "kootas", "tara", "bhakootFromBride", "total", "maxPoints",
                     "rating", "manglikPairing", "verdict"). A .vmx file holds no
                     time zone: the first zone row is taken, with a warning.

Output (to standard output unless --output is given)
  (default)          the Indian chart's text report, 26 lines
  --western          the Western (tropical) chart instead: the ten positions,
                     sun sign, ascendant, moon sign and the twelve wheel sectors,
                     then every planet, node and angle with its sign, house and
                     daily speed (R when retrograde), the house cusps and the
                     aspects
  --houses SYSTEM    with --western: the house system, Placidus (the default),
                     Koch, Porphyry, Regiomontanus, Campanus, Equal or "Whole
                     Sign"; inside the polar circles Placidus and Koch give
                     Porphyry houses, and say so
  --minor-aspects    with --western: the quincunx (orb 3), semi-sextile,
                     semi-square, sesquiquadrate and quintile (orb 2) beside the
                     conjunction, opposition, trine, square and sextile (orbs
                     10, 10, 8, 7 and 6 degrees)
  --json             one JSON object: "sidereal" (every field of the Indian
                     chart record), "cells" (the twelve chart cells, Aries
                     first), "tropical" (every field of the Western chart
                     record) and "wheel" ("sectors", "glyphs", "SunSign",
                     "Ascendant", "MoonSign"); it holds the Western chart too;
                     then "longitudes" (full-precision degrees of the nine
                     bodies and the ascendant, "sidereal" and "tropical"),
                     "divisional" (their signs in the sixteen divisions D1,
                     D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30,
                     D40, D45, D60), "dasha" (the nine Vimshottari
                     mahadashas from the one running at birth, each with
                     "lord", "start", "end" and nine "antardashas", each of
                     them with nine "pratyantardashas", dates YYYY-MM-DD) and
                     "dashaBalance" ("lord", "years", "months", "days" left
                     at birth); "panchanga" ("tithi", "vara", "nakshatra",
                     "yoga", "karana", "sunrise" and "sunset" on the local
                     clock, the centre of the Sun on the true horizon);
                     "ashtakavarga" (the seven "bhinnashtakavarga" tables
                     with their "givers", and the "sarvashtakavarga", signs
                     Aries first); "planetStatus" (each body's "dignity",
                     "retrograde", "combust", "distanceFromSun"); "manglik"
                     (Mars's house from the lagna, the Moon and Venus, the
                     dosha, the cancellations that hold and a summary); and
                     "place" ("city", "state", "country", "latitude",
                     "longitude", "timeZone", "utcOffsetMinutes",
                     "daylightSaving"); with --western also "points" (each
                     planet, node and angle: "name", "longitude", "sign",
                     "house", "speed" in degrees a day, "retrograde"), "houses"
                     ("system", the twelve "cusps", "fallback": the system used
                     instead inside a polar circle, else null) and "aspects"
                     ("p1", "p2", "kind", "orb" in degrees, "applying")
  --output FILE      write to FILE instead; the report is then written byte for
                     byte as the desktop program's export writes it (Latin-1,
                     CR LF line ends), the other outputs as UTF-8 text; a file
                     replaced keeps its permissions, and a folder, named pipe,
                     device or symbolic link at FILE is refused
  --pdf FILE.pdf     write the printable report instead: birth data, the South
                     Indian chart, positions and every interpretation text on
                     A4 or Letter pages (from the locale); with --western the
                     Western wheel gets a page of its own
  --save-chart FILE  also save the birth data of the chart as a chart file the
                     desktop program opens: FILE.vmj keeps every character, the
                     time zone and daylight saving; FILE.vmx is the older form

Exit status: 0 on success; 2 for invalid birth data (the form's message on
standard error), an unknown or incomplete option, an ambiguous zone, an unknown
place or time zone, a local time that never happened, or a chart file that
cannot be read or is not a regular file; 1 when the output file or the chart
file cannot be written.
)";

struct Options {
  std::optional<std::string> Name, Date, Time, Zone, Latitude, Longitude, City, State, Country;
  std::optional<std::string> OpenPath, OutputPath, SaveChartPath, PdfPath;
  std::optional<std::string> Place, TimeZone, Places, Houses;
  std::vector<std::string> Match;  // the groom's chart file, then the bride's
  bool DaylightSaving = false;
  bool NoDaylightSaving = false;
  bool Western = false;
  bool MinorAspects = false;
  bool Json = false;
  bool Help = false;
  bool Version = false;
  bool Zones = false;
  bool Precise = false;
  bool Classic = false;
  bool TrueNode = false;
  std::optional<std::string> Ayanamsa;
};

struct UsageError {
  std::string Message;
};

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::variant<Options, UsageError> ParseOptions(std::span<const std::string_view> args) {
  Options o;
  CLI::App app{"velmora-chart"};
  // The usage text above is the help: it is written for people, option by option.
  app.set_help_flag();
  struct ValueFlag {
    const char* Flag;
    std::optional<std::string> Options::*Field;
  };
  static constexpr ValueFlag kValueFlags[] = {
      {"--name", &Options::Name},         {"--date", &Options::Date},
      {"--time", &Options::Time},         {"--zone", &Options::Zone},
      {"--lat", &Options::Latitude},      {"--lon", &Options::Longitude},
      {"--city", &Options::City},         {"--state", &Options::State},
      {"--country", &Options::Country},   {"--open", &Options::OpenPath},
      {"--output", &Options::OutputPath}, {"--save-chart", &Options::SaveChartPath},
      {"--pdf", &Options::PdfPath},       {"--place", &Options::Place},
      {"--tz", &Options::TimeZone},       {"--places", &Options::Places},
      {"--ayanamsa", &Options::Ayanamsa}, {"--houses", &Options::Houses},
  };
  struct SwitchFlag {
    const char* Flag;
    bool Options::*Field;
  };
  static constexpr SwitchFlag kSwitches[] = {
      {"--dst", &Options::DaylightSaving},
      {"--no-dst", &Options::NoDaylightSaving},
      {"--western", &Options::Western},
      {"--json", &Options::Json},
      {"-h,--help", &Options::Help},
      {"--version", &Options::Version},
      {"--zones", &Options::Zones},
      {"--precise", &Options::Precise},
      {"--true-node", &Options::TrueNode},
      {"--classic", &Options::Classic},
      {"--minor-aspects", &Options::MinorAspects},
  };
  for (const ValueFlag& f : kValueFlags) {
    // A value is taken as it stands, even one that begins with a dash ("--time -0:30"), so
    // that it is refused for what it is; given twice, the last one counts.
    app.add_option(f.Flag, o.*f.Field)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
  for (const SwitchFlag& f : kSwitches) {
    app.add_flag(f.Flag, o.*f.Field)->disable_flag_override();
  }
  app.add_option("--match", o.Match)->expected(2);

  for (std::string_view arg : args) {
    const auto eq = arg.find('=');
    if (!arg.starts_with("--") || eq == std::string_view::npos) continue;
    const std::string name(arg.substr(0, eq));
    for (const SwitchFlag& f : kSwitches) {
      if (std::string_view(f.Flag).ends_with(name)) return UsageError{name + " takes no value"};
    }
  }
  // Every option but the last always finds its value; the last one may have none.
  if (!args.empty()) {
    const std::string last(args.back());
    for (const ValueFlag& f : kValueFlags) {
      if (last == f.Flag) return UsageError{last + " needs a value"};
    }
  }
  // CLI11 reads the arguments last first, as it would pop them off main()'s argv.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ExtrasError&) {
    return UsageError{"unknown option " + app.remaining().front()};
  } catch (const CLI::ArgumentMismatch& e) {
    if (std::string_view(e.what()).find("--match") != std::string_view::npos)
      return UsageError{"--match takes two chart files, the groom's first and the bride's second"};
    return UsageError{e.what()};
  } catch (const CLI::ParseError& e) {
    return UsageError{e.what()};
  }
  return o;
}

// The abbreviation of a zone row: the middle of "Name,ABBR,offset".
std::string_view ZoneAbbreviation(std::string_view label) {
  const auto first = label.find(',');
  const auto second = label.find(',', first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return {};
  return TrimSpaces(label.substr(first + 1, second - first - 1));
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::variant<int, UsageError> ParseZone(std::string_view text) {
  if (auto row = ParseInt(text)) {
    if (*row < 0 || *row >= kZoneCount) {
      return UsageError{"--zone " + std::string(text) + ": the zone rows are numbered 0 to 70"};
    }
    return *row;
  }
  std::vector<int> matches;
  for (int row = 0; row < kZoneCount; ++row) {
    if (SameLetters(ZoneAbbreviation(kZoneRows[static_cast<std::size_t>(row)].Label), text)) {
      matches.push_back(row);
    }
  }
  if (matches.size() == 1) return matches.front();
  if (matches.empty()) {
    return UsageError{"--zone " + std::string(text) +
                      ": no time zone has this abbreviation (velmora-chart --zones lists them)"};
  }
  std::string message = "--zone " + std::string(text) + " is ambiguous; give the row number:";
  for (int row : matches) {
    message += "\n  " + std::to_string(row) + "  " +
               std::string(kZoneRows[static_cast<std::size_t>(row)].Label);
  }
  return UsageError{message};
}

// "D:MM" followed by one of two direction letters; the numbers stay text for validation.
struct Coordinate {
  std::string Degrees, Minutes;
  int Option;  // 0 for the first letter (N or E), 1 for the second
};

std::variant<Coordinate, UsageError> ParseCoordinate(std::string_view flag, std::string_view text,
                                                     char first, char second) {
  const std::string example = flag == "--lat" ? "28:36N" : "77:13E";
  const auto colon = text.find(':');
  const char last = text.empty() ? '\0' : static_cast<char>(text.back() & ~0x20);
  if (colon == std::string_view::npos || (last != first && last != second)) {
    return UsageError{std::string(flag) + " " + std::string(text) + ": write degrees:minutes and " +
                      first + " or " + second + ", for example " + example};
  }
  return Coordinate{std::string(text.substr(0, colon)),
                    std::string(text.substr(colon + 1, text.size() - colon - 2)),
                    last == first ? 0 : 1};
}

// "28:36N" from signed degrees, rounded to the minute.
std::string CoordinateText(double signedDegrees, char positive, char negative) {
  const DegreesMinutes dm = ToDegreesMinutes(signedDegrees);
  return std::to_string(dm.Degrees) + ":" + (dm.Minutes < 10 ? "0" : "") +
         std::to_string(dm.Minutes) + (dm.Negative ? negative : positive);
}

std::variant<BirthFormData, UsageError> FormFromOptions(Options o) {
  if (!o.Date) return UsageError{"missing --date YYYY-MM-DD"};
  if (!o.Time) return UsageError{"missing --time H:MM"};
  if (o.Place) {
    const auto place = BestPlace(*o.Place);
    if (!place) {
      return UsageError{"--place " + *o.Place +
                        ": no such place in the atlas (velmora-chart --places TEXT lists "
                        "the places whose name begins with TEXT)"};
    }
    // What is given explicitly wins over what the place brings.
    if (!o.Latitude) o.Latitude = CoordinateText(place->LatitudeDegrees, 'N', 'S');
    if (!o.Longitude) o.Longitude = CoordinateText(place->LongitudeDegrees, 'E', 'W');
    if (!o.City) o.City = std::string(place->Name);
    if (!o.State) o.State = std::string(place->State);
    if (!o.Country) o.Country = std::string(place->Country);
    if (!o.TimeZone && !o.Zone) o.TimeZone = std::string(place->TimeZone);
  }
  if (!o.Latitude) return UsageError{"missing --lat D:MM(N|S)"};
  if (!o.Longitude) return UsageError{"missing --lon D:MM(E|W)"};
  BirthFormData f;
  f.Name = o.Name.value_or("");
  f.City = o.City.value_or("");
  f.State = o.State.value_or("");
  f.Country = o.Country.value_or("");
  f.TimeZoneName = o.TimeZone.value_or("");

  const std::string_view date = *o.Date;
  const auto year = date.size() == 10 && date[4] == '-' && date[7] == '-'
                        ? ParseInt(date.substr(0, 4))
                        : std::nullopt;
  const auto month = year ? ParseInt(date.substr(5, 2)) : std::nullopt;
  const auto day = month ? ParseInt(date.substr(8, 2)) : std::nullopt;
  if (!day) return UsageError{"--date " + std::string(date) + ": write the date as YYYY-MM-DD"};
  f.Year = *year;
  f.Month = *month;
  f.Day = *day;

  const std::string_view time = *o.Time;
  const auto colon = time.find(':');
  // Digits only: from_chars would read "-0:30" as half past midnight.
  const auto digits = [](std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos ? ParseInt(text)
                                                                          : std::nullopt;
  };
  const auto hour = colon == std::string_view::npos ? std::nullopt : digits(time.substr(0, colon));
  const auto minute =
      hour && time.size() - colon == 3 ? digits(time.substr(colon + 1)) : std::nullopt;
  if (!minute) return UsageError{"--time " + std::string(time) + ": write the time as H:MM"};
  f.Hour = *hour;
  f.Minute = *minute;

  auto lat = ParseCoordinate("--lat", *o.Latitude, 'N', 'S');
  if (auto* e = std::get_if<UsageError>(&lat)) return *e;
  auto lon = ParseCoordinate("--lon", *o.Longitude, 'E', 'W');
  if (auto* e = std::get_if<UsageError>(&lon)) return *e;
  const auto& la = std::get<Coordinate>(lat);
  const auto& lo = std::get<Coordinate>(lon);
  f.LatitudeDegrees = la.Degrees;
  f.LatitudeMinutes = la.Minutes;
  f.LatitudeOption = la.Option;
  f.LongitudeDegrees = lo.Degrees;
  f.LongitudeMinutes = lo.Minutes;
  f.LongitudeOption = lo.Option;
  return f;
}

std::string ProblemText(const ChartFileProblem& problem) {
  return problem.Detail.empty() ? problem.Reason : problem.Reason + " " + problem.Detail;
}

std::variant<OpenedChartFile, UsageError> FormFromChartFile(const std::string& path) {
  // As much as the desktop program's Open reads: a huge file or a device cannot fill memory.
  const auto start = ReadFileStart(path, kAnyChartFileReadLimit);
  if (const auto* why = std::get_if<std::string>(&start)) {
    return UsageError{"cannot read the chart file " + path + ": " + *why};
  }
  const FileStart& bytes = std::get<FileStart>(start);
  // No box lengths to hold: these lines go to no form, and a shorter limit would refuse
  // files that open today.
  auto opened = ReadAnyChartFile(path, bytes.Bytes, bytes.Whole, ChartFileLineLimits{});
  if (const auto* problem = std::get_if<ChartFileProblem>(&opened)) {
    return UsageError{"the chart file " + path + " cannot be opened. " + ProblemText(*problem)};
  }
  return std::get<OpenedChartFile>(std::move(opened));
}

// The chart file's bytes for an entry, in the kind of file the path names.
std::variant<std::string, UsageError> ChartFileFor(const std::string& path,
                                                   const BirthFormData& form) {
  if (IsJsonChartFilePath(path)) {
    auto file = JsonChartFileBytes(form);
    if (const auto* problem = std::get_if<ChartFileProblem>(&file)) {
      return UsageError{"--save-chart " + path + ": " + problem->Reason};
    }
    return std::get<std::string>(std::move(file));
  }
  if (!IsVmxChartFilePath(path)) {
    return UsageError{"--save-chart " + path + ": the name must end in .vmj or .vmx"};
  }
  auto file = EncodeChartFile(ChartFileFieldsOf(form));
  if (const auto* bad = std::get_if<UnstorableCharacter>(&file)) {
    return UsageError{"--save-chart " + path + ": line " + std::to_string(bad->Line) +
                      " holds a character that a .vmx chart file cannot store (U+" +
                      [](char32_t c) {
                        char hex[16];
                        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(c));
                        return std::string(hex);
                      }(bad->CodePoint) +
                      "); save it as a .vmj file, which keeps every character"};
  }
  return std::get<std::string>(std::move(file));
}

// The report for a terminal: UTF-8 and plain line feeds (the lone CR lines become empty).
std::string ReportForTerminal(const std::string& latin1Report) {
  std::string text = Latin1ToUtf8(latin1Report);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') out += text[i];
  }
  return out;
}

// A last line naming precise positions on a terminal; the exported report keeps its format,
// and the classic formulas print what they always printed.
std::string PositionsLine(const ChartRecord& chart, ChartMode mode) {
  if (chart.Positions != PositionSource::Precise) return {};
  return "\n" + std::string(PositionsCaption(chart, mode)) + "\n";
}

std::string SectorLine(const std::string& sector) {
  std::string out;
  std::string_view rest = sector;
  while (!rest.empty()) {
    const auto br = rest.find("\r\n");
    const std::string_view item = rest.substr(0, br);
    if (!item.empty()) {
      if (!out.empty()) out += ", ";
      out += item;
    }
    if (br == std::string_view::npos) break;
    rest = rest.substr(br + 2);
  }
  return out;
}

std::string WesternTable(const ChartRecord& t, const WesternWheel& wheel) {
  static constexpr std::string_view kRows[] = {"Sun",        "Moon",     "Mercury", "Venus",
                                               "Mars",       "Jupiter",  "Saturn",  "North Node",
                                               "South Node", "Ascendant"};
  std::string out = "Western Style chart of " + t.BirthName + "\n\n";
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    std::string name(kRows[i]);
    name.resize(12, ' ');
    out += name + t.PlanetPositionTexts[i] + "\n";
  }
  out += "\nSun Sign: " + std::string(wheel.SunSign.value_or("")) + "\n";
  out += "Ascendant: " + std::string(wheel.Ascendant.value_or("")) + "\n";
  out += "Moon Sign: " + wheel.MoonSign + "\n\n";
  for (std::size_t i = 0; i < 12; ++i) {
    out += "Sector " + std::to_string(i + 1);
    if (wheel.Glyphs) {
      out += " (" +
             std::string(kEnglishSignNames[static_cast<std::size_t>((*wheel.Glyphs)[i] - 1)]) + ")";
    }
    out += ": " + SectorLine(wheel.Sectors[i]) + "\n";
  }
  return out;
}

// "12 Gem 34" with the seconds dropped, as the position texts cut them.
std::string DegreeText(double longitudeDeg) {
  const int seconds = static_cast<int>(longitudeDeg * 3600);
  const int sign = std::min(seconds / (30 * 3600), 11);
  const int inSign = seconds - sign * 30 * 3600;
  std::array<char, 32> text{};
  std::snprintf(
      text.data(), text.size(), "%02d %s %02d", inSign / 3600,
      std::string(kSignAbbreviations.substr(static_cast<std::size_t>(sign) * 3, 3)).c_str(),
      inSign / 60 % 60);
  return text.data();
}

std::string WesternPointsText(const WesternChart& w) {
  std::string out = "\nPoint        Position   House  Speed/day\n";
  for (int i = 0; i < kWesternPoints; ++i) {
    const PointPlace& p = w.Points[static_cast<std::size_t>(i)];
    std::array<char, 96> line{};
    std::snprintf(line.data(), line.size(), "%-12s %s  %5d  %+9.4f%s\n",
                  std::string(NameOf(static_cast<WesternPoint>(i))).c_str(),
                  DegreeText(p.LongitudeDeg).c_str(), p.House, p.SpeedDegPerDay,
                  p.Retrograde ? " R" : "");
    out += line.data();
  }
  out += "\nHouses (" + std::string(HouseSystemName(w.Houses.Requested));
  if (w.Houses.PolarFallback()) {
    out += "; inside the polar circle: " + std::string(HouseSystemName(w.Houses.Used));
  }
  out += ")\n";
  for (std::size_t k = 0; k < 12; ++k) {
    std::array<char, 48> line{};
    std::snprintf(line.data(), line.size(), "%2zu  %s\n", k + 1,
                  DegreeText(w.Houses.CuspsDeg[k]).c_str());
    out += line.data();
  }
  out += "\nAspects\n";
  for (const Aspect& a : w.Aspects) {
    std::array<char, 96> line{};
    std::snprintf(line.data(), line.size(), "%-10s %-14s %-10s orb %5.2f %s\n",
                  std::string(NameOf(w.AspectPoints[static_cast<std::size_t>(a.First)])).c_str(),
                  std::string(DefinitionOf(a.Kind).Name).c_str(),
                  std::string(NameOf(w.AspectPoints[static_cast<std::size_t>(a.Second)])).c_str(),
                  a.OrbDeg, a.Applying ? "applying" : "separating");
    out += line.data();
  }
  return out;
}

std::string ChartJson(const ChartRecord& sidereal, const CellTexts& cells,
                      const ChartRecord& tropical, const WesternWheel& wheel,
                      const WesternChart* western) {
  JsonWriter json;
  json.BeginObject();
  json.Key("sidereal");
  WriteChartRecord(json, sidereal);
  json.Key("cells");
  json.BeginArray();
  for (const std::string& cell : cells) json.String(cell);
  json.EndArray();
  json.Key("tropical");
  WriteChartRecord(json, tropical);
  json.Key("wheel");
  json.BeginObject();
  json.Key("sectors");
  json.BeginArray();
  for (const std::string& sector : wheel.Sectors) json.String(sector);
  json.EndArray();
  json.Key("glyphs");
  if (wheel.Glyphs) {
    json.BeginArray();
    for (int g : *wheel.Glyphs) json.Integer(g);
    json.EndArray();
  } else {
    json.Null();
  }
  json.Key("SunSign");
  json.OptionalString(wheel.SunSign);
  json.Key("Ascendant");
  json.OptionalString(wheel.Ascendant);
  json.Key("MoonSign");
  json.String(wheel.MoonSign);
  json.EndObject();
  json.Key("longitudes");
  WriteLongitudes(json, sidereal, tropical);
  json.Key("divisional");
  WriteDivisional(json, sidereal);
  json.Key("dasha");
  WriteDasha(json, sidereal);
  json.Key("dashaBalance");
  WriteDashaBalance(json, sidereal);
  json.Key("panchanga");
  WritePanchanga(json, sidereal);
  json.Key("ashtakavarga");
  WriteAshtakavarga(json, sidereal);
  json.Key("planetStatus");
  WritePlanetStatus(json, sidereal);
  json.Key("manglik");
  WriteManglik(json, ComputeManglik(sidereal));
  json.Key("place");
  WritePlace(json, sidereal);
  if (western) {
    json.Key("points");
    WriteWesternPoints(json, *western);
    json.Key("houses");
    WriteWesternHouses(json, *western);
    json.Key("aspects");
    WriteWesternAspects(json, *western);
  }
  json.EndObject();
  return json.Take() + "\n";
}

std::string PlaceList(std::string_view text) {
  std::string out;
  for (const Place& place : FindPlaces(text, 20)) {
    std::array<char, 32> lat{}, lon{};
    std::snprintf(lat.data(), lat.size(), "%.5f", place.LatitudeDegrees);
    std::snprintf(lon.data(), lon.size(), "%.5f", place.LongitudeDegrees);
    out += PlaceLabel(place) + "\t" + lat.data() + "\t" + lon.data() + "\t" +
           std::string(place.TimeZone) + "\n";
  }
  return out;
}

std::string ZoneList() {
  std::string out;
  for (int row = 0; row < kZoneCount; ++row) {
    out += std::to_string(row) + "\t" +
           std::string(kZoneRows[static_cast<std::size_t>(row)].Label) + "\n";
  }
  return out;
}

// --match reads two chart files and nothing else of a birth.
ToolResult Match(const Options& o, const EngineOptions& engine) {
  const bool birthOptions = o.Name || o.Date || o.Time || o.Zone || o.Latitude || o.Longitude ||
                            o.City || o.State || o.Country || o.OpenPath || o.Place || o.TimeZone ||
                            o.DaylightSaving || o.NoDaylightSaving;
  if (birthOptions || o.Western || o.PdfPath || o.SaveChartPath) {
    return {kExitBadInput,
            {},
            "velmora-chart: --match takes two chart files and only --json, --precise, "
            "--true-node and --output beside them\n"};
  }
  return RunMatchTool({o.Match[0], o.Match[1], o.Json, o.OutputPath, engine});
}

// Messages quote names, paths and option values as typed: escaped, so that an ESC among
// them cannot drive the terminal.
ToolResult Fail(int status, const std::string& message) {
  return {status, {}, EscapeForTerminal("velmora-chart: " + message + "\n")};
}

}  // namespace

ToolResult RunChartTool(std::span<const std::string_view> args, const PdfReportWriter& writePdf) {
  auto parsed = ParseOptions(args);
  if (auto* e = std::get_if<UsageError>(&parsed)) {
    return Fail(kExitBadInput, e->Message + " (velmora-chart --help explains the options)");
  }
  const Options& o = std::get<Options>(parsed);
  if (o.Help) return {kExitOk, std::string(kUsage), {}};
  if (o.Version) return {kExitOk, std::string("velmora-chart ") + kVersion + "\n", {}};
  if (o.Zones) return {kExitOk, ZoneList(), {}};
  if (o.Places) {
    std::string list = PlaceList(*o.Places);
    if (list.empty()) return Fail(kExitBadInput, "no place name begins with \"" + *o.Places + "\"");
    return {kExitOk, EscapeForTerminal(list), {}};
  }
  if (o.DaylightSaving && o.NoDaylightSaving) {
    return Fail(kExitBadInput, "give --dst or --no-dst, not both");
  }
  if (o.Zone && o.TimeZone) return Fail(kExitBadInput, "give --zone or --tz, not both");
  if (o.OpenPath && o.Place) return Fail(kExitBadInput, "--place cannot be used with --open");
  if (o.Classic && o.Precise) return Fail(kExitBadInput, "give --classic or --precise, not both");
  if (o.Classic && o.TrueNode) {
    return Fail(kExitBadInput,
                "--true-node needs precise positions (the classic formulas give "
                "the mean node)");
  }
  if (o.Classic && o.Ayanamsa) {
    return Fail(kExitBadInput,
                "--ayanamsa needs precise positions (the classic formulas have "
                "an ayanamsa of their own)");
  }
  WesternOptions western;
  if (o.Houses) {
    if (!o.Western) return Fail(kExitBadInput, "--houses needs --western");
    const auto system = HouseSystemNamed(*o.Houses);
    if (!system) {
      return Fail(kExitBadInput, "--houses " + *o.Houses +
                                     ": the house systems are Placidus, Koch, Porphyry, "
                                     "Regiomontanus, Campanus, Equal and \"Whole Sign\"");
    }
    western.Houses = *system;
  }
  if (o.MinorAspects) {
    if (!o.Western) return Fail(kExitBadInput, "--minor-aspects needs --western");
    western.Aspects = AspectKinds::All();
  }
  EngineOptions engine;
  if (o.Classic) engine.Positions = PositionSource::Formula;
  if (o.TrueNode) engine.Node = LunarNode::True;
  if (o.Ayanamsa) {
    const auto ayanamsa = AyanamsaNamed(*o.Ayanamsa);
    if (!ayanamsa) {
      return Fail(kExitBadInput, "--ayanamsa " + *o.Ayanamsa +
                                     ": write lahiri, raman, krishnamurti (kp), true-chitra, "
                                     "yukteshwar or fagan-bradley");
    }
    engine.Ayanamsa = *ayanamsa;
  }
  if (!o.Match.empty()) return Match(o, engine);

  std::variant<OpenedChartFile, UsageError> form = UsageError{};
  if (o.OpenPath) {
    form = FormFromChartFile(*o.OpenPath);
  } else {
    auto typed = FormFromOptions(o);
    if (auto* e = std::get_if<UsageError>(&typed)) return Fail(kExitBadInput, e->Message);
    form = OpenedChartFile{std::get<BirthFormData>(std::move(typed)), false};
  }
  if (auto* e = std::get_if<UsageError>(&form)) return Fail(kExitBadInput, e->Message);
  BirthFormData& f = std::get<OpenedChartFile>(form).Entry;
  // A file that holds daylight saving keeps it unless --dst or --no-dst says otherwise.
  const bool fileHoldsZone = std::get<OpenedChartFile>(form).HoldsZone;
  if (!fileHoldsZone || o.DaylightSaving || o.NoDaylightSaving) f.DaylightSaving = o.DaylightSaving;
  if (o.Zone) {
    auto zone = ParseZone(*o.Zone);
    if (auto* e = std::get_if<UsageError>(&zone)) return Fail(kExitBadInput, e->Message);
    f.ZoneRow = std::get<int>(zone);
    f.TimeZoneName.clear();
  }
  if (o.OpenPath && o.TimeZone) f.TimeZoneName = *o.TimeZone;
  // A zone named in a chart file is refused by validation, in the form's words.
  if (o.TimeZone && !IsKnownTimeZone(*o.TimeZone)) {
    return Fail(kExitBadInput, "--tz " + *o.TimeZone +
                                   ": the tz database has no such zone (write it as "
                                   "Area/City, e.g. Asia/Kathmandu)");
  }
  if (auto bad = ValidateListValues(f)) {
    return {kExitBadInput, {}, EscapeForTerminal(bad->Message + "\n")};
  }
  std::string warnings;
  if (const auto reading = ReadBirthLocalTime(f)) {
    const std::string when = LocalTimeText(f.Year, f.Month, f.Day, f.Hour, f.Minute);
    // A .vmj file's daylight saving already says which reading of a repeated hour it was.
    const bool chosen = o.DaylightSaving || o.NoDaylightSaving || fileHoldsZone;
    if (reading->Kind == LocalTimeKind::Repeated && !chosen) {
      f.DaylightSaving = true;
      warnings += "velmora-chart: warning: " + when + " happened twice in " + f.TimeZoneName +
                  " (first at UTC" + FormatUtcOffset(reading->First.UtcOffsetSeconds) +
                  ", then at UTC" + FormatUtcOffset(reading->Second.UtcOffsetSeconds) +
                  "); the earlier reading is taken: give --dst or --no-dst to choose\n";
    } else if (reading->Kind == LocalTimeKind::Unique && (o.DaylightSaving || o.NoDaylightSaving) &&
               o.DaylightSaving != reading->First.DaylightSaving) {
      warnings +=
          "velmora-chart: warning: " + std::string(o.DaylightSaving ? "--dst" : "--no-dst") +
          " ignored: the tz database says daylight saving was " +
          (reading->First.DaylightSaving ? "" : "not ") + "in force in " + f.TimeZoneName + " at " +
          when + "\n";
    }
  }
  if (auto bad = ValidateInput(f)) {
    return {kExitBadInput, {}, EscapeForTerminal(bad->Message + "\n")};
  }

  LookupTables tables;
  FillZoneTables(tables);
  FillWheelLists(tables);
  ChartRecord sidereal;
  ReadBirthData(sidereal, f);
  RunSiderealEngine(sidereal, engine);
  SetDisplayValues(sidereal);
  SetInterpretationKeys(sidereal);

  if (o.PdfPath) {
    if (o.OutputPath || o.Json || o.SaveChartPath)
      return Fail(kExitBadInput, "--pdf cannot be combined with --output, --json or --save-chart");
    CellTexts cells;
    FillIndianCells(sidereal, tables, cells);
    ChartRecord tropical;
    std::optional<WesternWheel> wheel;
    std::optional<WesternChart> chart;
    if (o.Western) {
      ReadBirthData(tropical, f);
      const auto outer = RunWesternEngine(tropical, engine);
      wheel = ComputeWesternWheel(tropical, tables);
      chart = ComputeWesternChart(tropical, western, outer ? &*outer : nullptr);
    }
    const auto failure =
        writePdf ? writePdf({sidereal, cells, wheel ? &tropical : nullptr,
                             wheel ? &*wheel : nullptr, chart ? &*chart : nullptr, *o.PdfPath})
                 : std::optional<std::string>("this build has no PDF renderer");
    if (failure) return Fail(kExitWriteFailed, "cannot write " + *o.PdfPath + ": " + *failure);
    return {kExitOk, {}, EscapeForTerminal(warnings)};
  }

  std::string output;
  if (o.Json || o.Western) {
    ChartRecord tropical;
    ReadBirthData(tropical, f);
    std::optional<WesternChart> chart;
    if (o.Western) {
      const auto outer = RunWesternEngine(tropical, engine);
      chart = ComputeWesternChart(tropical, western, outer ? &*outer : nullptr);
    } else {
      RunTropicalEngine(tropical, engine);
    }
    const WesternWheel wheel = ComputeWesternWheel(tropical, tables);
    if (o.Json) {
      CellTexts cells;
      FillIndianCells(sidereal, tables, cells);
      output = ChartJson(sidereal, cells, tropical, wheel, chart ? &*chart : nullptr);
    } else {
      output = WesternTable(tropical, wheel) + WesternPointsText(*chart) +
               PositionsLine(tropical, ChartMode::Tropical);
    }
  } else if (o.OutputPath) {
    output = TextReport(sidereal);
  } else {
    output = ReportForTerminal(TextReport(sidereal)) + PositionsLine(sidereal, ChartMode::Sidereal);
  }
  if (o.SaveChartPath) {
    auto file = ChartFileFor(*o.SaveChartPath, f);
    if (auto* e = std::get_if<UsageError>(&file)) return Fail(kExitBadInput, e->Message);
    if (const auto reason = ReplaceFileAtomically(*o.SaveChartPath, std::get<std::string>(file))) {
      return Fail(kExitWriteFailed, "cannot write " + *o.SaveChartPath + ": " + *reason);
    }
  }
  if (o.OutputPath) {
    if (const auto reason = ReplaceFileAtomically(*o.OutputPath, output)) {
      return Fail(kExitWriteFailed, "cannot write " + *o.OutputPath + ": " + *reason);
    }
    return {kExitOk, {}, EscapeForTerminal(warnings)};
  }
  // JSON escapes for itself; the reports hold the name, city, state and country as given.
  if (!o.Json) output = EscapeForTerminal(output);
  return {kExitOk, std::move(output), EscapeForTerminal(warnings)};
}

}  // namespace velmora
