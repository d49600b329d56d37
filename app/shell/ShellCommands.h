// Command ids of the main window: menu items, accelerators and buttons
// share them.
#ifndef APP_SHELL_SHELLCOMMANDS_H
#define APP_SHELL_SHELLCOMMANDS_H

constexpr int kCmdViewOptions = 1001;
constexpr int kCmdScoot = 1002;
constexpr int kCmdHideButton = 1010;
constexpr int kCmdInsertClock = 1019;
constexpr int kCmdDeleteClock = 1020;
constexpr int kCmdChooseZone = 1026;
constexpr int kCmdNextClock = 32771;
constexpr int kCmdPreviousClock = 32772;
constexpr int kCmdClockUp = 32773;
constexpr int kCmdClockDown = 32774;
constexpr int kCmdExit = 32779;
constexpr int kCmdHideShow = 32780;
constexpr int kCmdStayOnTop = 32781;
constexpr int kCmdSyncNow = 32782;
constexpr int kCmdSyncOptions = 32783;
constexpr int kCmdDeleteAsk = 32787;
constexpr int kCmdSyncServers = 32794;
constexpr int kCmdSyncStatus = 32795;
constexpr int kCmdAbout = 32796;
constexpr int kCmdHelp = 57670;

#endif
