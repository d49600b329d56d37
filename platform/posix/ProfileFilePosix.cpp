// Profile files on POSIX systems: our own INI reader and writer with the
// semantics of the Windows private-profile functions. Bare file names live in
// one machine-wide directory, /var/lib/vorlix, or in $VORLIX_PROFILE_DIR when
// that is set (tests point it at a private directory).
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "../ProfileFile.h"
#include "IniDocument.h"

namespace platform {
namespace {

constexpr const char* kDefaultDirectory = "/var/lib/vorlix";

std::string ProfileDirectory() {
  const char* configured = std::getenv("VORLIX_PROFILE_DIR");
  return (configured && *configured) ? configured : kDefaultDirectory;
}

bool MakeDirectories(const std::string& directory) {
  for (size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
    const std::string prefix = directory.substr(0, slash);
    if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

IniDocument Load(const char* file) {
  std::ifstream stream(ProfileFilePath(file), std::ios::binary);
  if (!stream) return IniDocument();
  std::ostringstream text;
  text << stream.rdbuf();
  return IniDocument::Parse(text.str());
}

// Writes through a temporary file and a rename, so a failed write never
// leaves a half-written settings file behind.
bool Save(const IniDocument& document, const char* file) {
  if (!MakeDirectories(ProfileDirectory())) return false;
  const std::string path = ProfileFilePath(file);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    if (!stream) return false;
    const std::string text = document.Serialize();
    stream.write(text.data(), static_cast<std::streamsize>(text.size()));
    stream.flush();
    if (!stream) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

// Copies text into buffer cut to size - 1 characters; returns the length.
uint32_t CopyText(const std::string& text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return 0;
  const size_t length = std::min<size_t>(std::strlen(text.c_str()), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<uint32_t>(length);
}

// Copies a list of NUL-terminated strings ended by an empty one. When the
// list does not fit, the last string that starts is cut, followed by two
// NULs, and the result is size - 2.
uint32_t CopyList(const std::vector<std::string>& items, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return 0;
  if (size == 1) {
    buffer[0] = '\0';
    return 0;
  }
  uint32_t free = size - 1;
  char* out = buffer;
  for (const std::string& item : items) {
    const uint32_t length = static_cast<uint32_t>(std::strlen(item.c_str())) + 1;
    if (length > free) {
      if (free > 0) {
        std::memcpy(out, item.data(), free - 1);
        out += free - 1;
        *out++ = '\0';
      }
      *out = '\0';
      return size - 2;
    }
    std::memcpy(out, item.c_str(), length);
    out += length;
    free -= length;
  }
  *out = '\0';
  return static_cast<uint32_t>(out - buffer);
}

// One pair of matching single or double quotes around a value is dropped.
std::string StripQuotes(const std::string& value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string TrimTrailingBlanks(const char* text) {
  std::string result = text ? text : "";
  while (!result.empty() && (result.back() == ' ' || result.back() == '\t')) result.pop_back();
  return result;
}

std::vector<std::string> SectionNames(const IniDocument& document) {
  std::vector<std::string> names;
  for (const auto& section : document.Sections()) {
    if (section.named) names.push_back(section.name);
  }
  return names;
}

std::vector<std::string> KeyNames(const IniDocument::Section& section) {
  std::vector<std::string> names;
  for (const auto& entry : section.entries) {
    if (!entry.key.empty()) names.push_back(entry.key);
  }
  return names;
}

// Reads a number the way Windows does for profile integers: leading blanks,
// an optional sign, an optional 0x/0o/0b prefix (lower case only), then
// digits up to the first character that is not one; modulo 2^32.
int32_t ParseProfileInteger(const char* text) {
  while (*text != '\0' && static_cast<unsigned char>(*text) <= ' ') ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = (*text++ == '-');
  unsigned base = 10;
  if (text[0] == '0' && text[1] == 'x') {
    base = 16;
    text += 2;
  } else if (text[0] == '0' && text[1] == 'o') {
    base = 8;
    text += 2;
  } else if (text[0] == '0' && text[1] == 'b') {
    base = 2;
    text += 2;
  }
  uint32_t value = 0;
  for (;; ++text) {
    unsigned digit;
    const char c = *text;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else
      break;
    if (digit >= base) break;
    value = value * base + digit;
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

}  // namespace

std::string ProfileFilePath(const char* file) { return ProfileDirectory() + "/" + file; }

uint32_t ProfileReadString(const char* section, const char* key, const char* def, char* buffer,
                           uint32_t size, const char* file) {
  if (!buffer || size == 0) return 0;
  const IniDocument document = Load(file);
  if (!section) return CopyList(SectionNames(document), buffer, size);
  if (!key) {
    const IniDocument::Section* found = document.FindSection(section);
    return CopyList(found ? KeyNames(*found) : std::vector<std::string>(), buffer, size);
  }
  const IniDocument::Entry* entry = document.FindEntry(section, key);
  if (entry && entry->hasValue) return CopyText(StripQuotes(entry->value), buffer, size);
  if (entry) return CopyText("", buffer, size);
  return CopyText(TrimTrailingBlanks(def), buffer, size);
}

int32_t ProfileReadInt(const char* section, const char* key, int32_t def, const char* file) {
  char text[30];
  if (ProfileReadString(section, key, "", text, sizeof text, file) == 0) return def;
  return ParseProfileInteger(text);
}

uint32_t ProfileReadSection(const char* section, char* buffer, uint32_t size, const char* file) {
  const IniDocument document = Load(file);
  std::vector<std::string> lines;
  if (const IniDocument::Section* found = section ? document.FindSection(section) : nullptr) {
    for (const auto& entry : found->entries) {
      if (entry.key.empty() && !entry.hasValue) continue;
      lines.push_back(entry.hasValue ? entry.key + "=" + entry.value : entry.key);
    }
  }
  return CopyList(lines, buffer, size);
}

uint32_t ProfileReadSectionNames(char* buffer, uint32_t size, const char* file) {
  return CopyList(SectionNames(Load(file)), buffer, size);
}

bool ProfileWriteString(const char* section, const char* key, const char* value, const char* file) {
  if (!section) return !key && !value;  // a flush: nothing is cached here
  IniDocument document = Load(file);
  if (!key) {
    if (!document.DeleteSection(section)) return true;
  } else if (!value) {
    if (!document.DeleteKey(section, key)) return true;
  } else {
    document.SetValue(section, key, value);
  }
  return Save(document, file);
}

bool ProfileWriteSection(const char* section, const char* contents, const char* file) {
  if (!section) return false;
  IniDocument document = Load(file);
  if (!contents) {
    if (!document.DeleteSection(section)) return true;
    return Save(document, file);
  }
  std::vector<IniDocument::Entry> entries;
  for (const char* line = contents; *line != '\0'; line += std::strlen(line) + 1) {
    entries.push_back(IniDocument::ParseEntry(line));
  }
  document.ReplaceSection(section, std::move(entries));
  return Save(document, file);
}

}  // namespace platform
