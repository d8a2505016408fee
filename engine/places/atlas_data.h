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

// One name a place is searched by: its own, folded, or another GeoNames gives it.
struct SearchRow {
  TextRef Key;
  std::uint32_t Place;  // index into kPlaces
};

// One name of a country, folded ("uk", "south korea", "usa", "royaume-uni"), and its code.
struct CountryAlias {
  TextRef Name, CountryCode;
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
// Sorted by key, larger places first among equal keys.
extern const SearchRow kSearchKeys[];
extern const std::size_t kSearchKeyCount;
extern const CountryAlias kCountryAliases[];  // sorted by name
extern const std::size_t kCountryAliasCount;
extern const FoldRow kFolds[];  // sorted by code point
extern const std::size_t kFoldCount;

}  // namespace velmora::atlas_data
