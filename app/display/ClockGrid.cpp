#include "ClockGrid.h"

#include "ShowFlags.h"

GridShape ComputeGrid(int count, int wrapWidth, int columnLimit) {
  if (count <= 0) return {0, 0};
  if (wrapWidth >= 0 && count > columnLimit) {
    return {(count + columnLimit - 1) / columnLimit, columnLimit};
  }
  return {1, count};
}

int HitTestGrid(const GridShape& grid, int count, int cellWidth, int cellHeight, int x, int y) {
  if (count <= 0 || x < 0 || y < 0 || cellWidth <= 0 || cellHeight <= 0) return -1;
  const int column = x / cellWidth;
  const int row = y / cellHeight;
  if (column >= grid.columns || row >= grid.rows) return -1;
  const int index = row * grid.columns + column;
  return index < count ? index : -1;
}

bool CanAddClock(const GridShape& grid, int count, int cellWidth, int heightLimit) {
  if (count <= 0) return true;
  if (grid.rows <= 1 || count != grid.rows * grid.columns) return true;
  return (grid.rows + 1) * cellWidth <= heightLimit;
}

int SelectionNext(int selected, int count) {
  if (count <= 0) return -1;
  const int next = selected + 1;
  return next >= count ? 0 : next;
}

int SelectionPrevious(int selected, int count) {
  if (count <= 0) return -1;
  const int previous = selected < 0 ? count - 1 : selected - 1;
  return previous < 0 ? count - 1 : previous;
}

int SelectionUp(int selected, int columns) {
  const int up = selected - columns;
  return up < 0 ? 0 : up;
}

int SelectionDown(int selected, int columns, int count) {
  if (selected < 0) return -1;
  const int down = selected + columns;
  return down >= count ? count - 1 : down;
}

int DropIndex(const GridShape& grid, int count, int cellWidth, int cellHeight, int from, int x,
              int y) {
  if (from < 0 || from >= count) return from;
  int target = HitTestGrid(grid, count, cellWidth, cellHeight, x, y);
  if (target == from) return from;
  if (target < 0) {
    if (x >= 0 && y >= 0) return count - 1;
    return 0;
  }
  return target < from ? target : target - 1;
}

uint32_t ToggledShowFlags(uint32_t current, uint32_t mask) {
  uint32_t set = 0;
  uint32_t clear = 0;
  if ((mask & current) == 0) {
    set = mask;
  } else {
    clear = mask;
  }
  if ((clear & kShowDigital) && !(current & kShowAnalog)) {
    set |= kShowAnalog;
  } else if ((clear & kShowAnalog) && !(current & kShowDigital)) {
    set |= kShowDigital;
  }
  return (current | set) & ~clear;
}
