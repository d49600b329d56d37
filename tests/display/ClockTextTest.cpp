// Flags, time formats and the texts of one clock.
#include <gtest/gtest.h>

#include "ClockText.h"
#include "ShowFlags.h"
#include "UtcInstant.h"

namespace {

using testing_support::UtcInstant;

TEST(ShowFlags, SomePartAlwaysShowsAndBit11IsNeverKept) {
  EXPECT_EQ(NormaliseShowFlags(0), 0x2u);
  EXPECT_EQ(NormaliseShowFlags(0x80F), 0x00Fu);
  EXPECT_EQ(NormaliseShowFlags(0x70000), 0x70002u);
  EXPECT_EQ(NormaliseShowFlags(0x7060F), 0x7060Fu);
  EXPECT_EQ(FaceStyleOf(0x7060F), 7u);
}

TEST(ShowFlags, TheSixTimeFormats) {
  struct Case {
    uint32_t flags;
    const char* format;
    int length;
  };
  const Case cases[] = {
      {0x000, "%I:%M", 5},        {0x200, "%I:%M:%S", 8}, {0x400, "%I:%M %p", 8},
      {0x600, "%I:%M:%S %p", 11}, {0x100, "%H:%M", 5},    {0x300, "%H:%M:%S", 8},
      {0x500, "%H:%M", 5},        {0x700, "%H:%M:%S", 8},  // AM/PM needs 12-hour time
  };
  for (const Case& c : cases) {
    const TimeFormat time = TimeFormatFor(c.flags);
    EXPECT_EQ(time.format, c.format) << std::hex << c.flags;
    EXPECT_EQ(time.length, c.length) << std::hex << c.flags;
  }
}

TEST(ClockText, DigitalTimeDropsOnlyATwelveHourLeadingZero) {
  const std::tm morning = BreakDownZoneLocal(UtcInstant("2002-03-03 09:05:07"));
  EXPECT_EQ(FormatDigitalTime("%I:%M:%S %p", 0x600, morning), " 9:05:07 AM");
  EXPECT_EQ(FormatDigitalTime("%H:%M:%S", 0x700, morning), "09:05:07");
  const std::tm afternoon = BreakDownZoneLocal(UtcInstant("2002-03-03 12:34:56"));
  EXPECT_EQ(FormatDigitalTime("%I:%M:%S %p", 0x600, afternoon), "12:34:56 PM");
}

TEST(ClockText, DatesFormatAlikeEverywhere) {
  const std::tm day = BreakDownZoneLocal(UtcInstant("2002-03-03 09:05:07"));
  EXPECT_EQ(FormatClockText("%a, %b %#d", day), "Sun, Mar 3");
  EXPECT_EQ(FormatClockText("%d.%m.%Y %#H:%#M", day), "03.03.2002 9:5");
  EXPECT_EQ(FormatClockText("100%% %#d", day), "100% 3");
  // What the runtime does not know is shown as written, never passed to it.
  EXPECT_EQ(FormatClockText("%Q %#Q %", day), "%Q %#Q %");
}

TEST(ClockText, ALongDateIsClippedTo127Characters) {
  const std::tm day = BreakDownZoneLocal(UtcInstant("2002-03-03 09:05:07"));
  std::string format(30, 'x');
  for (int i = 0; i < 8; ++i) format += "%A %B %Y ";  // 30 + 8 x 18 characters
  const std::string text = FormatClockText(format, day);
  ASSERT_EQ(text.size(), 127u);
  EXPECT_EQ(text.substr(0, 37), std::string(30, 'x') + "Sunday ");
}

TEST(ClockText, ZoneButtonAndTooltip) {
  EXPECT_EQ(ZoneLabelText("UTC", 0x7060F, 0), "UTC");
  EXPECT_EQ(ZoneLabelText("UTC", 0x7061F, 0), "UTC, +0:00");
  EXPECT_EQ(ZoneLabelText("Kathmandu", 0x10, 345), "Kathmandu, +5:45");
  EXPECT_EQ(ZoneTooltipText("UTC", "UTC", 0, false), "UTC: UTC +0:00");
  EXPECT_EQ(ZoneTooltipText("Belfast", "U.K.", 60, true), "Belfast, U.K.: UTC +1:00 (DST)");
  EXPECT_EQ(ZoneTooltipText("Luxembourg", "Luxembourg", 120, true), "Luxembourg: UTC +2:00 (DST)");
  EXPECT_EQ(ZoneTooltipText("luxembourg", "Luxembourg", 60, false),
            "luxembourg, Luxembourg: UTC +1:00");  // compared exactly
}

}  // namespace
