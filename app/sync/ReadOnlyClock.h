// A clock that reads another and refuses to be set: for the dry run and the
// command-line client, which go through every step but never change the
// machine's time.
#ifndef APP_SYNC_READONLYCLOCK_H
#define APP_SYNC_READONLYCLOCK_H

#include "SystemClock.h"

class CReadOnlyClock : public platform::ISystemClock {
 public:
  explicit CReadOnlyClock(platform::ISystemClock& source) : m_source(source) {}
  uint64_t FileTimeNow() override { return m_source.FileTimeNow(); }
  uint32_t MillisecondCounter() override { return m_source.MillisecondCounter(); }
  bool SetClock(uint64_t) override { return false; }

 private:
  platform::ISystemClock& m_source;
};

#endif
