#include "DisplayNames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ProfileFile.h"
#include "ZoneTable.h"

namespace tzbase {
namespace {

constexpr uint32_t kSectionListSize = 4096;
constexpr uint32_t kValueSize = 128;
constexpr const char* kNameKey = "Name";

bool IsZoneIndex(int32_t zone) { return zone >= 0 && zone < kZoneCount; }

// Copies at most count - 1 characters of text and always terminates the
// buffer at index count - 1, like strncpy followed by an explicit NUL.
char* CopyCut(char* buffer, const char* text, size_t count) {
  std::strncpy(buffer, text, count);
  buffer[count - 1] = '\0';
  return buffer;
}

void MakeEmpty(char* buffer, int32_t size) {
  if (buffer && size >= 1) buffer[0] = '\0';
}

}  // namespace

void DisplayNames::Load() {
  m_names.clear();
  char sections[kSectionListSize];
  platform::ProfileReadSectionNames(sections, sizeof sections, kDisplayNamesFile);
  for (const char* section = sections; *section != '\0'; section += std::strlen(section) + 1) {
    char value[kValueSize];
    if (platform::ProfileReadString(section, kNameKey, "", value, sizeof value,
                                    kDisplayNamesFile) == 0) {
      continue;
    }
    // atol: leading blanks, a sign and digits; no range check, the map takes
    // whatever index the file names.
    m_names[static_cast<int32_t>(std::atol(section))] = value;
  }
}

char* DisplayNames::Get(int32_t zone, char* buffer, int32_t size) const {
  if (!buffer || size < 1) return nullptr;
  const auto found = IsZoneIndex(zone) ? m_names.find(zone) : m_names.end();
  if (found == m_names.end()) {
    MakeEmpty(buffer, size);
    return nullptr;
  }
  return CopyCut(buffer, found->second.c_str(), static_cast<size_t>(size));
}

char* DisplayNames::GetRegardless(int32_t zone, char* buffer, int32_t size) const {
  if (!buffer || size < 1) return nullptr;
  if (!IsZoneIndex(zone)) {
    MakeEmpty(buffer, size);
    return nullptr;
  }
  if (Get(zone, buffer, size)) return buffer;
  const char* cities = kZones[zone].cities;
  size_t count = static_cast<size_t>(size);
  if (const char* comma = std::strchr(cities, ',')) {
    const size_t upToComma = static_cast<size_t>(comma - cities) + 1;
    if (count >= upToComma) count = upToComma;
  }
  return CopyCut(buffer, cities, count);
}

int32_t DisplayNames::Set(int32_t zone, const char* name) {
  if (!IsZoneIndex(zone)) return 0;
  char section[64];
  std::snprintf(section, sizeof section, "%d", static_cast<int>(zone));
  int32_t result;
  if (name) {
    m_names[zone] = name;
    result = platform::ProfileWriteString(section, kNameKey, name, kDisplayNamesFile) ? 1 : 0;
  } else {
    result = m_names.erase(zone) ? 1 : 0;
    platform::ProfileWriteSection(section, nullptr, kDisplayNamesFile);
  }
  platform::ProfileWriteString(nullptr, nullptr, nullptr, kDisplayNamesFile);
  return result;
}

int32_t DisplayNames::Has(int32_t zone) const { return m_names.count(zone) ? 1 : 0; }

DisplayNames& TheDisplayNames() {
  static DisplayNames names;
  return names;
}

}  // namespace tzbase
