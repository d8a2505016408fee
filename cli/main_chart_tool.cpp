#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "chart_tool.h"

namespace {

// The report renderer: beside this program in the build tree, in the library folder once
// installed.
std::string ReportToolPath() {
  char self[4096];
  const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (length > 0) {
    std::string beside(self, static_cast<std::size_t>(length));
    beside = beside.substr(0, beside.rfind('/') + 1) + "velmora-report";
    if (::access(beside.c_str(), X_OK) == 0) return beside;
  }
  return VELMORA_REPORT_TOOL;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  // --pdf needs Qt to draw; the renderer takes over this process with the same arguments
  // once they have been checked here, so a bad entry never waits for Qt to start.
  const auto startRenderer =
      [argv](const velmora::PdfReportRequest&) -> std::optional<std::string> {
    const std::string tool = ReportToolPath();
    argv[0] = const_cast<char*>(tool.c_str());
    ::execv(tool.c_str(), argv);
    return "cannot start the report renderer " + tool + ": " + std::strerror(errno);
  };
  velmora::ToolResult result;
  try {
    result = velmora::RunChartTool(args, startRenderer);
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
