// The user's own names for zones: a map from zone index to text, kept in step
// with the profile file "Tzbase-DisplayNames.ini" (one section per zone, named
// by the index in decimal, key "Name").
#ifndef TZBASE_DISPLAYNAMES_H
#define TZBASE_DISPLAYNAMES_H

#include <cstdint>
#include <map>
#include <string>

namespace tzbase {

constexpr const char* kDisplayNamesFile = "Tzbase-DisplayNames.ini";

class DisplayNames {
 public:
  // Replaces the map with the file's contents.
  void Load();
  char* Get(int32_t zone, char* buffer, int32_t size) const;
  char* GetRegardless(int32_t zone, char* buffer, int32_t size) const;
  int32_t Set(int32_t zone, const char* name);
  int32_t Has(int32_t zone) const;

 private:
  std::map<int32_t, std::string> m_names;
};

// The one store of the process, loaded when the library is loaded.
DisplayNames& TheDisplayNames();

}  // namespace tzbase

#endif
