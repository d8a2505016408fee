#include <gtest/gtest.h>

#include "engine/jyotish/dasha.h"
#include "engine/jyotish/zodiac.h"

namespace velmora {
namespace {

struct BalanceCase {
  const char* Name;
  double moonDeg;
  int wantLord;
  int wantYears;
  int wantMonths;
  int wantDays;
};

// Nakshatra starts give the whole period; a half-passed one leaves half of it.
constexpr BalanceCase kBalances[] = {
    {"AshwiniStartFullKetu", 0.0, 0, 7, 0, 0},
    {"BharaniStartFullVenus", 360.0 / 27.0, 1, 20, 0, 0},
    {"MaghaHalfwayHalfKetu", 120.0 + 180.0 / 27.0, 0, 3, 6, 0},
    {"RevatiHalfwayHalfMercury", 360.0 - 180.0 / 27.0, 8, 8, 6, 0},
    {"RohiniStartFullMoon", 40.0, 3, 10, 0, 0},
    {"AshwiniThreeQuartersPassedKetu", 10.0, 0, 1, 9, 0},
    // A tenth of Ardra left: 1.8 years, 1 year 9 months and 0.6 of a month.
    {"ArdraNineTenthsPassedRahu", 6 * 360.0 / 27.0 - 0.1 * 360.0 / 27.0, 5, 1, 9, 18},
    {"RevatiLastHundredthOfADegreeMercury", 359.99, 8, 0, 0, 4},
};

class DashaBalanceTest : public testing::TestWithParam<BalanceCase> {};

TEST_P(DashaBalanceTest, LordAndTimeLeft) {
  const BalanceCase& c = GetParam();
  const DashaBalance b = VimshottariBalance(c.moonDeg);
  EXPECT_EQ(b.LordIndex, c.wantLord);
  EXPECT_EQ(b.Years, c.wantYears);
  EXPECT_EQ(b.Months, c.wantMonths);
  EXPECT_EQ(b.Days, c.wantDays);
}

INSTANTIATE_TEST_SUITE_P(Moons, DashaBalanceTest, testing::ValuesIn(kBalances),
                         [](const testing::TestParamInfo<BalanceCase>& info) {
                           return std::string(info.param.Name);
                         });

class DashaSequenceTest : public testing::TestWithParam<double> {};

TEST_P(DashaSequenceTest, NineLordsInOrderSpanning120YearsWithoutGaps) {
  const auto dashas = VimshottariDashas(GetParam());
  const int first = dashas[0].Period.LordIndex;
  EXPECT_LE(dashas[0].Period.StartDaysFromBirth, 0.0);
  EXPECT_GT(dashas[0].Period.EndDaysFromBirth, 0.0);
  for (int i = 0; i < 9; ++i) {
    const auto& m = dashas[i];
    EXPECT_EQ(m.Period.LordIndex, (first + i) % 9);
    if (i > 0) {
      EXPECT_DOUBLE_EQ(m.Period.StartDaysFromBirth, dashas[i - 1].Period.EndDaysFromBirth);
    }
    EXPECT_DOUBLE_EQ(m.Antardashas[0].StartDaysFromBirth, m.Period.StartDaysFromBirth);
    EXPECT_DOUBLE_EQ(m.Antardashas[8].EndDaysFromBirth, m.Period.EndDaysFromBirth);
    EXPECT_EQ(m.Antardashas[0].LordIndex, m.Period.LordIndex);
  }
  EXPECT_NEAR(dashas[8].Period.EndDaysFromBirth - dashas[0].Period.StartDaysFromBirth,
              120 * kDashaDaysPerYear, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Moons, DashaSequenceTest, testing::Values(0.0, 47.3, 200.0, 359.999));

TEST(DashaStartTest, FirstLordIsTheLordOfTheNakshatraShownForTheMoon) {
  // At every nakshatra's edge, and just inside it, the dasha and the nakshatra agree.
  for (int k = 0; k < 27; ++k) {
    for (double offset : {0.0, 1e-9, 360.0 / 27.0 - 1e-9}) {
      const double moon = k * 360.0 / 27.0 + offset;
      ChartRecord c;
      MoonNakshatraOf(c, moon);
      LookupNakshatraLord(c, c.MoonNakshatra);
      EXPECT_EQ(kDashaLords[static_cast<std::size_t>(VimshottariBalance(moon).LordIndex)].Name,
                c.NakshatraLord)
          << moon;
    }
  }
}

struct DateCase {
  const char* Name;
  int year, month, day, hour, minute;
  double moonDeg;
  const char* wantStart;  // of the first mahadasha
  const char* wantEnd;
};

constexpr DateCase kDates[] = {
    {"KetuFromMidnightEndsOnNewYearsEve", 2000, 1, 1, 0, 0, 0.0, "2000-01-01", "2006-12-31"},
    {"NoonBirthCarriesIntoTheNextYear", 2000, 1, 1, 12, 0, 0.0, "2000-01-01", "2007-01-01"},
    {"HalfPassedKetuStartedBeforeBirth", 1990, 6, 15, 6, 0, 120.0 + 180.0 / 27.0, "1986-12-14",
     "1993-12-14"},
    {"Hour24IsTheNextMorning", 1990, 6, 15, 24, 0, 0.0, "1990-06-16", "1997-06-15"},
    {"LeapDayLateEveningHalfVenus", 1980, 2, 29, 23, 59, 20.0, "1970-03-01", "1990-03-01"},
};

class DashaDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(DashaDateTest, CountedFromTheLocalDateAndTimeOfBirth) {
  const DateCase& p = GetParam();
  ChartRecord c;
  c.BirthYear = static_cast<std::int16_t>(p.year);
  c.BirthMonth = static_cast<std::int16_t>(p.month);
  c.BirthDay = static_cast<std::int16_t>(p.day);
  c.BirthHour = static_cast<std::int16_t>(p.hour);
  c.BirthMinute = static_cast<std::int16_t>(p.minute);
  c.Longitudes[kMoonRow] = p.moonDeg;
  const auto dashas = VimshottariDashas(c);
  EXPECT_EQ(IsoDate(DateFromBirth(c, dashas[0].Period.StartDaysFromBirth)), p.wantStart);
  EXPECT_EQ(IsoDate(DateFromBirth(c, dashas[0].Period.EndDaysFromBirth)), p.wantEnd);
  // And back: the local midnight that starts the end date lies just before the end.
  const CivilDate end = DateFromBirth(c, dashas[0].Period.EndDaysFromBirth);
  const double days = DaysFromBirthTo(c, end, 0.0);
  EXPECT_LE(days, dashas[0].Period.EndDaysFromBirth);
  EXPECT_GT(days, dashas[0].Period.EndDaysFromBirth - 1.0);
}

INSTANTIATE_TEST_SUITE_P(Births, DashaDateTest, testing::ValuesIn(kDates),
                         [](const testing::TestParamInfo<DateCase>& info) {
                           return std::string(info.param.Name);
                         });

struct RunningCase {
  const char* Name;
  double daysFromBirth;
  bool wantRunning;
  std::size_t wantMahadasha, wantAntardasha;
};

// Moon at 0: Ketu's 7 years from birth, its first antardasha Ketu for 7 x 7 / 120 years.
constexpr RunningCase kRunning[] = {
    {"AtBirthFirstOfBoth", 0.0, true, 0, 0},
    {"DayBeforeBirthNothing", -1.0, false, 0, 0},
    {"SecondAntardashaBeginsAtItsStart", 7 * 7 / 120.0 * 365.25, true, 0, 1},
    {"LastDayOfKetu", 7 * 365.25 - 0.5, true, 0, 8},
    {"VenusBeginsAfterSevenYears", 7 * 365.25, true, 1, 0},
    {"After120YearsNothing", 120 * 365.25 + 1.0, false, 0, 0},
};

class RunningDashaTest : public testing::TestWithParam<RunningCase> {};

TEST_P(RunningDashaTest, FindsThePeriodsHoldingTheDay) {
  const RunningCase& p = GetParam();
  const auto running = RunningDashaAt(VimshottariDashas(0.0), p.daysFromBirth);
  ASSERT_EQ(running.has_value(), p.wantRunning);
  if (!running) return;
  EXPECT_EQ(running->Mahadasha, p.wantMahadasha);
  EXPECT_EQ(running->Antardasha, p.wantAntardasha);
}

INSTANTIATE_TEST_SUITE_P(Days, RunningDashaTest, testing::ValuesIn(kRunning),
                         [](const testing::TestParamInfo<RunningCase>& info) {
                           return std::string(info.param.Name);
                         });

struct PratyantarCase {
  const char* Name;
  double moonDeg;  // a nakshatra start, so the first mahadasha runs whole from birth
  std::size_t mahadasha, antardasha, pratyantardasha;
  int wantLord;
  double wantYears;  // A x B x C / 14400 years, the classical rule of the third level
};

// Lords by index: 0 Ketu 7, 1 Venus 20, 2 Sun 6, 3 Moon 10, 4 Mars 7, 5 Rahu 18, 6 Jupiter 16,
// 7 Saturn 19, 8 Mercury 17 years.
constexpr PratyantarCase kPratyantars[] = {
    {"KetuKetuKetuIsTheFirst", 0.0, 0, 0, 0, 0, 7.0 * 7 * 7 / 14400},
    {"KetuKetuVenusFollows", 0.0, 0, 0, 1, 1, 7.0 * 7 * 20 / 14400},
    {"KetuVenusStartsFromVenus", 0.0, 0, 1, 0, 1, 7.0 * 20 * 20 / 14400},
    {"KetuVenusLastIsKetu", 0.0, 0, 1, 8, 0, 7.0 * 20 * 7 / 14400},
    {"JupiterJupiterJupiter", 6 * 360.0 / 27, 0, 0, 0, 6, 16.0 * 16 * 16 / 14400},
    {"SunSunSunIsTheShortestOfItsKind", 2 * 360.0 / 27, 0, 0, 0, 2, 6.0 * 6 * 6 / 14400},
    {"SunMoonMarsInTheSunsMahadasha", 2 * 360.0 / 27, 0, 1, 1, 4, 6.0 * 10 * 7 / 14400},
    {"SaturnMercuryKetu", 7 * 360.0 / 27, 0, 1, 1, 0, 19.0 * 17 * 7 / 14400},
};

class PratyantardashaTest : public testing::TestWithParam<PratyantarCase> {};

TEST_P(PratyantardashaTest, LordAndLengthFollowTheThreeLords) {
  const PratyantarCase& p = GetParam();
  const auto dashas = VimshottariDashas(p.moonDeg);
  const DashaPeriod& q = dashas[p.mahadasha].Pratyantardashas[p.antardasha][p.pratyantardasha];
  EXPECT_EQ(q.LordIndex, p.wantLord);
  EXPECT_NEAR((q.EndDaysFromBirth - q.StartDaysFromBirth) / kDashaDaysPerYear, p.wantYears, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Lords, PratyantardashaTest, testing::ValuesIn(kPratyantars),
                         [](const testing::TestParamInfo<PratyantarCase>& info) {
                           return std::string(info.param.Name);
                         });

class PratyantarTilingTest : public testing::TestWithParam<double> {};

TEST_P(PratyantarTilingTest, NinePeriodsFillEachAntardashaFromItsOwnLord) {
  for (const Mahadasha& m : VimshottariDashas(GetParam())) {
    for (std::size_t j = 0; j < 9; ++j) {
      const DashaPeriod& a = m.Antardashas[j];
      const auto& subs = m.Pratyantardashas[j];
      EXPECT_EQ(subs[0].LordIndex, a.LordIndex);
      EXPECT_EQ(subs[0].StartDaysFromBirth, a.StartDaysFromBirth);
      EXPECT_EQ(subs[8].EndDaysFromBirth, a.EndDaysFromBirth);
      for (std::size_t k = 1; k < 9; ++k) {
        EXPECT_EQ(subs[k].LordIndex, (a.LordIndex + static_cast<int>(k)) % 9);
        EXPECT_EQ(subs[k].StartDaysFromBirth, subs[k - 1].EndDaysFromBirth);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Moons, PratyantarTilingTest, testing::Values(0.0, 47.3, 200.0, 359.999));

TEST(RunningDashaTest, FindsThePratyantardashaToo) {
  // Moon at 0: Ketu / Ketu / Ketu for 7 x 7 x 7 / 14400 years, then Ketu / Ketu / Venus.
  const auto dashas = VimshottariDashas(0.0);
  const double kkk = 7.0 * 7 * 7 / 14400 * kDashaDaysPerYear;
  const auto first = RunningDashaAt(dashas, kkk - 0.01);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Pratyantardasha, 0u);
  const auto second = RunningDashaAt(dashas, kkk + 0.01);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Antardasha, 0u);
  EXPECT_EQ(second->Pratyantardasha, 1u);
  const auto last = RunningDashaAt(dashas, 7 * 365.25 - 0.01);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->Antardasha, 8u);
  EXPECT_EQ(last->Pratyantardasha, 8u);
}

}  // namespace
}  // namespace velmora
