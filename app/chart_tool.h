// velmora-chart: one birth in, one chart out, for scripts and batch use.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitBadInput = 2;

struct ToolResult {
  int ExitStatus = kExitOk;
  std::string Out;  // what goes to stdout
  std::string Err;  // what goes to stderr
};

// Runs the tool on its arguments (without the program name). Files named by --open are
// read and --output files are written here; everything else is returned.
ToolResult RunChartTool(std::span<const std::string_view> args);

}  // namespace velmora
