#include "SyncSettings.h"

#include <algorithm>
#include <string>

#include "NtpEngine.h"
#include "ProfileFile.h"
#include "ServerListStore.h"

namespace {

constexpr const char* kSection = "Sync";

// Settings are whole minutes or seconds in the file and unsigned seconds in
// the engine. A negative value would wrap round to an enormous one (a
// threshold that never asks, a wait of decades), so it counts as 0, and
// products too large for the engine are held at its largest value.
uint32_t ToEngineSeconds(int32_t value, uint32_t secondsPerUnit) {
  if (value <= 0) return 0;
  return static_cast<uint32_t>(
      std::min<uint64_t>(static_cast<uint64_t>(value) * secondsPerUnit, UINT32_MAX));
}

void WriteDecimal(const char* key, uint64_t value, const char* file) {
  platform::ProfileWriteString(kSection, key, std::to_string(value).c_str(), file);
}

void WriteDecimal(const char* key, int32_t value, const char* file) {
  platform::ProfileWriteString(kSection, key, std::to_string(value).c_str(), file);
}

}  // namespace

void LoadSyncSettings(CNtpEngine& engine, SyncSchedule& schedule, const char* file) {
  schedule.regimen = platform::ProfileReadInt(kSection, "Regimen", kRegimenNever, file);
  schedule.periodMin = platform::ProfileReadInt(kSection, "PeriodMin", 60, file);
  const int32_t thresholdMin = platform::ProfileReadInt(kSection, "MaxSilentAdjustMin", 15, file);
  const int32_t eachTrySec = platform::ProfileReadInt(kSection, "TimeOutEachTrySec", 2, file);
  const int32_t totalSec = platform::ProfileReadInt(kSection, "TimeOutTotalSec", 6, file);
  engine.SetTimeouts(ToEngineSeconds(eachTrySec, 1), ToEngineSeconds(totalSec, 1));
  engine.SetThreshold(ToEngineSeconds(thresholdMin, 60));
}

void SaveSyncSettings(const CNtpEngine& engine, const SyncSchedule& schedule,
                      const ServerList& unused, const char* file) {
  uint32_t eachTrySec = 0;
  uint32_t totalSec = 0;
  engine.QueryTimeouts(eachTrySec, totalSec);
  WriteDecimal("TimeOutEachTrySec", uint64_t{eachTrySec}, file);
  WriteDecimal("TimeOutTotalSec", uint64_t{totalSec}, file);
  WriteDecimal("MaxSilentAdjustMin", uint64_t{engine.GetThreshold() / 60}, file);
  WriteDecimal("Regimen", schedule.regimen, file);
  WriteDecimal("PeriodMin", schedule.periodMin, file);
  SaveServerLists(engine, unused, file);
}

void ApplyRegimen(CNtpEngine& engine, const SyncSchedule& schedule, bool atStartup) {
  switch (schedule.regimen) {
    case kRegimenNever:
      engine.SetPeriod(0);
      engine.Stop();
      break;
    case kRegimenAtStartup:
      engine.SetPeriod(0);
      if (atStartup) engine.SyncNow();
      break;
    default:
      engine.SetPeriod(ToEngineSeconds(schedule.periodMin, 60));
      engine.SyncNow();
      break;
  }
}
