#include "GlyphFont.h"

#include "FontSource.h"
#include "StripBitmaps.h"

CGlyphFont::CGlyphFont(HINSTANCE module, int resourceId)
    : m_strip(LoadStripResource(module, resourceId)), m_resourceId(resourceId), m_kind(kResource) {
  char name[1024] = {};
  LoadStringA(module, static_cast<UINT>(resourceId), name, sizeof name);
  m_name = name;
}

CGlyphFont::CGlyphFont(const std::string& path, const std::string& loadFrom)
    : m_path(path),
      m_strip(LoadStripFile(loadFrom.empty() ? path : loadFrom)),
      m_resourceId(-1),
      m_kind(kFile) {
  m_name = NameFromPath(path);
}

CGlyphFont::~CGlyphFont() = default;

HBITMAP CGlyphFont::GetStrip() const { return m_strip.get(); }

std::string CGlyphFont::GetName() const { return m_name; }

std::string CGlyphFont::GetSourceText() const {
  switch (m_kind) {
    case kResource:
      return ResourceSourceText(m_resourceId);
    case kFile:
      return FileSourceText(m_path);
    default:
      return std::string();
  }
}

std::string CGlyphFont::NameFromPath(const std::string& path) const { return ::NameFromPath(path); }
