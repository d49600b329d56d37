#include "IniDocument.h"

#include <strings.h>

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

}  // namespace

IniDocument::Entry IniDocument::ParseEntry(const std::string& line) {
  Entry entry;
  const size_t equals = line.find('=');
  if (equals == std::string::npos) {
    entry.key = Trim(line);
    return entry;
  }
  entry.key = Trim(line.substr(0, equals));
  entry.value = Trim(line.substr(equals + 1));
  entry.hasValue = true;
  return entry;
}

IniDocument IniDocument::Parse(const std::string& text) {
  IniDocument document;
  Section* current = nullptr;
  size_t position = 0;
  while (position < text.size()) {
    size_t end = text.find_first_of("\r\n", position);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(position, end - position));
    position = end + 1;
    if (line.empty()) continue;

    if (line[0] == '[') {
      const size_t close = line.rfind(']');
      if (close != std::string::npos && close > 0) {
        document.m_sections.push_back(Section{line.substr(1, close - 1), true, {}});
        current = &document.m_sections.back();
        continue;
      }
    }
    if (!current) {
      document.m_sections.push_back(Section{std::string(), false, {}});
      current = &document.m_sections.back();
    }
    current->entries.push_back(ParseEntry(line));
  }
  return document;
}

std::string IniDocument::Serialize() const {
  std::string text;
  for (const Section& section : m_sections) {
    if (section.named) {
      if (!text.empty()) text += "\r\n";
      text += "[" + section.name + "]\r\n";
    }
    for (const Entry& entry : section.entries) {
      text += entry.key;
      if (entry.hasValue) text += "=" + entry.value;
      text += "\r\n";
    }
  }
  return text;
}

const IniDocument::Section* IniDocument::FindSection(const std::string& name) const {
  for (const Section& section : m_sections) {
    if (section.named && SameName(section.name, name)) return &section;
  }
  return nullptr;
}

IniDocument::Section* IniDocument::FindSectionMutable(const std::string& name) {
  return const_cast<Section*>(FindSection(name));
}

const IniDocument::Entry* IniDocument::FindEntry(const std::string& section,
                                                 const std::string& key) const {
  const Section* found = FindSection(section);
  if (!found) return nullptr;
  for (const Entry& entry : found->entries) {
    if (SameName(entry.key, key)) return &entry;
  }
  return nullptr;
}

IniDocument::Section& IniDocument::SectionForWriting(const std::string& name) {
  if (Section* found = FindSectionMutable(name)) return *found;
  m_sections.push_back(Section{name, true, {}});
  return m_sections.back();
}

void IniDocument::SetValue(const std::string& section, const std::string& key,
                           const std::string& value) {
  Section& target = SectionForWriting(section);
  for (Entry& entry : target.entries) {
    if (SameName(entry.key, key)) {
      entry.value = value;
      entry.hasValue = true;
      return;
    }
  }
  target.entries.push_back(Entry{key, value, true});
}

bool IniDocument::DeleteKey(const std::string& section, const std::string& key) {
  Section* target = FindSectionMutable(section);
  if (!target) return false;
  auto& entries = target->entries;
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [&](const Entry& entry) { return SameName(entry.key, key); });
  if (found == entries.end()) return false;
  entries.erase(found);
  return true;
}

bool IniDocument::DeleteSection(const std::string& section) {
  const auto found = std::find_if(m_sections.begin(), m_sections.end(), [&](const Section& s) {
    return s.named && SameName(s.name, section);
  });
  if (found == m_sections.end()) return false;
  m_sections.erase(found);
  return true;
}

void IniDocument::ReplaceSection(const std::string& section, std::vector<Entry> entries) {
  SectionForWriting(section).entries = std::move(entries);
}

}  // namespace platform
