// The local time, daylight-saving state and offset of one zone at one UTC
// instant. Instants are seconds since 1970-01-01 00:00:00 UTC in 32 bits; a
// zone-local instant counts the zone's wall-clock time as if it were UTC, so
// gmtime() of it yields the zone's local date and time.
#ifndef APP_ZONETIME_ZONETIME_H
#define APP_ZONETIME_ZONETIME_H

#include <cstdint>
#include <string>

#include "Tzbase.h"

class CZoneTime {
 public:
  // Evaluates zone at the current time (time()).
  explicit CZoneTime(const TB_Zone& zone);
  // Evaluates zone at utc; for callers that hold the instant already.
  CZoneTime(const TB_Zone& zone, int32_t utc);

  // Copies the record and evaluates it at m_utc.
  void SetZone(const TB_Zone& zone);
  // Evaluates at utc and returns the zone-local instant.
  int32_t Update(int32_t utc);

  // The shift in minutes while daylight-saving time is in effect (0 to 255).
  int32_t ShiftMinutes() const { return static_cast<int32_t>(zone.dstShiftMinutes & 0xFF); }
  // The zone's offset from UTC now, in minutes.
  int32_t CurrentOffsetMinutes() const {
    return zone.offsetMinutes + (m_inDst ? ShiftMinutes() : 0);
  }

  TB_Zone zone;  // a copy; its text pointers are null
  int32_t m_utc;
  int32_t m_local;
  int32_t m_dstStart;  // UTC instant DST starts in m_year; 0 without DST
  int32_t m_dstEnd;    // UTC instant DST ends in m_year; 0 without DST
  int32_t m_year;
  bool m_inDst;

 private:
  void FindUtcYear(int32_t utc);
  void ComputeTransitions();

  // The UTC instants at which m_year and the year after it begin; an
  // evaluation inside them needs no new transitions.
  int64_t m_yearBegins = 0;
  int64_t m_nextYearBegins = 0;
};

// An offset in minutes as "+5:30", "-8:00" or "+0:00".
std::string FormatUtcOffset(int32_t minutes);

#endif
