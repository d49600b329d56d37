#include "GlyphFontTable.h"

#include "GuiObjects.h"

namespace {

constexpr int kBuiltInBase = 1300;
constexpr int kLowColourBase = 1400;
constexpr int kBuiltInSpan = 50;

bool HasString(HINSTANCE module, int id) {
  char text[2];
  return LoadStringA(module, static_cast<UINT>(id), text, sizeof text) > 0;
}

}  // namespace

CGlyphFontTable::CGlyphFontTable(HINSTANCE module)
    : m_module(module ? module : GetModuleHandleA(nullptr)), m_lowColour(false), m_defaultMap{} {
  FillDefaultGlyphMap(m_defaultMap);
}

bool CGlyphFontTable::ScreenIsLowColour() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES) < 16;
}

std::string CGlyphFontTable::ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path, length < MAX_PATH ? length : MAX_PATH);
  const std::string::size_type slash = program.rfind('\\');
  if (slash != std::string::npos) return program.substr(0, slash + 1);
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  return std::string(current) + "\\";
}

void CGlyphFontTable::RebuildFontTable() { RebuildFontTable(ScreenIsLowColour()); }

void CGlyphFontTable::RebuildFontTable(bool lowColour) {
  if (!m_fonts.empty() && lowColour == m_lowColour) return;
  m_lowColour = lowColour;
  FillDefaultGlyphMap(m_defaultMap);
  ClearFontTable();
  const int base = lowColour ? kLowColourBase : kBuiltInBase;
  for (int id = base; id <= base + kBuiltInSpan; ++id) {
    if (HasString(m_module, id)) AddResourceFont(id - base, id);
  }
  if (!lowColour) ScanDigitsFolder();
}

void CGlyphFontTable::ClearFontTable() {
  m_fonts.clear();
  m_index.clear();
}

void CGlyphFontTable::RemoveFileFonts() {
  const auto first = m_index.lower_bound(kFirstFileFontId);
  if (first == m_index.end()) return;
  const std::size_t from = first->second;
  if (from >= m_fonts.size()) return;
  for (std::size_t i = from; i < m_fonts.size(); ++i) m_index.erase(m_fonts[i].fontId);
  m_fonts.erase(m_fonts.begin() + static_cast<std::ptrdiff_t>(from), m_fonts.end());
}

void CGlyphFontTable::ScanDigitsFolder() {
  RemoveFileFonts();
  const std::string folder = ProgramFolder() + "digits\\";
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*.bmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  int n = 0;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;  // not a bitmap
    AddFileFont(kFirstFileFontId + n, std::string("digits\\") + found.cFileName,
                folder + found.cFileName);
    ++n;
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

void CGlyphFontTable::Append(std::unique_ptr<CGlyphFont> font, int fontId) {
  m_fonts.push_back(Entry{std::move(font), fontId});
  m_index[fontId] = m_fonts.size() - 1;
}

void CGlyphFontTable::AddResourceFont(int fontId, int resourceId) {
  Append(std::make_unique<CGlyphFont>(m_module, resourceId), fontId);
}

void CGlyphFontTable::AddFileFont(int fontId, const std::string& path,
                                  const std::string& loadFrom) {
  Append(std::make_unique<CGlyphFont>(path, loadFrom), fontId);
}

CGlyphFont* CGlyphFontTable::FindFontById(int fontId) const {
  const auto found = m_index.find(fontId);
  if (found == m_index.end() || found->second >= m_fonts.size()) return nullptr;
  return m_fonts[found->second].font.get();
}

CGlyphFont* CGlyphFontTable::GetFontAt(int position, int* fontId) const {
  if (position < 0 || position >= Count()) {
    if (fontId) *fontId = -1;
    return nullptr;
  }
  const Entry& entry = m_fonts[static_cast<std::size_t>(position)];
  if (fontId) *fontId = entry.fontId;
  return entry.font.get();
}

std::string CGlyphFontTable::GetFontSource(int fontId) const {
  const CGlyphFont* font = FindFontById(fontId);
  return font ? font->GetSourceText() : std::string();
}

CGlyphFont* CGlyphFontTable::FindFontBySource(const std::string& text, int* fontId) const {
  for (const Entry& entry : m_fonts) {
    if (entry.font->GetSourceText() == text) {
      if (fontId) *fontId = entry.fontId;
      return entry.font.get();
    }
  }
  if (m_fonts.empty()) {
    if (fontId) *fontId = -1;
    return nullptr;
  }
  if (fontId) *fontId = 0;
  return m_fonts.front().font.get();
}
