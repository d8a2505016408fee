// The chart window's three picture lists (IMG, LagnaIMG, RashiIMG): SVG pictures compiled in
// as resources, each with the text key the fill routines look it up by.
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <string_view>

namespace velmora {

struct KeyedPicture {
  std::string_view Key;
  std::string_view Resource;  // ":/pictures/..."
};

// IMG: the 27 nakshatra pictures, keyed by the nakshatra names.
std::span<const KeyedPicture> NakshatraPictures();
// LagnaIMG and RashiIMG: the twelve sign pictures of each page, keyed by English sign name.
std::span<const KeyedPicture> LagnaPictures();
std::span<const KeyedPicture> RashiPictures();

// What the three picture boxes show until their first fill.
inline constexpr std::string_view kNakshatraDesignPicture = ":/pictures/nakshatra/default.svg";
inline constexpr std::string_view kLagnaDesignPicture = ":/pictures/lagna/default.svg";
inline constexpr std::string_view kRashiDesignPicture = ":/pictures/rashi/default.svg";

// The resource of the first picture whose key equals `key` exactly (case-sensitive), or
// none.
std::optional<QString> LookupPicture(std::span<const KeyedPicture> list, std::string_view key);

}  // namespace velmora
