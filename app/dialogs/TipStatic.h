// CTipStatic: a static control with a tooltip of its own (the clock's date
// line, the title strip and the banner of the draggable dialogs).
#ifndef APP_DIALOGS_TIPSTATIC_H
#define APP_DIALOGS_TIPSTATIC_H

#include "TipControl.h"

class CTipStatic : public CTipControl {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

#endif
