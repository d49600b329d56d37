#include "ColourChooser.h"

#include <commdlg.h>

#include "GuiObjects.h"

namespace {

const char kSettingsFile[] = "VorlixApp.ini";
const char kSection[] = "General";
const char kKey[] = "CHOOSECOLOR.lpCustColors";

}  // namespace

CustomColours DefaultCustomColours() {
  return {0xFFFFFF, 0xFFFFFF, 0x303030, 0x0E549A, 0x704343, 0x004400, 0xFFFFFF, 0xFFFFFF,
          0xFFFFFF, 0xFFFFFF, 0xD0D9D9, 0xD0D9D9, 0xEBEBEB, 0xD0D9E6, 0xFFFFFF, 0xFFFFFF};
}

CustomColours LoadCustomColours() {
  CustomColours stored{};
  if (GetPrivateProfileStructA(kSection, kKey, stored.data(), sizeof stored, kSettingsFile)) {
    return stored;
  }
  return DefaultCustomColours();
}

void StoreCustomColours(const CustomColours& colours) {
  WritePrivateProfileStructA(kSection, kKey, const_cast<COLORREF*>(colours.data()), sizeof colours,
                             kSettingsFile);
}

bool ChooseColourWithCustom(HWND owner, Colour& colour) {
  CustomColours stored = LoadCustomColours();
  CustomColours plain;
  plain.fill(0xFFFFFF);
  int depth = 0;
  {
    WindowDc dc(owner);
    depth = GetDeviceCaps(dc.get(), BITSPIXEL);
  }
  // Palette screens get plain white slots; their changes are not kept.
  CustomColours& used = depth > 8 ? stored : plain;
  used[6] = GetSysColor(COLOR_HIGHLIGHT);
  used[7] = GetSysColor(COLOR_BTNSHADOW);
  used[14] = GetSysColor(COLOR_HIGHLIGHTTEXT);
  used[15] = GetSysColor(COLOR_SCROLLBAR);

  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.rgbResult = colour;
  choose.lpCustColors = used.data();
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  const bool chosen = ChooseColorA(&choose) != FALSE;
  if (chosen) colour = choose.rgbResult;
  StoreCustomColours(stored);
  return chosen;
}
