#include <cstdio>
#include <string_view>
#include <vector>

#include "chart_tool.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const velmora::ToolResult result = velmora::RunChartTool(args);
  std::fwrite(result.Out.data(), 1, result.Out.size(), stdout);
  std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
  return result.ExitStatus;
}
