// The active and unused server lists in the settings file: sections
// "ActiveServers" and "UnusedServers", written as "Count=N" and one
// "Server%03d=host location" line per server in list order. An older
// layout (host and location under separate keys) is still read.
#ifndef APP_SYNC_SERVERLISTSTORE_H
#define APP_SYNC_SERVERLISTSTORE_H

#include <cstddef>

#include "ServerInfo.h"

class CNtpEngine;

constexpr const char* kActiveServersSection = "ActiveServers";
constexpr const char* kUnusedServersSection = "UnusedServers";

// Empties list, fills it from section and returns the number of entries.
size_t LoadServerList(ServerList& list, const char* section, const char* file);
// Replaces the whole section with list.
void SaveServerList(const ServerList& list, const char* section, const char* file);

// Start-up: reads both lists, gives a first run the built-in defaults,
// keeps active servers out of the unused list, and hands the active list
// to the engine.
void LoadServerLists(CNtpEngine& engine, ServerList& unused, const char* file);
// Writes the engine's active list and the unused list.
void SaveServerLists(const CNtpEngine& engine, const ServerList& unused, const char* file);

#endif
