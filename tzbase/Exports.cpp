// The nine exported functions of the zone library.
#include "DisplayNames.h"
#include "Tzbase.h"
#include "ZoneTable.h"

using tzbase::TheDisplayNames;

extern "C" {

int32_t TB_CALL TB_ZoneCount(void) { return tzbase::kZoneCount; }

const TB_Zone* TB_CALL TB_GetZone(int32_t zone) {
  if (zone < 0 || zone >= tzbase::kZoneCount) return nullptr;
  return &tzbase::kZones[zone];
}

void TB_CALL TB_Version(int32_t* major, int32_t* minor) {
  if (major) *major = 1;
  if (minor) *minor = 2;
}

void TB_CALL TB_LoadDisplayNames(void) { TheDisplayNames().Load(); }

char* TB_CALL TB_GetDisplayName(int32_t zone, char* buffer, int32_t size) {
  return TheDisplayNames().Get(zone, buffer, size);
}

char* TB_CALL TB_GetDisplayNameRegardless(int32_t zone, char* buffer, int32_t size) {
  return TheDisplayNames().GetRegardless(zone, buffer, size);
}

int32_t TB_CALL TB_SetDisplayName(int32_t zone, const char* name) {
  return TheDisplayNames().Set(zone, name);
}

int32_t TB_CALL TB_HasDisplayName(int32_t zone) { return TheDisplayNames().Has(zone); }

int32_t TB_CALL TB_GetYear(void) { return tzbase::kTableYear; }

}  // extern "C"
