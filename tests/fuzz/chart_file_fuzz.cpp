// libFuzzer target: any bytes opened as a .vmx and as a .vmj chart file, and any line
// decoded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "engine/chart_file.h"
#include "engine/json_chart_file.h"
#include "engine/zones.h"
#include "output/chart_file_reader.h"

namespace {

using namespace velmora;

constexpr ChartFileLineLimits kFormLimits = {
    kLongestBoxText, 0, 0, 0, 0, 0, 3, 3, 0, 3, 3, 0, kLongestBoxText, kLongestBoxText,
    kLongestBoxText};

void Require(bool condition) {
  if (!condition) std::abort();
}

// Decoding drops the bytes below 85 and nothing else: encoding the result gives back the
// line without them.
void CheckDecodeText(std::string_view stored) {
  const std::string decoded = DecodeText(stored);
  std::string kept;
  for (char ch : stored) {
    if (static_cast<unsigned char>(ch) >= 85) kept += ch;
  }
  const auto encoded = EncodeText(decoded);
  Require(encoded.has_value() && *encoded == kept);
}

void CheckReader(std::string_view bytes, bool whole) {
  const auto result = ReadChartFile(bytes, whole, kFormLimits);
  if (const auto* entry = std::get_if<BirthFormData>(&result)) {
    Require(entry->Day >= 1 && entry->Day <= 31);
    Require(entry->Month >= 1 && entry->Month <= 12);
    Require(entry->Year >= kFirstYear && entry->Year <= kLastYear);
    Require(entry->Hour >= 0 && entry->Hour <= 24);
    Require(entry->Minute >= 0 && entry->Minute <= 59);
    Require(entry->LatitudeOption == 0 || entry->LatitudeOption == 1);
    Require(entry->LongitudeOption == 0 || entry->LongitudeOption == 1);
  } else {
    Require(!std::get<ChartFileProblem>(result).Reason.empty());
  }
}

// The same bytes as a .vmj file: an entry within the form's ranges, or a reason.
void CheckJsonReader(std::string_view bytes) {
  const auto result = ReadAnyChartFile("fuzz.vmj", bytes, true, kFormLimits);
  if (const auto* opened = std::get_if<OpenedChartFile>(&result)) {
    const BirthFormData& entry = opened->Entry;
    Require(opened->HoldsZone);
    Require(entry.ZoneRow >= 0 && entry.ZoneRow < kZoneCount);
    Require(entry.Year >= kFirstYear && entry.Year <= kLastYear);
    Require(entry.Month >= 1 && entry.Month <= 12);
    Require(entry.Day >= 1 && entry.Day <= 31);
    Require(entry.Hour >= 0 && entry.Hour <= 24);
    Require(entry.Minute >= 0 && entry.Minute <= 59);
    // What was read is written again and reads back the same.
    const auto again = JsonChartFileBytes(entry);
    Require(std::holds_alternative<std::string>(again));
    const auto reread = ReadJsonChartFile(std::get<std::string>(again));
    Require(std::holds_alternative<BirthFormData>(reread));
    Require(std::get<BirthFormData>(reread).Name == std::string(TrimSpaces(entry.Name)));
  } else {
    Require(!std::get<ChartFileProblem>(result).Reason.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckDecodeText(bytes);
  CheckReader(bytes, true);
  CheckReader(bytes, false);  // as the start of a longer file
  CheckJsonReader(bytes);
  return 0;
}
