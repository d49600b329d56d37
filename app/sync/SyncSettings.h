// The user's synchronisation settings (section "Sync" of the settings file)
// and the schedule they make: never, once at start-up, or periodically.
#ifndef APP_SYNC_SYNCSETTINGS_H
#define APP_SYNC_SYNCSETTINGS_H

#include <cstdint>

#include "ServerInfo.h"

class CNtpEngine;

enum SyncRegimen : int32_t {
  kRegimenNever = 0,
  kRegimenAtStartup = 1,
  kRegimenPeriodic = 2,  // and any other value
};

// The two settings the application keeps; the others live in the engine.
struct SyncSchedule {
  int32_t regimen = kRegimenNever;
  int32_t periodMin = 60;
};

// Reads the "Sync" keys (defaults for missing ones), keeps regimen and
// period, and gives the engine its time-outs and threshold. Starts nothing.
void LoadSyncSettings(CNtpEngine& engine, SyncSchedule& schedule, const char* file);

// Writes the "Sync" keys, then both server lists.
void SaveSyncSettings(const CNtpEngine& engine, const SyncSchedule& schedule,
                      const ServerList& unused, const char* file);

// Turns the regimen into engine calls; atStartup is true once the main
// window has registered with the engine, false after the options change.
void ApplyRegimen(CNtpEngine& engine, const SyncSchedule& schedule, bool atStartup);

#endif
