// Public interface of the zone library Tzbase.
//
// Tzbase.dll exports these nine functions by name and by the ordinals given
// below; programs may import them either way. Zone indices are stored in
// users' settings files, so a zone's index never changes. Texts are
// Windows-1252 bytes. Records and their texts belong to the library and stay
// valid while it is loaded; callers never modify or free them.
#ifndef TZBASE_TZBASE_H
#define TZBASE_TZBASE_H

#include <stdint.h>

#ifdef _WIN32
#define TB_CALL __stdcall
#ifdef TZBASE_BUILDING
#define TB_API  // Tzbase.def exports the undecorated names by ordinal
#else
#define TB_API __declspec(dllimport)
#endif
#else
#define TB_CALL
#define TB_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// One zone. Dates are packed as (day << 8) | month, 0 meaning "no date"; they
// are the days of the library's year and apply to every later year. The start
// time is minutes after midnight in local standard time, the end time in
// local daylight time. Only the low 8 bits of dstShiftMinutes count; 0 means
// the zone never observes daylight-saving time. On 32-bit Windows the record
// is 32 bytes: eight 32-bit fields.
typedef struct TB_Zone {
  int32_t offsetMinutes;  // standard offset from UTC, east positive
  const char* country;
  const char* cities;  // place names separated by ", "; the first is the default name
  uint32_t dstStartDate;
  int32_t dstStartMinutes;
  uint32_t dstEndDate;
  int32_t dstEndMinutes;
  uint32_t dstShiftMinutes;
} TB_Zone;

enum {
  TB_ORDINAL_ZONE_COUNT = 1,
  TB_ORDINAL_GET_ZONE = 2,
  TB_ORDINAL_VERSION = 3,
  TB_ORDINAL_LOAD_DISPLAY_NAMES = 4,
  TB_ORDINAL_GET_DISPLAY_NAME = 5,
  TB_ORDINAL_GET_DISPLAY_NAME_REGARDLESS = 6,
  TB_ORDINAL_SET_DISPLAY_NAME = 7,
  TB_ORDINAL_HAS_DISPLAY_NAME = 8,
  TB_ORDINAL_GET_YEAR = 9
};

// Ordinal 1: the number of zones, 265.
TB_API int32_t TB_CALL TB_ZoneCount(void);
// Ordinal 2: the zone's record, or null when zone is outside 0..264.
TB_API const TB_Zone* TB_CALL TB_GetZone(int32_t zone);
// Ordinal 3: writes the library's version, 1.2.
TB_API void TB_CALL TB_Version(int32_t* major, int32_t* minor);
// Ordinal 4: reloads the display-name overrides from "Tzbase-DisplayNames.ini".
TB_API void TB_CALL TB_LoadDisplayNames(void);
// Ordinal 5: the zone's override copied into buffer (size >= 1, always
// NUL-terminated); null with an empty buffer when there is none.
TB_API char* TB_CALL TB_GetDisplayName(int32_t zone, char* buffer, int32_t size);
// Ordinal 6: the override, else the zone's first place name; null with an
// empty buffer for a bad index.
TB_API char* TB_CALL TB_GetDisplayNameRegardless(int32_t zone, char* buffer, int32_t size);
// Ordinal 7: stores name as the zone's override (null clears it) and writes it
// through to the file. Nonzero on success.
TB_API int32_t TB_CALL TB_SetDisplayName(int32_t zone, const char* name);
// Ordinal 8: 1 when the zone has an override, else 0.
TB_API int32_t TB_CALL TB_HasDisplayName(int32_t zone);
// Ordinal 9: the year whose daylight-saving dates the table holds, 2002.
TB_API int32_t TB_CALL TB_GetYear(void);

typedef int32_t(TB_CALL* TB_ZoneCountFn)(void);
typedef const TB_Zone*(TB_CALL* TB_GetZoneFn)(int32_t);
typedef void(TB_CALL* TB_VersionFn)(int32_t*, int32_t*);
typedef void(TB_CALL* TB_LoadDisplayNamesFn)(void);
typedef char*(TB_CALL* TB_GetDisplayNameFn)(int32_t, char*, int32_t);
typedef char*(TB_CALL* TB_GetDisplayNameRegardlessFn)(int32_t, char*, int32_t);
typedef int32_t(TB_CALL* TB_SetDisplayNameFn)(int32_t, const char*);
typedef int32_t(TB_CALL* TB_HasDisplayNameFn)(int32_t);
typedef int32_t(TB_CALL* TB_GetYearFn)(void);

#ifdef __cplusplus
}
#endif

#endif
