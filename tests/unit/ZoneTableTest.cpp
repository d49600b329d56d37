// The zone table and the exports that describe it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "Tzbase.h"

namespace {

std::string FirstPlace(const TB_Zone& zone) {
  const std::string cities = zone.cities;
  return cities.substr(0, cities.find(','));
}

bool HasNoDstFields(const TB_Zone& zone) {
  return zone.dstStartDate == 0 && zone.dstStartMinutes == 0 && zone.dstEndDate == 0 &&
         zone.dstEndMinutes == 0 && zone.dstShiftMinutes == 0;
}

TEST(ZoneTable, IndexRangeAndFixedAnswers) {
  EXPECT_EQ(TB_ZoneCount(), 265);
  EXPECT_EQ(TB_GetZone(-1), nullptr);
  EXPECT_EQ(TB_GetZone(265), nullptr);
  EXPECT_EQ(TB_GetZone(INT32_MIN), nullptr);
  EXPECT_EQ(TB_GetYear(), 2002);

  int32_t major = 0, minor = 0;
  TB_Version(&major, &minor);
  EXPECT_EQ(major, 1);
  EXPECT_EQ(minor, 2);
  TB_Version(nullptr, nullptr);  // nothing to write, nothing written
}

TEST(ZoneTable, KnownRecords) {
  struct Row {
    int32_t index, offset;
    const char* country;
    const char* firstPlace;
    uint32_t start;
    int32_t startMinutes;
    uint32_t end;
    int32_t endMinutes, shift;
  };
  const Row rows[] = {
      {0, 0, "UTC", "UTC", 0, 0, 0, 0, 0},
      {29, -300, "Canada", "Iqaluit", 0x0704, 120, 0x1B0A, 120, 60},
      {39, -300, "U.S.A.", "Akron", 0x0704, 120, 0x1B0A, 120, 60},
      {63, -210, "Canada", "St. John's", 0x0704, 0, 0x1B0A, 0, 60},
      {92, 0, "U.K.", "Belfast", 0x1F03, 60, 0x1B0A, 120, 60},
      {151, 120, "Latvia", "Riga", 0x1F03, 180, 0x1B0A, 240, 0},
      {207, 330, "India",
       "Ahmad\xE3"
       "b\xE3"
       "d",
       0, 0, 0, 0, 0},
      {208, 345, "Nepal", "Kathmandu", 0, 0, 0, 0, 0},
      {239, 600, "Australia", "Canberra", 0x1B0A, 120, 0x1F03, 180, 60},
      {244, 630, "Australia", "Lord Howe Island", 0x1B0A, 120, 0x1F03, 120, 30},
      {258, 780, "Tonga", "Nukualofa", 0, 0, 0x0303, 180, 60},
      {264, 720, "New Zealand", "Christchurch", 0x060A, 120, 0x1103, 180, 60},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    const TB_Zone* zone = TB_GetZone(row.index);
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone->offsetMinutes, row.offset);
    EXPECT_STREQ(zone->country, row.country);
    EXPECT_EQ(FirstPlace(*zone), row.firstPlace);
    EXPECT_EQ(std::make_tuple(zone->dstStartDate, zone->dstStartMinutes, zone->dstEndDate,
                              zone->dstEndMinutes, zone->dstShiftMinutes),
              std::make_tuple(row.start, row.startMinutes, row.end, row.endMinutes,
                              static_cast<uint32_t>(row.shift)));
  }
}

TEST(ZoneTable, TextsAreWindows1252Bytes) {
  EXPECT_STREQ(TB_GetZone(29)->cities,
               "Iqaluit, Montreal, Ottawa, Qu\xE9"
               "bec, Toronto");
  EXPECT_STREQ(TB_GetZone(65)->cities,
               "Brasilia, P\xF4"
               "rto Alegre, Recife, Rio de Janeiro, Salvador, Salvador, Sao Paulo");
  for (int32_t i = 0; i < TB_ZoneCount(); ++i) {
    const std::string text = std::string(TB_GetZone(i)->country) + TB_GetZone(i)->cities;
    for (unsigned char c : text) {
      // UTF-8 lead bytes would mean a text was stored in the wrong code page.
      EXPECT_FALSE(c == 0xC3 || c == 0xC5) << "zone " << i << ": " << text;
    }
  }
}

TEST(ZoneTable, OrderedByOffsetExceptTheKnownRows) {
  const std::set<int32_t> outOfOrder = {30, 66};
  int32_t previous = TB_GetZone(1)->offsetMinutes;
  for (int32_t i = 2; i <= 259; ++i) {
    if (outOfOrder.count(i)) continue;
    const int32_t offset = TB_GetZone(i)->offsetMinutes;
    EXPECT_GE(offset, previous) << "zone " << i;
    previous = offset;
  }
}

TEST(ZoneTable, DaylightSavingFieldsAreConsistent) {
  std::set<std::tuple<uint32_t, int32_t, uint32_t, int32_t, uint32_t>> combinations;
  std::vector<int32_t> partHourOffsets;
  for (int32_t i = 0; i < TB_ZoneCount(); ++i) {
    const TB_Zone& zone = *TB_GetZone(i);
    if (zone.offsetMinutes % 60 != 0) partHourOffsets.push_back(i);
    if (zone.dstShiftMinutes == 0) {
      EXPECT_TRUE(HasNoDstFields(zone) || i == 151) << "zone " << i;
      if (HasNoDstFields(zone)) continue;
    }
    combinations.emplace(zone.dstStartDate, zone.dstStartMinutes, zone.dstEndDate,
                         zone.dstEndMinutes, zone.dstShiftMinutes);
    EXPECT_EQ(zone.dstEndDate & 0xFFFF0000u, 0u);
    if (i != 258) {
      EXPECT_NE(zone.dstStartDate, 0u) << "zone " << i;
    }
  }
  EXPECT_EQ(combinations.size(), 31u);
  EXPECT_EQ(partHourOffsets,
            (std::vector<int32_t>{63, 187, 198, 207, 208, 214, 236, 237, 244, 249, 256, 260}));
}

}  // namespace
