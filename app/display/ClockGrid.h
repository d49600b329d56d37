// The arithmetic of the clock list's grid: rows and columns, hit tests,
// the capacity test, keyboard moves and re-ordering.
#ifndef APP_DISPLAY_CLOCKGRID_H
#define APP_DISPLAY_CLOCKGRID_H

#include <cstdint>

constexpr int kClockColumnLimit = 6;
constexpr int kClockHeightLimit = 640;

struct GridShape {
  int rows;
  int columns;
};

// All clocks in one row, or rows of columnLimit when the wrap width is not
// negative.
GridShape ComputeGrid(int count, int wrapWidth, int columnLimit = kClockColumnLimit);

// The index of the clock whose w x h cell holds (x, y), or -1.
int HitTestGrid(const GridShape& grid, int count, int cellWidth, int cellHeight, int x, int y);

// Whether one more clock fits: only a full grid of two or more rows can be
// full, when another row of cellWidth would pass the height limit. (The
// limit is measured against the cell's width, as it always was.)
bool CanAddClock(const GridShape& grid, int count, int cellWidth,
                 int heightLimit = kClockHeightLimit);

// Keyboard moves of the selection; -1 is no selection. Next and previous
// wrap around; up stops at the first clock, down at the last. Down without a
// selection gives -1 (nothing to do).
int SelectionNext(int selected, int count);
int SelectionPrevious(int selected, int count);
int SelectionUp(int selected, int columns);
int SelectionDown(int selected, int columns, int count);

// Where clock `from` ends when it is dropped with its centre at (x, y):
// before the clock it lands on, at the end when it lands below or right of
// the grid, at the front when above or left of it. Returns from when the
// order does not change.
int DropIndex(const GridShape& grid, int count, int cellWidth, int cellHeight, int from, int x,
              int y);

// The option bits after switching mask on (when none of it is set) or off;
// switching off the last of the analog face and the digital time switches the
// other on.
uint32_t ToggledShowFlags(uint32_t current, uint32_t mask);

#endif
