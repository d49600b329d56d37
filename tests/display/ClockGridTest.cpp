// The clock list's grid, capacity, selection moves, re-ordering and toggles.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ClockGrid.h"
#include "ShowFlags.h"

namespace {

TEST(ClockGrid, RowsOfSixUnlessTheWrapWidthIsNegative) {
  struct Case {
    int count, wrap, rows, columns;
  };
  const Case cases[] = {{0, 320, 0, 0}, {1, 320, 1, 1},  {6, 320, 1, 6}, {7, 320, 2, 6},
                        {12, 0, 2, 6},  {13, 320, 3, 6}, {7, -1, 1, 7},  {0, -1, 0, 0}};
  for (const Case& c : cases) {
    const GridShape grid = ComputeGrid(c.count, c.wrap);
    EXPECT_EQ(grid.rows, c.rows) << c.count << " " << c.wrap;
    EXPECT_EQ(grid.columns, c.columns) << c.count << " " << c.wrap;
  }
}

TEST(ClockGrid, EmptyCellsAndOutsidePointsHitNothing) {
  const GridShape seven = ComputeGrid(7, 320);  // cells 100 x 80
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 0, 0), 0);
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 599, 79), 5);
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 99, 80), 6);
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 100, 80), -1);  // cells 8 to 12 are empty
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 599, 159), -1);
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 600, 0), -1);
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, 0, 160), -1);
  EXPECT_EQ(HitTestGrid(seven, 7, 100, 80, -1, 5), -1);
  EXPECT_EQ(HitTestGrid(ComputeGrid(0, 320), 0, 100, 80, 5, 5), -1);
}

TEST(ClockGrid, CapacityMeasuresRowsAgainstTheCellWidth) {
  struct Case {
    int count, width;
    bool canAdd;
  };
  const Case cases[] = {
      {0, 1000, true}, {6, 1000, true},                    // one row never fills up
      {11, 214, true}, {12, 214, false}, {12, 213, true},  // 3 x 213 = 639 still fits
      {35, 100, true}, {36, 100, false},                   // 7 x 100 passes 640
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CanAddClock(ComputeGrid(c.count, 320), c.count, c.width), c.canAdd)
        << c.count << " clocks of width " << c.width;
  }
}

TEST(ClockGrid, KeyboardMoves) {
  EXPECT_EQ(SelectionNext(2, 3), 0);
  EXPECT_EQ(SelectionNext(-1, 3), 0);
  EXPECT_EQ(SelectionPrevious(0, 3), 2);
  EXPECT_EQ(SelectionPrevious(-1, 3), 2);
  EXPECT_EQ(SelectionUp(3, 6), 0);
  EXPECT_EQ(SelectionUp(8, 6), 2);
  EXPECT_EQ(SelectionUp(-1, 6), 0);
  EXPECT_EQ(SelectionDown(-1, 6, 9), -1);
  EXPECT_EQ(SelectionDown(2, 6, 9), 8);
  EXPECT_EQ(SelectionDown(4, 6, 9), 8);
}

// Drops the clock at `from` with its centre at (x, y) in a row of A B C D
// (cells 100 x 80) and returns the new order.
std::string Drop(int from, int x, int y) {
  std::string order = "ABCD";
  const int to = DropIndex(ComputeGrid(4, 320), 4, 100, 80, from, x, y);
  const char moved = order[from];
  order.erase(from, 1);
  order.insert(static_cast<std::string::size_type>(to), 1, moved);
  return order;
}

TEST(ClockGrid, ReorderingByDropPoint) {
  EXPECT_EQ(Drop(0, 250, 40), "BACD");  // A onto C
  EXPECT_EQ(Drop(3, 150, 40), "ADBC");  // D onto B
  EXPECT_EQ(Drop(1, 150, 40), "ABCD");  // onto itself
  EXPECT_EQ(Drop(1, 450, 40), "ACDB");  // right of the grid: to the end
  EXPECT_EQ(Drop(2, 150, 95), "ABDC");  // below it: to the end
  EXPECT_EQ(Drop(2, -10, 40), "CABD");  // left of it: to the front
  EXPECT_EQ(Drop(3, 150, -5), "DABC");  // above it: to the front
  EXPECT_EQ(Drop(0, -10, 40), "ABCD");
}

TEST(ClockGrid, ToggledFlagsKeepAFaceOrADigitalTime) {
  struct Case {
    uint32_t current, mask, expected;
  };
  const Case cases[] = {
      {0x7060F, 0x4, 0x7060B},    // date off
      {0x7060B, 0x4, 0x7060F},    // and on again
      {0x0000A, 0x2, 0x00009},    // digital off without a face: the face comes on
      {0x00009, 0x1, 0x0000A},    // face off without digital time: digital comes on
      {0x00003, 0x2, 0x00001},    // digital off with a face: nothing else changes
      {0x00600, 0x600, 0x00000},  // any bit of the mask set: all of it goes off
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToggledShowFlags(c.current, c.mask), c.expected)
        << std::hex << c.current << " " << c.mask;
  }
}

}  // namespace
