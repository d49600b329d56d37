// Loads the display names once when a process loads the library.
#include <windows.h>

#include "../DisplayNames.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) tzbase::TheDisplayNames().Load();
  return TRUE;  // a missing or unreadable file is not an error
}
