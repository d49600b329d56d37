#include "ImageButton.h"

#include "GuiObjects.h"

SIZE CImageButton::ImageSize() const {
  if (m_imageType == IMAGE_BITMAP && m_bitmap) {
    BITMAP info{};
    GetObjectA(m_bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
  }
  if (m_imageType == IMAGE_ICON && m_icon) {
    ICONINFO info{};
    if (!GetIconInfo(m_icon, &info)) return SIZE{0, 0};
    BitmapHandle colour(info.hbmColor);
    BitmapHandle mask(info.hbmMask);
    BITMAP bits{};
    GetObjectA(colour ? colour.get() : mask.get(), sizeof bits, &bits);
    return SIZE{bits.bmWidth, colour ? bits.bmHeight : bits.bmHeight / 2};
  }
  return SIZE{0, 0};
}

void CImageButton::DrawCaption(const DRAWITEMSTRUCT& item, RECT& rect, UINT format, UINT stateMask,
                               bool measureOnly) {
  RECT textRect = rect;
  const SIZE image = ImageSize();
  const bool hasImage = image.cx > 0;
  if (hasImage) textRect.left += image.cx + 1;
  CFlatButton::DrawCaption(item, textRect, format & ~(DT_END_ELLIPSIS | DT_CENTER), stateMask,
                           measureOnly);
  if (!measureOnly && hasImage) {
    const bool pushed = (item.itemState & stateMask & ODS_SELECTED) != 0;
    const int x = 3 + (pushed ? 1 : 0);
    const int y = rect.top + (rect.bottom - rect.top) / 2 - image.cy / 2 + (pushed ? 1 : 0);
    if (m_imageType == IMAGE_ICON) {
      BrushHandle background(CreateSolidBrush(GetBkColor(item.hDC)));
      DrawIconEx(item.hDC, x, y, m_icon, image.cx, image.cy, 0, background.get(), DI_NORMAL);
    } else {
      MemoryDc source(CreateCompatibleDC(item.hDC));
      SelectScope selected(source.get(), m_bitmap);
      BitBlt(item.hDC, x, y, image.cx, image.cy, source.get(), 0, 0, SRCCOPY);
    }
  }
  if (format & DT_CALCRECT) rect = textRect;
}

LRESULT CImageButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == BM_SETIMAGE) {
    HANDLE previous = nullptr;
    if (m_imageType == IMAGE_BITMAP) {
      previous = m_bitmap;
      m_bitmap = nullptr;
    } else if (m_imageType == IMAGE_ICON) {
      previous = m_icon;
      m_icon = nullptr;
    }
    m_imageType = static_cast<int>(wParam);
    if (wParam == IMAGE_BITMAP) {
      m_bitmap = reinterpret_cast<HBITMAP>(lParam);
      Invalidate(false);
    } else if (wParam == IMAGE_ICON) {
      m_icon = reinterpret_cast<HICON>(lParam);
      Invalidate(false);
    }
    return reinterpret_cast<LRESULT>(previous);
  }
  if (message == BM_GETIMAGE) {
    if (wParam == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(m_bitmap);
    if (wParam == IMAGE_ICON) return reinterpret_cast<LRESULT>(m_icon);
    return 0;
  }
  return CFlatButton::WindowProc(message, wParam, lParam);
}
