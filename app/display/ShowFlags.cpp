#include "ShowFlags.h"

uint32_t NormaliseShowFlags(uint32_t flags) {
  flags &= ~kShowNeverKept;
  if ((flags & kShowParts) == 0) flags |= kShowDigital;
  return flags;
}

TimeFormat TimeFormatFor(uint32_t flags) {
  const bool hours24 = (flags & kShow24Hour) != 0;
  TimeFormat time{hours24 ? "%H:%M" : "%I:%M", 5};
  if (flags & kShowSeconds) {
    time.format += ":%S";
    time.length += 3;
  }
  if ((flags & kShowAmPm) && !hours24) {
    time.format += " %p";
    time.length += 3;
  }
  return time;
}
