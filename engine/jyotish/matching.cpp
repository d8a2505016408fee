#include "engine/jyotish/matching.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/jyotish/zodiac.h"

namespace velmora {
namespace {

// Where each Moon stands: its nakshatra (0 Ashwini .. 26 Revati), sign (0 Aries .. 11
// Pisces) and whether it is in the second half of the sign (Vashya splits two signs).
struct MoonPlace {
  int Nakshatra;
  int Sign;
  bool SecondHalf;
};

MoonPlace PlaceOf(double moonDeg) {
  double lon = std::fmod(moonDeg, 360.0);
  if (lon < 0.0) lon += 360.0;
  // Counted in arc-minutes as the nakshatra beside the chart and the dasha are, so that all
  // three agree at a nakshatra's very edge.
  int nakshatra = static_cast<int>(std::floor(60.0 * lon / 800.0));
  if (nakshatra > 26) nakshatra = 26;
  int sign = static_cast<int>(lon / 30.0);
  if (sign > 11) sign = 11;
  return {nakshatra, sign, lon - 30.0 * sign >= 15.0};
}

// ---- Varna (1 point) -------------------------------------------------------------------
// The water signs are Brahmin, the fire signs Kshatriya, the earth signs Vaishya and the air
// signs Shudra; the point is given when the groom's varna is not below the bride's.
constexpr std::array<std::string_view, 4> kVarnaNames{"Shudra", "Vaishya", "Kshatriya", "Brahmin"};
int VarnaRank(int sign) {
  static constexpr std::array<int, 4> kByElement{2, 1, 0, 3};  // fire, earth, air, water
  return kByElement[static_cast<std::size_t>(sign % 4)];
}

// ---- Vashya (2 points) -----------------------------------------------------------------
// Groups after Muhurta Chintamani (vivaha prakarana): Sagittarius is human in its first half
// and four-footed in its second, Capricorn four-footed and then of the water.
enum Vashya { kChatushpada, kManava, kJalachara, kVanachara, kKeeta };
constexpr std::array<std::string_view, 5> kVashyaNames{"Chatushpada", "Manava", "Jalachara",
                                                       "Vanachara", "Keeta"};
int VashyaOf(const MoonPlace& m) {
  static constexpr std::array<int, 12> kBySign{kChatushpada, kChatushpada, kManava, kJalachara,
                                               kVanachara,   kManava,      kManava, kKeeta,
                                               kManava,      kChatushpada, kManava, kJalachara};
  if (m.Sign == 8 && m.SecondHalf) return kChatushpada;
  if (m.Sign == 9 && m.SecondHalf) return kJalachara;
  return kBySign[static_cast<std::size_t>(m.Sign)];
}
// The same verse: every sign but Leo is subdued by the human signs, the water signs are
// their food, Leo subdues all but Scorpio. Same group 2; one subdued by the other 1; one the
// other's food 1/2; enemies 0.
static constexpr double kVashyaPoints[5][5] = {
    {2, 1, 1, 0.5, 1},  // Chatushpada
    {1, 2, 0.5, 0, 1},  // Manava
    {1, 0.5, 2, 1, 1},  // Jalachara
    {0.5, 0, 1, 2, 0},  // Vanachara
    {1, 1, 1, 0, 2},    // Keeta
};

// ---- Tara (3 points) -------------------------------------------------------------------
constexpr std::array<std::string_view, 9> kTaraNames{"Janma",    "Sampat",  "Vipat",
                                                     "Kshema",   "Pratyak", "Sadhana",
                                                     "Naidhana", "Mitra",   "Parama Mitra"};

TaraCount CountTara(int fromNakshatra, int toNakshatra) {
  TaraCount t;
  t.Count = (toNakshatra - fromNakshatra + 27) % 27 + 1;
  t.Tara = (t.Count - 1) % 9 + 1;
  t.Name = kTaraNames[static_cast<std::size_t>(t.Tara - 1)];
  // The 3rd, 5th and 7th taras bring danger, obstacles and death.
  t.Auspicious = t.Tara != 3 && t.Tara != 5 && t.Tara != 7;
  return t;
}

// ---- Yoni (4 points) -------------------------------------------------------------------
enum Yoni {
  kHorse,
  kElephant,
  kSheep,
  kSerpent,
  kDog,
  kCat,
  kRat,
  kCow,
  kBuffalo,
  kTiger,
  kDeer,
  kMonkey,
  kMongoose,
  kLion
};
constexpr std::array<std::string_view, 14> kYoniNames{
    "Horse", "Elephant", "Sheep", "Serpent", "Dog",    "Cat",      "Rat",
    "Cow",   "Buffalo",  "Tiger", "Deer",    "Monkey", "Mongoose", "Lion"};
// Ashwini .. Revati; the Mongoose's pair is Abhijit, which matching does not count.
static constexpr std::array<int, 27> kYoniOfNakshatra{
    kHorse, kElephant, kSheep,    kSerpent, kSerpent, kDog,     kCat,   kSheep, kCat,
    kRat,   kRat,      kCow,      kBuffalo, kTiger,   kBuffalo, kTiger, kDeer,  kDeer,
    kDog,   kMonkey,   kMongoose, kMonkey,  kLion,    kHorse,   kLion,  kCow,   kElephant};
// Same animal 4, friends 3, neutral 2, unfriendly 1, sworn enemies 0 (horse and buffalo,
// elephant and lion, sheep and monkey, serpent and mongoose, dog and deer, cat and rat, cow
// and tiger), as the yoni koota table of the muhurta texts gives it.
static constexpr int kYoniPoints[14][14] = {
    // Ho El Sh Se Do Ca Ra Co Bu Ti De Mo Mg Li
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
};

// ---- Graha Maitri (5 points) -----------------------------------------------------------
enum Planet { kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn };
constexpr std::array<std::string_view, 7> kPlanetNames{"Sun",     "Moon",  "Mars",  "Mercury",
                                                       "Jupiter", "Venus", "Saturn"};
static constexpr std::array<int, 12> kSignLord{kMars,    kVenus,   kMercury, kMoon,
                                               kSun,     kMercury, kVenus,   kMars,
                                               kJupiter, kSaturn,  kSaturn,  kJupiter};
enum Relation { kFriend, kNeutral, kEnemy };
// The natural friendships of Brihat Parashara Hora Shastra: how the row's planet regards the
// column's.
static constexpr int kNaturalRelation[7][7] = {
    // Su        Mo        Ma        Me        Ju        Ve        Sa
    {kFriend, kFriend, kFriend, kNeutral, kFriend, kEnemy, kEnemy},       // Sun
    {kFriend, kFriend, kNeutral, kFriend, kNeutral, kNeutral, kNeutral},  // Moon
    {kFriend, kFriend, kFriend, kEnemy, kFriend, kNeutral, kNeutral},     // Mars
    {kFriend, kEnemy, kNeutral, kFriend, kNeutral, kFriend, kNeutral},    // Mercury
    {kFriend, kFriend, kFriend, kEnemy, kFriend, kEnemy, kNeutral},       // Jupiter
    {kEnemy, kEnemy, kNeutral, kFriend, kNeutral, kFriend, kFriend},      // Venus
    {kEnemy, kEnemy, kEnemy, kFriend, kNeutral, kFriend, kFriend},        // Saturn
};
double MaitriPoints(int groomLord, int brideLord) {
  if (groomLord == brideLord) return 5;
  const int a = kNaturalRelation[groomLord][brideLord];
  const int b = kNaturalRelation[brideLord][groomLord];
  // Both friends 5, friend and neutral 4, both neutral 3, friend and enemy 1, neutral and
  // enemy 1/2, both enemies 0.
  static constexpr double kByRelations[3][3] = {{5, 4, 1}, {4, 3, 0.5}, {1, 0.5, 0}};
  return kByRelations[a][b];
}

// ---- Gana (6 points) -------------------------------------------------------------------
enum Gana { kDeva, kManushya, kRakshasa };
constexpr std::array<std::string_view, 3> kGanaNames{"Deva", "Manushya", "Rakshasa"};
static constexpr std::array<int, 27> kGanaOfNakshatra{
    kDeva, kManushya, kRakshasa, kManushya, kDeva,     kManushya, kDeva,
    kDeva, kRakshasa, kRakshasa, kManushya, kManushya, kDeva,     kRakshasa,
    kDeva, kRakshasa, kDeva,     kRakshasa, kRakshasa, kManushya, kManushya,
    kDeva, kRakshasa, kRakshasa, kManushya, kManushya, kDeva};
// Muhurta Chintamani: "svajatau parama pritir madhyama devamartyayoh, martyarakshasayor
// mrityuh, kalaho devarakshasoh": the same gana is best (6), Deva with Manushya middling (5),
// Deva with Rakshasa quarrel (1), Manushya with Rakshasa death (0). The verse names pairs,
// not who is the bride, so the table is the same both ways.
static constexpr double kGanaPoints[3][3] = {{6, 5, 1}, {5, 6, 0}, {1, 0, 6}};

// ---- Bhakoot (7 points) ----------------------------------------------------------------
// The Moons 2nd and 12th, 5th and 9th, or 6th and 8th from each other give nothing; 1/1,
// 3/11, 4/10 and 7/7 give the 7 points.
double BhakootPoints(int fromBride) {
  switch (fromBride) {
    case 2:
    case 12:
    case 5:
    case 9:
    case 6:
    case 8:
      return 0;
    default:
      return 7;
  }
}

// ---- Nadi (8 points) -------------------------------------------------------------------
enum Nadi { kAdi, kMadhya, kAntya };
constexpr std::array<std::string_view, 3> kNadiNames{"Adi", "Madhya", "Antya"};
// Adi, Madhya, Antya, Antya, Madhya, Adi, and again, from Ashwini.
int NadiOf(int nakshatra) {
  static constexpr std::array<int, 6> kCycle{kAdi, kMadhya, kAntya, kAntya, kMadhya, kAdi};
  return kCycle[static_cast<std::size_t>(nakshatra % 6)];
}

template <std::size_t N>
std::string_view NameIn(const std::array<std::string_view, N>& names, int index) {
  return names[static_cast<std::size_t>(index)];
}

}  // namespace

AshtakootaMatch MatchMoons(double groomMoonDeg, double brideMoonDeg) {
  const MoonPlace g = PlaceOf(groomMoonDeg);
  const MoonPlace b = PlaceOf(brideMoonDeg);
  AshtakootaMatch m;
  auto set = [&m](Koota koota, double points, std::string_view groom, std::string_view bride) {
    m.Kootas[static_cast<std::size_t>(koota)] = {koota, points, groom, bride};
  };

  const int gv = VarnaRank(g.Sign), bv = VarnaRank(b.Sign);
  set(Koota::Varna, gv >= bv ? 1 : 0, NameIn(kVarnaNames, gv), NameIn(kVarnaNames, bv));

  const int gw = VashyaOf(g), bw = VashyaOf(b);
  set(Koota::Vashya, kVashyaPoints[gw][bw], NameIn(kVashyaNames, gw), NameIn(kVashyaNames, bw));

  m.TaraFromBride = CountTara(b.Nakshatra, g.Nakshatra);
  m.TaraFromGroom = CountTara(g.Nakshatra, b.Nakshatra);
  set(Koota::Tara, 1.5 * (m.TaraFromBride.Auspicious + m.TaraFromGroom.Auspicious),
      m.TaraFromGroom.Name, m.TaraFromBride.Name);

  const int gy = kYoniOfNakshatra[static_cast<std::size_t>(g.Nakshatra)];
  const int by = kYoniOfNakshatra[static_cast<std::size_t>(b.Nakshatra)];
  set(Koota::Yoni, kYoniPoints[gy][by], NameIn(kYoniNames, gy), NameIn(kYoniNames, by));

  const int gl = kSignLord[static_cast<std::size_t>(g.Sign)];
  const int bl = kSignLord[static_cast<std::size_t>(b.Sign)];
  set(Koota::GrahaMaitri, MaitriPoints(gl, bl), NameIn(kPlanetNames, gl), NameIn(kPlanetNames, bl));

  const int gg = kGanaOfNakshatra[static_cast<std::size_t>(g.Nakshatra)];
  const int bg = kGanaOfNakshatra[static_cast<std::size_t>(b.Nakshatra)];
  set(Koota::Gana, kGanaPoints[gg][bg], NameIn(kGanaNames, gg), NameIn(kGanaNames, bg));

  m.BhakootFromBride = (g.Sign - b.Sign + 12) % 12 + 1;
  set(Koota::Bhakoot, BhakootPoints(m.BhakootFromBride),
      kRashiNames[static_cast<std::size_t>(g.Sign)], kRashiNames[static_cast<std::size_t>(b.Sign)]);

  const int gn = NadiOf(g.Nakshatra), bn = NadiOf(b.Nakshatra);
  set(Koota::Nadi, gn == bn ? 0 : 8, NameIn(kNadiNames, gn), NameIn(kNadiNames, bn));

  for (const KootaScore& k : m.Kootas) m.Total += k.Points;
  return m;
}

KundliMatch MatchCharts(const ChartRecord& groom, const ChartRecord& bride) {
  return {MatchMoons(groom.Longitudes[kMoonRow], bride.Longitudes[kMoonRow]), ComputeManglik(groom),
          ComputeManglik(bride)};
}

std::string_view MatchRating(double total) {
  if (total >= 33) return "Excellent";
  if (total >= 25) return "Good";
  if (total >= 18) return "Acceptable";
  return "Not recommended";
}

std::string PointsText(double points) {
  char text[32];
  if (points == std::floor(points)) {
    std::snprintf(text, sizeof text, "%.0f", points);
  } else {
    std::snprintf(text, sizeof text, "%.1f", points);
  }
  return text;
}

std::string ManglikPairing(const ManglikResult& groom, const ManglikResult& bride) {
  const bool g = groom.IsManglik(), b = bride.IsManglik();
  if (!g && !b) return "Neither is Manglik.";
  if (g && b) return "Both are Manglik: the dosha is matched.";
  return g ? "The groom is Manglik and the bride is not: the dosha is unmatched."
           : "The bride is Manglik and the groom is not: the dosha is unmatched.";
}

std::string MatchVerdict(const KundliMatch& match) {
  const AshtakootaMatch& m = match.Ashtakoota;
  std::string rating(MatchRating(m.Total));
  for (char& c : rating) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  const bool vowel = rating[0] == 'a' || rating[0] == 'e';
  std::string text =
      PointsText(m.Total) + " of 36 points: " +
      (rating == "not recommended" ? std::string("a match not recommended")
                                   : std::string(vowel ? "an " : "a ") + rating + " match") +
      ".";
  const KootaScore& nadi = m.Score(Koota::Nadi);
  if (nadi.Points == 0) {
    text += " Nadi dosha: both are of " + std::string(nadi.Groom) + " nadi.";
  }
  if (m.Score(Koota::Bhakoot).Points == 0) {
    const int a = m.BhakootFromBride, b = 14 - a;  // 2 and 12, 5 and 9, 6 and 8
    text += " Bhakoot dosha: the Moon signs are " + OrdinalHouse(std::min(a, b)) + " and " +
            OrdinalHouse(std::max(a, b)) + " from each other.";
  }
  text += " " + ManglikPairing(match.GroomManglik, match.BrideManglik);
  return text;
}

}  // namespace velmora
