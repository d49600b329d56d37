// The library's constant table of zones.
#ifndef TZBASE_ZONETABLE_H
#define TZBASE_ZONETABLE_H

#include "Tzbase.h"

namespace tzbase {

constexpr int32_t kZoneCount = 265;
constexpr int32_t kTableYear = 2002;

extern const TB_Zone kZones[kZoneCount];

}  // namespace tzbase

#endif
