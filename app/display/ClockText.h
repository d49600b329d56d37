// The texts a clock shows: its time, date, zone button and tooltip.
#ifndef APP_DISPLAY_CLOCKTEXT_H
#define APP_DISPLAY_CLOCKTEXT_H

#include <cstdint>
#include <ctime>
#include <string>

// The clock texts fit a 128-byte buffer: at most this many characters.
constexpr std::size_t kClockTextLimit = 127;

// The calendar breakdown of a zone-local instant (its wall clock as UTC).
std::tm BreakDownZoneLocal(int32_t zoneLocal);

// strftime with the same results on every platform: "%#" before a numeric
// conversion drops its leading zeros; a conversion the runtime does not know
// is shown as written instead of reaching it. The result is clipped to
// kClockTextLimit characters.
std::string FormatClockText(const std::string& format, const std::tm& time);

// The digital time; in 12-hour time a leading zero becomes a space.
std::string FormatDigitalTime(const std::string& format, uint32_t flags, const std::tm& time);

// The zone button: the name, with ", " and the offset when flags ask for it.
std::string ZoneLabelText(const std::string& name, uint32_t flags, int32_t offsetMinutes);

// The tooltip: "Belfast, U.K.: UTC +1:00 (DST)"; the country is left out
// when it equals the name.
std::string ZoneTooltipText(const std::string& name, const std::string& country,
                            int32_t offsetMinutes, bool inDst);

#endif
