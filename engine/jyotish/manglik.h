// Manglik (Kuja) dosha: Mars in a house of marriage trouble counted from the lagna, the Moon
// and Venus, and the common rules that cancel it. A pure function of a sidereal chart's
// longitudes, so the chart window, the match and the command-line tool read one answer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

// The three points Mars's house is counted from, strongest first.
enum class ManglikReference : std::int8_t { Lagna, Moon, Venus };
// As a sentence names them: "Mars in the 7th from the lagna".
inline constexpr std::array<std::string_view, 3> kManglikReferenceNames{"the lagna", "the Moon",
                                                                        "Venus"};

// The rules that cancel the dosha, in the order they are named.
enum class ManglikCancellation : std::int8_t {
  OwnSign,         // Mars in Aries or Scorpio
  Exalted,         // Mars in Capricorn
  HousePlacement,  // Mars in a dosha house in the one sign that excuses that house
  JupiterContact,  // Jupiter in Mars's sign or aspecting it (5th, 7th, 9th)
  MoonConjunct,    // Chandra-Mangala: Mars in the Moon's sign
  YogakarakaLagna  // Mars rules a kendra and a trikona for a Cancer or Leo lagna
};
inline constexpr int kManglikCancellationKinds = 6;

struct ManglikFrom {
  int MarsHouse = 0;  // 1..12, whole signs counted from the reference's sign
  bool Dosha = false;
  // The house's own exception applies: Mars stands there in the sign that excuses it.
  bool ExcusedByPlacement = false;
};

struct ManglikResult {
  int MarsSign = 0;                   // 0 Aries .. 11 Pisces
  std::array<ManglikFrom, 3> From{};  // by ManglikReference
  // Which cancellations hold; only looked for when Mars gives the dosha from somewhere.
  std::array<bool, kManglikCancellationKinds> Cancellations{};

  // Mars gives the dosha from at least one reference.
  bool HasDosha() const;
  // Every reference that gives the dosha is excused: by a rule for the whole chart, or by
  // its own house's exception.
  bool Cancelled() const;
  // The dosha stands: present and not cancelled.
  bool IsManglik() const { return HasDosha() && !Cancelled(); }
};

// The houses Mars gives the dosha in: 1, 2, 4, 7, 8 and 12 from the reference.
bool IsManglikHouse(int house);

ManglikResult ComputeManglik(double ascendantDeg, double moonDeg, double venusDeg, double marsDeg,
                             double jupiterDeg);
// The same from a sidereal chart record's full-precision longitudes.
ManglikResult ComputeManglik(const ChartRecord& sidereal);

// How a cancellation is named to the user: "Mars in its own sign (Scorpio)".
std::string CancellationText(const ManglikResult& result, ManglikCancellation cancellation);
// One line for the user: "Manglik from the lagna (Mars in the 7th) and the Moon (Mars in the
// 4th)", "...; cancelled: Jupiter joins or aspects Mars", or "Not Manglik: Mars is in the 3rd
// from the lagna, the 6th from the Moon and the 11th from Venus".
std::string ManglikSummary(const ManglikResult& result);

// "1st", "2nd", "3rd", "4th" ... "12th".
std::string OrdinalHouse(int house);

}  // namespace velmora
