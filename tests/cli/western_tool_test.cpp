// velmora-chart --western: the points, houses and aspects in its JSON, and --houses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

#include "cli/chart_tool.h"

namespace velmora {
namespace {

std::vector<std::string_view> Delhi() {
  return {"--name", "Asha Rao",  "--date",  "1980-06-15", "--time",    "10:30",
          "--zone", "IST",       "--lat",   "28:36N",     "--lon",     "77:13E",
          "--city", "New Delhi", "--state", "Delhi",      "--country", "India"};
}

ToolResult RunDelhi(std::initializer_list<std::string_view> extra) {
  std::vector<std::string_view> args = Delhi();
  args.insert(args.end(), extra);
  return RunChartTool(args);
}

nlohmann::ordered_json WesternJson(std::initializer_list<std::string_view> extra) {
  std::vector<std::string_view> args = Delhi();
  args.insert(args.end(), {"--western", "--json"});
  args.insert(args.end(), extra);
  const ToolResult r = RunChartTool(args);
  EXPECT_EQ(r.ExitStatus, kExitOk) << r.Err;
  return nlohmann::ordered_json::parse(r.Out);
}

TEST(WesternJson, PointsHousesAndAspectsAfterEverythingElse) {
  const nlohmann::ordered_json json = WesternJson({"--precise"});
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  ASSERT_GE(keys.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(keys.end() - 3, keys.end()),
            (std::vector<std::string>{"points", "houses", "aspects"}));

  const auto& points = json.at("points");
  std::vector<std::string> names;
  for (const auto& p : points) {
    names.push_back(p.at("name").get<std::string>());
    EXPECT_EQ(p.size(), 6u) << p.dump();
    const double longitude = p.at("longitude").get<double>();
    EXPECT_GE(longitude, 0);
    EXPECT_LT(longitude, 360);
    EXPECT_GE(p.at("house").get<int>(), 1);
    EXPECT_LE(p.at("house").get<int>(), 12);
    // The angles move forward always; a body is retrograde while its speed is below 0.
    const std::set<std::string> angles = {"Ascendant", "MC", "Descendant", "IC"};
    const bool backwards = p.at("speed").get<double>() < 0 && !angles.contains(p.at("name"));
    EXPECT_EQ(p.at("retrograde").get<bool>(), backwards) << p.dump();
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter",
                                             "Saturn", "Uranus", "Neptune", "Pluto", "Mean Node",
                                             "True Node", "South Node", "Ascendant", "MC",
                                             "Descendant", "IC"}));
  // Virgo rising, Venus retrograde in Gemini in the tenth house.
  EXPECT_EQ(points[13].at("sign"), "Virgo");
  EXPECT_EQ(points[3].at("sign"), "Gemini");
  EXPECT_EQ(points[3].at("house"), 10);
  EXPECT_EQ(points[3].at("retrograde"), true);

  const auto& houses = json.at("houses");
  EXPECT_EQ(houses.at("system"), "Placidus");
  EXPECT_TRUE(houses.at("fallback").is_null());
  ASSERT_EQ(houses.at("cusps").size(), 12u);
  EXPECT_EQ(houses.at("cusps")[0].get<double>(), points[13].at("longitude").get<double>());

  const std::set<std::string> kinds = {"Conjunction", "Opposition", "Trine", "Square", "Sextile"};
  ASSERT_FALSE(json.at("aspects").empty());
  for (const auto& a : json.at("aspects")) {
    EXPECT_EQ(a.size(), 5u);
    EXPECT_TRUE(kinds.contains(a.at("kind").get<std::string>())) << a.dump();
    EXPECT_GE(a.at("orb").get<double>(), 0);
    EXPECT_LE(a.at("orb").get<double>(), 10);
    EXPECT_TRUE(a.at("applying").is_boolean());
    EXPECT_NE(a.at("p1"), a.at("p2"));
  }
}

