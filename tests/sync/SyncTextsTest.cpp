// The texts of offsets, round trips and reference clocks.
#include <gtest/gtest.h>

#include <cstring>

#include "SyncTexts.h"

namespace {

TEST(SyncTexts, OffsetText) {
  const struct {
    int64_t ticks;
    const char* text;
  } cases[] = {
      {-15000000, "-1.500s"}, {-5000000, "-500ms"},     {123000, "+012ms"}, {0, "+000ms"},
      {23450000, "+2.345s"},  {-120070000, "-12.007s"}, {-50000, "-005ms"}, {9999, "+000ms"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatOffsetText(c.ticks), c.text) << c.ticks;
}

TEST(SyncTexts, DelayText) {
  EXPECT_EQ(FormatDelayText(876000), "087ms");
  EXPECT_EQ(FormatDelayText(12500000), "1.250s");
  EXPECT_EQ(FormatDelayText(0), "000ms");
}

TEST(SyncTexts, ReferenceClockByStratum) {
  ntp::NtpPacket reply{};
  reply[ntp::kStratum] = 1;
  std::memcpy(reply.data() + ntp::kReferenceId, "GPS\0", 4);
  EXPECT_EQ(FormatReferenceClock(reply), "GPS");
  std::memcpy(reply.data() + ntp::kReferenceId, "ABCD", 4);
  EXPECT_EQ(FormatReferenceClock(reply), "ABCD");
  reply[ntp::kStratum] = 3;
  std::memcpy(reply.data() + ntp::kReferenceId, "\xC0\x00\x02\x07", 4);
  EXPECT_EQ(FormatReferenceClock(reply), "192.0.2.7");
}

}  // namespace
