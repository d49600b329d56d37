// Loads the display names once when a process loads the library.
#include "../DisplayNames.h"

namespace {

struct LoadDisplayNamesAtLoad {
  LoadDisplayNamesAtLoad() { tzbase::TheDisplayNames().Load(); }
} g_loadDisplayNamesAtLoad;

}  // namespace
