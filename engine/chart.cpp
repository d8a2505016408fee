#include "engine/chart.h"

#include "engine/astronomy/angles.h"
#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/ephemeris.h"
#include "engine/jyotish/zodiac.h"

namespace velmora {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kBodies = 9;  // Sun ... Ketu, the first nine rows of the planet table

std::string_view LastThree(std::string_view text) {
  return text.size() <= 3 ? text : text.substr(text.size() - 3);
}

std::optional<OuterPlaces> RunEngine(ChartRecord& chart, ChartMode mode,
                                     const EngineOptions& options, BodySet bodies) {
  chart.Positions = options.Positions;
  chart.Node = options.Positions == PositionSource::Precise ? options.Node : LunarNode::Mean;
  PrepareBirthMoment(chart);
  if (options.Positions == PositionSource::Precise) {
    const ApparentPlaces places = ComputeApparentPlaces(JulianDayUt(chart), chart.Node, bodies);
    SetPreciseAyanamsa(chart, mode, places.AyanamsaDeg);
    SetApparentSiderealFrame(chart, places);
    ComputeAngles(chart);
    PlacePreciseBodies(chart, mode, places);
    if (bodies == BodySet::Western) return places.Outer;
    return std::nullopt;
  }
  ComputeAyanamsa(chart, mode);
  ComputeAngles(chart);
  ComputeMoon(chart, mode);
  ComputePlanets(chart, mode);
  return std::nullopt;
}

// The first of twelve abbreviations equal to the given one, as the chart commands look
// signs up in their working tables.
std::optional<int> SignIn(const auto& abbreviations, std::string_view abbreviation) {
  for (std::size_t s = 0; s < 12; ++s) {
    const std::string_view a = abbreviations[s];
    if (a.size() != abbreviation.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < a.size() && same; ++i) same = a[i] == abbreviation[i];
    if (same) return static_cast<int>(s);
  }
  return std::nullopt;
}

}  // namespace

void RunSiderealEngine(ChartRecord& chart, const EngineOptions& options) {
  RunEngine(chart, ChartMode::Sidereal, options, BodySet::Chart);
}
void RunTropicalEngine(ChartRecord& chart, const EngineOptions& options) {
  RunEngine(chart, ChartMode::Tropical, options, BodySet::Chart);
}
std::optional<OuterPlaces> RunWesternEngine(ChartRecord& tropical, const EngineOptions& options) {
  return RunEngine(tropical, ChartMode::Tropical, options, BodySet::Western);
}

std::string_view PositionsCaption(const ChartRecord& chart) {
  return chart.Positions == PositionSource::Precise ? "Precise positions (Lahiri)" : "";
}

void SetDisplayValues(ChartRecord& c) {
  c.AyanamsaDisplay = c.AyanamsaText.empty() ? std::string() : c.AyanamsaText.substr(1);
  c.AscendantSign = LastThree(c.AscendantText);
  if (auto lagna = LagnaNameOf(c.AscendantSign)) c.AscendantSignName = *lagna;
  c.NakshatraLabel = c.MoonNakshatra;
  c.MoonSignLabel = c.MoonSignName;
  LookupNakshatraLord(c, c.NakshatraLabel);
}

void SetInterpretationKeys(ChartRecord& c) {
  c.NakshatraInfoKey = c.NakshatraLabel;
  c.LagnaInfoKey = LastThree(c.AscendantText);
  c.RashiInfoKey = c.MoonSignName;
}

void FillIndianCells(const ChartRecord& c, const LookupTables& tables, CellTexts& cells) {
  for (std::string& cell : cells) cell.clear();
  if (auto s = SignIn(tables.SignAbbreviationTable, c.AscendantSign)) {
    cells[static_cast<std::size_t>(*s)] = "Asc";
  }
  for (int b = 0; b < kBodies; ++b) {
    const auto body = static_cast<std::size_t>(b);
    const auto s = SignIn(tables.SignAbbreviationTable, ChartTextSign(c.PlanetPositionTexts[body]));
    if (!s) continue;
    std::string& cell = cells[static_cast<std::size_t>(*s)];
    if (!cell.empty()) cell += kLineBreak;
    cell += c.PlanetVedicNames[body];
  }
}

WesternWheel ComputeWesternWheel(const ChartRecord& c, const LookupTables& tables) {
  WesternWheel wheel;
  wheel.Ascendant = EnglishSignNameOf(LastThreeTrimmed(c.AscendantText));
  wheel.MoonSign = c.MoonSignName;

  // The bodies of each sign, Aries first, one per line after a leading line break.
  std::array<std::string, 12> bySign;
  auto append = [&](std::string_view chartText, std::string_view name) {
    if (auto s = SignIn(tables.SignAbbrevList, ChartTextSign(chartText))) {
      std::string& text = bySign[static_cast<std::size_t>(*s)];
      text += kLineBreak;
      text += name;
    }
  };
  for (std::size_t i = 0; i < kBodies; ++i) {
    append(c.PlanetPositionTexts[i], tables.WheelBodyNames[i]);
  }
  append(c.PlanetPositionTexts[9], "Asc");

  std::size_t first = 0;
  for (std::size_t k = 0; k < 12; ++k) {
    if (bySign[k].find("Asc") != std::string::npos) {
      first = k;
      break;
    }
  }
  for (std::size_t i = 0; i < 12; ++i) wheel.Sectors[i] = bySign[(first + i) % 12];

  if (auto s = SignIn(tables.SignAbbrevList, ChartTextSign(c.PlanetPositionTexts[9]))) {
    std::array<int, 12> glyphs{};
    for (int i = 0; i < 12; ++i) glyphs[static_cast<std::size_t>(i)] = (*s + i) % 12 + 1;
    wheel.Glyphs = glyphs;
  }
  wheel.SunSign = EnglishSignNameOf(ChartTextSign(c.PlanetPositionTexts[0]));
  return wheel;
}

}  // namespace velmora
