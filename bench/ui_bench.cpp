// Figures for the desktop program on the offscreen platform, printed, never asserted:
// start-up to the birth form against an empty window of the same size, start-up to the
// first chart painted (precise positions and the classic formulas), the South chart
// command from click to painted chart window, peak memory of the whole scenario, and the
// heap a main window leaves behind when it is opened and closed again.
//   build/bench/ui_bench [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

struct ProbeRun {
  double ShownMs = 0;               // from spawn to the first window painted
  double PaintedMs = 0;             // from spawn to the first chart painted
  std::vector<double> ChartMs;      // one per chart command
  std::vector<double> KeystrokeMs;  // one per letter typed into the City box
  long PeakKilobytes = 0;
  std::vector<double> HeapBytes;  // heap in use, where the probe reports it
};

ProbeRun RunProbe(const std::string& probe, std::vector<std::string> args) {
  args.insert(args.begin(), probe);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int out[2];
  if (pipe(out) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const long long start = MonotonicNanoseconds();
  pid_t pid = 0;
  if (posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  close(out[1]);
  std::string text;
  char buf[4096];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  posix_spawn_file_actions_destroy(&actions);

  ProbeRun run;
  run.PeakKilobytes = usage.ru_maxrss;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    const std::string line = text.substr(at, end - at);
    at = end == std::string::npos ? text.size() : end + 1;
    if (line.rfind("shown ", 0) == 0) run.ShownMs = (std::stoll(line.substr(6)) - start) / 1e6;
    if (line.rfind("painted ", 0) == 0) {
      run.PaintedMs = (std::stoll(line.substr(8)) - start) / 1e6;
    }
    if (line.rfind("chart ", 0) == 0) run.ChartMs.push_back(std::stoll(line.substr(6)) / 1e6);
    if (line.rfind("keystroke ", 0) == 0) {
      run.KeystrokeMs.push_back(std::stoll(line.substr(10)) / 1e6);
    }
    if (line.rfind("heap ", 0) == 0) run.HeapBytes.push_back(std::stod(line.substr(5)));
  }
  return run;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::string probe = argv[0];
  probe = probe.substr(0, probe.rfind('/') + 1) + "ui_probe";

  std::vector<double> empty, label, form, firstChart, firstClassicChart;
  long emptyPeak = 0;
  for (int i = 0; i < runs; ++i) {
    // Alternated, so that all see the same machine.
    const ProbeRun e = RunProbe(probe, {"empty"});
    const ProbeRun l = RunProbe(probe, {"label"});
    const ProbeRun f = RunProbe(probe, {"form"});
    const ProbeRun c = RunProbe(probe, {"first-chart"});
    const ProbeRun k = RunProbe(probe, {"first-chart", "classic"});
    empty.push_back(e.ShownMs);
    label.push_back(l.ShownMs);
    form.push_back(f.ShownMs);
    firstChart.push_back(c.PaintedMs);
    firstClassicChart.push_back(k.PaintedMs);
    emptyPeak = std::max(emptyPeak, e.PeakKilobytes);
  }
  const ProbeRun scenario = RunProbe(probe, {"scenario", "30"});
  std::vector<double> keystrokes;
  for (int i = 0; i < std::max(1, runs / 3); ++i) {
    const ProbeRun places = RunProbe(probe, {"places"});
    keystrokes.insert(keystrokes.end(), places.KeystrokeMs.begin(), places.KeystrokeMs.end());
  }

  std::printf("start-up to window shown, median of %d runs (offscreen):\n", runs);
  std::printf("  empty Qt Widgets window  %7.1f ms\n", Median(empty));
  std::printf("  the same with one label  %7.1f ms   (the first text shown loads the fonts)\n",
              Median(label));
  std::printf(
      "  Velmora birth form       %7.1f ms   ratio %.2f to the empty window (target at most 2)\n",
      Median(form), Median(form) / Median(empty));
  std::printf(
      "start to the first chart painted (the Delhi birth, South style), median of %d runs:\n"
      "  precise positions, the default  %7.1f ms\n"
      "  classic formulas                %7.1f ms\n",
      runs, Median(firstChart), Median(firstClassicChart));
  std::printf(
      "South chart command, click to chart window painted, median of %zu: %.1f ms (target under "
      "50)\n",
      scenario.ChartMs.size(), Median(scenario.ChartMs));
  std::printf("  first %.1f ms, slowest %.1f ms\n",
              scenario.ChartMs.empty() ? 0.0 : scenario.ChartMs.front(),
              scenario.ChartMs.empty()
                  ? 0.0
                  : *std::max_element(scenario.ChartMs.begin(), scenario.ChartMs.end()));
  std::printf(
      "peak memory: empty window %.1f MB, start-up and 30 charts %.1f MB, ratio %.2f (target at "
      "most 2.5)\n",
      emptyPeak / 1024.0, scenario.PeakKilobytes / 1024.0,
      static_cast<double>(scenario.PeakKilobytes) / static_cast<double>(emptyPeak));
  std::printf(
      "City box, key press to the list of places painted, median of %zu: %.1f ms, slowest %.1f "
      "ms (target under 50)\n",
      keystrokes.size(), Median(keystrokes),
      keystrokes.empty() ? 0.0 : *std::max_element(keystrokes.begin(), keystrokes.end()));
  constexpr int kCycles = 200;
  const ProbeRun cycles = RunProbe(probe, {"cycles", std::to_string(kCycles)});
  if (cycles.HeapBytes.size() == 2) {
    std::printf(
        "heap kept per chart shown and closed with Back, over %d cycles, the style's pixmap "
        "cache emptied: %.0f bytes (target 0)\n",
        kCycles, (cycles.HeapBytes[1] - cycles.HeapBytes[0]) / kCycles);
  }
  return 0;
}
