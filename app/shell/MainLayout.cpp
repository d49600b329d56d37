#include "MainLayout.h"

#include <algorithm>

MainLayout PlanMainLayout(int pictureWidth, int pictureHeight, int clocksWidth, int clocksHeight) {
  // The buttons stand in a column beside tall clocks, in two rows beside
  // middling ones and in one row above low ones.
  const int buttonColumn = clocksHeight >= 54 ? 18 : clocksHeight >= 36 ? 36 : 54;
  MainLayout layout{};
  layout.clientWidth = pictureWidth + clocksWidth + buttonColumn + 4;
  layout.clientHeight = std::max({clocksHeight, pictureHeight, kMainButtonSize});
  layout.clocks = {pictureWidth + 2, 0};
  const int w = layout.clientWidth;
  const int h = layout.clientHeight;
  layout.hide = {w - 18, 0};
  if (clocksHeight >= 54) {
    layout.scoot = {w - 18, 18};
    layout.viewOptions = {w - 18, h - 18};
  } else if (clocksHeight >= 36) {
    layout.scoot = {w - 36, 0};
    layout.viewOptions = {w - 18, h - 18};
  } else {
    layout.scoot = {w - 36, 0};
    layout.viewOptions = {w - 54, 0};
  }
  return layout;
}
