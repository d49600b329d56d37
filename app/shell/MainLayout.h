// Where the main window puts its picture, clocks and three buttons, from the
// clock list's ideal size and the picture's size.
#ifndef APP_SHELL_MAINLAYOUT_H
#define APP_SHELL_MAINLAYOUT_H

struct LayoutPoint {
  int x;
  int y;
};

struct MainLayout {
  int clientWidth;
  int clientHeight;
  LayoutPoint clocks;
  LayoutPoint hide;         // button 1010
  LayoutPoint scoot;        // button 1002
  LayoutPoint viewOptions;  // button 1001
};

constexpr int kMainButtonSize = 18;

// Clocks taller than this get the tall picture.
constexpr int kTallClocks = 72;

MainLayout PlanMainLayout(int pictureWidth, int pictureHeight, int clocksWidth, int clocksHeight);

#endif
