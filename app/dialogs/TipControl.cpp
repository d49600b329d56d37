#include "TipControl.h"

#include <cstring>

void CTipControl::SetTooltipText(const char* text) {
  if (text) {
    std::strncpy(m_tipText, text, kTooltipTextMax);
    m_tipText[kTooltipTextMax] = '\0';
  }
  m_tooltip.Update(m_hWnd, text ? m_tipText : nullptr);
}

HWND CTipControl::GetTooltipWindow() const {
  bool made = false;
  const HWND tooltip = m_tooltip.Window(&made);
  if (made) MatchTooltipFont(tooltip, GetFont());
  return tooltip;
}

void CTipControl::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) const {
  const HWND tooltip = GetTooltipWindow();
  if (!tooltip) return;
  RelayTooltipEvent(m_hWnd, tooltip, message, wParam, static_cast<short>(LOWORD(lParam)),
                    static_cast<short>(HIWORD(lParam)));
}

LRESULT CTipControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFONT) {
    const LRESULT result = CallDefault(message, wParam, lParam);
    MatchTooltipFont(m_tooltip.Existing(), reinterpret_cast<HFONT>(wParam));
    return result;
  }
  // The tooltip's hook frees the tooltip's font with it.
  if (message == WM_DESTROY) m_tooltip.Reset();
  return CWnd::WindowProc(message, wParam, lParam);
}
