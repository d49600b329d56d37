// The main window's portable parts: the context menu's items, the scoot
// arrow, the layout by clock height and the texts built from data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "ContextMenuItems.h"
#include "MainLayout.h"
#include "ScootArrow.h"
#include "ShellCommands.h"
#include "ShellTexts.h"

namespace {

std::vector<std::string> Texts(const std::vector<ContextMenuItem>& items) {
  std::vector<std::string> texts;
  for (const auto& item : items) texts.push_back(item.command ? item.text : "-");
  return texts;
}

TEST(ContextMenu, FromTheTrayWithTheWindowHidden) {
  ContextMenuState state{};
  state.fromTray = true;
  state.clockSelected = true;  // clock items never show from the tray
  state.clockName = "Belfast";
  const auto items = BuildContextMenu(state);
  EXPECT_EQ(Texts(items),
            (std::vector<std::string>{"&Show", "S&tay on Top", "-", "S&ynchronize Now",
                                      "Sync O&ptions...", "Sync S&ervers...", "Sync Stat&us...",
                                      "-", "&About Vorlix...", "&Help...", "-", "E&xit"}));
  EXPECT_TRUE(items[0].isDefault);
  EXPECT_EQ(items[0].command, kCmdHideShow);
  EXPECT_EQ(items.back().command, kCmdExit);
}

TEST(ContextMenu, FromTheWindowWithAClockSelected) {
  ContextMenuState state{};
  state.windowVisible = true;
  state.topmost = true;
  state.viewOptionsVisible = true;
  state.statusVisible = true;
  state.clockSelected = true;
  state.clockName = "Belfast";
  const auto items = BuildContextMenu(state);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{
                              "&Hide", "S&tay on Top", "&View Options...", "-",
                              "&Insert Clock Before \"Belfast\"", "&Delete \"Belfast\"",
                              "Choose New Time &Zone for \"Belfast\"...", "-", "S&ynchronize Now",
                              "Sync O&ptions...", "Sync S&ervers...", "Sync Stat&us...", "-",
                              "&About Vorlix...", "&Help...", "-", "E&xit"}));
  EXPECT_FALSE(items[0].isDefault);
  EXPECT_TRUE(items[1].checked);   // topmost
  EXPECT_TRUE(items[2].checked);   // view options shown
  EXPECT_TRUE(items[11].checked);  // status shown
  EXPECT_EQ(items[4].command, kCmdInsertClock);
  EXPECT_EQ(items[5].command, kCmdDeleteAsk);
  EXPECT_EQ(items[6].command, kCmdChooseZone);
}

TEST(ContextMenu, WithoutASelectionHasNoClockItems) {
  ContextMenuState state{};
  state.windowVisible = true;
  const auto texts = Texts(BuildContextMenu(state));
  EXPECT_EQ(texts.size(), 13u);
  EXPECT_EQ(texts[3], "-");
  EXPECT_EQ(texts[4], "S&ynchronize Now");
}

TEST(ScootArrow, PointsFromTheWindowToTheFavouritePlace) {
  struct Case {
    int x, y, icon;
  };
  const int fx = 500, fy = 300;
  const Case cases[] = {
      {fx, fy, 165},              // there now
      {fx + 100, fy, 202},        // right of it, same height: left
      {fx - 100, fy, 203},        // left of it: right
      {fx, fy + 100, 201},        // below: up
      {fx, fy - 100, 204},        // above: down
      {fx + 100, fy + 100, 163},  // below right: up-left
      {fx - 100, fy + 100, 161},  // below left: up-right
      {fx - 100, fy - 100, 162},  // above left: down-right
      {fx + 100, fy - 100, 164},  // above right: down-left
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScootArrowIcon(c.x, c.y, fx, fy), c.icon) << c.x - fx << "," << c.y - fy;
  }
}

TEST(MainLayout, ButtonsFollowTheClockHeight) {
  // Wide picture 131 x 22; clocks 85 wide.
  const MainLayout tall = PlanMainLayout(91, 82, 85, 80);
  EXPECT_EQ(tall.clientWidth, 91 + 85 + 18 + 4);
  EXPECT_EQ(tall.clientHeight, 82);
  EXPECT_EQ(tall.clocks.x, 93);
  EXPECT_EQ(tall.hide.x, tall.clientWidth - 18);
  EXPECT_EQ(tall.scoot.y, 18);
  EXPECT_EQ(tall.viewOptions.y, 82 - 18);

  const MainLayout middle = PlanMainLayout(131, 22, 85, 40);
  EXPECT_EQ(middle.clientWidth, 131 + 85 + 36 + 4);
  EXPECT_EQ(middle.clientHeight, 40);
  EXPECT_EQ(middle.scoot.x, middle.clientWidth - 36);
  EXPECT_EQ(middle.scoot.y, 0);
  EXPECT_EQ(middle.viewOptions.x, middle.clientWidth - 18);
  EXPECT_EQ(middle.viewOptions.y, 40 - 18);

  const MainLayout low = PlanMainLayout(131, 22, 85, 13);
  EXPECT_EQ(low.clientWidth, 131 + 85 + 54 + 4);
  EXPECT_EQ(low.clientHeight, 22);
  EXPECT_EQ(low.viewOptions.x, low.clientWidth - 54);
  EXPECT_EQ(low.viewOptions.y, 0);
}

TEST(ShellTexts, AdjustmentQuestionShowsWholeMinutes) {
  const int64_t ticksPerSecond = 10000000;
  EXPECT_EQ(AdjustmentQuestionText("pool.example", 900 * ticksPerSecond, 900),
            "The sync server (pool.example) suggests a time adjustment of 15 \nminutes, which is "
            "greater than your threshold of 15 minutes.\n\nDo you wish to make the "
            "adjustment?\n\nYou can also change your threshold, or choose a different sync "
            "server.");
  const std::string behind = AdjustmentQuestionText("h", -(20 * 60 + 30) * ticksPerSecond, 600);
  EXPECT_NE(behind.find("adjustment of 20 \nminutes"), std::string::npos);
  EXPECT_NE(behind.find("threshold of 10 minutes"), std::string::npos);
}

TEST(ShellTexts, TrayTipIsTheLocalTimeOfTheLastUpdate) {
#ifdef _WIN32
  _putenv("TZ=UTC0");
  _tzset();
#else
  setenv("TZ", "UTC0", 1);
  tzset();
#endif
  EXPECT_EQ(TrayTipText(1741356309), "Vorlix (Last Update: 14:05:09 Mar 07)");
}

}  // namespace
