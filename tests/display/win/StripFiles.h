// Bitmap files and strips made on the fly for the glyph tests.
#ifndef TESTS_DISPLAY_WIN_STRIPFILES_H
#define TESTS_DISPLAY_WIN_STRIPFILES_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "GuiObjects.h"

// A 24-bit bitmap file of 16 cells of cellWidth x cellHeight, cell i filled
// with CellColour(i).
std::vector<uint8_t> MakeStripFile(int cellWidth, int cellHeight);
// A distinct colour per cell (0x00BBGGRR).
COLORREF CellColour(int cell);
// The same strip as a bitmap.
BitmapHandle MakeStripBitmap(int cellWidth, int cellHeight);

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The colour of a pixel of a bitmap (through a memory device context).
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

#endif
