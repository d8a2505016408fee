// Opening a chart file: what it puts on the birth form, or why it cannot go there. No Qt,
// so that the reader can be fuzzed on its own.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/birth_data.h"
#include "engine/files/chart_file.h"

namespace velmora {

// The most characters a text box of the form holds (Qt's line-edit limit).
inline constexpr std::size_t kLongestBoxText = 32767;
// A .vmx file is read no further than this: fifteen lines of the longest texts with their
// line ends. A file whose first fifteen lines do not end within them was not written by us.
inline constexpr std::size_t kChartFileReadLimit = kChartFileLines * (kLongestBoxText + 2);
// Opening reads at most this many bytes: a .vmj file with the longest texts, every
// character written as a \u escape, fits with room to spare.
inline constexpr std::size_t kAnyChartFileReadLimit = 2 * 1024 * 1024;
static_assert(kAnyChartFileReadLimit >= kChartFileReadLimit);

// How many characters the box that takes each .vmx line holds; 0 for the lists and
// directions, whose lines are checked against the lists' entries instead.
using ChartFileLineLimits = std::array<std::size_t, kChartFileLines>;

// `bytes` is the start of a .vmx file, all of it when `whole`. Returns the entry for the
// form (the time zone and daylight saving left at their defaults: the file does not hold
// them), or the problem that keeps the file from filling the form.
std::variant<BirthFormData, ChartFileProblem> ReadChartFile(std::string_view bytes, bool whole,
                                                            const ChartFileLineLimits& limits);

// A chart file of either kind, and whether it holds the time zone and daylight saving.
struct OpenedChartFile {
  BirthFormData Entry;
  bool HoldsZone = false;
};

// Opens `bytes`, the start of the file at `path` (all of it when `whole`): a .vmj file by
// its extension or its content, a .vmx file otherwise.
std::variant<OpenedChartFile, ChartFileProblem> ReadAnyChartFile(std::string_view path,
                                                                 std::string_view bytes, bool whole,
                                                                 const ChartFileLineLimits& limits);

// Whether the entry's texts fit the form's boxes; the problem when one would be cut.
std::optional<ChartFileProblem> EntryFitsForm(const BirthFormData& entry,
                                              const ChartFileLineLimits& limits);

}  // namespace velmora
