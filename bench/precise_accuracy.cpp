// How far the precise positions fall from the Swiss Ephemeris reference, body by body:
//   bench/precise_vs_swetest            (makes 300 random births with swetest, then this)
//   build/bench/precise_accuracy FILE   (a file written by tests/data/make_swetest_precise.py)
// Prints the largest and the mean difference in arc-seconds and the target of each.
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/astronomy/precise_ephemeris.h"

namespace {

struct Row {
  const char* Name;
  double TargetArcsec;  // 0: no target, shown for information
};

constexpr std::array<Row, 10> kRows = {{
    {"Sun", 2},
    {"Moon", 10},
    {"Mercury", 2},
    {"Venus", 2},
    {"Mars", 2},
    {"Jupiter", 2},
    {"Saturn", 2},
    {"Mean node", 5},
    {"True node", 0},
    {"Ayanamsa", 1},
}};

double ArcsecondsBetween(double aDeg, double bDeg) {
  return std::fabs(std::remainder(aDeg - bDeg, 360.0)) * 3600;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: precise_accuracy REFERENCE_FILE\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  std::array<double, kRows.size()> maxArcsec{};
  std::array<double, kRows.size()> sumArcsec{};
  std::array<std::string, kRows.size()> worstBirth;
  int births = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double jdUt = 0;
    std::string bar;
    std::array<double, kRows.size()> reference{};
    fields >> year >> month >> day >> hour >> minute >> jdUt >> bar;
    for (int i = 0; i < 7; ++i) fields >> reference[static_cast<std::size_t>(i)];
    fields >> bar >> reference[7] >> reference[8] >> bar >> reference[9];
    if (!fields) {
      std::fprintf(stderr, "cannot read: %s\n", line.c_str());
      return 1;
    }
    const velmora::ApparentPlaces mean =
        velmora::ComputeApparentPlaces(jdUt, velmora::LunarNode::Mean);
    const velmora::ApparentPlaces osculating =
        velmora::ComputeApparentPlaces(jdUt, velmora::LunarNode::True);
    std::array<double, kRows.size()> ours{};
    for (std::size_t i = 0; i < 7; ++i) ours[i] = mean.LongitudesDeg[i];
    ours[7] = mean.NodeLongitudeDeg;
    ours[8] = osculating.NodeLongitudeDeg;
    ours[9] = mean.AyanamsaDeg;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
      const double error = ArcsecondsBetween(ours[i], reference[i]);
      sumArcsec[i] += error;
      if (error > maxArcsec[i]) {
        maxArcsec[i] = error;
        worstBirth[i] = line.substr(0, line.find('|'));
      }
    }
    ++births;
  }
  if (births == 0) {
    std::fprintf(stderr, "no births in %s\n", argv[1]);
    return 1;
  }
  std::printf("%d births against swetest, arc-seconds\n", births);
  std::printf("%-10s %8s %8s %8s  %s\n", "body", "max", "mean", "target", "worst birth (UT)");
  bool allMet = true;
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const bool met = kRows[i].TargetArcsec == 0 || maxArcsec[i] <= kRows[i].TargetArcsec;
    allMet = allMet && met;
    char target[16] = "-";
    if (kRows[i].TargetArcsec > 0)
      std::snprintf(target, sizeof target, "%.0f", kRows[i].TargetArcsec);
    std::printf("%-10s %8.2f %8.2f %8s  %s%s\n", kRows[i].Name, maxArcsec[i], sumArcsec[i] / births,
                target, worstBirth[i].c_str(), met ? "" : "  MISSED");
  }
  return allMet ? 0 : 1;
}
