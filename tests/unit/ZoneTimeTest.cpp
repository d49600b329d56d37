// Zone time: daylight-saving transitions to the second, later years, offsets.
#include <gtest/gtest.h>

#include "UtcInstant.h"
#include "ZoneTime.h"

using testing_support::FormatInstant;
using testing_support::UtcInstant;

namespace {

constexpr int32_t kLondon = 92, kNewYork = 39, kSydney = 239, kLordHowe = 244, kTonga = 258,
                  kLatvia = 151, kKathmandu = 208, kAuckland = 253;

struct Evaluation {
  int32_t zone;
  const char* utc;
  const char* local;
  bool inDst;
};

class ZoneTimeAt : public ::testing::TestWithParam<Evaluation> {};

TEST_P(ZoneTimeAt, GivesLocalTimeAndDstState) {
  const Evaluation& e = GetParam();
  CZoneTime zoneTime(*TB_GetZone(e.zone), UtcInstant(e.utc));
  EXPECT_EQ(FormatInstant(zoneTime.m_local), e.local);
  EXPECT_EQ(zoneTime.m_inDst, e.inDst);
  const TB_Zone& zone = *TB_GetZone(e.zone);
  EXPECT_EQ(zoneTime.CurrentOffsetMinutes(),
            zone.offsetMinutes + (e.inDst ? static_cast<int32_t>(zone.dstShiftMinutes) : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, ZoneTimeAt,
    ::testing::Values(
        // London: starts 31 March 01:00 standard, ends 27 October 02:00 daylight.
        Evaluation{kLondon, "2002-03-31 00:59:59", "2002-03-31 00:59:59", false},
        Evaluation{kLondon, "2002-03-31 01:00:00", "2002-03-31 02:00:00", true},
        Evaluation{kLondon, "2002-10-27 00:59:59", "2002-10-27 01:59:59", true},
        Evaluation{kLondon, "2002-10-27 01:00:00", "2002-10-27 01:00:00", false},
        // New York.
        Evaluation{kNewYork, "2002-04-07 06:59:59", "2002-04-07 01:59:59", false},
        Evaluation{kNewYork, "2002-04-07 07:00:00", "2002-04-07 03:00:00", true},
        Evaluation{kNewYork, "2002-10-27 05:59:59", "2002-10-27 01:59:59", true},
        Evaluation{kNewYork, "2002-10-27 06:00:00", "2002-10-27 01:00:00", false},
        // Sydney: southern order, DST spans the new year.
        Evaluation{kSydney, "2002-01-15 00:00:00", "2002-01-15 11:00:00", true},
        Evaluation{kSydney, "2002-03-30 15:59:59", "2002-03-31 02:59:59", true},
        Evaluation{kSydney, "2002-03-30 16:00:00", "2002-03-31 02:00:00", false},
        Evaluation{kSydney, "2002-10-26 15:59:59", "2002-10-27 01:59:59", false},
        Evaluation{kSydney, "2002-10-26 16:00:00", "2002-10-27 03:00:00", true},
        // Lord Howe Island: a 30-minute shift.
        Evaluation{kLordHowe, "2002-10-26 15:29:59", "2002-10-27 01:59:59", false},
        Evaluation{kLordHowe, "2002-10-26 15:30:00", "2002-10-27 02:30:00", true},
        // Tonga: no start date, so DST from the first instant of the UTC year.
        Evaluation{kTonga, "2001-12-31 23:59:59", "2002-01-01 12:59:59", false},
        Evaluation{kTonga, "2002-01-01 00:00:00", "2002-01-01 14:00:00", true},
        Evaluation{kTonga, "2002-03-02 12:59:59", "2002-03-03 02:59:59", true},
        Evaluation{kTonga, "2002-03-02 13:00:00", "2002-03-03 02:00:00", false},
        // Latvia has dates but a zero shift: never DST.
        Evaluation{kLatvia, "2002-06-01 12:00:00", "2002-06-01 14:00:00", false},
        Evaluation{kKathmandu, "2002-06-01 12:00:00", "2002-06-01 17:45:00", false},
        // Later years use the same calendar days.
        Evaluation{kLondon, "2003-03-31 00:59:59", "2003-03-31 00:59:59", false},
        Evaluation{kLondon, "2003-03-31 01:00:00", "2003-03-31 02:00:00", true},
        Evaluation{kLondon, "2026-10-27 00:59:59", "2026-10-27 01:59:59", true},
        Evaluation{kLondon, "2026-10-27 01:00:00", "2026-10-27 01:00:00", false},
        Evaluation{kNewYork, "2037-04-07 07:00:00", "2037-04-07 03:00:00", true},
        // Ahead of UTC just after local New Year: the UTC year's transitions
        // apply, so Auckland is in DST (southern order) on both sides.
        Evaluation{kAuckland, "2002-12-31 11:30:00", "2003-01-01 00:30:00", true},
        Evaluation{kTonga, "2003-12-31 11:30:00", "2004-01-01 00:30:00", false}));

TEST(ZoneTime, TransitionsFollowTheUtcYear) {
  CZoneTime london(*TB_GetZone(kLondon), UtcInstant("2003-06-01 00:00:00"));
  EXPECT_EQ(london.m_year, 2003);
  EXPECT_EQ(FormatInstant(london.m_dstStart), "2003-03-31 01:00:00");
  EXPECT_EQ(FormatInstant(london.m_dstEnd), "2003-10-27 01:00:00");

  london.Update(UtcInstant("2010-01-01 00:00:00"));
  EXPECT_EQ(london.m_year, 2010);
  EXPECT_EQ(FormatInstant(london.m_dstStart), "2010-03-31 01:00:00");

  CZoneTime latvia(*TB_GetZone(kLatvia), UtcInstant("2002-06-01 00:00:00"));
  EXPECT_EQ(latvia.m_dstStart, 0);
  EXPECT_EQ(latvia.m_dstEnd, 0);
}

TEST(ZoneTime, YearIsTheUtcYearOnBothSidesOfEveryNewYear) {
  CZoneTime utc(*TB_GetZone(0), 0);
  for (int year = 1902; year <= 2037; ++year) {
    const std::string newYear = std::to_string(year) + "-01-01 00:00:00";
    const int32_t instant = UtcInstant(newYear.c_str());
    utc.Update(instant - 1);
    EXPECT_EQ(utc.m_year, year - 1) << newYear;
    utc.Update(instant);
    EXPECT_EQ(utc.m_year, year) << newYear;
    EXPECT_EQ(CZoneTime(*TB_GetZone(0), instant - 1).m_year, year - 1) << newYear;
  }
}

TEST(ZoneTime, CopiesTheRecordWithoutItsTexts) {
  CZoneTime zoneTime(*TB_GetZone(kLondon));
  EXPECT_EQ(zoneTime.zone.country, nullptr);
  EXPECT_EQ(zoneTime.zone.cities, nullptr);
  EXPECT_EQ(zoneTime.zone.offsetMinutes, 0);
}

TEST(ZoneTime, EveryZoneEvaluatesToItsOffsetOrItsShiftedOffset) {
  const int32_t instants[] = {UtcInstant("2002-01-15 12:00:00"), UtcInstant("2002-07-15 12:00:00"),
                              UtcInstant("2030-07-15 12:00:00")};
  for (int32_t i = 0; i < TB_ZoneCount(); ++i) {
    const TB_Zone& zone = *TB_GetZone(i);
    for (int32_t utc : instants) {
      CZoneTime zoneTime(zone, utc);
      const int32_t shift = zoneTime.m_inDst ? static_cast<int32_t>(zone.dstShiftMinutes) : 0;
      EXPECT_EQ(zoneTime.m_local - utc, (zone.offsetMinutes + shift) * 60) << "zone " << i;
      if (zone.dstShiftMinutes == 0) {
        EXPECT_FALSE(zoneTime.m_inDst) << "zone " << i;
      }
    }
  }
}

TEST(FormatUtcOffset, SignHoursAndTwoDigitMinutes) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "+0:00"},    {-300, "-5:00"},  {345, "+5:45"}, {-210, "-3:30"},
      {840, "+14:00"}, {-660, "-11:00"}, {-30, "-0:30"}, {INT32_MIN, "-35791394:08"}};
  for (const auto& c : cases) EXPECT_EQ(FormatUtcOffset(c.first), c.second) << c.first;
}

}  // namespace
