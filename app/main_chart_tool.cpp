#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "chart_tool.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  velmora::ToolResult result;
  try {
    result = velmora::RunChartTool(args);
  } catch (const std::exception& e) {
    // Whatever went wrong, the user gets a sentence and a status, not an abort and a core.
    result = {velmora::kExitBadInput, {}, std::string("velmora-chart: ") + e.what() + "\n"};
  }
  std::fwrite(result.Out.data(), 1, result.Out.size(), stdout);
  // A report that never arrived (a full disk, a closed pipe) is a failure, not a success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    const int error = errno;
    std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
    std::fprintf(stderr, "velmora-chart: cannot write to standard output: %s\n",
                 std::strerror(error));
    return velmora::kExitWriteFailed;
  }
  std::fwrite(result.Err.data(), 1, result.Err.size(), stderr);
  return result.ExitStatus;
}
