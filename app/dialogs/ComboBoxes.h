// Combo boxes: CDataComboBox finds items by their item data; CFlatComboBox
// adds the flat border and drop button.
#ifndef APP_DIALOGS_COMBOBOXES_H
#define APP_DIALOGS_COMBOBOXES_H

#include <windows.h>

#include "Window.h"

class CDataComboBox : public CWnd {
 public:
  static constexpr int kToEnd = 0x7FFFFFFF;
  // Selects the first item with this item data after index after (-1: from
  // the start) and before min(last, item count); kToEnd means the count.
  bool SelectByData(LPARAM value, int after = -1, int last = kToEnd);
  // The selected item's data, or 0 when nothing is selected.
  LPARAM GetSelectedData() const;
};

class CFlatComboBox : public CDataComboBox {
 public:
  bool IsDropPressed() const { return m_dropPressed; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  RECT DropButtonRect() const;
  void PaintBorder();

  bool m_dropPressed = false;
};

#endif
