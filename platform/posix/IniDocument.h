// An INI file held in memory: sections of "key=value" lines, read and written
// the way the Windows private-profile functions treat them.
#ifndef PLATFORM_POSIX_INIDOCUMENT_H
#define PLATFORM_POSIX_INIDOCUMENT_H

#include <string>
#include <vector>

namespace platform {

class IniDocument {
 public:
  struct Entry {
    std::string key;
    std::string value;
    bool hasValue = false;  // a line without "=" is a key without a value
  };
  struct Section {
    std::string name;
    bool named = true;  // lines before the first header belong to no section
    std::vector<Entry> entries;
  };

  static IniDocument Parse(const std::string& text);
  std::string Serialize() const;

  const Section* FindSection(const std::string& name) const;
  const Entry* FindEntry(const std::string& section, const std::string& key) const;
  const std::vector<Section>& Sections() const { return m_sections; }

  void SetValue(const std::string& section, const std::string& key, const std::string& value);
  // Returns whether the key existed.
  bool DeleteKey(const std::string& section, const std::string& key);
  // Returns whether the section existed.
  bool DeleteSection(const std::string& section);
  void ReplaceSection(const std::string& section, std::vector<Entry> entries);

  // Splits a "key=value" line the way a file line is split.
  static Entry ParseEntry(const std::string& line);

 private:
  Section* FindSectionMutable(const std::string& name);
  Section& SectionForWriting(const std::string& name);

  std::vector<Section> m_sections;
};

}  // namespace platform

#endif
