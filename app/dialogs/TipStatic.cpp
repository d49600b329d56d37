#include "TipStatic.h"

#include <cstring>

void CTipStatic::SetTooltipText(const char* text) {
  if (text) {
    std::strncpy(m_tipText, text, kTooltipTextMax);
    m_tipText[kTooltipTextMax] = '\0';
  }
  UpdateTooltip(m_hWnd, m_tooltip, text ? m_tipText : nullptr);
}

LRESULT CTipStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (m_tooltip && m_tipText[0]) {
        RelayTooltipEvent(m_hWnd, m_tooltip.get(), message, wParam,
                          static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      }
      break;
    case WM_SETFONT: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      MatchTooltipFont(m_tooltip.get(), reinterpret_cast<HFONT>(wParam));
      return result;
    }
    case WM_DESTROY:
      m_tooltip.Reset();
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
