#include <gtest/gtest.h>

#include "engine/jyotish/zodiac.h"
#include "engine/places/zones.h"
#include "test_births.h"

namespace velmora {
namespace {

struct ZoneCase {
  int Row;
  const char* Label;
  int Hours, Minutes;
  ZoneDirection Side;
};

class ZoneRowTest : public testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneRowTest, GivesMagnitudesAndSide) {
  const auto& p = GetParam();
  BirthFormData f = test::DelhiBirth();
  f.ZoneRow = p.Row;
  ChartRecord c;
  ReadBirthData(c, f);
  EXPECT_EQ(kZoneRows[p.Row].Label, p.Label);
  EXPECT_EQ(c.ZoneHours, p.Hours);
  EXPECT_EQ(c.ZoneMinutes, p.Minutes);
  EXPECT_EQ(c.ZoneHoursValue, p.Hours);
  EXPECT_EQ(c.ZoneMinutesValue, p.Minutes);
  EXPECT_EQ(c.ZoneSide, p.Side);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ZoneRowTest,
    testing::Values(ZoneCase{0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0, ZoneDirection::West},
                    ZoneCase{34, "Indian Time, IST, +5.3", 5, 30, ZoneDirection::East},
                    ZoneCase{50, "Newfoundland Standard Time,NST,-3.5", 3, 30, ZoneDirection::West},
                    ZoneCase{37, "Iran Time, IT, +3.5", 3, 30, ZoneDirection::East},
                    ZoneCase{29, "Greenwich Mean Time,GMT,0.0", 0, 0, ZoneDirection::FromLongitude},
                    ZoneCase{61, "Universal Time, UT, 0.0", 0, 0, ZoneDirection::FromLongitude},
                    ZoneCase{70, "Yukon War Time,YWT,-8.0", 8, 0, ZoneDirection::West},
                    ZoneCase{46, "New Zealand Std Summer Time,NZST,+13.0", 13, 0,
                             ZoneDirection::East}),
    [](const auto& info) { return "Row" + std::to_string(info.param.Row); });

TEST(ZoneTableTest, LabelSignIsOppositeToTheNumbers) {
  for (const ZoneRow& row : kZoneRows) {
    const auto comma = row.Label.rfind(',');
    const std::string_view offset = TrimSpaces(row.Label.substr(comma + 1));
    if (offset.starts_with('-')) {
      EXPECT_GT(row.Hours, 0) << row.Label;
    } else if (offset.starts_with('+')) {
      EXPECT_LT(row.Hours, 0) << row.Label;
    } else {
      EXPECT_EQ(row.Hours, 0) << row.Label;
    }
    EXPECT_TRUE(row.Minutes == 0 || (row.Minutes > 0) == (row.Hours > 0)) << row.Label;
  }
}

TEST(FillZoneTablesTest, WritesEveryRowAndTheSignTables) {
  LookupTables t;
  FillZoneTables(t);
  for (int row = 0; row < kZoneCount; ++row) {
    EXPECT_EQ(t.ZoneLabelTable[row], kZoneRows[row].Label);
    EXPECT_EQ(t.ZoneHourTable[row], kZoneRows[row].Hours);
    EXPECT_EQ(t.ZoneMinuteTable[row], kZoneRows[row].Minutes);
  }
  EXPECT_EQ(t.ZoneMinuteTable[34], -30);
  EXPECT_EQ(t.SignAbbreviationTable[0], "Ari");
  EXPECT_EQ(t.SignAbbreviationTable[11], "Pis");
  EXPECT_EQ(t.SignAbbreviationTable[12], "");
  EXPECT_EQ(t.NakshatraNames[26], "Revati");
  EXPECT_EQ(t.NakshatraNames[27], "");
  EXPECT_EQ(t.SignNakshatraTable[3], "Krittika");
  EXPECT_EQ(t.NakshatraPadaTable[3], "3");
  EXPECT_EQ(t.SignAbbreviations, "AriTauGemCanLeoVirLibScoSagCapAquPis");
}

TEST(NakshatraSegmentsTest, FollowTheNineLordCycleAndCountFourQuartersEach) {
  const char* lords[] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                         "Rahu", "Jupiter", "Saturn", "Mercury"};
  int quarters[27] = {};
  for (int row = 0; row < 36; ++row) {
    const auto& seg = kNakshatraSegments[row];
    int k = 0;
    while (kNakshatraNames[k] != seg.Nakshatra) ++k;
    EXPECT_EQ(seg.Lord, lords[k % 9]) << seg.Nakshatra;
    quarters[k] += seg.Padas[0] - '0';
  }
  for (int k = 0; k < 27; ++k) EXPECT_EQ(quarters[k], 4) << kNakshatraNames[k];
}

}  // namespace
}  // namespace velmora
