// velmora-chart --match: two chart files in, their Kundli match out.
#pragma once

#include <optional>
#include <string>

#include "chart_tool.h"
#include "engine/chart.h"

namespace velmora {

struct MatchRequest {
  std::string GroomPath;  // the first file is the groom's
  std::string BridePath;  // the second the bride's
  bool Json = false;
  std::optional<std::string> OutputPath;
  EngineOptions Engine;
};

// Reads and checks both births as --open does, computes both sidereal charts and the match,
// and returns the table (or the JSON object) for standard output or writes it to the file.
ToolResult RunMatchTool(const MatchRequest& request);

}  // namespace velmora
