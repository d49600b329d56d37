// The clocks' flag word: which parts show and how the time is written.
#ifndef APP_DISPLAY_SHOWFLAGS_H
#define APP_DISPLAY_SHOWFLAGS_H

#include <cstdint>
#include <string>

constexpr uint32_t kShowAnalog = 0x1;
constexpr uint32_t kShowDigital = 0x2;
constexpr uint32_t kShowDate = 0x4;
constexpr uint32_t kShowZone = 0x8;
constexpr uint32_t kShowParts = kShowAnalog | kShowDigital | kShowDate | kShowZone;
constexpr uint32_t kShowUtcOffset = 0x10;
constexpr uint32_t kShow24Hour = 0x100;
constexpr uint32_t kShowSeconds = 0x200;
constexpr uint32_t kShowAmPm = 0x400;
constexpr uint32_t kShowNeverKept = 0x800;
constexpr uint32_t kShowTimeBits = 0xF00;
constexpr uint32_t kShowFaceStyleBits = 0xFF0000;  // the analog face's style byte
constexpr uint32_t kShowFlagsDefault = 0x7060F;

// Drops 0x800 and makes sure some part shows (the digital time if none).
uint32_t NormaliseShowFlags(uint32_t flags);

// The analog face's style byte (bits 16-23).
inline unsigned FaceStyleOf(uint32_t flags) { return (flags & kShowFaceStyleBits) >> 16; }

struct TimeFormat {
  std::string format;  // for strftime
  int length;          // characters the text takes
};

// "%H" or "%I", ":%M", ":%S" with seconds, " %p" in 12-hour time with AM/PM.
TimeFormat TimeFormatFor(uint32_t flags);

#endif
