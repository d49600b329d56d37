// The texts of the main window that are built from data: the tray tooltip,
// the context menu's clock items and the correction question.
#ifndef APP_SHELL_SHELLTEXTS_H
#define APP_SHELL_SHELLTEXTS_H

#include <cstdint>
#include <string>

constexpr size_t kTrayTipLimit = 127;

// "Vorlix (Last Update: 14:05:09 Mar 07)" in local time, cut to 127
// characters.
std::string TrayTipText(int32_t lastSync);

// "The sync server (host) suggests a time adjustment of N minutes, ..."
// offset in 100-ns ticks, threshold in seconds.
std::string AdjustmentQuestionText(const std::string& host, int64_t offset, uint32_t threshold);

#endif
