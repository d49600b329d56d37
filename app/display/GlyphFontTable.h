// The glyph fonts the user chooses from: the built-in strips of the screen's
// colour category and, on screens of 16 bits per pixel or more, every bitmap
// in the "digits" folder beside the program. The application object owns one
// table; windows find fonts by id (built-in: resource id - 1300 or - 1400;
// files: 4096 up) or by the source text stored in the settings file.
#ifndef APP_DISPLAY_GLYPHFONTTABLE_H
#define APP_DISPLAY_GLYPHFONTTABLE_H

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GlyphFont.h"
#include "GlyphMap.h"

constexpr int kFirstFileFontId = 4096;

class CGlyphFontTable {
 public:
  // Built-in fonts come from the resources of module (the program's when
  // null).
  explicit CGlyphFontTable(HINSTANCE module = nullptr);

  // Builds the table for the screen's colour category; nothing changes when
  // the table has fonts of that category already.
  void RebuildFontTable();
  void RebuildFontTable(bool lowColour);
  void ClearFontTable();
  void RemoveFileFonts();
  // Adds every "*.bmp" of the "digits" folder beside the program.
  void ScanDigitsFolder();
  void AddResourceFont(int fontId, int resourceId);
  // path as the font is known ("digits\x.bmp"); loadFrom where it is read.
  void AddFileFont(int fontId, const std::string& path,
                   const std::string& loadFrom = std::string());

  CGlyphFont* FindFontById(int fontId) const;
  // The font at position and its id; none and -1 outside the table.
  CGlyphFont* GetFontAt(int position, int* fontId = nullptr) const;
  // The font's source text, empty when the id is not in the table.
  std::string GetFontSource(int fontId) const;
  // The first font whose source text is text; when none matches, the first
  // font (id 0), or none and -1 in an empty table.
  CGlyphFont* FindFontBySource(const std::string& text, int* fontId = nullptr) const;

  int Count() const { return static_cast<int>(m_fonts.size()); }
  bool LowColour() const { return m_lowColour; }
  const GlyphMap& DefaultMap() const { return m_defaultMap; }

  // Whether the screen has fewer than 16 bits per pixel.
  static bool ScreenIsLowColour();
  // The folder of the program file with a trailing backslash.
  static std::string ProgramFolder();

 private:
  struct Entry {
    std::unique_ptr<CGlyphFont> font;
    int fontId;
  };

  void Append(std::unique_ptr<CGlyphFont> font, int fontId);

  HINSTANCE m_module;
  std::vector<Entry> m_fonts;
  std::map<int, std::size_t> m_index;  // font id to position
  bool m_lowColour;
  GlyphMap m_defaultMap;
};

#endif
