// Opening a chart file: what its first fifteen lines put on the birth form, or why they
// cannot go there. No Qt, so that the reader can be fuzzed on its own.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "engine/birth_data.h"
#include "engine/chart_file.h"

namespace velmora {

// The most characters a text box of the form holds (Qt's line-edit limit).
inline constexpr std::size_t kLongestBoxText = 32767;
// Opening reads at most this many bytes: fifteen lines of the longest texts with their line
// ends. A file whose first fifteen lines do not end within them was not written by us.
inline constexpr std::size_t kChartFileReadLimit = kChartFileLines * (kLongestBoxText + 2);

// How many characters the box that takes each line holds; 0 for the lists and directions,
// whose lines are checked against the lists' entries instead.
using ChartFileLineLimits = std::array<std::size_t, kChartFileLines>;

// `bytes` is the start of a file, all of it when `whole`. Returns the entry for the form
// (the time zone and daylight saving left at their defaults: the file does not hold them),
// or the reason the file cannot fill the form, naming the line.
std::variant<BirthFormData, std::string> ReadChartFile(std::string_view bytes, bool whole,
                                                       const ChartFileLineLimits& limits);

}  // namespace velmora
