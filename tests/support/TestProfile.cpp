#include "TestProfile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ProfileFile.h"

namespace testing_support {

void WriteRawProfileFile(const char* name, const std::string& bytes) {
  platform::ProfileWriteString(nullptr, nullptr, nullptr, name);
  const std::filesystem::path path = platform::ProfileFilePath(name);
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadRawProfileFile(const char* name) {
  platform::ProfileWriteString(nullptr, nullptr, nullptr, name);
  std::ifstream stream(platform::ProfileFilePath(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << stream.rdbuf();
  return bytes.str();
}

void RemoveProfileFile(const char* name) {
  platform::ProfileWriteString(nullptr, nullptr, nullptr, name);
  std::remove(platform::ProfileFilePath(name).c_str());
}

}  // namespace testing_support
