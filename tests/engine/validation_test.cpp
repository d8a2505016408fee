#include <gtest/gtest.h>

#include <functional>

#include "engine/birth_data.h"
#include "test_births.h"

namespace velmora {
namespace {

struct ValidationCase {
  const char* Name;
  std::function<void(BirthFormData&)> Change;
  const char* Message;  // nullptr: the entry is valid
  MessageIcon Icon;
  FormField Field;
};

class ValidateInputTest : public testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateInputTest, ReportsTheFirstFailingCheck) {
  const auto& p = GetParam();
  BirthFormData f = test::DelhiBirth();
  p.Change(f);
  const auto failure = ValidateInput(f);
  if (p.Message == nullptr) {
    EXPECT_FALSE(failure.has_value()) << failure->Message;
    return;
  }
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->Message, p.Message);
  EXPECT_EQ(failure->Icon, p.Icon);
  EXPECT_EQ(failure->Field, p.Field);
}

using F = BirthFormData;
constexpr auto kInfo = MessageIcon::Information;

BirthFormData Empty() {
  BirthFormData f;
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ValidateInputTest,
    testing::Values(
        ValidationCase{"AllEmptyAsksForTheNameOnly", [](F& f) { f = Empty(); },
                       "Please Enter Your Name", kInfo, FormField::Name},
        ValidationCase{"NameOfSpacesPasses", [](F& f) { f.Name = "   "; }, nullptr, kInfo, {}},
        ValidationCase{"LatitudeDegreesEmpty",
                       [](F& f) {
                         f.LatitudeDegrees = "";
                         f.City = "";
                       },
                       "Please Enter Degree of Latitude", kInfo, FormField::LatitudeDegrees},
        ValidationCase{"LatitudeMinutesEmpty", [](F& f) { f.LatitudeMinutes = ""; },
                       "Please Enter Minutes of Latitude", kInfo, FormField::LatitudeMinutes},
        ValidationCase{"LongitudeDegreesEmpty", [](F& f) { f.LongitudeDegrees = ""; },
                       "Please Enter Degree of Longitude", kInfo, FormField::LongitudeDegrees},
        ValidationCase{"LongitudeMinutesEmptyBeforeRangeOfLatitude",
                       [](F& f) {
                         f.LongitudeMinutes = "";
                         f.LatitudeDegrees = "95";
                       },
                       "Please Enter Minute of Longitude", kInfo, FormField::LongitudeMinutes},
        ValidationCase{"LatitudeDegreesNotDigits", [](F& f) { f.LatitudeDegrees = "2a"; },
                       "Please Enter Degree of Latitude as a whole number from 0 to 90", kInfo,
                       FormField::LatitudeDegrees},
        ValidationCase{"LatitudeDegreesSpace", [](F& f) { f.LatitudeDegrees = " 5"; },
                       "Please Enter Degree of Latitude as a whole number from 0 to 90", kInfo,
                       FormField::LatitudeDegrees},
        ValidationCase{"LatitudeDegreesAbove90", [](F& f) { f.LatitudeDegrees = "91"; },
                       "Please Enter Degree of Latitude as a whole number from 0 to 90", kInfo,
                       FormField::LatitudeDegrees},
        ValidationCase{"CityEmptyBeforeLatitudeRange",
                       [](F& f) {
                         f.LatitudeDegrees = "95";
                         f.City = "";
                       },
                       "Please Enter Your City name", kInfo, FormField::City},
        ValidationCase{"NoLongitudeDirectionBeforeLongitudeRange",
                       [](F& f) {
                         f.LongitudeDegrees = "abc";
                         f.LongitudeOption = -1;
                       },
                       "Please Select Direction For The Longitude", MessageIcon::Error,
                       FormField::LongitudeDirection},
        ValidationCase{"ThirtyFirstOfAprilBeforeMinutesRange",
                       [](F& f) {
                         f.LatitudeMinutes = "75";
                         f.Month = 4;
                         f.Day = 31;
                       },
                       "Please Enter Correct Date Or Month !", kInfo, FormField::Date},
        ValidationCase{"LatitudeMinutes75", [](F& f) { f.LatitudeMinutes = "75"; },
                       "Please Enter Minutes of Latitude as a whole number from 0 to 59", kInfo,
                       FormField::LatitudeMinutes},
        ValidationCase{
            "NinetyDegreesAndMinutes",
            [](F& f) {
              f.LatitudeDegrees = "90";
              f.LatitudeMinutes = "1";
            },
            "Please Enter 0 Minutes of Latitude: a latitude cannot go beyond 90 degrees 0 minutes",
            kInfo, FormField::LatitudeMinutes},
        ValidationCase{"NinetyDegreesZeroMinutesPasses",
                       [](F& f) {
                         f.LatitudeDegrees = "90";
                         f.LatitudeMinutes = "000";
                       },
                       nullptr,
                       kInfo,
                       {}},
        ValidationCase{"LongitudeDegrees181", [](F& f) { f.LongitudeDegrees = "181"; },
                       "Please Enter Degree of Longitude as a whole number from 0 to 180", kInfo,
                       FormField::LongitudeDegrees},
        ValidationCase{"LongitudeDegreesFourDigits", [](F& f) { f.LongitudeDegrees = "0077"; },
                       "Please Enter Degree of Longitude as a whole number from 0 to 180", kInfo,
                       FormField::LongitudeDegrees},
        ValidationCase{"LongitudeMinutesSign", [](F& f) { f.LongitudeMinutes = "-5"; },
                       "Please Enter Minute of Longitude as a whole number from 0 to 59", kInfo,
                       FormField::LongitudeMinutes},
        ValidationCase{"BeyondOneEightyDegrees",
                       [](F& f) {
                         f.LongitudeDegrees = "180";
                         f.LongitudeMinutes = "30";
                       },
                       "Please Enter 0 Minute of Longitude: a longitude cannot go beyond 180 "
                       "degrees 0 minutes",
                       kInfo, FormField::LongitudeMinutes},
        ValidationCase{"CityEmpty",
                       [](F& f) {
                         f.City = "";
                         f.Country = "";
                       },
                       "Please Enter Your City name", kInfo, FormField::City},
        ValidationCase{"StateEmpty", [](F& f) { f.State = ""; }, "Please Enter Your State name",
                       kInfo, FormField::State},
        ValidationCase{"CountryEmpty", [](F& f) { f.Country = ""; },
                       "Please Enter Your Country name", kInfo, FormField::Country},
        ValidationCase{"NoLatitudeDirection", [](F& f) { f.LatitudeOption = -1; },
                       "Please Select Direction For The Latitude", MessageIcon::Error,
                       FormField::LatitudeDirection},
        ValidationCase{"NoLongitudeDirection", [](F& f) { f.LongitudeOption = -1; },
                       "Please Select Direction For The Longitude", MessageIcon::Error,
                       FormField::LongitudeDirection},
        ValidationCase{"Feb29Of1900IsRefused",
                       [](F& f) {
                         f.Year = 1900;
                         f.Month = 2;
                         f.Day = 29;
                       },
                       "Please Enter Correct Date Or Month!", kInfo, FormField::Date},
        ValidationCase{"Feb29Of1904Passes",
                       [](F& f) {
                         f.Year = 1904;
                         f.Month = 2;
                         f.Day = 29;
                       },
                       nullptr,
                       kInfo,
                       {}},
        ValidationCase{"Feb29Of2000Passes",
                       [](F& f) {
                         f.Year = 2000;
                         f.Month = 2;
                         f.Day = 29;
                       },
                       nullptr,
                       kInfo,
                       {}},
        ValidationCase{"Feb29Of1901IsRefused",
                       [](F& f) {
                         f.Year = 1901;
                         f.Month = 2;
                         f.Day = 29;
                       },
                       "Please Enter Correct Date Or Month!", kInfo, FormField::Date},
        ValidationCase{"Feb30IsRefused",
                       [](F& f) {
                         f.Year = 2004;
                         f.Month = 2;
                         f.Day = 30;
                       },
                       "Please Enter Correct Date Or Month!", kInfo, FormField::Date},
        ValidationCase{"April31IsRefusedWithTheSpacedMessage",
                       [](F& f) {
                         f.Month = 4;
                         f.Day = 31;
                       },
                       "Please Enter Correct Date Or Month !", kInfo, FormField::Date},
        ValidationCase{"November31IsRefused",
                       [](F& f) {
                         f.Month = 11;
                         f.Day = 31;
                       },
                       "Please Enter Correct Date Or Month !", kInfo, FormField::Date},
        ValidationCase{"May31Passes",
                       [](F& f) {
                         f.Month = 5;
                         f.Day = 31;
                       },
                       nullptr,
                       kInfo,
                       {}},
        ValidationCase{"April30Passes",
                       [](F& f) {
                         f.Month = 4;
                         f.Day = 30;
                       },
                       nullptr,
                       kInfo,
                       {}},
        ValidationCase{"Hour24Passes", [](F& f) { f.Hour = 24; }, nullptr, kInfo, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct ListCase {
  const char* Name;
  std::function<void(BirthFormData&)> Change;
  const char* Message;
  FormField Field;
};

class ValidateListValuesTest : public testing::TestWithParam<ListCase> {};

TEST_P(ValidateListValuesTest, RefusesWhatTheListsCannotOffer) {
  const auto& p = GetParam();
  BirthFormData f = test::DelhiBirth();
  p.Change(f);
  const auto failure = ValidateListValues(f);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->Message, p.Message);
  EXPECT_EQ(failure->Field, p.Field);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ValidateListValuesTest,
    testing::Values(ListCase{"Year1899", [](F& f) { f.Year = 1899; },
                             "Please Enter a Year from 1900 to 2050", FormField::Year},
                    ListCase{"Year2051", [](F& f) { f.Year = 2051; },
                             "Please Enter a Year from 1900 to 2050", FormField::Year},
                    ListCase{"Month13", [](F& f) { f.Month = 13; },
                             "Please Enter Correct Date Or Month!", FormField::Date},
                    ListCase{"Day0", [](F& f) { f.Day = 0; }, "Please Enter Correct Date Or Month!",
                             FormField::Date},
                    ListCase{"Hour25", [](F& f) { f.Hour = 25; },
                             "Please Enter an Hour from 0 to 24", FormField::Hour},
                    ListCase{"Minute60", [](F& f) { f.Minute = 60; },
                             "Please Enter a Minute from 0 to 59", FormField::Minute}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ValidateListValuesTest, AcceptsTheFormsOwnRanges) {
  BirthFormData f = test::DelhiBirth();
  for (int year : {1900, 2050}) {
    f.Year = year;
    f.Hour = 24;
    f.Minute = 59;
    EXPECT_FALSE(ValidateListValues(f).has_value());
  }
}

TEST(ReadBirthDataTest, TrimsPlaceButNotName) {
  BirthFormData f = test::DelhiBirth();
  f.Name = "  Asha ";
  f.City = "  New Delhi  ";
  ChartRecord c;
  ReadBirthData(c, f);
  EXPECT_EQ(c.BirthName, "  Asha ");
  EXPECT_EQ(c.BirthCity, "New Delhi");
  EXPECT_EQ(c.LatitudeDegrees, 28);
  EXPECT_TRUE(c.IsEastLongitude);
  EXPECT_FALSE(c.IsSouthLatitude);
}

}  // namespace
}  // namespace velmora
