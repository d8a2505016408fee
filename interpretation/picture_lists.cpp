#include "picture_lists.h"

#include <array>

namespace velmora {
namespace {

// Each list in key order, alphabetical, as the lists were filled at design time.
static constexpr std::array<KeyedPicture, 27> kNakshatraPictures = {{
    {"Anuradha", ":/pictures/nakshatra/anuradha.svg"},
    {"Ardra", ":/pictures/nakshatra/ardra.svg"},
    {"Ashlesha", ":/pictures/nakshatra/ashlesha.svg"},
    {"Ashwini", ":/pictures/nakshatra/ashwini.svg"},
    {"Bharani", ":/pictures/nakshatra/bharani.svg"},
    {"Chitra", ":/pictures/nakshatra/chitra.svg"},
    {"Dhanistha", ":/pictures/nakshatra/dhanistha.svg"},
    {"Hasta", ":/pictures/nakshatra/hasta.svg"},
    {"Jyeshtha", ":/pictures/nakshatra/jyeshtha.svg"},
    {"Krittika", ":/pictures/nakshatra/krittika.svg"},
    {"Magha", ":/pictures/nakshatra/magha.svg"},
    {"Moola", ":/pictures/nakshatra/moola.svg"},
    {"Mrigasira", ":/pictures/nakshatra/mrigasira.svg"},
    {"Poorva Bhadrapada", ":/pictures/nakshatra/poorva_bhadrapada.svg"},
    {"Poorva Phalguni", ":/pictures/nakshatra/poorva_phalguni.svg"},
    {"Punarvasu", ":/pictures/nakshatra/punarvasu.svg"},
    {"Purva Ashadha", ":/pictures/nakshatra/purva_ashadha.svg"},
    {"Pushya", ":/pictures/nakshatra/pushya.svg"},
    {"Revati", ":/pictures/nakshatra/revati.svg"},
    {"Rohini", ":/pictures/nakshatra/rohini.svg"},
    {"Shatabhisha", ":/pictures/nakshatra/shatabhisha.svg"},
    {"Shravana", ":/pictures/nakshatra/shravana.svg"},
    {"Swati", ":/pictures/nakshatra/swati.svg"},
    {"Uttara Ashadha", ":/pictures/nakshatra/uttara_ashadha.svg"},
    {"Uttara Bhadrapada", ":/pictures/nakshatra/uttara_bhadrapada.svg"},
    {"Uttara Phalguni", ":/pictures/nakshatra/uttara_phalguni.svg"},
    {"Vishakha", ":/pictures/nakshatra/vishakha.svg"},
}};

static constexpr std::array<KeyedPicture, 12> kLagnaPictures = {{
    {"Aquarius", ":/pictures/lagna/aquarius.svg"},
    {"Aries", ":/pictures/lagna/aries.svg"},
    {"Cancer", ":/pictures/lagna/cancer.svg"},
    {"Capricorn", ":/pictures/lagna/capricorn.svg"},
    {"Gemini", ":/pictures/lagna/gemini.svg"},
    {"Leo", ":/pictures/lagna/leo.svg"},
    {"Libra", ":/pictures/lagna/libra.svg"},
    {"Pisces", ":/pictures/lagna/pisces.svg"},
    {"Sagittarius", ":/pictures/lagna/sagittarius.svg"},
    {"Scorpio", ":/pictures/lagna/scorpio.svg"},
    {"Taurus", ":/pictures/lagna/taurus.svg"},
    {"Virgo", ":/pictures/lagna/virgo.svg"},
}};

static constexpr std::array<KeyedPicture, 12> kRashiPictures = {{
    {"Aquarius", ":/pictures/rashi/aquarius.svg"},
    {"Aries", ":/pictures/rashi/aries.svg"},
    {"Cancer", ":/pictures/rashi/cancer.svg"},
    {"Capricorn", ":/pictures/rashi/capricorn.svg"},
    {"Gemini", ":/pictures/rashi/gemini.svg"},
    {"Leo", ":/pictures/rashi/leo.svg"},
    {"Libra", ":/pictures/rashi/libra.svg"},
    {"Pisces", ":/pictures/rashi/pisces.svg"},
    {"Sagittarius", ":/pictures/rashi/sagittarius.svg"},
    {"Scorpio", ":/pictures/rashi/scorpio.svg"},
    {"Taurus", ":/pictures/rashi/taurus.svg"},
    {"Virgo", ":/pictures/rashi/virgo.svg"},
}};

}  // namespace

std::span<const KeyedPicture> NakshatraPictures() {
  return kNakshatraPictures;
}

std::span<const KeyedPicture> LagnaPictures() {
  return kLagnaPictures;
}

std::span<const KeyedPicture> RashiPictures() {
  return kRashiPictures;
}

std::optional<QString> LookupPicture(std::span<const KeyedPicture> list, std::string_view key) {
  for (const KeyedPicture& picture : list) {
    if (picture.Key == key) {
      return QString::fromUtf8(picture.Resource.data(),
                               static_cast<qsizetype>(picture.Resource.size()));
    }
  }
  return std::nullopt;
}

}  // namespace velmora
