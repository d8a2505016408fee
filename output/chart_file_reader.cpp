#include "chart_file_reader.h"

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

}  // namespace

std::variant<BirthFormData, std::string> ReadChartFile(std::string_view bytes, bool whole,
                                                       const ChartFileLineLimits& limits) {
  // A cut-off start would make its last line look shorter than it is.
  if (!whole && !HoldsLineEnds(bytes, kChartFileLines)) {
    return std::string("its first fifteen lines are longer than the form's boxes can hold");
  }
  const ChartFileFields fields = DecodeChartFile(bytes);
  for (std::size_t line = 0; line < fields.size(); ++line) {
    const std::size_t length = CharacterCount(fields[line]);
    if (limits[line] > 0 && length > limits[line]) {
      // Putting the text into its box would cut it, and the chart would silently be another.
      return "line " + std::to_string(line + 1) + " holds " + std::to_string(length) +
             " characters where the form's box takes at most " + std::to_string(limits[line]);
    }
  }
  return FormDataOf(fields);
}

}  // namespace velmora
