#include "match_tool.h"

#include <array>
#include <variant>

#include "engine/birth_data.h"
#include "engine/jyotish/matching.h"
#include "engine/places/time_zones.h"
#include "match_json.h"
#include "output/chart_file_reader.h"
#include "output/file_access.h"
#include "terminal_text.h"

namespace velmora {
namespace {

struct MatchBirth {
  ChartRecord Sidereal;
  std::string Warning;  // for standard error, or empty
};

// The birth of one chart file, checked as the birth form checks it; the reason it cannot be
// used otherwise, naming the file.
std::variant<MatchBirth, std::string> ReadBirth(const std::string& path,
                                                const EngineOptions& engine) {
  const auto start = ReadFileStart(path, kAnyChartFileReadLimit);
  if (const auto* why = std::get_if<std::string>(&start)) {
    return "cannot read the chart file " + path + ": " + *why;
  }
  const FileStart& bytes = std::get<FileStart>(start);
  auto opened = ReadAnyChartFile(path, bytes.Bytes, bytes.Whole, ChartFileLineLimits{});
  if (const auto* problem = std::get_if<ChartFileProblem>(&opened)) {
    std::string text = "the chart file " + path + " cannot be opened. " + problem->Reason;
    if (!problem->Detail.empty()) text += " " + problem->Detail;
    return text;
  }
  const OpenedChartFile& file = std::get<OpenedChartFile>(opened);
  MatchBirth birth;
  if (!file.HoldsZone) {
    birth.Warning = "velmora-chart: warning: " + path +
                    " holds no time zone (a .vmx file); the first zone row, " +
                    std::string(kZoneRows[0].Label) +
                    ", is taken: save the chart as .vmj to keep its zone\n";
  }
  const BirthFormData& f = file.Entry;
  auto bad = ValidateListValues(f);
  if (!bad) bad = ValidateInput(f);
  if (bad) return path + ": " + bad->Message;
  ReadBirthData(birth.Sidereal, f);
  RunSiderealEngine(birth.Sidereal, engine);
  SetDisplayValues(birth.Sidereal);
  return birth;
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string out(text);
  // Every text of the table is ASCII, so bytes are columns.
  if (out.size() < width) out.resize(width, ' ');
  return out;
}

std::string PersonLine(std::string_view role, const ChartRecord& c) {
  return std::string(role) + ": " + c.BirthName + ", Moon in " + c.MoonNakshatra + " (" +
         c.MoonSignName + ")\n";
}

std::string MatchTable(const ChartRecord& groom, const ChartRecord& bride, const KundliMatch& m) {
  const AshtakootaMatch& a = m.Ashtakoota;
  std::string out = "Kundli matching (Ashtakoota); the first chart is the groom's\n\n";
  out += PersonLine("Groom", groom);
  out += PersonLine("Bride", bride);
  out += "\n" + Padded("Koota", 14) + Padded("Groom", 14) + Padded("Bride", 14) + "Points\n";
  for (std::size_t k = 0; k < kKootas.size(); ++k) {
    out += Padded(kKootas[k].Name, 14) + Padded(a.Kootas[k].Groom, 14) +
           Padded(a.Kootas[k].Bride, 14) + PointsText(a.Kootas[k].Points) + " of " +
           PointsText(kKootas[k].MaxPoints) + "\n";
  }
  out += Padded("Total", 42) + PointsText(a.Total) + " of 36\n\n";
  out += "Tara: the groom's star is the " + OrdinalHouse(a.TaraFromBride.Count) +
         " from the bride's (" + std::string(a.TaraFromBride.Name) + "), the bride's the " +
         OrdinalHouse(a.TaraFromGroom.Count) + " from the groom's (" +
         std::string(a.TaraFromGroom.Name) + ")\n";
  out += "Manglik, groom: " + ManglikSummary(m.GroomManglik) + "\n";
  out += "Manglik, bride: " + ManglikSummary(m.BrideManglik) + "\n\n";
  out += "Verdict: " + MatchVerdict(m) + "\n";
  const std::string_view caption = PositionsCaption(groom);
  if (!caption.empty()) out += "\n" + std::string(caption) + "\n";
  return out;
}

}  // namespace

ToolResult RunMatchTool(const MatchRequest& request) {
  std::array<MatchBirth, 2> births;
  std::string warnings;
  const std::array<const std::string*, 2> paths{&request.GroomPath, &request.BridePath};
  for (std::size_t i = 0; i < 2; ++i) {
    auto birth = ReadBirth(*paths[i], request.Engine);
    if (const auto* why = std::get_if<std::string>(&birth)) {
      return {kExitBadInput, {}, EscapeForTerminal("velmora-chart: " + *why + "\n")};
    }
    births[i] = std::get<MatchBirth>(std::move(birth));
    warnings += births[i].Warning;
  }
  const ChartRecord& groom = births[0].Sidereal;
  const ChartRecord& bride = births[1].Sidereal;
  const KundliMatch match = MatchCharts(groom, bride);
  std::string output;
  if (request.Json) {
    JsonWriter json;
    WriteMatch(json, groom, bride, match);
    output = json.Take() + "\n";
  } else {
    output = MatchTable(groom, bride, match);
  }
  if (request.OutputPath) {
    if (const auto reason = ReplaceFileAtomically(*request.OutputPath, output)) {
      return {kExitWriteFailed,
              {},
              EscapeForTerminal("velmora-chart: cannot write " + *request.OutputPath + ": " +
                                *reason + "\n")};
    }
    return {kExitOk, {}, EscapeForTerminal(warnings)};
  }
  if (!request.Json) output = EscapeForTerminal(output);
  return {kExitOk, std::move(output), EscapeForTerminal(warnings)};
}

}  // namespace velmora
