// Where the clocks read the current UTC instant. The program uses the
// machine clock; tests put a fake clock in its place.
#ifndef APP_DISPLAY_UTCCLOCK_H
#define APP_DISPLAY_UTCCLOCK_H

#include <cstdint>

using UtcSource = int32_t (*)();

int32_t UtcNow();
// Null puts the machine clock back.
void SetUtcSource(UtcSource source);

#endif
