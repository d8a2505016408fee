#include "engine/jyotish/planet_status.h"

#include "engine/jyotish/panchanga.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

enum class Friendship : std::int8_t { Friend, Neutral, Enemy };
constexpr Friendship F = Friendship::Friend;
constexpr Friendship N = Friendship::Neutral;
constexpr Friendship E = Friendship::Enemy;

// The seven planets by record row: 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter,
// 6 Saturn. Rahu (7) and Ketu (8) rule no sign here.
struct Dignities {
  int ExaltationSign;           // debilitation is the seventh from it
  int MoolatrikonaSign;         // -1 for none
  double MoolatrikonaFrom;      // degrees within that sign, from (inclusive) ...
  double MoolatrikonaTo;        // ... to (exclusive)
  std::array<int, 2> OwnSigns;  // -1 where a planet has one
  // Its natural friendship towards each of the seven planets, by record row.
  std::array<Friendship, 7> Towards;
};

// Exaltation, moolatrikona, own signs and the natural (naisargika) friendships after Brihat
// Parashara Hora Shastra, ch. 3. Exaltation holds over the whole sign, except where the
// exaltation sign is also the moolatrikona or own sign: the Moon is exalted in Taurus up to
// 3 degrees and moolatrikona after, Mercury exalted in Virgo up to 15 degrees, moolatrikona to
// 20 and in its own sign after.
constexpr std::array<Dignities, 7> kDignities{{
    // Sun: exalted Aries, moolatrikona Leo 0-20, own Leo.
    {0, 4, 0, 20, {4, -1}, {F, F, N, E, F, F, E}},
    // Moon: exalted Taurus (to 3), moolatrikona Taurus 3-30, own Cancer.
    {1, 1, 3, 30, {3, -1}, {F, F, F, N, N, N, N}},
    // Mercury: exalted Virgo (to 15), moolatrikona Virgo 15-20, own Gemini and Virgo.
    {5, 5, 15, 20, {2, 5}, {F, E, F, F, N, N, N}},
    // Venus: exalted Pisces, moolatrikona Libra 0-15, own Taurus and Libra.
    {11, 6, 0, 15, {1, 6}, {E, E, F, F, N, N, F}},
    // Mars: exalted Capricorn, moolatrikona Aries 0-12, own Aries and Scorpio.
    {9, 0, 0, 12, {0, 7}, {F, F, E, N, F, F, N}},
    // Jupiter: exalted Cancer, moolatrikona Sagittarius 0-10, own Sagittarius and Pisces.
    {3, 8, 0, 10, {8, 11}, {F, F, E, E, F, F, N}},
    // Saturn: exalted Libra, moolatrikona Aquarius 0-20, own Capricorn and Aquarius.
    {6, 10, 0, 20, {9, 10}, {E, E, F, F, E, N, F}},
}};

// The lord of each sign by record row, Aries first.
constexpr std::array<int, 12> kSignLords{4, 3, 2, 1, 0, 2, 3, 4, 5, 6, 6, 5};

// The nodes have no sign of their own in the natural scheme; their exaltation signs are the
// ones most schools take: Rahu in Taurus, Ketu in Scorpio, each debilitated in the other's.
constexpr std::array<int, 2> kNodeExaltations{1, 7};

// Combustion: how near the Sun (degrees, either side) burns a planet, by record row, direct
// and retrograde, after Surya Siddhanta ch. 9 as the jyotisha texts quote it (Moon 12, Mars
// 17, Mercury 14 or 12 retrograde, Jupiter 11, Venus 10 or 8 retrograde, Saturn 15). The Sun
// and the nodes are never combust.
struct CombustionOrb {
  double DirectDeg;
  double RetrogradeDeg;
};
constexpr std::array<CombustionOrb, kStatusBodies> kCombustionOrbs{{
    {0, 0},    // Sun
    {12, 12},  // Moon
    {14, 12},  // Mercury
    {10, 8},   // Venus
    {17, 17},  // Mars
    {11, 11},  // Jupiter
    {15, 15},  // Saturn
    {0, 0},    // Rahu
    {0, 0},    // Ketu
}};

double Normalised(double deg) {
  double lon = std::fmod(deg, 360.0);
  if (lon < 0) lon += 360.0;
  return lon >= 360.0 ? 0.0 : lon;
}

