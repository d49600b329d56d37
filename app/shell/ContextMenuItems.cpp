#include "ContextMenuItems.h"

#include "ShellCommands.h"

std::vector<ContextMenuItem> BuildContextMenu(const ContextMenuState& state) {
  std::vector<ContextMenuItem> items;
  auto add = [&items](int command, std::string text, bool checked = false, bool isDefault = false) {
    items.push_back(ContextMenuItem{command, std::move(text), checked, isDefault});
  };
  const auto separator = [&add] { add(0, std::string()); };

  add(kCmdHideShow, state.windowVisible ? "&Hide" : "&Show", false, state.fromTray);
  add(kCmdStayOnTop, "S&tay on Top", state.topmost);
  if (!state.fromTray) add(kCmdViewOptions, "&View Options...", state.viewOptionsVisible);
  separator();
  if (!state.fromTray && state.clockSelected) {
    const std::string quoted = "\"" + state.clockName + "\"";
    add(kCmdInsertClock, "&Insert Clock Before " + quoted);
    add(kCmdDeleteAsk, "&Delete " + quoted);
    add(kCmdChooseZone, "Choose New Time &Zone for " + quoted + "...");
    separator();
  }
  add(kCmdSyncNow, "S&ynchronize Now");
  add(kCmdSyncOptions, "Sync O&ptions...");
  add(kCmdSyncServers, "Sync S&ervers...");
  add(kCmdSyncStatus, "Sync Stat&us...", state.statusVisible);
  separator();
  add(kCmdAbout, "&About Vorlix...");
  add(kCmdHelp, "&Help...");
  separator();
  add(kCmdExit, "E&xit");
  return items;
}
