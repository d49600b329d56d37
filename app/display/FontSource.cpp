#include "FontSource.h"

#include <cstdio>

std::string ResourceSourceText(int resourceId) {
  char text[32];
  std::snprintf(text, sizeof text, "RESOURCE|0x%08x", static_cast<unsigned>(resourceId));
  return text;
}

std::string FileSourceText(const std::string& path) { return "FILE|" + path; }

std::string NameFromPath(const std::string& path) {
  const std::string name = path.substr(0, 1023);
  const std::string::size_type slash = name.rfind('\\');
  if (slash == std::string::npos) return name;
  const std::string::size_type dot = name.rfind('.');
  const std::string::size_type end = (dot != std::string::npos && dot > slash) ? dot : name.size();
  return name.substr(slash + 1, end - slash - 1);
}
