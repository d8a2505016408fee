// Kundli matching: the eight kootas of Ashtakoota from the two Moons, with their points out
// of 36, both charts' Manglik dosha and a verdict in words.
//
// The first chart is always the groom's (vara) and the second the bride's (kanya), the order
// in which matching forms ask for them; the rules that are not symmetric (Varna, and the
// direction Tara and Bhakoot are counted in) read them so.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/chart_record.h"
#include "engine/jyotish/manglik.h"

namespace velmora {

enum class Koota : std::int8_t { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };

struct KootaInfo {
  velmora::Koota Koota;
  std::string_view Name;
  double MaxPoints;
};

inline constexpr std::array<KootaInfo, 8> kKootas{{
    {Koota::Varna, "Varna", 1},
    {Koota::Vashya, "Vashya", 2},
    {Koota::Tara, "Tara", 3},
    {Koota::Yoni, "Yoni", 4},
    {Koota::GrahaMaitri, "Graha Maitri", 5},
    {Koota::Gana, "Gana", 6},
    {Koota::Bhakoot, "Bhakoot", 7},
    {Koota::Nadi, "Nadi", 8},
}};
inline constexpr double kAshtakootaMaxPoints = 36;

// One star counted from another, both inclusive: the count (1..27), its tara (1 Janma ..
// 9 Parama Mitra) and whether that tara is a good one (all but Vipat, Pratyak and Naidhana).
struct TaraCount {
  int Count = 0;
  int Tara = 0;
  std::string_view Name;
  bool Auspicious = false;
};

// What one koota gave: its points, and what it compared on each side ("Brahmin", "Horse",
// "Deva", a sign's lord ...). For Tara each side is the tara counted from that person's star.
struct KootaScore {
  velmora::Koota Koota = velmora::Koota::Varna;
  double Points = 0;
  std::string_view Groom;
  std::string_view Bride;
};

struct AshtakootaMatch {
  std::array<KootaScore, 8> Kootas{};  // in the order of kKootas
  TaraCount TaraFromBride;             // the groom's star counted from the bride's
  TaraCount TaraFromGroom;             // the bride's star counted from the groom's
  int BhakootFromBride = 0;            // the groom's Moon sign counted from the bride's, 1..12
  double Total = 0;

  const KootaScore& Score(velmora::Koota koota) const {
    return Kootas[static_cast<std::size_t>(koota)];
  }
};

// The eight kootas from the two Moons' sidereal longitudes (degrees).
AshtakootaMatch MatchMoons(double groomMoonDeg, double brideMoonDeg);

struct KundliMatch {
  AshtakootaMatch Ashtakoota;
  ManglikResult GroomManglik;
  ManglikResult BrideManglik;
};

// Both sidereal charts, the groom's first.
KundliMatch MatchCharts(const ChartRecord& groomSidereal, const ChartRecord& brideSidereal);

// The match in a word, by its total: "Excellent" (33 and more), "Good" (25 and more),
// "Acceptable" (18 and more, the least the tradition accepts), "Not recommended".
std::string_view MatchRating(double totalPoints);

// "24.5 of 36 points: an acceptable match. Nadi dosha: both are of Madhya nadi. ..."
std::string MatchVerdict(const KundliMatch& match);

// How the two Manglik results stand together: "Neither is Manglik.", "Both are Manglik: the
// dosha is matched.", "The groom is Manglik and the bride is not: the dosha is unmatched."
std::string ManglikPairing(const ManglikResult& groom, const ManglikResult& bride);

// "24.5", "36", "0.5": points as a person writes them.
std::string PointsText(double points);

}  // namespace velmora
