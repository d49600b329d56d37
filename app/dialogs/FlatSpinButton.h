// CFlatSpinButton: an up-down control with a flat one-pixel border.
#ifndef APP_DIALOGS_FLATSPINBUTTON_H
#define APP_DIALOGS_FLATSPINBUTTON_H

#include "Window.h"

class CFlatSpinButton : public CWnd {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

#endif
