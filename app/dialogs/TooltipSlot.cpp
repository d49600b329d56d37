#include "TooltipSlot.h"

#include <commctrl.h>

#include "Tooltips.h"

void CTooltipSlot::Update(HWND owner, const char* text, HWND tool) {
  if (m_window) {
    UpdateTooltip(owner, m_window, text, tool);
    return;
  }
  if (!text) {
    m_active = false;
    return;
  }
  m_owner = owner;
  m_wanted = true;
  m_active = *text != '\0';
  if (!m_active) return;
  const HWND target = tool ? tool : owner;
  for (auto& registered : m_tools) {
    if (registered.first == target) {
      registered.second = text;
      return;
    }
  }
  m_tools.emplace_back(target, text);
}

HWND CTooltipSlot::Window(bool* made) {
  if (made) *made = false;
  if (m_window || !m_wanted) return m_window.get();
  for (const auto& registered : m_tools) {
    UpdateTooltip(m_owner, m_window, registered.second.c_str(), registered.first);
  }
  if (!m_window) UpdateTooltip(m_owner, m_window, "", nullptr);  // made, inactive
  if (!m_active) SendMessageA(m_window.get(), TTM_ACTIVATE, FALSE, 0);
  if (m_font) SetTooltipOwnedFont(m_window.get(), std::move(m_font), false);
  m_tools.clear();
  if (made) *made = m_window.get() != nullptr;
  return m_window.get();
}

void CTooltipSlot::SetFont(FontHandle font) {
  if (m_window) {
    SetTooltipOwnedFont(m_window.get(), std::move(font), true);
  } else {
    m_font = std::move(font);
  }
}

void CTooltipSlot::Reset() {
  m_window.Reset();
  m_owner = nullptr;
  m_wanted = false;
  m_active = false;
  m_tools.clear();
  m_font.Reset();
}
