#include "ShellTexts.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

std::string TrayTipText(int32_t lastSync) {
  const time_t instant = lastSync;
  const std::tm* local = std::localtime(&instant);
  char when[64] = "";
  if (local) std::strftime(when, sizeof when, "%H:%M:%S %b %d", local);
  std::string text = std::string("Vorlix (Last Update: ") + when + ")";
  if (text.size() > kTrayTipLimit) text.resize(kTrayTipLimit);
  return text;
}

std::string AdjustmentQuestionText(const std::string& host, int64_t offset, uint32_t threshold) {
  const int64_t seconds = offset / 10000000;  // whole seconds, toward zero
  const long long minutes = std::llabs(seconds) / 60;
  const unsigned long thresholdMinutes = threshold / 60;
  char text[1024];
  std::snprintf(text, sizeof text,
                "The sync server (%s) suggests a time adjustment of %lld \nminutes, which is "
                "greater than your threshold of %lu minutes.\n\nDo you wish to make the "
                "adjustment?\n\nYou can also change your threshold, or choose a different sync "
                "server.",
                host.c_str(), minutes, thresholdMinutes);
  return text;
}
