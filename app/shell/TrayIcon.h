// The program's icon in the taskbar notification area: one icon of one
// window, with a callback message and a tooltip.
#ifndef APP_SHELL_TRAYICON_H
#define APP_SHELL_TRAYICON_H

#include <windows.h>

#include <string>

class CTrayIcon {
 public:
  static constexpr UINT kIconId = 101;
  static constexpr UINT kCallbackMessage = WM_APP;

  // Adds the icon with the icon resource iconId (small size) and tip.
  bool Add(HWND owner, int iconId, const char* tip);
  void Remove();
  // Replaces the image only.
  void SetIcon(int iconId);
  // Replaces the tooltip only (cut to 127 characters).
  void SetTip(const std::string& tip);
  // The shell restarted: put the icon back with its last image and tip.
  void Restore();

  bool IsAdded() const { return m_added; }
  int IconId() const { return m_iconId; }
  const std::string& Tip() const { return m_tip; }

 private:
  bool Notify(DWORD action, UINT flags);

  HWND m_owner = nullptr;
  bool m_added = false;
  int m_iconId = 0;
  std::string m_tip;
};

#endif
