#include <gtest/gtest.h>

#include <algorithm>

#include "engine/places/atlas.h"

namespace velmora {
namespace {

TEST(AtlasTest, HoldsTheWholeGeoNamesTable) {
  EXPECT_GE(AtlasPlaceCount(), 20000u);
}

struct LookupCase {
  const char* Name;
  const char* Typed;
  const char* FirstName;
  const char* Country;
  const char* TimeZone;
};

class PrefixLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(PrefixLookupTest, FindsTheLargestPlaceFirst) {
  const auto& p = GetParam();
  const std::vector<Place> found = FindPlaces(p.Typed, 10);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().Name, p.FirstName);
  EXPECT_EQ(found.front().Country, p.Country);
  EXPECT_EQ(found.front().TimeZone, p.TimeZone);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, PrefixLookupTest,
    testing::Values(
        LookupCase{"AccentsLeftOut", "sao paulo", "São Paulo", "Brazil", "America/Sao_Paulo"},
        LookupCase{"AccentsTyped", "SÃO PAU", "São Paulo", "Brazil", "America/Sao_Paulo"},
        LookupCase{"CaseIgnored", "KATHMANDU", "Kathmandu", "Nepal", "Asia/Kathmandu"},
        LookupCase{"BeginningOnly", "kathm", "Kathmandu", "Nepal", "Asia/Kathmandu"},
        LookupCase{"UmlautFolded", "dusseldorf", "Düsseldorf", "Germany", "Europe/Berlin"},
        LookupCase{"SpacesAroundIgnored", "  caracas ", "Caracas", "Venezuela", "America/Caracas"},
        LookupCase{"LargestOfTheSameBeginning", "lon", "London", "United Kingdom",
                   "Europe/London"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PrefixLookupTest, ListsByPopulationAndStopsAtTheLimit) {
  const std::vector<Place> found = FindPlaces("san", 8);
  ASSERT_EQ(found.size(), 8u);
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), [](const Place& a, const Place& b) {
    return a.Population > b.Population;
  }));
  for (const Place& place : found) EXPECT_TRUE(FoldForSearch(place.Name).starts_with("san"));
}

TEST(PrefixLookupTest, NothingTypedFindsNothing) {
  EXPECT_TRUE(FindPlaces("", 10).empty());
  EXPECT_TRUE(FindPlaces("   ", 10).empty());
  EXPECT_TRUE(FindPlaces("qqqqzz", 10).empty());
}

struct FoldCase {
  const char* Name;
  const char* Text;
  const char* Folded;
};

class FoldTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldTest, DropsCaseAndMarks) {
  EXPECT_EQ(FoldForSearch(GetParam().Text), GetParam().Folded);
}

