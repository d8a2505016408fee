// libFuzzer target: any bytes opened as a .vmx and as a .vmj chart file, and any line
// decoded; the same bytes read back from a file by the reader of named files. Special files
// are checked once at start.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "engine/files/chart_file.h"
#include "engine/files/json_chart_file.h"
#include "engine/places/zones.h"
#include "output/chart_file_reader.h"
#include "output/file_access.h"

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

// Whatever a file holds, the reader hands over its start up to the limit and says whether
// that was all of it.
void CheckFileStart(std::string_view bytes) {
  static const std::string path = "/tmp/velmora-fuzz-" + std::to_string(::getpid()) + ".vmx";
  FILE* file = std::fopen(path.c_str(), "wb");
  Require(file != nullptr);
  Require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
  Require(std::fclose(file) == 0);
  const std::size_t limit = bytes.size() / 2 + 1;
  const auto start = ReadFileStart(path, limit);
  const auto* read = std::get_if<FileStart>(&start);
  Require(read != nullptr);
  Require(read->Bytes == bytes.substr(0, limit));
  Require(read->Whole == (bytes.size() <= limit));
  std::remove(path.c_str());
}

}  // namespace

// A device without end and a pipe without a writer are refused at once, never read.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Require(std::holds_alternative<std::string>(ReadFileStart("/dev/zero", 16)));
  const std::string pipe = "/tmp/velmora-fuzz-pipe-" + std::to_string(::getpid());
  Require(::mkfifo(pipe.c_str(), 0600) == 0);
  Require(std::holds_alternative<std::string>(ReadFileStart(pipe, 16)));
  Require(RefusalToReplace(pipe, false).has_value());
  ::unlink(pipe.c_str());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckDecodeText(bytes);
  CheckReader(bytes, true);
  CheckReader(bytes, false);  // as the start of a longer file
  CheckJsonReader(bytes);
  CheckFileStart(bytes);
  return 0;
}
