// The offline atlas: about 24,000 places of the world with their coordinates and IANA time
// zone, searched by the beginning of their name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Place {
  std::string_view Name;     // UTF-8, as GeoNames writes it ("São Paulo")
  std::string_view State;    // first-level division; may be empty
  std::string_view Country;  // English name
  std::string_view CountryCode;
  std::string_view TimeZone;    // IANA name ("America/Sao_Paulo")
  double LatitudeDegrees = 0;   // north positive
  double LongitudeDegrees = 0;  // east positive
  std::uint32_t Population = 0;
};

std::size_t AtlasPlaceCount();

// The text the search compares: lower case, accents and ligatures dropped ("São" -> "sao").
std::string FoldForSearch(std::string_view utf8);

// Places whose name begins with the text (case and accents aside), the most populous first,
// at most maxCount of them. An empty or blank text finds nothing.
std::vector<Place> FindPlaces(std::string_view prefix, std::size_t maxCount);

// The best place for "CITY", "CITY, COUNTRY" or "CITY, STATE, COUNTRY": a name that matches
// whole beats one that only begins so, then the larger place wins. Country may also be
// written as its two-letter code; a second part may be a state as well as a country.
std::optional<Place> BestPlace(std::string_view description);

// "Kathmandu, Bagmati Province, Nepal" (the state left out when it is empty or the name).
std::string PlaceLabel(const Place& place);

// A coordinate as the birth form holds it: whole degrees and minutes, rounded to the
// nearest minute, and whether it lies south or west.
struct DegreesMinutes {
  int Degrees = 0;
  int Minutes = 0;
  bool Negative = false;
};
DegreesMinutes ToDegreesMinutes(double signedDegrees);

}  // namespace velmora
