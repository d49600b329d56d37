#include "ZoneTime.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Days from 1970-01-01 to 1 January of year (proleptic Gregorian).
int64_t DaysToNewYear(int64_t year) {
  const int64_t y = year - 1;
  return 365 * (y - 1969) + (y / 4 - 492) - (y / 100 - 19) + (y / 400 - 4);
}

constexpr int64_t kSecondsPerDay = 86400;

// Seconds from 1970 to a packed date ((day << 8) | month) of year at a number
// of minutes after midnight, read as UTC. Month 0 and day 0 are not refused:
// they count as December of the year before and the last day of the month
// before. The arithmetic is 32-bit, modulo 2^32.
int32_t WallClockSeconds(uint32_t packedDate, int32_t minutes, int32_t year) {
  uint32_t month = packedDate & 0xFF;
  const uint32_t day = (packedDate >> 8) & 0xFF;
  uint32_t y = static_cast<uint32_t>(year);
  if (month < 3) {
    month += 9;
    y -= 1;
  } else {
    month -= 3;
  }
  const int32_t century = static_cast<int32_t>(y) / 100;
  const int32_t yearOfCentury = static_cast<int32_t>(y) % 100;
  const uint32_t dayNumber = static_cast<uint32_t>(146097 * century / 4) +
                             static_cast<uint32_t>(1461 * yearOfCentury / 4) +
                             (153 * month + 2) / 5 + day;
  const uint32_t seconds = ((dayNumber - 719469u) * 1440u + static_cast<uint32_t>(minutes)) * 60u;
  return static_cast<int32_t>(seconds);
}

int32_t Now() { return static_cast<int32_t>(std::time(nullptr)); }

}  // namespace

// The UTC calendar year of an instant, and the instants at which that year
// begins and the next one begins. An estimate from the mean year length is
// off by at most one, which the year bounds correct.
void CZoneTime::FindUtcYear(int32_t utc) {
  const int64_t instant = utc;
  int64_t year = 1970 + instant * 400 / (146097 * kSecondsPerDay) - (instant < 0 ? 1 : 0);
  int64_t begins = DaysToNewYear(year) * kSecondsPerDay;
  int64_t nextBegins;
  if (instant < begins) {
    --year;
    nextBegins = begins;
    begins = DaysToNewYear(year) * kSecondsPerDay;
  } else {
    nextBegins = DaysToNewYear(year + 1) * kSecondsPerDay;
    if (instant >= nextBegins) {
      ++year;
      begins = nextBegins;
      nextBegins = DaysToNewYear(year + 1) * kSecondsPerDay;
    }
  }
  m_year = static_cast<int32_t>(year);
  m_yearBegins = begins;
  m_nextYearBegins = nextBegins;
}

CZoneTime::CZoneTime(const TB_Zone& zoneRecord) : CZoneTime(zoneRecord, Now()) {}

CZoneTime::CZoneTime(const TB_Zone& zoneRecord, int32_t utc)
    : zone(), m_utc(utc), m_local(0), m_dstStart(0), m_dstEnd(0), m_year(0), m_inDst(false) {
  FindUtcYear(utc);
  SetZone(zoneRecord);
}

void CZoneTime::SetZone(const TB_Zone& zoneRecord) {
  zone = zoneRecord;
  zone.country = nullptr;
  zone.cities = nullptr;
  ComputeTransitions();
  Update(m_utc);
}

void CZoneTime::ComputeTransitions() {
  const int32_t shift = ShiftMinutes();
  if (shift == 0) {
    m_dstStart = 0;
    m_dstEnd = 0;
    return;
  }
  // The start time is local standard time, the end time local daylight time.
  m_dstStart = static_cast<int32_t>(
      static_cast<uint32_t>(WallClockSeconds(zone.dstStartDate, zone.dstStartMinutes, m_year)) -
      static_cast<uint32_t>(zone.offsetMinutes * 60));
  m_dstEnd = static_cast<int32_t>(
      static_cast<uint32_t>(WallClockSeconds(zone.dstEndDate, zone.dstEndMinutes, m_year)) -
      static_cast<uint32_t>((zone.offsetMinutes + shift) * 60));
}

int32_t CZoneTime::Update(int32_t utc) {
  m_utc = utc;
  if (utc < m_yearBegins || utc >= m_nextYearBegins) {
    FindUtcYear(utc);
    ComputeTransitions();
  }
  m_local = static_cast<int32_t>(static_cast<uint32_t>(utc) +
                                 static_cast<uint32_t>(zone.offsetMinutes * 60));
  m_inDst = false;

  const int32_t start = m_dstStart;
  const int32_t end = m_dstEnd;
  if (end > start) {
    m_inDst = start <= utc && utc < end;
  } else if (end < start) {
    m_inDst = utc < end || utc >= start;  // southern order: DST spans the new year
  }
  if (m_inDst) {
    m_local = static_cast<int32_t>(static_cast<uint32_t>(m_local) +
                                   static_cast<uint32_t>(ShiftMinutes() * 60));
  }
  return m_local;
}

std::string FormatUtcOffset(int32_t minutes) {
  const char sign = minutes >= 0 ? '+' : '-';
  const int64_t magnitude = std::llabs(static_cast<int64_t>(minutes));
  char text[32];
  std::snprintf(text, sizeof text, "%c%d:%02d", sign, static_cast<int>(magnitude / 60),
                static_cast<int>(magnitude % 60));
  return text;
}
