// Whole-turn reductions with the results of the classic loops ("while x >= 360 subtract
// 360") in constant time. Every step of such a loop is exact in double arithmetic for the
// magnitudes a chart meets (each intermediate value is a multiple of the ulp of the one
// before and smaller than it), so the loop ends on the exact remainder that fmod returns;
// only the last addition of a negative remainder rounds, and it rounds the same way here.
#pragma once

#include <cmath>

namespace velmora::turns {

// while (x >= 360) x -= 360;
inline double WhileAtLeast360Subtract(double x) {
  return x >= 360.0 ? std::fmod(x, 360.0) : x;
}

// while (x > 360) x -= 360;
inline double WhileAbove360Subtract(double x) {
  if (!(x > 360.0)) return x;
  const double r = std::fmod(x, 360.0);
  return r == 0.0 ? 360.0 : r;
}

// while (x < 0) x += 360;
inline double WhileNegativeAdd360(double x) {
  if (!(x < 0.0)) return x;
  const double r = std::fmod(x, 360.0);
  return r == 0.0 ? 0.0 : r + 360.0;
}

// Any angle in degrees brought into 0 (included) to 360 (excluded).
inline double Normalised360(double x) {
  double r = std::fmod(x, 360.0);
  if (r < 0.0) r += 360.0;
  return r >= 360.0 ? 0.0 : r;
}

}  // namespace velmora::turns
