// The interpretation data: the authored texts and pictures against the engine's names, the
// short-field tables and their lookups, and the runs of the planets-in-signs page.
#include <gtest/gtest.h>

#include <QFile>
#include <QSvgRenderer>
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "engine/jyotish/zodiac.h"
#include "interpretation/nakshatra_information.h"
#include "interpretation/picture_lists.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_information.h"
#include "interpretation/text_table.h"

namespace velmora {
namespace {

constexpr const char* kPlanets[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// One kind of paragraph: its table, the fields, and the length range in characters.
struct ParagraphKind {
  std::string Name;
  const char* File;
  std::string Field;
  int Shortest, Longest;
};

std::vector<std::string> SubjectsOf(const std::string& file) {
  if (file == "planets_in_signs.txt") return {std::begin(kPlanets), std::end(kPlanets)};
  if (file == "nakshatras.txt") return {kNakshatraNames.begin(), kNakshatraNames.end()};
  if (file == "tropical_signs.txt") return {"Sun", "Moon", "Ascendant"};
  return {kEnglishSignNames.begin(), kEnglishSignNames.end()};
}

std::map<std::pair<std::string, std::string>, std::string> ReadAll(const char* file) {
  const ParsedTexts parsed = ReadTextResource(QString::fromUtf8(file));
  EXPECT_TRUE(parsed.Errors.empty()) << file << ": " << parsed.Errors.front();
  std::map<std::pair<std::string, std::string>, std::string> all;
  for (const TextRecord& r : parsed.Records) {
    EXPECT_TRUE(all.emplace(std::pair(r.Subject, r.Field), r.Paragraph).second)
        << file << " line " << r.Line << ": [" << r.Subject << " | " << r.Field << "] twice";
  }
  return all;
}

class ParagraphKindTest : public testing::TestWithParam<ParagraphKind> {};

TEST_P(ParagraphKindTest, EverySubjectHasOneWithinItsLength) {
  const ParagraphKind& kind = GetParam();
  const auto all = ReadAll(kind.File);
  for (const std::string& subject : SubjectsOf(kind.File)) {
    const auto it = all.find({subject, kind.Field});
    ASSERT_NE(it, all.end()) << "[" << subject << " | " << kind.Field << "] is missing";
    const auto length = static_cast<int>(it->second.size());
    EXPECT_GE(length, kind.Shortest) << subject << " " << kind.Field;
    EXPECT_LE(length, kind.Longest) << subject << " " << kind.Field;
  }
}

std::vector<ParagraphKind> ParagraphKinds() {
  std::vector<ParagraphKind> kinds = {
      {"NakshatraGeneral", "nakshatras.txt", "general", 250, 750},
      {"NakshatraPositive", "nakshatras.txt", "positive", 250, 960},
      {"NakshatraNegative", "nakshatras.txt", "negative", 290, 860},
      {"NakshatraCareer", "nakshatras.txt", "career", 80, 390},
      {"NakshatraDomestic", "nakshatras.txt", "domestic", 40, 340},
      {"NakshatraHealth", "nakshatras.txt", "health", 45, 290},
      {"SignLooks", "signs.txt", "looks", 100, 220},
      {"SignNature", "signs.txt", "nature", 515, 885},
      {"SignCareer", "signs.txt", "career", 125, 285},
      {"SignLove", "signs.txt", "love", 140, 325},
      {"SignHealth", "signs.txt", "health", 80, 170},
  };
  for (std::string_view sign : kEnglishSignNames) {
    kinds.push_back(
        {"PlanetsIn" + std::string(sign), "planets_in_signs.txt", std::string(sign), 300, 470});
    kinds.push_back(
        {"Tropical" + std::string(sign), "tropical_signs.txt", std::string(sign), 600, 1000});
  }
  return kinds;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParagraphKindTest, testing::ValuesIn(ParagraphKinds()),
                         [](const auto& info) { return info.param.Name; });

// "About" the lengths the planets' own paragraphs were written to, within a third.
TEST(CharacteristicsTest, EachPlanetHasOneOfAboutItsLength) {
  const auto all = ReadAll("planets_in_signs.txt");
  const int about[] = {760, 220, 70, 90, 170, 110, 110};
  for (std::size_t p = 0; p < std::size(kPlanets); ++p) {
    const auto it = all.find({kPlanets[p], "characteristics"});
    ASSERT_NE(it, all.end()) << kPlanets[p];
    const double ratio = static_cast<double>(it->second.size()) / about[p];
    EXPECT_GT(ratio, 0.67) << kPlanets[p];
    EXPECT_LT(ratio, 1.33) << kPlanets[p];
  }
}

TEST(TextsTest, HoldNothingButTheKnownSubjectsAndFields) {
  const std::map<std::string, std::set<std::string>> fields = {
      {"planets_in_signs.txt",
       {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
        "Capricorn", "Aquarius", "Pisces", "characteristics"}},
      {"nakshatras.txt", {"general", "positive", "negative", "career", "domestic", "health"}},
      {"signs.txt", {"looks", "nature", "career", "love", "health"}},
      {"tropical_signs.txt",
       {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
        "Capricorn", "Aquarius", "Pisces"}}};
  for (const auto& [file, known] : fields) {
    const auto subjects = SubjectsOf(file);
    const auto all = ReadAll(file.c_str());
    EXPECT_EQ(all.size(), subjects.size() * known.size()) << file;
    for (const auto& [key, paragraph] : all) {
      EXPECT_NE(std::find(subjects.begin(), subjects.end(), key.first), subjects.end())
          << file << ": unknown subject " << key.first;
      EXPECT_TRUE(known.count(key.second)) << file << ": unknown field " << key.second;
    }
  }
}

TEST(TextsTest, NoParagraphIsWrittenTwice) {
  std::map<std::string, std::string> seen;
  for (const char* file :
       {"planets_in_signs.txt", "nakshatras.txt", "signs.txt", "tropical_signs.txt"}) {
    for (const auto& [key, paragraph] : ReadAll(file)) {
      const std::string where = std::string(file) + " [" + key.first + " | " + key.second + "]";
      const auto [it, fresh] = seen.emplace(paragraph, where);
      EXPECT_TRUE(fresh) << where << " repeats " << it->second;
    }
  }
  EXPECT_EQ(seen.size(), 84u + 7u + 162u + 60u + 36u);
}

TEST(TextsTest, TheProgramsTablesAreLoadedOnceAndShared) {
  EXPECT_EQ(&PlanetsInSignsTexts(), &PlanetsInSignsTexts());
  EXPECT_EQ(PlanetsInSignsTexts().Size(), 91u);
  EXPECT_EQ(NakshatraTexts().Size(), 162u);
  EXPECT_EQ(SignTexts().Size(), 60u);
  EXPECT_EQ(TropicalSignTexts().Size(), 36u);
}

// The picture lists: keys exactly the engine's names, in alphabetical order, each a picture
// Qt can draw.
struct PictureListCase {
  const char* Name;
  std::span<const KeyedPicture> (*List)();
  std::vector<std::string_view> Keys;
  std::string_view DesignPicture;
};

class PictureListTest : public testing::TestWithParam<PictureListCase> {};

TEST_P(PictureListTest, HoldsOneDrawablePicturePerNameInKeyOrder) {
  const PictureListCase& c = GetParam();
  const auto list = c.List();
  std::vector<std::string_view> keys;
  for (const KeyedPicture& picture : list) {
    keys.push_back(picture.Key);
    const QString resource =
        QString::fromUtf8(picture.Resource.data(), static_cast<qsizetype>(picture.Resource.size()));
    EXPECT_TRUE(QFile::exists(resource)) << picture.Resource;
    EXPECT_TRUE(QSvgRenderer(resource).isValid()) << picture.Resource;
  }
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  std::vector<std::string_view> expected = c.Keys;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(keys, expected);
  EXPECT_TRUE(QSvgRenderer(QString::fromUtf8(c.DesignPicture.data())).isValid());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureListTest,
    testing::Values(PictureListCase{"IMG",
                                    NakshatraPictures,
                                    {kNakshatraNames.begin(), kNakshatraNames.end()},
                                    kNakshatraDesignPicture},
                    PictureListCase{"LagnaIMG",
                                    LagnaPictures,
                                    {kEnglishSignNames.begin(), kEnglishSignNames.end()},
                                    kLagnaDesignPicture},
                    PictureListCase{"RashiIMG",
                                    RashiPictures,
                                    {kEnglishSignNames.begin(), kEnglishSignNames.end()},
                                    kRashiDesignPicture}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LookupPictureTest, IsExactAndCaseSensitive) {
  EXPECT_EQ(LookupPicture(NakshatraPictures(), "Revati").value().toStdString(),
            ":/pictures/nakshatra/revati.svg");
  EXPECT_EQ(LookupPicture(NakshatraPictures(), "Poorva Phalguni").value().toStdString(),
            ":/pictures/nakshatra/poorva_phalguni.svg");
  EXPECT_FALSE(LookupPicture(NakshatraPictures(), "revati"));
  EXPECT_FALSE(LookupPicture(NakshatraPictures(), "Revati "));
  EXPECT_FALSE(LookupPicture(LagnaPictures(), ""));
  EXPECT_EQ(LookupPicture(RashiPictures(), "Scorpio").value().toStdString(),
            ":/pictures/rashi/scorpio.svg");
}

// The nakshatra table.
TEST(NakshatraTableTest, NamesAreTheEnginesInZodiacOrder) {
  for (int i = 0; i < kNakshatraRows; ++i) {
    EXPECT_EQ(NakshatraAt(i).Name, kNakshatraNames[static_cast<std::size_t>(i)]);
  }
}

TEST(NakshatraTableTest, RulingPlanetsRunThroughTheNineLordsThreeTimes) {
  constexpr std::string_view kLords[] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                         "Rahu", "Jupiter", "Saturn", "Mercury"};
  for (int i = 0; i < kNakshatraRows; ++i) EXPECT_EQ(NakshatraAt(i).RulingPlanet, kLords[i % 9]);
}

TEST(NakshatraTableTest, AshwiniRow) {
  const NakshatraRow* row = FindNakshatra("Ashwini");
  ASSERT_NE(row, nullptr);
  const std::string_view fields[] = {
      row->RulingDeva,  row->PurposeOfTheDeva, row->RulingPlanet,  row->AnimalSymbol,
      row->Symbol,      row->AstronomicalName, row->Element,       row->PartOfBody,
      row->Nature,      row->Gender,           row->PurposeInLife, row->Dosha,
      row->Temperament, row->BestDirection,    row->LuckyGemstone};
  const std::string_view expected[] = {"Ashwina Kumara",
                                       "Physician of the Demi Gods",
                                       "Ketu",
                                       "Horse",
                                       "Head of a Horse",
                                       "Beta Arietis",
                                       "Prithvi (Earth)",
                                       "Upper Part of Feet",
                                       "Light / Swift",
                                       "Male",
                                       "Dharma",
                                       "Vata",
                                       "Deva (Godly)",
                                       "North-East",
                                       "Cat's Eye"};
  for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(fields[i], expected[i]) << i;
}

TEST(NakshatraTableTest, LookupIsExactAndCaseSensitive) {
  EXPECT_EQ(FindNakshatra("Revati"), &NakshatraAt(26));
  EXPECT_EQ(FindNakshatra("Rohini"), &NakshatraAt(3));
  EXPECT_EQ(FindNakshatra("rohini"), nullptr);
  EXPECT_EQ(FindNakshatra("Rohini "), nullptr);
  EXPECT_EQ(FindNakshatra(""), nullptr);
  EXPECT_EQ(FindNakshatra("Purva Phalguni"), nullptr);  // the table writes "Poorva Phalguni"
}

// The sign information table.
TEST(SignTableTest, NamesAreTheEnginesMoonSignAndEnglishNames) {
  for (int s = 0; s < kSignRows; ++s) {
    EXPECT_EQ(SignAt(s).EnglishName, kEnglishSignNames[static_cast<std::size_t>(s)]);
    EXPECT_EQ(SignAt(s).VedicName, kRashiNames[static_cast<std::size_t>(s)]);
  }
}

TEST(SignTableTest, EveryAbbreviationFindsItsLagnaAndEveryMoonSignItsRashi) {
  for (int s = 0; s < kSignRows; ++s) {
    EXPECT_EQ(FindLagnaSign(SignAbbreviation(s)), &SignAt(s)) << SignAbbreviation(s);
    EXPECT_EQ(FindRashiSign(kRashiNames[static_cast<std::size_t>(s)]), &SignAt(s));
  }
}

struct SignLookupCase {
  const char* Name;
  bool Lagna;  // looked up as the lagna (by abbreviation) or as the rashi (by Vedic name)
  const char* Key;
  int Row;  // -1: no row
};

class SignLookupTest : public testing::TestWithParam<SignLookupCase> {};

TEST_P(SignLookupTest, FindsTheRowOrNone) {
  const SignLookupCase& c = GetParam();
  const SignInformationRow* row = c.Lagna ? FindLagnaSign(c.Key) : FindRashiSign(c.Key);
  EXPECT_EQ(row, c.Row < 0 ? nullptr : &SignAt(c.Row));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SignLookupTest,
    testing::Values(SignLookupCase{"LagnaSco", true, "Sco", 7},
                    SignLookupCase{"LagnaLeoIsTheWholeName", true, "Leo", 4},
                    SignLookupCase{"LagnaLowerCaseMatchesNothing", true, "sco", -1},
                    SignLookupCase{"LagnaWholeEnglishNameMatchesNothing", true, "Scorpio", -1},
                    SignLookupCase{"LagnaEmptyMatchesNothing", true, "", -1},
                    SignLookupCase{"RashiVrishcika", false, "Vrishcika", 7},
                    SignLookupCase{"RashiDhanus", false, "Dhanus", 8},
                    SignLookupCase{"RashiEnglishNameMatchesNothing", false, "Scorpio", -1},
                    SignLookupCase{"RashiLagnaSpellingMatchesNothing", false, "Dhanush", -1},
                    SignLookupCase{"RashiAbbreviationMatchesNothing", false, "Sco", -1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SignTableTest, ScorpioRow) {
  const SignInformationRow& s = SignAt(7);
  EXPECT_EQ(s.VedicName, "Vrishcika");
  EXPECT_EQ(s.RulingPlanet, "Mars");
  EXPECT_EQ(s.Symbol, "The Scorpion");
  EXPECT_EQ(s.Element, "Water");
  EXPECT_EQ(s.SignColor, "Reddish Brown");
  EXPECT_EQ(s.PartOfTheBody, "External Genitalia");
  EXPECT_EQ(s.LuckyColors, "Brown, Red, Yellow, White");
  EXPECT_EQ(s.CompatibleWith, "Capricorn, Pisces, Taurus, Cancer, Virgo");
}

// The planets-in-signs page.
ChartRecord ChartWithPlanetsIn(std::initializer_list<const char*> texts) {
  ChartRecord c;
  std::size_t row = 0;
  for (const char* text : texts) c.PlanetPositionTexts[row++] = text;
  return c;
}

std::string Joined(const std::vector<TextRun>& runs) {
  std::string all;
  for (const TextRun& run : runs) all += run.Text.toStdString();
  return all;
}

TEST(PlanetsInSignsTest, SunInAriesBlock) {
  PlanetsInSigns planets;
  FindPlanetsInSigns(ChartWithPlanetsIn({"05 Ari 10", "12 Can 40", "", "", "", "", ""}), planets);
  const std::vector<TextRun> runs = PlanetsInSignsRuns(planets);
  ASSERT_EQ(runs.size(), 77u);
  const std::string br = "\r\n";
  const std::pair<bool, std::string> expected[] = {
      {true, "Sun In Aries" + br},
      {false, PlanetsInSignsTexts().Text("Sun", "Aries").toStdString() + br + br},
      {true, "Characteristics Of Planet Sun :-" + br},
      {false, PlanetsInSignsTexts().Text("Sun", "characteristics").toStdString() + br + br},
      {true, "More About Sign" + br + br},
      {true, "Keywords :-" + br},
      {false, "Pioneer, Assertive, Energetic" + br + br},
      {true, "Element :-" + br},
      {false, "Fire" + br + br},
      {true, "Ruling Planet :-" + br},
      {false, "Mars" + br + br + br}};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(runs[i].Bold, expected[i].first) << "run " << i + 1;
    EXPECT_EQ(runs[i].Text.toStdString(), expected[i].second) << "run " << i + 1;
  }
  EXPECT_GT(runs[1].Text.size(), 300);
}

TEST(PlanetsInSignsTest, MoonInCancerKeepsTheTrailingSpaceOfItsKeywords) {
  PlanetsInSigns planets;
  FindPlanetsInSigns(ChartWithPlanetsIn({"05 Ari 10", "12 Can 40"}), planets);
  const std::vector<TextRun> runs = PlanetsInSignsRuns(planets);
  EXPECT_EQ(runs[11].Text.toStdString(), "Moon In Cancer\r\n");
  EXPECT_EQ(runs[17].Text.toStdString(), "Protective, Cautious, Intuitive \r\n\r\n");
  EXPECT_EQ(runs[19].Text.toStdString(), "Water\r\n\r\n");
  EXPECT_EQ(runs[21].Text.toStdString(), "The Moon\r\n\r\n\r\n");
}

TEST(PlanetsInSignsTest, TextEndsWithSaturnsRulingPlanetAndNoLineBreak) {
  PlanetsInSigns planets;
  FindPlanetsInSigns(ChartWithPlanetsIn({"00 Gem 56", "12 Can 40", "10 Gem 01", "20 Gem 02",
                                         "01 Leo 03", "05 Leo 04", "28 Aqu 05"}),
                     planets);
  const std::vector<TextRun> runs = PlanetsInSignsRuns(planets);
  EXPECT_EQ(runs.back().Text.toStdString(), "Uranus and Saturn");
  EXPECT_EQ(runs[runs.size() - 11].Text.toStdString(), "Saturn In Aquarius\r\n");
  EXPECT_TRUE(Joined(runs).ends_with("Ruling Planet :-\r\nUranus and Saturn"));
}

TEST(PlanetsInSignsTest, TextWithoutASignKeepsThePlanetsPreviousValues) {
  PlanetsInSigns planets;
  FindPlanetsInSigns(ChartWithPlanetsIn({"05 Ari 10"}), planets);
  // Lower case, too short, empty: none names a sign.
  FindPlanetsInSigns(ChartWithPlanetsIn({"05 ari 10", "12 Ca", ""}), planets);
  const std::vector<TextRun> runs = PlanetsInSignsRuns(planets);
  EXPECT_EQ(runs[0].Text.toStdString(), "Sun In Aries\r\n");
  EXPECT_EQ(runs[6].Text.toStdString(), "Pioneer, Assertive, Energetic\r\n\r\n");
  // Never found: a heading with nothing after it and empty values.
  EXPECT_EQ(runs[11].Text.toStdString(), "Moon In \r\n");
  EXPECT_EQ(runs[12].Text.toStdString(), "\r\n\r\n");
  EXPECT_EQ(runs[21].Text.toStdString(), "\r\n\r\n\r\n");
}

}  // namespace
}  // namespace velmora
