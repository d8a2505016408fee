#include <gtest/gtest.h>

#include "engine/jyotish/matching.h"
#include "engine/jyotish/zodiac.h"
#include "test_births.h"

namespace velmora {
namespace {

// A Moon in the middle of nakshatra n (0 Ashwini .. 26 Revati).
constexpr double Star(int n) {
  return (n + 0.5) * 40.0 / 3.0;
}
// A Moon at `degrees` within sign s (0 Aries .. 11 Pisces).
constexpr double At(int sign, double degrees) {
  return 30.0 * sign + degrees;
}

struct KootaCase {
  const char* Name;
  double GroomMoonDeg, BrideMoonDeg;
  velmora::Koota Koota;
  double WantPoints;
  const char* WantGroom;
  const char* WantBride;
};

// Each row is one statement of the rules as the classical texts give them (Muhurta
// Chintamani's vivaha prakarana for the kootas, Brihat Parashara Hora Shastra for the
// planets' friendships); tests/data/README.md names them.
constexpr KootaCase kKootaCases[] = {
    // Varna: the groom's varna may not be below the bride's.
    {"VarnaKshatriyaGroomBrahminBrideGivesNothing", At(0, 5), At(3, 5), Koota::Varna, 0,
     "Kshatriya", "Brahmin"},
    {"VarnaBrahminGroomKshatriyaBrideGivesThePoint", At(3, 5), At(0, 5), Koota::Varna, 1, "Brahmin",
     "Kshatriya"},
    {"VarnaSameVarnaGivesThePoint", At(1, 5), At(9, 20), Koota::Varna, 1, "Vaishya", "Vaishya"},
    {"VarnaShudraGroomVaishyaBrideGivesNothing", At(10, 5), At(5, 5), Koota::Varna, 0, "Shudra",
     "Vaishya"},
    // Vashya: Sagittarius and Capricorn change group at their middle.
    {"VashyaSameGroupGivesTwo", At(0, 5), At(1, 5), Koota::Vashya, 2, "Chatushpada", "Chatushpada"},
    {"VashyaLeoAndHumanSignAreEnemies", At(4, 5), At(2, 5), Koota::Vashya, 0, "Vanachara",
     "Manava"},
    {"VashyaLeoAndScorpioAreEnemies", At(7, 5), At(4, 5), Koota::Vashya, 0, "Keeta", "Vanachara"},
    {"VashyaWaterSignIsHumanSignsFood", At(5, 5), At(11, 5), Koota::Vashya, 0.5, "Manava",
     "Jalachara"},
    {"VashyaFourFootedIsLeosFood", At(4, 5), At(0, 5), Koota::Vashya, 0.5, "Vanachara",
     "Chatushpada"},
    {"VashyaSagittariusFirstHalfIsHuman", At(8, 14.9), At(6, 5), Koota::Vashya, 2, "Manava",
     "Manava"},
    {"VashyaSagittariusSecondHalfIsFourFooted", At(8, 15.1), At(6, 5), Koota::Vashya, 1,
     "Chatushpada", "Manava"},
    {"VashyaCapricornSecondHalfIsOfTheWater", At(9, 20), At(3, 5), Koota::Vashya, 2, "Jalachara",
     "Jalachara"},
    {"VashyaCapricornFirstHalfIsFourFooted", At(9, 5), At(3, 5), Koota::Vashya, 1, "Chatushpada",
     "Jalachara"},
    // Tara: counted both ways; the 3rd, 5th and 7th of each nine are bad.
    {"TaraSameStarIsJanmaBothWays", Star(0), Star(0), Koota::Tara, 3, "Janma", "Janma"},
    {"TaraThirdFromTheBrideIsVipat", Star(2), Star(0), Koota::Tara, 1.5, "Mitra", "Vipat"},
    {"TaraFifthFromTheGroomIsPratyak", Star(10), Star(14), Koota::Tara, 1.5, "Pratyak", "Sadhana"},
    {"TaraSeventhAndFourthIsHalf", Star(6), Star(0), Koota::Tara, 1.5, "Kshema", "Naidhana"},
    {"TaraSecondAndTwentySeventhAreBothGood", Star(1), Star(0), Koota::Tara, 3, "Parama Mitra",
     "Sampat"},
    // Yoni: the animals of the stars.
    {"YoniHorseAndHorseIsSame", Star(0), Star(23), Koota::Yoni, 4, "Horse", "Horse"},
    {"YoniHorseAndBuffaloAreSwornEnemies", Star(0), Star(12), Koota::Yoni, 0, "Horse", "Buffalo"},
    {"YoniElephantAndLionAreSwornEnemies", Star(1), Star(22), Koota::Yoni, 0, "Elephant", "Lion"},
    {"YoniCatAndRatAreSwornEnemies", Star(6), Star(9), Koota::Yoni, 0, "Cat", "Rat"},
    {"YoniCowAndTigerAreSwornEnemies", Star(11), Star(13), Koota::Yoni, 0, "Cow", "Tiger"},
    {"YoniSerpentAndMongooseAreSwornEnemies", Star(3), Star(20), Koota::Yoni, 0, "Serpent",
     "Mongoose"},
    {"YoniDogAndDeerAreSwornEnemies", Star(5), Star(16), Koota::Yoni, 0, "Dog", "Deer"},
    {"YoniSheepAndMonkeyAreSwornEnemies", Star(7), Star(19), Koota::Yoni, 0, "Sheep", "Monkey"},
    {"YoniCowAndBuffaloAreFriends", Star(25), Star(14), Koota::Yoni, 3, "Cow", "Buffalo"},
    // Graha Maitri: the lords of the two Moon signs.
    {"MaitriSameLordGivesFive", At(0, 5), At(7, 5), Koota::GrahaMaitri, 5, "Mars", "Mars"},
    {"MaitriMutualFriendsGiveFive", At(4, 5), At(8, 5), Koota::GrahaMaitri, 5, "Sun", "Jupiter"},
    {"MaitriFriendAndNeutralGiveFour", At(0, 5), At(3, 5), Koota::GrahaMaitri, 4, "Mars", "Moon"},
    {"MaitriBothNeutralGiveThree", At(8, 5), At(9, 5), Koota::GrahaMaitri, 3, "Jupiter", "Saturn"},
    {"MaitriFriendAndEnemyGiveOne", At(2, 5), At(3, 5), Koota::GrahaMaitri, 1, "Mercury", "Moon"},
    {"MaitriNeutralAndEnemyGiveHalf", At(7, 5), At(5, 5), Koota::GrahaMaitri, 0.5, "Mars",
     "Mercury"},
    {"MaitriMutualEnemiesGiveNothing", At(4, 5), At(6, 5), Koota::GrahaMaitri, 0, "Sun", "Venus"},
    // Gana: the temperaments of the stars.
    {"GanaSameGanaGivesSix", Star(0), Star(4), Koota::Gana, 6, "Deva", "Deva"},
    {"GanaDevaAndManushyaGiveFive", Star(0), Star(1), Koota::Gana, 5, "Deva", "Manushya"},
    {"GanaDevaAndRakshasaQuarrel", Star(2), Star(6), Koota::Gana, 1, "Rakshasa", "Deva"},
    {"GanaManushyaAndRakshasaGiveNothing", Star(3), Star(8), Koota::Gana, 0, "Manushya",
     "Rakshasa"},
    // Bhakoot: the two Moon signs from each other.
    {"BhakootSameSignGivesSeven", At(4, 5), At(4, 20), Koota::Bhakoot, 7, "Simha", "Simha"},
    {"BhakootSixthAndEighthGiveNothing", At(4, 5), At(9, 5), Koota::Bhakoot, 0, "Simha", "Makara"},
    {"BhakootSecondAndTwelfthGiveNothing", At(1, 5), At(0, 5), Koota::Bhakoot, 0, "Vrishabha",
     "Mesha"},
    {"BhakootFifthAndNinthGiveNothing", At(8, 5), At(4, 5), Koota::Bhakoot, 0, "Dhanus", "Simha"},
    {"BhakootThirdAndEleventhGiveSeven", At(2, 5), At(0, 5), Koota::Bhakoot, 7, "Mithuna", "Mesha"},
    {"BhakootFourthAndTenthGiveSeven", At(3, 5), At(0, 5), Koota::Bhakoot, 7, "Kataka", "Mesha"},
    {"BhakootSeventhGivesSeven", At(6, 5), At(0, 5), Koota::Bhakoot, 7, "Thula", "Mesha"},
    // Nadi: the same nadi gives nothing.
    {"NadiSameAdiGivesNothing", Star(0), Star(5), Koota::Nadi, 0, "Adi", "Adi"},
    {"NadiAdiAndMadhyaGiveEight", Star(0), Star(1), Koota::Nadi, 8, "Adi", "Madhya"},
    {"NadiRevatiIsAntya", Star(26), Star(2), Koota::Nadi, 0, "Antya", "Antya"},
    {"NadiShatabhishaIsAdiUttaraBhadrapadaMadhya", Star(23), Star(25), Koota::Nadi, 8, "Adi",
     "Madhya"},
};

class KootaTest : public testing::TestWithParam<KootaCase> {};

TEST_P(KootaTest, FollowsTheClassicalRule) {
  const KootaCase& c = GetParam();
  const AshtakootaMatch match = MatchMoons(c.GroomMoonDeg, c.BrideMoonDeg);
  const KootaScore& score = match.Score(c.Koota);
  EXPECT_EQ(score.Koota, c.Koota);
  EXPECT_EQ(score.Points, c.WantPoints);
  EXPECT_EQ(score.Groom, c.WantGroom);
  EXPECT_EQ(score.Bride, c.WantBride);
}

INSTANTIATE_TEST_SUITE_P(Rules, KootaTest, testing::ValuesIn(kKootaCases),
                         [](const testing::TestParamInfo<KootaCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST(TaraCounts, AreKeptFromBothStars) {
  // Bride in Ashwini, groom in Krittika: the groom's star is the 3rd from hers, hers the 26th
  // from his.
  const AshtakootaMatch m = MatchMoons(Star(2), Star(0));
  EXPECT_EQ(m.TaraFromBride.Count, 3);
  EXPECT_EQ(m.TaraFromBride.Tara, 3);
  EXPECT_FALSE(m.TaraFromBride.Auspicious);
  EXPECT_EQ(m.TaraFromGroom.Count, 26);
  EXPECT_EQ(m.TaraFromGroom.Tara, 8);
  EXPECT_TRUE(m.TaraFromGroom.Auspicious);
}

// Both Moons in one star: everything agrees but the nadi, the classical 28 with Nadi dosha.
TEST(SameStar, GivesTwentyEightWithNadiDosha) {
  const AshtakootaMatch m = MatchMoons(At(0, 5), At(0, 8));
  EXPECT_EQ(m.Total, 28);
  EXPECT_EQ(m.Score(Koota::Nadi).Points, 0);
}

// Every quarter-star against every other: the rules that do not ask who is the bride give
// the same points when the two charts change places, and every total stays within 0..36 and
// is the sum of its kootas.
TEST(MatchSymmetry, SymmetricKootasIgnoreWhoIsTheBride) {
  constexpr Koota kSymmetric[] = {Koota::Vashya, Koota::Tara,    Koota::Yoni, Koota::GrahaMaitri,
                                  Koota::Gana,   Koota::Bhakoot, Koota::Nadi};
  double lowest = 36, highest = 0;
  for (int a = 0; a < 108; ++a) {
    for (int b = 0; b < 108; ++b) {
      const double moonA = (a + 0.5) * 10.0 / 3.0, moonB = (b + 0.5) * 10.0 / 3.0;
      const AshtakootaMatch ab = MatchMoons(moonA, moonB);
      const AshtakootaMatch ba = MatchMoons(moonB, moonA);
      double sum = 0;
      for (std::size_t k = 0; k < kKootas.size(); ++k) {
        EXPECT_GE(ab.Kootas[k].Points, 0);
        EXPECT_LE(ab.Kootas[k].Points, kKootas[k].MaxPoints);
        sum += ab.Kootas[k].Points;
      }
      EXPECT_EQ(ab.Total, sum);
      for (Koota k : kSymmetric) {
        ASSERT_EQ(ab.Score(k).Points, ba.Score(k).Points)
            << kKootas[static_cast<std::size_t>(k)].Name << " " << a << " " << b;
      }
      // Varna is the one rule that reads who is the groom: at least one way gives the point.
      EXPECT_GE(ab.Score(Koota::Varna).Points + ba.Score(Koota::Varna).Points, 1);
      lowest = std::min(lowest, ab.Total);
      highest = std::max(highest, ab.Total);
    }
  }
  EXPECT_GE(lowest, 0);
  EXPECT_LE(highest, kAshtakootaMaxPoints);
}

TEST(MatchRatings, FollowTheTotal) {
  EXPECT_EQ(MatchRating(36), "Excellent");
  EXPECT_EQ(MatchRating(33), "Excellent");
  EXPECT_EQ(MatchRating(32.5), "Good");
  EXPECT_EQ(MatchRating(25), "Good");
  EXPECT_EQ(MatchRating(24.5), "Acceptable");
  EXPECT_EQ(MatchRating(18), "Acceptable");
  EXPECT_EQ(MatchRating(17.5), "Not recommended");
}

TEST(MatchPoints, AreWrittenAsPeopleWriteThem) {
  EXPECT_EQ(PointsText(24.5), "24.5");
  EXPECT_EQ(PointsText(36), "36");
  EXPECT_EQ(PointsText(0.5), "0.5");
  EXPECT_EQ(PointsText(0), "0");
}

ChartRecord ChartOf(const BirthFormData& f) {
  ChartRecord c;
  ReadBirthData(c, f);
  // The formulas, asked for by name: the default may change, these expectations do not.
  RunSiderealEngine(c, EngineOptions{PositionSource::Formula, LunarNode::Mean});
  SetDisplayValues(c);
  return c;
}

// The New Delhi and Sydney births: the match reads each record's Moon and Manglik.
TEST(MatchOfCharts, ReadsBothRecords) {
  const ChartRecord groom = ChartOf(test::DelhiBirth());
  const ChartRecord bride = ChartOf(test::SydneyBirth());
  const KundliMatch match = MatchCharts(groom, bride);
  const AshtakootaMatch direct = MatchMoons(groom.Longitudes[kMoonRow], bride.Longitudes[kMoonRow]);
  EXPECT_EQ(match.Ashtakoota.Total, direct.Total);
  EXPECT_EQ(ManglikSummary(match.GroomManglik), ManglikSummary(ComputeManglik(groom)));
  EXPECT_EQ(ManglikSummary(match.BrideManglik), ManglikSummary(ComputeManglik(bride)));
  // The Yoni koota compares the animals of the stars shown beside the two charts.
  const KootaScore& yoni = match.Ashtakoota.Score(Koota::Yoni);
  EXPECT_FALSE(yoni.Groom.empty());
  EXPECT_EQ(groom.MoonNakshatra, "Punarvasu");
  EXPECT_EQ(yoni.Groom, "Cat");
}

struct VerdictCase {
  const char* Name;
  double GroomMoonDeg, BrideMoonDeg;
  const char* Want;
};

constexpr VerdictCase kVerdicts[] = {
    {"SameStarHasNadiDosha", At(0, 5), At(0, 8),
     "28 of 36 points: a good match. Nadi dosha: both are of Adi nadi. Neither is Manglik."},
    {"SixEightHasBhakootDosha", Star(9), Star(21),
     "6.5 of 36 points: a match not recommended. Nadi dosha: both are of Antya nadi. Bhakoot "
     "dosha: the Moon signs are 6th and 8th from each other. Neither is Manglik."},
};

class VerdictTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictTest, NamesTheTotalAndTheDoshas) {
  const VerdictCase& c = GetParam();
  // Mars in the 3rd from everything: no Manglik dosha on either side.
  const ManglikResult none = ComputeManglik(0, 0, 0, 65, 200);
  ASSERT_FALSE(none.HasDosha());
  const KundliMatch match{MatchMoons(c.GroomMoonDeg, c.BrideMoonDeg), none, none};
  EXPECT_EQ(MatchVerdict(match), c.Want);
}

INSTANTIATE_TEST_SUITE_P(Words, VerdictTest, testing::ValuesIn(kVerdicts),
                         [](const testing::TestParamInfo<VerdictCase>& info) {
                           return std::string(info.param.Name);
                         });

TEST(ManglikPairings, SayWhetherTheDoshaIsMatched) {
  const ManglikResult none = ComputeManglik(0, 0, 0, 65, 200);          // Mars in the 3rd
  const ManglikResult manglik = ComputeManglik(0, 100, 100, 190, 250);  // Mars in the 7th
  ASSERT_TRUE(manglik.IsManglik());
  EXPECT_EQ(ManglikPairing(none, none), "Neither is Manglik.");
  EXPECT_EQ(ManglikPairing(manglik, manglik), "Both are Manglik: the dosha is matched.");
  EXPECT_EQ(ManglikPairing(manglik, none),
            "The groom is Manglik and the bride is not: the dosha is unmatched.");
  EXPECT_EQ(ManglikPairing(none, manglik),
            "The bride is Manglik and the groom is not: the dosha is unmatched.");
}

}  // namespace
}  // namespace velmora
