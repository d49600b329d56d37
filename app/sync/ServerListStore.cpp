#include "ServerListStore.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "NtpEngine.h"
#include "ProfileFile.h"
#include "ServerTable.h"

namespace {

constexpr uint32_t kSectionBufferSize = 32767;
// The written section text, terminating zeros included, stays below this.
constexpr size_t kWrittenSectionLimit = 32765;

std::string ReadValue(const char* section, const char* key, uint32_t maxLength, const char* file) {
  std::vector<char> buffer(maxLength + 1);
  platform::ProfileReadString(section, key, "", buffer.data(), maxLength + 1, file);
  return buffer.data();
}

void LoadOlderLayout(ServerList& list, int32_t count, const char* section, const char* file) {
  for (int32_t i = 0; i < count; ++i) {
    char hostKey[32];
    char locationKey[48];
    std::snprintf(hostKey, sizeof hostKey, "Server%03d", static_cast<int>(i));
    std::snprintf(locationKey, sizeof locationKey, "Server%03dLocation", static_cast<int>(i));
    ServerInfo server;
    server.host = ReadValue(section, hostKey, 255, file);
    server.location = ReadValue(section, locationKey, 511, file);
    if (!server.host.empty() && !server.location.empty()) list.push_back(server);
  }
}

bool IsOlderLocationKey(const std::string& key) {
  const std::string suffix = "Location";
  return key.size() > suffix.size() &&
         key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void LoadLines(ServerList& list, const char* section, const char* file) {
  std::vector<char> buffer(kSectionBufferSize, '\0');
  const uint32_t length =
      platform::ProfileReadSection(section, buffer.data(), kSectionBufferSize, file);
  // A section too long for the buffer comes back cut, its last line
  // perhaps in the middle: a half host name would be a wrong server.
  const bool cut = length >= kSectionBufferSize - 2;
  const char* end = buffer.data() + length;
  for (const char* line = buffer.data(); line < end && *line != '\0';) {
    const size_t lineLength = strnlen(line, static_cast<size_t>(end - line));
    const char* next = line + lineLength + 1;
    const bool lastOfCut = cut && next >= end;
    const std::string text(line, lineLength);
    line = next;
    if (lastOfCut || text.compare(0, 6, "Server") != 0) continue;
    const size_t equals = text.find('=');
    if (equals == std::string::npos) continue;
    // A location line of the older layout is no server of its own.
    if (IsOlderLocationKey(text.substr(0, equals))) continue;
    const std::string value = text.substr(equals + 1);
    const size_t space = value.find(' ');
    ServerInfo server;
    server.host = value.substr(0, space);
    if (space != std::string::npos) server.location = value.substr(space + 1);
    if (!server.host.empty()) list.push_back(server);
  }
}

ServerList BuiltInRows(size_t first, size_t last) {
  ServerList list;
  for (size_t row = first; row <= last; ++row) {
    ServerInfo server;
    server.host = kBuiltInServers[row].host;
    server.location = kBuiltInServers[row].location;
    list.push_back(server);
  }
  return list;
}

}  // namespace

size_t LoadServerList(ServerList& list, const char* section, const char* file) {
  list.clear();
  const int32_t count = platform::ProfileReadInt(section, "Count", 0, file);
  if (count > 0 && !ReadValue(section, "Server000Location", 511, file).empty()) {
    LoadOlderLayout(list, count, section, file);
  } else {
    LoadLines(list, section, file);
  }
  return list.size();
}

void SaveServerList(const ServerList& list, const char* section, const char* file) {
  platform::ProfileWriteSection(section, nullptr, file);
  std::string text = "Count=" + std::to_string(list.size());
  text += '\0';
  for (size_t i = 0; i < list.size(); ++i) {
    char key[32];
    std::snprintf(key, sizeof key, "Server%03u=", static_cast<unsigned>(i));
    const std::string line = key + list[i].host + ' ' + list[i].location;
    if (text.size() + line.size() + 1 > kWrittenSectionLimit) break;
    text += line;
    text += '\0';
  }
  text += '\0';
  platform::ProfileWriteSection(section, text.data(), file);
}

void LoadServerLists(CNtpEngine& engine, ServerList& unused, const char* file) {
  ServerList active;
  LoadServerList(active, kActiveServersSection, file);
  LoadServerList(unused, kUnusedServersSection, file);
  if (active.empty() && unused.empty()) {
    active = BuiltInRows(0, 0);
    unused = BuiltInRows(1, kBuiltInServerCount - 1);
  }
  // An active server is not offered again among the unused ones.
  for (const ServerInfo& server : active) {
    for (auto it = unused.begin(); it != unused.end(); ++it) {
      if (it->host == server.host) {
        unused.erase(it);
        break;
      }
    }
  }
  engine.SetServers(active);
}

void SaveServerLists(const CNtpEngine& engine, const ServerList& unused, const char* file) {
  ServerList active;
  engine.GetServers(active);
  SaveServerList(active, kActiveServersSection, file);
  SaveServerList(unused, kUnusedServersSection, file);
}
