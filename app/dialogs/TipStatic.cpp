#include "TipStatic.h"

LRESULT CTipStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE && HasTooltipText()) RelayToTooltip(message, wParam, lParam);
  return CTipControl::WindowProc(message, wParam, lParam);
}
