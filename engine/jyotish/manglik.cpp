#include "engine/jyotish/manglik.h"

#include <cmath>

#include "engine/jyotish/zodiac.h"

namespace velmora {
namespace {

constexpr int kAries = 0, kCancer = 3, kLeo = 4, kScorpio = 7, kCapricorn = 9;

int SignOf(double longitudeDeg) {
  double lon = std::fmod(longitudeDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  const int sign = static_cast<int>(lon / 30.0);
  return sign > 11 ? 11 : sign;
}

// Whole-sign house of `sign` counted from `from` (the reference's own sign is the 1st).
int HouseFrom(int from, int sign) {
  return (sign - from + 12) % 12 + 1;
}

// The houses of the dosha and, for each, the signs in which Mars standing there gives none.
// The houses are the South Indian reading of the verse "lagne vyaye cha patale jamitre
// chashtame kuje" (1st, 12th, 4th, 7th, 8th), which adds the 2nd ("dhane"), as most
// astrologers count today; the exceptions are the commonly taught ones (Mars in the 2nd in a
// sign of Mercury, in the 4th in its own sign, in the 7th in Cancer or Capricorn, in the 8th
// in a sign of Jupiter, in the 12th in a sign of Venus, in the 1st in Aries).
struct DoshaHouse {
  int House;
  std::array<int, 2> ExcusingSigns;  // -1 for none
};
static constexpr std::array<DoshaHouse, 6> kDoshaHouses{{
    {1, {0, -1}},
    {2, {2, 5}},
    {4, {0, 7}},
    {7, {3, 9}},
    {8, {8, 11}},
    {12, {1, 6}},
}};

const DoshaHouse* DoshaHouseOf(int house) {
  for (const DoshaHouse& d : kDoshaHouses)
    if (d.House == house) return &d;
  return nullptr;
}

// Jupiter casts its full aspect on the 5th, 7th and 9th signs from its own.
bool JupiterTouches(int jupiterSign, int marsSign) {
  const int house = HouseFrom(jupiterSign, marsSign);
  return house == 1 || house == 5 || house == 7 || house == 9;
}

// "a", "a and b", "a, b and c".
void AppendListItem(std::string& list, const std::string& item, bool last) {
  if (!list.empty()) list += last ? " and " : ", ";
  list += item;
}

std::string_view SignName(int sign) {
  return kEnglishSignNames[static_cast<std::size_t>(sign)];
}

}  // namespace

bool IsManglikHouse(int house) {
  return DoshaHouseOf(house) != nullptr;
}

bool ManglikResult::HasDosha() const {
  for (const ManglikFrom& f : From)
    if (f.Dosha) return true;
  return false;
}

bool ManglikResult::Cancelled() const {
  if (!HasDosha()) return false;
  // Every rule but the house's own exception holds for the whole chart.
  for (int k = 0; k < kManglikCancellationKinds; ++k) {
    if (k != static_cast<int>(ManglikCancellation::HousePlacement) &&
        Cancellations[static_cast<std::size_t>(k)])
      return true;
  }
  for (const ManglikFrom& f : From)
    if (f.Dosha && !f.ExcusedByPlacement) return false;
  return true;
}

ManglikResult ComputeManglik(double ascendantDeg, double moonDeg, double venusDeg, double marsDeg,
                             double jupiterDeg) {
  ManglikResult r;
  r.MarsSign = SignOf(marsDeg);
  const int lagnaSign = SignOf(ascendantDeg);
  const int moonSign = SignOf(moonDeg);
  const std::array<int, 3> references{lagnaSign, moonSign, SignOf(venusDeg)};
  bool excused = false;
  for (std::size_t i = 0; i < references.size(); ++i) {
    ManglikFrom& f = r.From[i];
    f.MarsHouse = HouseFrom(references[i], r.MarsSign);
    const DoshaHouse* house = DoshaHouseOf(f.MarsHouse);
    f.Dosha = house != nullptr;
    if (house) {
      for (int sign : house->ExcusingSigns) f.ExcusedByPlacement |= sign == r.MarsSign;
      excused |= f.ExcusedByPlacement;
    }
  }
  if (!r.HasDosha()) return r;
  auto set = [&r](ManglikCancellation c, bool holds) {
    r.Cancellations[static_cast<std::size_t>(c)] = holds;
  };
  set(ManglikCancellation::OwnSign, r.MarsSign == kAries || r.MarsSign == kScorpio);
  set(ManglikCancellation::Exalted, r.MarsSign == kCapricorn);
  set(ManglikCancellation::HousePlacement, excused);
  set(ManglikCancellation::JupiterContact, JupiterTouches(SignOf(jupiterDeg), r.MarsSign));
  set(ManglikCancellation::MoonConjunct, moonSign == r.MarsSign);
  set(ManglikCancellation::YogakarakaLagna, lagnaSign == kCancer || lagnaSign == kLeo);
  return r;
}

ManglikResult ComputeManglik(const ChartRecord& c) {
  const auto& lon = c.Longitudes;
  return ComputeManglik(lon[kAscendantRow], lon[kMoonRow], lon[3], lon[4], lon[5]);
}

std::string OrdinalHouse(int house) {
  const int lastTwo = house % 100;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    if (house % 10 == 1) suffix = "st";
    if (house % 10 == 2) suffix = "nd";
    if (house % 10 == 3) suffix = "rd";
  }
  return std::to_string(house) + suffix;
}

std::string CancellationText(const ManglikResult& r, ManglikCancellation c) {
  const std::string mars(SignName(r.MarsSign));
  switch (c) {
    case ManglikCancellation::OwnSign:
      return "Mars in its own sign (" + mars + ")";
    case ManglikCancellation::Exalted:
      return "Mars exalted in Capricorn";
    case ManglikCancellation::HousePlacement: {
      std::string places;
      for (std::size_t i = 0; i < r.From.size(); ++i) {
        if (!r.From[i].ExcusedByPlacement) continue;
        bool last = true;
        for (std::size_t j = i + 1; j < r.From.size(); ++j) last &= !r.From[j].ExcusedByPlacement;
        AppendListItem(places,
                       "the " + OrdinalHouse(r.From[i].MarsHouse) + " from " +
                           std::string(kManglikReferenceNames[i]),
                       last);
      }
      return "Mars in " + mars + " in " + places;
    }
    case ManglikCancellation::JupiterContact:
      return "Jupiter joins or aspects Mars";
    case ManglikCancellation::MoonConjunct:
      return "Mars joins the Moon (Chandra-Mangala yoga)";
    case ManglikCancellation::YogakarakaLagna:
      return "Mars is yogakaraka for the lagna";
  }
  return {};
}

std::string ManglikSummary(const ManglikResult& r) {
  std::string from;
  for (std::size_t i = 0; i < r.From.size(); ++i) {
    if (!r.From[i].Dosha) continue;
    bool last = true;
    for (std::size_t j = i + 1; j < r.From.size(); ++j) last &= !r.From[j].Dosha;
    AppendListItem(from,
                   std::string(kManglikReferenceNames[i]) + " (Mars in the " +
                       OrdinalHouse(r.From[i].MarsHouse) + ")",
                   last);
  }
  if (from.empty()) {
    return "Not Manglik: Mars is in the " + OrdinalHouse(r.From[0].MarsHouse) +
           " from the lagna, the " + OrdinalHouse(r.From[1].MarsHouse) + " from the Moon and the " +
           OrdinalHouse(r.From[2].MarsHouse) + " from Venus";
  }
  std::string text = "Manglik from " + from;
  const bool partlyExcused =
      r.Cancellations[static_cast<std::size_t>(ManglikCancellation::HousePlacement)];
  if (!r.Cancelled()) {
    if (!partlyExcused) return text;
    return text +
           "; only partly excused: " + CancellationText(r, ManglikCancellation::HousePlacement);
  }
  std::string why;
  for (int k = 0; k < kManglikCancellationKinds; ++k) {
    if (!r.Cancellations[static_cast<std::size_t>(k)]) continue;
    if (!why.empty()) why += "; ";
    why += CancellationText(r, static_cast<ManglikCancellation>(k));
  }
  return text + "; cancelled: " + why;
}

}  // namespace velmora
