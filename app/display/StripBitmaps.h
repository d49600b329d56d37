// Making, loading and copying glyph-strip bitmaps.
#ifndef APP_DISPLAY_STRIPBITMAPS_H
#define APP_DISPLAY_STRIPBITMAPS_H

#include <windows.h>

#include <string>

#include "GuiObjects.h"

// The built-in fallback strip, a monochrome bitmap made from constant data.
BitmapHandle CreateFallbackStrip();

// A strip from a bitmap resource or a bitmap file, at its own size; the
// fallback strip when it cannot be had or is too narrow for 16 cells.
BitmapHandle LoadStripResource(HINSTANCE module, int resourceId);
BitmapHandle LoadStripFile(const std::string& path);

// Whether a strip is a two-colour mask (one bit per pixel).
bool IsMaskStrip(HBITMAP strip);
// The size of any bitmap; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// A private copy of strip suited to the screen: masks become monochrome
// bitmaps whose dark pixels take a device context's text colour and light
// ones its background colour; other strips become bitmaps of the screen's
// format. Null for a null strip.
BitmapHandle MakeDisplayCopy(HBITMAP strip);

#endif
