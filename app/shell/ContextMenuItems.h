// The context menu of the main window as a list of items, built afresh each
// time it opens from the state it depends on.
#ifndef APP_SHELL_CONTEXTMENUITEMS_H
#define APP_SHELL_CONTEXTMENUITEMS_H

#include <string>
#include <vector>

struct ContextMenuState {
  bool fromTray;
  bool windowVisible;
  bool topmost;
  bool viewOptionsVisible;
  bool statusVisible;
  bool clockSelected;
  std::string clockName;  // the selected clock's zone label
};

struct ContextMenuItem {
  int command;  // 0 for a separator
  std::string text;
  bool checked;
  bool isDefault;
};

std::vector<ContextMenuItem> BuildContextMenu(const ContextMenuState& state);

#endif