INSTANTIATE_TEST_SUITE_P(Texts, FoldTest,
                         testing::Values(FoldCase{"Tilde", "São Paulo", "sao paulo"},
                                         FoldCase{"SharpS", "Großenhain", "grossenhain"},
                                         FoldCase{"Stroke", "Łódź", "lodz"},
                                         FoldCase{"Vietnamese", "Đà Nẵng", "da nang"},
                                         FoldCase{"NonLatinKept", "Москва", "Москва"},
                                         FoldCase{"BrokenUtf8Kept", "a\xC3", "a\xC3"}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct BestCase {
  const char* Name;
  const char* Description;
  const char* City;
  const char* State;
  const char* Country;
};

class BestPlaceTest : public testing::TestWithParam<BestCase> {};

TEST_P(BestPlaceTest, PicksTheMatchTheUserMeant) {
  const auto& p = GetParam();
  const auto place = BestPlace(p.Description);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->Name, p.City);
  EXPECT_EQ(place->State, p.State);
  EXPECT_EQ(place->Country, p.Country);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, BestPlaceTest,
    testing::Values(
        BestCase{"CityAlone", "Kathmandu", "Kathmandu", "Bagmati Province", "Nepal"},
        BestCase{"CityAndCountry", "Kathmandu, Nepal", "Kathmandu", "Bagmati Province", "Nepal"},
        BestCase{"CountryPicksAmongNamesakes", "London, Canada", "London", "Ontario", "Canada"},
        BestCase{"CountryCode", "London, CA", "London", "Ontario", "Canada"},
        BestCase{"StateAndCountry", "Portland, Maine, United States", "Portland", "State of Maine",
                 "United States of America"},
        BestCase{"StateInsteadOfCountry", "Portland, Oregon", "Portland", "Oregon",
                 "United States of America"},
        BestCase{"CountryCodeOfTheStates", "Portland, US", "Portland", "Oregon",
                 "United States of America"},
        BestCase{"WholeNameBeatsLargerBeginning", "Pune", "Pune", "Maharashtra", "India"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Every common name finds today's place, and every common name of a country matches it:
// GeoNames' names in other languages and ISO's names and codes, as the atlas is built.
INSTANTIATE_TEST_SUITE_P(
    CommonNames, BestPlaceTest,
    testing::Values(
        BestCase{"Bombay", "Bombay", "Mumbai", "Maharashtra", "India"},
        BestCase{"Madras", "Madras", "Chennai", "Tamil Nadu", "India"},
        BestCase{"Calcutta", "Calcutta", "Kolkata", "State of West Bengal", "India"},
        BestCase{"Bangalore", "Bangalore", "Bengaluru", "Karnataka", "India"},
        BestCase{"Peking", "Peking", "Beijing", "Beijing Municipality", "China"},
        BestCase{"BombayWithItsCountry", "bombay, india", "Mumbai", "Maharashtra", "India"},
        BestCase{"SingaporeInSingapore", "Singapore, Singapore", "Singapore", "Singapore",
                 "Singapore"},
        BestCase{"SeoulInSouthKorea", "Seoul, South Korea", "Seoul", "Seoul", "Republic of Korea"},
        BestCase{"NewYorkInTheUsa", "New York, USA", "New York", "New York",
                 "United States of America"},
        BestCase{"LondonInTheUk", "London, UK", "London", "England", "United Kingdom"},
        BestCase{"ManchesterInTheUk", "Manchester, UK", "Manchester", "England", "United Kingdom"},
        BestCase{"CountryInItsOwnLanguage", "Köln, Deutschland", "Cologne",
                 "North Rhine-Westphalia", "Germany"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PrefixLookupTest, APlaceFoundByTwoOfItsNamesIsListedOnce) {
  // Mumbai is "Bombay" in French and Spanish and "Bombai" in Catalan.
  const std::vector<Place> found = FindPlaces("bomba", 20);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().Name, "Mumbai");
  EXPECT_EQ(
      std::count_if(found.begin(), found.end(), [](const Place& p) { return p.Name == "Mumbai"; }),
      1);
}

TEST(BestPlaceTest, AnUnknownPlaceHasNoMatch) {
  EXPECT_FALSE(BestPlace("Xyzzyville"));
  EXPECT_FALSE(BestPlace("Kathmandu, Peru"));
  EXPECT_FALSE(BestPlace(""));
}

TEST(PlaceLabelTest, JoinsNameStateAndCountry) {
  const auto place = BestPlace("Kathmandu, Nepal");
  ASSERT_TRUE(place);
  EXPECT_EQ(PlaceLabel(*place), "Kathmandu, Bagmati Province, Nepal");
}

struct DegreesCase {
  const char* Name;
  double Signed;
  int Degrees, Minutes;
  bool Negative;
};

class DegreesMinutesTest : public testing::TestWithParam<DegreesCase> {};

TEST_P(DegreesMinutesTest, RoundsToTheNearestMinute) {
  const auto& p = GetParam();
  const DegreesMinutes dm = ToDegreesMinutes(p.Signed);
  EXPECT_EQ(dm.Degrees, p.Degrees);
  EXPECT_EQ(dm.Minutes, p.Minutes);
  EXPECT_EQ(dm.Negative, p.Negative);
}

INSTANTIATE_TEST_SUITE_P(Coordinates, DegreesMinutesTest,
                         testing::Values(DegreesCase{"North", 27.70169, 27, 42, false},
                                         DegreesCase{"West", -46.63611, 46, 38, true},
                                         DegreesCase{"RoundsUpIntoTheNextDegree", 10.9999, 11, 0,
                                                     false},
                                         DegreesCase{"TinySouthIsZero", -0.001, 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace velmora
