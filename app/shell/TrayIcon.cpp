#include "TrayIcon.h"

#include <shellapi.h>

#include <cstring>

#include "GuiObjects.h"
#include "ShellTexts.h"
#include "WindowHelpers.h"

bool CTrayIcon::Notify(DWORD action, UINT flags) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = m_owner;
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kCallbackMessage;
  // The icon loaded for the call is destroyed after it; the shell keeps a copy.
  IconHandle icon = (flags & NIF_ICON) ? LoadIconSized(m_iconId, false) : IconHandle();
  data.hIcon = icon.get();
  std::strncpy(data.szTip, m_tip.c_str(), sizeof data.szTip - 1);
  return Shell_NotifyIconA(action, &data) != FALSE;
}

bool CTrayIcon::Add(HWND owner, int iconId, const char* tip) {
  m_owner = owner;
  m_iconId = iconId;
  m_tip = tip;
  m_added = Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
  return m_added;
}

void CTrayIcon::Remove() {
  if (m_owner) Notify(NIM_DELETE, 0);
  m_added = false;
}

void CTrayIcon::SetIcon(int iconId) {
  m_iconId = iconId;
  Notify(NIM_MODIFY, NIF_ICON);
}

void CTrayIcon::SetTip(const std::string& tip) {
  m_tip = tip.substr(0, kTrayTipLimit);
  Notify(NIM_MODIFY, NIF_TIP);
}

void CTrayIcon::Restore() {
  if (m_owner) m_added = Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}
