// The .vmj chart file: one UTF-8 JSON object holding the whole birth, the time zone and
// daylight saving included, so that a chart reopens the same whatever the form shows.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/birth_data.h"
#include "engine/files/chart_file.h"

namespace velmora {

// The version this program writes, and the newest it reads.
inline constexpr int kJsonChartFileFormat = 1;

// The file for an entry: the form's texts trimmed as the .vmx file keeps them, numbers as
// numbers, the zone row with the place's IANA zone (or null) and daylight saving. A text
// that is not valid UTF-8 cannot go into JSON: the problem names it.
std::variant<std::string, ChartFileProblem> JsonChartFileBytes(const BirthFormData& form);

// The entry a .vmj file holds, with its zone and daylight saving, or why it cannot go on
// the form. The date and time are checked against the form's lists; the degree and minute
// texts are left to the form's own validation, as with a .vmx file.
std::variant<BirthFormData, ChartFileProblem> ReadJsonChartFile(std::string_view bytes);

// Whether bytes look like a JSON chart file rather than a .vmx one: a .vmx file never
// starts with an opening brace followed by JSON.
bool LooksLikeJsonChartFile(std::string_view bytes);

// Whether a path names a .vmj file (by its extension, in any letter case).
bool IsJsonChartFilePath(std::string_view path);
// Whether a path names a .vmx file.
bool IsVmxChartFilePath(std::string_view path);

}  // namespace velmora
