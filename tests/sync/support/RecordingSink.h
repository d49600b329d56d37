// A notification sink that records what the engine reports. Synchronous
// notifications can be held open, the way a window holds the engine while
// the user answers a question.
#ifndef TESTS_SYNC_SUPPORT_RECORDINGSINK_H
#define TESTS_SYNC_SUPPORT_RECORDINGSINK_H

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "NotificationSink.h"
#include "SyncStatus.h"

namespace testing_support {

struct Notification {
  uint32_t code;
  std::string host;      // codes 0 and 2
  uint32_t address = 0;  // codes 0 and 2
  bool insane = false;   // code 2
  int64_t offset = 0;    // code 0
};

class CRecordingSink : public INotificationSink {
 public:
  intptr_t Send(uint32_t code, void* parameter) override {
    std::unique_lock<std::mutex> lock(m_mutex);
    Notification entry{code, "", 0, false, 0};
    if (code == NTPE_ASKADJUST) {
      const auto* question = static_cast<const SyncStatus*>(parameter);
      entry.host = question->server;
      entry.address = question->address;
      entry.offset = question->offset;
    } else if (code == NTPE_SERVERFAILED) {
      const auto* failure = static_cast<const ServerFailure*>(parameter);
      entry.host = failure->server->host;
      entry.address = failure->server->address;
      entry.insane = failure->insane;
    }
    m_entries.push_back(entry);
    ++m_openSends;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_holdSends; });
    --m_openSends;
    return m_answer;
  }

  void Post(uint32_t code) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back(Notification{code, "", 0, false, 0});
    m_changed.notify_all();
  }

  // The reply to the correction question.
  void SetAnswer(intptr_t answer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = answer;
  }
  // While held, every synchronous notification waits until Release.
  void HoldSends() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_holdSends = true;
  }
  void Release() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_holdSends = false;
    m_changed.notify_all();
  }
  bool WaitForOpenSend(std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, limit, [this] { return m_openSends > 0; });
  }
  // Waits until code has been recorded count times.
  bool WaitFor(uint32_t code, size_t count = 1,
               std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return CountLocked(code) >= count; });
  }
  std::vector<Notification> Entries() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
  }
  std::vector<uint32_t> Codes() {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<uint32_t> codes;
    for (const Notification& entry : m_entries) codes.push_back(entry.code);
    return codes;
  }

 private:
  size_t CountLocked(uint32_t code) const {
    size_t count = 0;
    for (const Notification& entry : m_entries) count += entry.code == code;
    return count;
  }

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<Notification> m_entries;
  intptr_t m_answer = 0;
  bool m_holdSends = false;
  int m_openSends = 0;
};

}  // namespace testing_support

#endif
