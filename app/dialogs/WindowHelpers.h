// Small helpers that need windows or device contexts: borders, icons,
// keeping rectangles inside windows, font heights. The pure ones are in
// SmallHelpers.h.
#ifndef APP_DIALOGS_WINDOWHELPERS_H
#define APP_DIALOGS_WINDOWHELPERS_H

#include <windows.h>

#include "GuiObjects.h"
#include "SmallHelpers.h"

inline Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline bool RectHasSize(const RECT& r, const SIZE& size) {
  return r.right - r.left == size.cx && r.bottom - r.top == size.cy;
}

// MoveRectInside for the platform's rectangles.
bool MoveRectInside(RECT& rect, const RECT& bounds);
// MoveRectInside with the window's screen rectangle as the bounds.
bool MoveRectInsideWindow(RECT& rect, HWND window);

// Draws the border an EdgeSpec describes; sides are the platform's edge side
// flags (BF_RECT for all four), used by the three-dimensional edges.
void DrawEdgeSpec(HDC dc, const RECT& rect, EdgeSpec spec, UINT sides = BF_RECT);

// The program's icon resource at the system's large or small icon size.
IconHandle LoadIconSized(int resourceId, bool large);

// The font height for a size in points on this device context.
int PointsToFontHeight(HDC dc, double points);

// The screen's work area.
RECT WorkArea();

// Whether the cursor is over window's own surface: over no child, or over
// a visible, enabled child that lets the mouse through (its hit test
// answers HTTRANSPARENT). client receives the cursor in window's client
// coordinates.
bool CursorOnOwnSurface(HWND window, POINT& client);

#endif
