#include "GuiObjects.h"

#include <atomic>

namespace {

std::atomic<int> g_live[static_cast<int>(GuiKind::Count)];

}  // namespace

namespace gui_detail {

void Count(GuiKind kind, int delta) { g_live[static_cast<int>(kind)] += delta; }

}  // namespace gui_detail

int LiveGuiObjects(GuiKind kind) { return g_live[static_cast<int>(kind)]; }

int LiveGuiObjectsTotal() {
  int total = 0;
  for (const auto& live : g_live) total += live;
  return total;
}