Dignity PlanetDignity(std::size_t row, int sign, double inSignDeg) {
  const Dignities& d = kDignities[row];
  const bool inMoolatrikona =
      sign == d.MoolatrikonaSign && inSignDeg >= d.MoolatrikonaFrom && inSignDeg < d.MoolatrikonaTo;
  if (sign == d.ExaltationSign) {
    // The exaltation sign shared with the moolatrikona: exalted only below its start.
    const bool shared = d.ExaltationSign == d.MoolatrikonaSign;
    if (!shared || inSignDeg < d.MoolatrikonaFrom) return Dignity::Exalted;
  }
  if (sign == (d.ExaltationSign + 6) % 12) return Dignity::Debilitated;
  if (inMoolatrikona) return Dignity::Moolatrikona;
  if (sign == d.OwnSigns[0] || sign == d.OwnSigns[1]) return Dignity::OwnSign;
  switch (d.Towards[static_cast<std::size_t>(kSignLords[static_cast<std::size_t>(sign)])]) {
    case Friendship::Friend:
      return Dignity::FriendSign;
    case Friendship::Neutral:
      return Dignity::NeutralSign;
    case Friendship::Enemy:
      break;
  }
  return Dignity::EnemySign;
}

Dignity NodeDignity(std::size_t row, int sign) {
  const int exaltation = kNodeExaltations[row - 7];
  if (sign == exaltation) return Dignity::Exalted;
  if (sign == (exaltation + 6) % 12) return Dignity::Debilitated;
  return Dignity::None;
}

}  // namespace

std::string_view DignityName(Dignity dignity) {
  switch (dignity) {
    case Dignity::Exalted:
      return "Exalted";
    case Dignity::Debilitated:
      return "Debilitated";
    case Dignity::Moolatrikona:
      return "Moolatrikona";
    case Dignity::OwnSign:
      return "Own sign";
    case Dignity::FriendSign:
      return "Friend's sign";
    case Dignity::NeutralSign:
      return "Neutral sign";
    case Dignity::EnemySign:
      return "Enemy's sign";
    case Dignity::None:
      break;
  }
  return "";
}

std::string_view DignityKey(Dignity dignity) {
  switch (dignity) {
    case Dignity::Exalted:
      return "exalted";
    case Dignity::Debilitated:
      return "debilitated";
    case Dignity::Moolatrikona:
      return "moolatrikona";
    case Dignity::OwnSign:
      return "own";
    case Dignity::FriendSign:
      return "friend";
    case Dignity::NeutralSign:
      return "neutral";
    case Dignity::EnemySign:
      return "enemy";
    case Dignity::None:
      break;
  }
  return "";
}

PlanetStatus StatusOf(std::size_t row, double longitudeDeg, std::optional<double> speedDegPerDay,
                      double sunLongitudeDeg) {
  PlanetStatus status;
  if (row >= kStatusBodies) return status;
  const double lon = Normalised(longitudeDeg);
  const int sign = std::min(static_cast<int>(lon / 30.0), 11);
  const double inSign = lon - 30.0 * sign;
  status.SignDignity = row < 7 ? PlanetDignity(row, sign, inSign) : NodeDignity(row, sign);
  if (speedDegPerDay) status.Retrograde = *speedDegPerDay < 0;

  const double apart = std::fabs(Normalised(lon - sunLongitudeDeg + 180.0) - 180.0);
  status.DistanceFromSunDeg = apart;
  const CombustionOrb& orb = kCombustionOrbs[row];
  const double orbDeg = status.Retrograde.value_or(false) ? orb.RetrogradeDeg : orb.DirectDeg;
  status.Combust = orbDeg > 0 && apart <= orbDeg;
  return status;
}

std::array<PlanetStatus, kStatusBodies> PlanetStatuses(
    const ChartRecord& sidereal, const std::array<double, kLongitudeRows>* speedsDegPerDay) {
  std::array<PlanetStatus, kStatusBodies> statuses;
  // The planets share the Sun's ecliptic; the Moon is measured from the Sun on its own.
  const double sun = sidereal.Longitudes[0];
  const double sunForTheMoon = SunOnTheMoonsEquinoxDeg(sidereal);
  for (std::size_t row = 0; row < statuses.size(); ++row) {
    const std::optional<double> speed =
        speedsDegPerDay ? std::optional<double>((*speedsDegPerDay)[row]) : std::nullopt;
    statuses[row] =
        StatusOf(row, sidereal.Longitudes[row], speed, row == kMoonRow ? sunForTheMoon : sun);
  }
  return statuses;
}

std::array<PlanetStatus, kStatusBodies> PlanetStatuses(const ChartRecord& sidereal) {
  return PlanetStatuses(sidereal, &sidereal.SpeedsDegPerDay);
}

}  // namespace velmora
