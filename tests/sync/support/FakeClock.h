// A clock for tests: the machine's time shifted by an offset and cut to a
// chosen tick, with a millisecond counter that can be scripted. Setting it
// records the target and moves the fake time there; the machine's clock is
// never touched.
#ifndef TESTS_SYNC_SUPPORT_FAKECLOCK_H
#define TESTS_SYNC_SUPPORT_FAKECLOCK_H

#include <cstdint>
#include <mutex>
#include <vector>

#include "SystemClock.h"

namespace testing_support {

class CFakeClock : public platform::ISystemClock {
 public:
  // tickTicks: the clock advances in steps of this many 100-ns ticks.
  explicit CFakeClock(uint64_t tickTicks = 1) : m_tick(tickTicks) {}

  uint64_t FileTimeNow() override {
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint64_t now = platform::MachineClock().FileTimeNow() + static_cast<uint64_t>(m_offset);
    return now / m_tick * m_tick;
  }

  uint32_t MillisecondCounter() override {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_counterStep == 0) return platform::MachineClock().MillisecondCounter();
    const uint32_t value = m_counter;
    m_counter += m_counterStep;
    return value;
  }

  bool SetClock(uint64_t fileTime) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_setTargets.push_back(fileTime);
    if (m_acceptSet)
      m_offset = static_cast<int64_t>(fileTime - platform::MachineClock().FileTimeNow());
    return m_acceptSet;
  }

  // Ticks the fake time is ahead of the machine's.
  void SetOffset(int64_t ticks) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_offset = ticks;
  }
  // Every read of the counter returns start, start + step, ...
  void ScriptCounter(uint32_t start, uint32_t step) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_counter = start;
    m_counterStep = step;
  }
  void RefuseSetting() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_acceptSet = false;
  }
  std::vector<uint64_t> SetTargets() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_setTargets;
  }

 private:
  std::mutex m_mutex;
  uint64_t m_tick;
  int64_t m_offset = 0;
  uint32_t m_counter = 0;
  uint32_t m_counterStep = 0;
  bool m_acceptSet = true;
  std::vector<uint64_t> m_setTargets;
};

}  // namespace testing_support

#endif
