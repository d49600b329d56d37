// CImageButton: a flat button that keeps one image of its own (an icon or a
// bitmap) and draws it at the left of its caption. The image belongs to
// whoever set it: setting another hands the previous one back, and the
// button never frees one.
#ifndef APP_DIALOGS_IMAGEBUTTON_H
#define APP_DIALOGS_IMAGEBUTTON_H

#include "FlatButton.h"

class CImageButton : public CFlatButton {
 public:
  // -1 none, 0 (IMAGE_BITMAP) bitmap, 1 (IMAGE_ICON) icon.
  int GetImageType() const { return m_imageType; }

 protected:
  void DrawCaption(const DRAWITEMSTRUCT& item, RECT& rect, UINT format, UINT stateMask,
                   bool measureOnly) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SIZE ImageSize() const;

  HICON m_icon = nullptr;
  HBITMAP m_bitmap = nullptr;
  int m_imageType = -1;
};

#endif
