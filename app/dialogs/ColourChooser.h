// The platform's colour dialog with the user's sixteen custom colours, kept
// in the settings file between uses.
#ifndef APP_DIALOGS_COLOURCHOOSER_H
#define APP_DIALOGS_COLOURCHOOSER_H

#include <windows.h>

#include <array>

#include "SmallHelpers.h"

using CustomColours = std::array<COLORREF, 16>;

// The custom colours used when none are stored (or the stored ones are
// unreadable).
CustomColours DefaultCustomColours();
// The stored custom colours, or the defaults.
CustomColours LoadCustomColours();
void StoreCustomColours(const CustomColours& colours);

// Runs the colour dialog, fully open on colour; on OK colour becomes the
// choice. The custom colours are stored afterwards whether the user chose
// OK or Cancel. Returns whether the user chose OK.
bool ChooseColourWithCustom(HWND owner, Colour& colour);

#endif