TEST(WesternJson, PlainJsonHasNoWesternPoints) {
  const ToolResult r = RunDelhi({"--json"});
  ASSERT_EQ(r.ExitStatus, kExitOk);
  const nlohmann::json json = nlohmann::json::parse(r.Out);
  for (const char* key : {"points", "houses", "aspects"}) EXPECT_FALSE(json.contains(key)) << key;
}

struct HousesCase {
  const char* Name;
  const char* Option;
  const char* System;
};

class WesternHousesOption : public testing::TestWithParam<HousesCase> {};

TEST_P(WesternHousesOption, NamesTheSystemAsked) {
  const nlohmann::ordered_json json = WesternJson({"--houses", GetParam().Option});
  EXPECT_EQ(json.at("houses").at("system"), GetParam().System);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, WesternHousesOption,
    testing::Values(HousesCase{"Koch", "Koch", "Koch"},
                    HousesCase{"LowerCase", "porphyry", "Porphyry"},
                    HousesCase{"Regiomontanus", "Regiomontanus", "Regiomontanus"},
                    HousesCase{"Campanus", "Campanus", "Campanus"},
                    HousesCase{"Equal", "Equal", "Equal"},
                    HousesCase{"WholeSignWithSpace", "Whole Sign", "Whole Sign"},
                    HousesCase{"WholeSignHyphen", "whole-sign", "Whole Sign"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(WesternJson, PastThePolarCirclePlacidusSaysItFellBack) {
  std::vector<std::string_view> args = Delhi();
  args[9] = "69:39N";
  args.insert(args.end(), {"--western", "--json", "--precise"});
  const ToolResult r = RunChartTool(args);
  ASSERT_EQ(r.ExitStatus, kExitOk) << r.Err;
  const auto houses = nlohmann::json::parse(r.Out).at("houses");
  EXPECT_EQ(houses.at("system"), "Placidus");
  EXPECT_EQ(houses.at("fallback"), "Porphyry");
}

TEST(WesternText, ListsPointsHousesAndAspects) {
  const ToolResult r = RunDelhi({"--western", "--houses", "Equal"});
  ASSERT_EQ(r.ExitStatus, kExitOk);
  for (const char* text : {"Uranus", "True Node", "Houses (Equal)", "Aspects\n", " R\n"}) {
    EXPECT_NE(r.Out.find(text), std::string::npos) << text;
  }
}

TEST(WesternJson, MinorAspectsJoinTheMajorOnes) {
  const auto major = WesternJson({}).at("aspects");
  const auto all = WesternJson({"--minor-aspects"}).at("aspects");
  EXPECT_GT(all.size(), major.size());
  const std::set<std::string> minor = {"Quincunx", "Semi-sextile", "Semi-square", "Sesquiquadrate",
                                       "Quintile"};
  int minors = 0;
  for (const auto& a : all) minors += minor.contains(a.at("kind").get<std::string>());
  EXPECT_EQ(static_cast<std::size_t>(minors) + major.size(), all.size());
}

struct UsageCase {
  const char* Name;
  std::vector<std::string_view> Extra;
  const char* Message;
};

class WesternHousesMistake : public testing::TestWithParam<UsageCase> {};

TEST_P(WesternHousesMistake, IsAUsageError) {
  std::vector<std::string_view> args = Delhi();
  args.insert(args.end(), GetParam().Extra.begin(), GetParam().Extra.end());
  const ToolResult r = RunChartTool(args);
  EXPECT_EQ(r.ExitStatus, kExitBadInput);
  EXPECT_EQ(r.Out, "");
  EXPECT_NE(r.Err.find(GetParam().Message), std::string::npos) << r.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, WesternHousesMistake,
    testing::Values(UsageCase{"WithoutWestern", {"--houses", "Koch"}, "--houses needs --western"},
                    UsageCase{"UnknownSystem",
                              {"--western", "--houses", "Topocentric"},
                              "the house systems are Placidus, Koch"},
                    UsageCase{"NoValue", {"--western", "--houses"}, "--houses needs a value"},
                    UsageCase{"MinorAspectsWithoutWestern",
                              {"--minor-aspects"},
                              "--minor-aspects needs --western"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace velmora
