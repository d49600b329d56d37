// Profile files through the Windows private-profile functions.
#include <windows.h>

#include "../ProfileFile.h"

namespace platform {

uint32_t ProfileReadString(const char* section, const char* key, const char* def, char* buffer,
                           uint32_t size, const char* file) {
  return GetPrivateProfileStringA(section, key, def, buffer, size, file);
}

int32_t ProfileReadInt(const char* section, const char* key, int32_t def, const char* file) {
  return static_cast<int32_t>(GetPrivateProfileIntA(section, key, def, file));
}

uint32_t ProfileReadSection(const char* section, char* buffer, uint32_t size, const char* file) {
  return GetPrivateProfileSectionA(section, buffer, size, file);
}

uint32_t ProfileReadSectionNames(char* buffer, uint32_t size, const char* file) {
  return GetPrivateProfileSectionNamesA(buffer, size, file);
}

bool ProfileWriteString(const char* section, const char* key, const char* value, const char* file) {
  return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

bool ProfileWriteSection(const char* section, const char* contents, const char* file) {
  return WritePrivateProfileSectionA(section, contents, file) != FALSE;
}

std::string ProfileFilePath(const char* file) {
  char directory[MAX_PATH];
  UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return file;
  std::string path(directory, length);
  if (path.back() != '\\') path += '\\';
  return path + file;
}

}  // namespace platform
