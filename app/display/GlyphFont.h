// CGlyphFont: one named glyph strip the user can choose, built in (a bitmap
// resource with a string of the same id as its name) or a bitmap file.
#ifndef APP_DISPLAY_GLYPHFONT_H
#define APP_DISPLAY_GLYPHFONT_H

#include <windows.h>

#include <string>

#include "GuiObjects.h"

class CGlyphFont {
 public:
  enum Kind { kNone = 0, kResource = 1, kFile = 2 };

  // The bitmap and string resources of resourceId in module.
  CGlyphFont(HINSTANCE module, int resourceId);
  // A bitmap file: path is what the font is known by ("digits\Big.bmp"),
  // loadFrom where its bitmap is read (path itself when empty).
  explicit CGlyphFont(const std::string& path, const std::string& loadFrom = std::string());
  virtual ~CGlyphFont();
  CGlyphFont(const CGlyphFont&) = delete;
  CGlyphFont& operator=(const CGlyphFont&) = delete;

  // The font's strip; the font keeps it (a display makes its own copy).
  virtual HBITMAP GetStrip() const;
  virtual std::string GetName() const;
  // "RESOURCE|0x%08x", "FILE|" + path, or empty.
  virtual std::string GetSourceText() const;
  virtual std::string NameFromPath(const std::string& path) const;

  Kind GetKind() const { return m_kind; }
  int GetResourceId() const { return m_resourceId; }
  const std::string& GetPath() const { return m_path; }

 private:
  std::string m_name;
  std::string m_path;
  BitmapHandle m_strip;
  int m_resourceId;
  Kind m_kind;
};

#endif
