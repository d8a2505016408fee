#include <gtest/gtest.h>

#include "engine/jyotish/zodiac.h"
#include "test_births.h"

namespace velmora {
namespace {

// Truncation, not rounding, must never carry a value into the next minute or sign.
struct FormatCase {
  const char* Name;
  double Degrees;
  const char* Full;
  const char* Chart;
};

class FormatLongitudeTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatLongitudeTest, WritesFullAndChartForms) {
  const auto& p = GetParam();
  const std::string full = FormatLongitude(p.Degrees);
  EXPECT_EQ(full, p.Full);
  EXPECT_EQ(ChartPositionText(full), p.Chart);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FormatLongitudeTest,
    testing::Values(
        FormatCase{"Zero", 0.0, "0\u00B0 0' 0\" Ari", "00 Ari 00"},
        FormatCase{"LastSecondOfAries", 29.99999, "29\u00B0 59' 59\" Ari", "29 Ari 59"},
        FormatCase{"FiveSevenNineLeo", 125 + 7 / 60.0 + 9.5 / 3600, "5\u00B0 7' 9\" Leo",
                   "05 Leo 07"},
        FormatCase{"ThirteenTwenty", 13 + 20 / 60.0, "13\u00B0 20' 0\" Ari", "13 Ari 20"},
        FormatCase{"LastOfPisces", 359.99, "29\u00B0 59' 24\" Pis", "29 Pis 59"},
        FormatCase{"NegativeTakesMagnitude", -40.5, "10\u00B0 30' 0\" Tau", "10 Tau 30"},
        FormatCase{"FullCircleHasNoSign", 360.0, "0\u00B0 0' 0\" ", "00  0\" 00"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FormatSignedDegreesTest, LeadsNegativeValuesWithMinus) {
  EXPECT_EQ(FormatSignedDegrees(-23.854), "-23\u00B0 51' 14\"");
  EXPECT_EQ(FormatSignedDegrees(23.854), "23\u00B0 51' 14\"");
  EXPECT_EQ(FormatSignedDegrees(-0.5), "0\u00B0 30' 0\"");  // no whole degree to carry the sign
}

TEST(ComputeAyanamsaTest, AtNoonOfJ2000) {
  ChartRecord c;
  c.Centuries1900 = 1.0;
  c.Centuries2000 = 0.0;
  ComputeAyanamsa(c, ChartMode::Sidereal);
  EXPECT_NEAR(c.AyanamsaCorrection, -23.854, 0.001);
  EXPECT_EQ(c.AyanamsaText.substr(0, 12), "-23\u00B0 51' 14");
  ComputeMoonAyanamsa(c, ChartMode::Sidereal);
  EXPECT_NEAR(c.MoonAyanamsaCorrection, c.AyanamsaCorrection, 5.0 / 3600);
}

TEST(ComputeAyanamsaTest, TropicalModeKeepsTheTextButAppliesNothing) {
  ChartRecord c;
  c.Centuries1900 = 1.0;
  ComputeAyanamsa(c, ChartMode::Tropical);
  ComputeMoonAyanamsa(c, ChartMode::Tropical);
  EXPECT_EQ(c.AyanamsaCorrection, 0);
  EXPECT_EQ(c.MoonAyanamsaCorrection, 0);
  EXPECT_EQ(c.AyanamsaText.substr(0, 12), "-23\u00B0 51' 14");
}

struct NakshatraCase {
  const char* Name;
  double Longitude;
  const char* Nakshatra;
  const char* Lord;
  const char* Pada;
};

class NakshatraTest : public testing::TestWithParam<NakshatraCase> {};

TEST_P(NakshatraTest, NamesLordAndQuarter) {
  const auto& p = GetParam();
  ChartRecord c;
  c.MoonLongitude = p.Longitude;
  MoonNakshatraOf(c, p.Longitude);
  EXPECT_EQ(c.MoonNakshatra, p.Nakshatra);
  LookupNakshatraLord(c, c.MoonNakshatra);
  EXPECT_EQ(c.NakshatraLord, p.Lord);
  EXPECT_EQ(c.NakshatraPada, p.Pada);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, NakshatraTest,
    testing::Values(NakshatraCase{"StartOfAries", 0.0, "Ashwini", "Ketu", "1"},
                    NakshatraCase{"LastSecondOfAshwini", 13.3333, "Ashwini", "Ketu", "4"},
                    NakshatraCase{"ExactlyThirteenTwenty", 13 + 20 / 60.0, "Bharani", "Venus", "1"},
                    NakshatraCase{"KrittikaInAries", 28.0, "Krittika", "Sun", "1"},
                    NakshatraCase{"KrittikaInTaurus", 31.0, "Krittika", "Sun", "2"},
                    NakshatraCase{"KrittikaLastQuarter", 39.0, "Krittika", "Sun", "4"},
                    NakshatraCase{"MaghaSecondQuarter", 124.0, "Magha", "Ketu", "2"},
                    NakshatraCase{"LastOfPisces", 359.99, "Revati", "Mercury", "4"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LookupNakshatraLordTest, UnknownNameKeepsPreviousValues) {
  ChartRecord c;
  c.NakshatraLord = "Venus";
  c.NakshatraPada = "3";
  LookupNakshatraLord(c, "rohini");
  EXPECT_EQ(c.NakshatraLord, "Venus");
  EXPECT_EQ(c.NakshatraPada, "3");
}

TEST(SignNamesTest, SagittariusDiffersBetweenLagnaAndRashi) {
  ChartRecord c;
  MoonSignOf(c, FormatLongitude(245), ChartMode::Sidereal);
  EXPECT_EQ(c.MoonSignName, "Dhanus");
  EXPECT_EQ(LagnaNameOf("Sag").value(), "Dhanush");
  MoonSignOf(c, FormatLongitude(245), ChartMode::Tropical);
  EXPECT_EQ(c.MoonSignName, "Sagittarius");
}

TEST(SignNamesTest, ComparisonsAreExact) {
  EXPECT_FALSE(LagnaNameOf("sag").has_value());
  EXPECT_FALSE(SignNumberOf("ARI").has_value());
  ChartRecord c;
  c.MoonSignName = "Meena";
  MoonSignOf(c, "", ChartMode::Sidereal);
  EXPECT_EQ(c.MoonSignName, "Meena");
}

TEST(SignNamesTest, EveryAbbreviationHasItsNumber) {
  for (int s = 0; s < 12; ++s) EXPECT_EQ(SignNumberOf(SignAbbreviation(s)), s);
  EXPECT_EQ(SignAbbreviation(12), "");
}

}  // namespace
}  // namespace velmora
