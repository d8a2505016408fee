#include "chart_file_reader.h"

#include "engine/files/json_chart_file.h"

namespace velmora {
namespace {

// Line ends as the decoder reads them: CR LF, a lone CR or a lone LF.
bool HoldsLineEnds(std::string_view bytes, int wanted) {
  int found = 0;
  for (std::size_t i = 0; i < bytes.size() && found < wanted; ++i) {
    if (bytes[i] == '\r') {
      ++found;
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else if (bytes[i] == '\n') {
      ++found;
    }
  }
  return found >= wanted;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char ch : utf8) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
  }
  return count;
}

// The boxes of the form by the .vmx line that fills them, and how a user calls them.
struct Box {
  std::size_t Line;  // 0-based
  const char* What;
  const std::string BirthFormData::*Field;
};
constexpr Box kBoxes[] = {
    {0, "The name", &BirthFormData::Name},
    {6, "The degree of latitude", &BirthFormData::LatitudeDegrees},
    {7, "The minute of latitude", &BirthFormData::LatitudeMinutes},
    {9, "The degree of longitude", &BirthFormData::LongitudeDegrees},
    {10, "The minute of longitude", &BirthFormData::LongitudeMinutes},
    {12, "The city", &BirthFormData::City},
    {13, "The state", &BirthFormData::State},
    {14, "The country", &BirthFormData::Country},
};

}  // namespace

std::optional<ChartFileProblem> EntryFitsForm(const BirthFormData& entry,
                                              const ChartFileLineLimits& limits) {
  for (const Box& box : kBoxes) {
    const std::size_t limit = limits[box.Line];
    const std::size_t length = CharacterCount(entry.*box.Field);
    // Putting the text into its box would cut it, and the chart would silently be another.
    if (limit > 0 && length > limit) {
      return ChartFileProblem{false, std::string(box.What) + " is longer than the form can hold.",
                              "It has " + std::to_string(length) + " characters; the box takes " +
                                  std::to_string(limit) + "."};
    }
  }
  return std::nullopt;
}

std::variant<BirthFormData, ChartFileProblem> ReadChartFile(std::string_view bytes, bool whole,
                                                            const ChartFileLineLimits& limits) {
  // A cut-off start would make its last line look shorter than it is.
  if (!whole && !HoldsLineEnds(bytes, kChartFileLines)) {
    return ChartFileProblem{true, kNotAChartFile, "Its lines are longer than any chart file's."};
  }
  auto entry = FormDataOf(DecodeChartFile(bytes));
  if (const auto* form = std::get_if<BirthFormData>(&entry)) {
    if (auto problem = EntryFitsForm(*form, limits)) return *problem;
  }
  return entry;
}

std::variant<OpenedChartFile, ChartFileProblem> ReadAnyChartFile(
    std::string_view path, std::string_view bytes, bool whole, const ChartFileLineLimits& limits) {
  if (IsJsonChartFilePath(path) || LooksLikeJsonChartFile(bytes)) {
    if (!whole) {
      return ChartFileProblem{true, kNotAChartFile, "It is far larger than any chart file."};
    }
    auto entry = ReadJsonChartFile(bytes);
    if (const auto* problem = std::get_if<ChartFileProblem>(&entry)) return *problem;
    auto& form = std::get<BirthFormData>(entry);
    if (auto problem = EntryFitsForm(form, limits)) return *problem;
    return OpenedChartFile{std::move(form), true};
  }
  auto entry = ReadChartFile(bytes, whole, limits);
  if (const auto* problem = std::get_if<ChartFileProblem>(&entry)) return *problem;
  return OpenedChartFile{std::get<BirthFormData>(std::move(entry)), false};
}

}  // namespace velmora
