#include "engine/places/atlas.h"

#include <algorithm>
#include <cmath>

#include "engine/places/atlas_data.h"

namespace velmora {
namespace {

using atlas_data::kPlaceCount;
using atlas_data::kPlaces;
using atlas_data::kSearchKeyCount;
using atlas_data::kSearchKeys;

std::string_view TextOf(atlas_data::TextRef ref) {
  return {atlas_data::kText + ref.Offset, ref.Size};
}

Place PlaceOf(std::uint32_t index) {
  const atlas_data::PlaceRow& row = kPlaces[index];
  return {TextOf(row.Name),     TextOf(row.State),   TextOf(row.Country),  TextOf(row.CountryCode),
          TextOf(row.TimeZone), row.LatitudeDegrees, row.LongitudeDegrees, row.Population};
}

std::string_view KeyAt(std::size_t position) {
  return TextOf(kSearchKeys[position].Key);
}

// The rows of a sorted table whose key begins with the folded prefix.
template <class Key>
std::pair<std::size_t, std::size_t> PrefixRange(std::string_view folded, std::size_t count,
                                                Key keyAt) {
  std::size_t lo = 0, hi = count;
  while (lo < hi) {  // first key not below the prefix
    const std::size_t mid = lo + (hi - lo) / 2;
    if (keyAt(mid) < folded) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  std::size_t end = lo;
  while (end < count && keyAt(end).starts_with(folded)) ++end;
  return {lo, end};
}

// The search keys, any name of a place, that begin with the folded prefix.
std::pair<std::size_t, std::size_t> PrefixRange(std::string_view folded) {
  return PrefixRange(folded, kSearchKeyCount, KeyAt);
}

// Beyond Unicode: what a broken UTF-8 sequence reads as, so its byte is kept as it is.
constexpr std::uint32_t kBrokenSequence = 0x110000;

// One UTF-8 sequence from text[pos]; returns its code point and advances pos. A broken
// sequence advances by one byte.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  if (extra == 0 || pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++pos;
    return kBrokenSequence;
  }
  std::uint32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const unsigned char next = byte(pos + static_cast<std::size_t>(k));
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kBrokenSequence;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  return cp;
}

const char* FoldOf(std::uint32_t cp) {
  const auto* begin = atlas_data::kFolds;
  const auto* end = begin + atlas_data::kFoldCount;
  const auto* it = std::lower_bound(
      begin, end, cp,
      [](const atlas_data::FoldRow& row, std::uint32_t c) { return row.CodePoint < c; });
  return it != end && it->CodePoint == cp ? it->Folded : nullptr;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether a name begins with the part, or has a word that does ("State of Maine" for
// "maine", "United States of America" for "united states").
bool NameFits(std::string_view name, std::string_view foldedPart) {
  const std::string folded = FoldForSearch(name);
  if (foldedPart.empty()) return false;
  return folded.starts_with(foldedPart) ||
         folded.find(" " + std::string(foldedPart)) != std::string::npos;
}

// The codes of the countries one of whose names begins with the folded part ("uk", "usa",
// "south k", "deutschland"), each once.
std::vector<std::string_view> CountryCodesNamed(std::string_view foldedPart) {
  std::vector<std::string_view> codes;
  if (foldedPart.empty()) return codes;
  const auto aliasAt = [](std::size_t i) { return TextOf(atlas_data::kCountryAliases[i].Name); };
  const auto [first, last] = PrefixRange(foldedPart, atlas_data::kCountryAliasCount, aliasAt);
  for (std::size_t i = first; i < last; ++i) {
    const std::string_view code = TextOf(atlas_data::kCountryAliases[i].CountryCode);
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
  }
  return codes;
}

bool SameCountry(const Place& place, std::string_view foldedPart,
                 const std::vector<std::string_view>& namedCodes) {
  return NameFits(place.Country, foldedPart) || FoldForSearch(place.CountryCode) == foldedPart ||
         std::find(namedCodes.begin(), namedCodes.end(), place.CountryCode) != namedCodes.end();
}

bool SameState(const Place& place, std::string_view foldedPart) {
  return NameFits(place.State, foldedPart);
}

}  // namespace

std::size_t AtlasPlaceCount() {
  return kPlaceCount;
}

std::string FoldForSearch(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const std::uint32_t cp = NextCodePoint(text, pos);
    if (cp < 0x80) {
      out += static_cast<char>(cp >= 'A' && cp <= 'Z' ? cp - 'A' + 'a' : cp);
    } else if (const char* folded = FoldOf(cp)) {
      out += folded;
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

std::vector<Place> FindPlaces(std::string_view prefix, std::size_t maxCount) {
  const std::string folded = FoldForSearch(Trimmed(prefix));
  std::vector<Place> found;
  if (folded.empty() || maxCount == 0) return found;
  const auto [first, last] = PrefixRange(folded);
  // Places whose own name begins so come first, then those another of whose names is the
  // text typed ("bombay"), then the rest: with some 250 languages' names, a short beginning
  // would otherwise list the world's largest cities by names few users know.
  enum Rank : std::uint8_t { OwnName, OtherNameWhole, OtherNameBeginning };
  struct Hit {
    std::uint32_t Place;
    Rank By;
  };
  std::vector<Hit> hits;
  hits.reserve(last - first);
  for (std::size_t pos = first; pos < last; ++pos) {
    const std::uint32_t place = kSearchKeys[pos].Place;
    const bool own = KeyAt(pos) == TextOf(kPlaces[place].SearchKey);
    hits.push_back({place, own                    ? OwnName
                           : KeyAt(pos) == folded ? OtherNameWhole
                                                  : OtherNameBeginning});
  }
  // A place found by several of its names ("bomba": Bombay, Bombai) is listed once, at its
  // best rank.
  std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
    return a.Place != b.Place ? a.Place < b.Place : a.By < b.By;
  });
  hits.erase(std::unique(hits.begin(), hits.end(),
                         [](const Hit& a, const Hit& b) { return a.Place == b.Place; }),
             hits.end());
  const std::size_t keep = std::min(maxCount, hits.size());
  // Ties keep the search order (name, then index), so the list never reshuffles itself.
  std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(keep), hits.end(),
                    [](const Hit& x, const Hit& y) {
                      if (x.By != y.By) return x.By < y.By;
                      const std::uint32_t a = x.Place, b = y.Place;
                      if (kPlaces[a].Population != kPlaces[b].Population) {
                        return kPlaces[a].Population > kPlaces[b].Population;
                      }
                      const auto ka = TextOf(kPlaces[a].SearchKey),
                                 kb = TextOf(kPlaces[b].SearchKey);
                      return ka != kb ? ka < kb : a < b;
                    });
  found.reserve(keep);
  for (std::size_t k = 0; k < keep; ++k) found.push_back(PlaceOf(hits[k].Place));
  return found;
}

std::optional<Place> BestPlace(std::string_view description) {
  std::vector<std::string> parts;
  while (true) {
    const auto comma = description.find(',');
    parts.push_back(FoldForSearch(Trimmed(description.substr(0, comma))));
    if (comma == std::string_view::npos) break;
    description.remove_prefix(comma + 1);
  }
  if (parts.size() > 3 || parts.front().empty()) return std::nullopt;

  const std::vector<std::string_view> namedCodes = CountryCodesNamed(parts.back());
  const auto fits = [&](const Place& place) {
    if (parts.size() == 2) {
      return SameCountry(place, parts[1], namedCodes) || SameState(place, parts[1]);
    }
    if (parts.size() == 3) {
      return SameState(place, parts[1]) && SameCountry(place, parts[2], namedCodes);
    }
    return true;
  };
  const auto [first, last] = PrefixRange(parts.front());
  std::optional<Place> best;
  bool bestWhole = false;
  for (std::size_t pos = first; pos < last; ++pos) {
    const std::uint32_t index = kSearchKeys[pos].Place;
    const Place place = PlaceOf(index);
    if (!fits(place)) continue;
    const bool whole = KeyAt(pos) == parts.front();
    if (!best || (whole && !bestWhole) ||
        (whole == bestWhole && place.Population > best->Population)) {
      best = place;
      bestWhole = whole;
    }
  }
  return best;
}

std::string PlaceLabel(const Place& place) {
  std::string label(place.Name);
  if (!place.State.empty() && place.State != place.Name) label += ", " + std::string(place.State);
  label += ", " + std::string(place.Country);
  return label;
}

DegreesMinutes ToDegreesMinutes(double signedDegrees) {
  const long totalMinutes = std::lround(std::fabs(signedDegrees) * 60);
  return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
          signedDegrees < 0 && totalMinutes != 0};
}

}  // namespace velmora
