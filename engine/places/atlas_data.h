// The shape of the generated place table (see scripts/atlas/make_atlas_data.py). Only
// atlas.cpp reads it; everything else goes through atlas.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora::atlas_data {

struct TextRef {
  std::uint32_t Offset;
  std::uint32_t Size;
};

struct PlaceRow {
  TextRef Name, State, Country, CountryCode, TimeZone;
  TextRef SearchKey;        // the name folded to lower case without accents
  double LatitudeDegrees;   // north positive
  double LongitudeDegrees;  // east positive
  std::uint32_t Population;
};

// One letter the search folds: its code point and what it becomes ("ã" -> "a", "ß" -> "ss").
struct FoldRow {
  std::uint32_t CodePoint;
  const char* Folded;
};

extern const char kText[];
extern const std::size_t kTextSize;
extern const PlaceRow kPlaces[];
extern const std::size_t kPlaceCount;
// Indexes into kPlaces sorted by search key, larger places first among equal keys.
extern const std::uint32_t kSearchOrder[];
extern const FoldRow kFolds[];  // sorted by code point
extern const std::size_t kFoldCount;

}  // namespace velmora::atlas_data
