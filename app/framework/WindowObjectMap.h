// Which object each bound window belongs to, kept in the process. A window
// property would do the same, but under Wine every property lookup is a
// round trip to the server, and the lookup runs for every message.
#ifndef APP_FRAMEWORK_WINDOWOBJECTMAP_H
#define APP_FRAMEWORK_WINDOWOBJECTMAP_H

#include <windows.h>

class CWnd;

void MapWindowObject(HWND window, CWnd* object);
void UnmapWindowObject(HWND window);
// Null for a window that is not bound.
CWnd* FindWindowObject(HWND window);

#endif
