// The program's entry point and its one application object.
#include <windows.h>

#include "ClockApp.h"

namespace {
CClockApp g_application;
}

CClockApp& TheApp() { return g_application; }

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return g_application.Run(); }
