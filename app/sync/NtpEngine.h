// CNtpEngine: the one synchronisation engine. It holds the active server
// list in priority order, the timing settings, and while it runs one UDP
// socket and one worker thread. The worker makes passes over the list: it
// tries the servers first to last until one answers, then sleeps until the
// next periodic pass or until it is woken.
//
// Stopping never waits on a worker that is blocked outside the engine's
// control, in a synchronous notification (perhaps to the very thread that
// stops it) or in a name lookup: such a worker is let go. It keeps its own
// socket and events, touches nothing of the engine when it comes back, and
// ends by itself.
#ifndef APP_SYNC_NTPENGINE_H
#define APP_SYNC_NTPENGINE_H

#include <atomic>
#include <cstdint>
#include <memory>

#include "Lock.h"
#include "NameResolver.h"
#include "NotificationSink.h"
#include "ServerInfo.h"
#include "SntpExchange.h"
#include "SyncStatus.h"
#include "SystemClock.h"
#include "Thread.h"

// The per-server waits the engine uses for given time-outs in seconds.
struct ExchangeBudget {
  uint32_t eachTryMs;
  uint32_t totalMs;
};
ExchangeBudget ComputeExchangeBudget(uint32_t eachTrySeconds, uint32_t totalSeconds);

class CNtpEngine {
 public:
  // What the engine reaches the machine through; tests put fakes here.
  struct Seams {
    platform::ISystemClock* clock;
    platform::INameResolver* resolver;
    bool coarseClock;
    uint16_t serverPort;  // 123 but in tests
  };

  CNtpEngine();  // the machine's clock and resolver, port 123
  explicit CNtpEngine(const Seams& seams);
  ~CNtpEngine();
  CNtpEngine(const CNtpEngine&) = delete;
  CNtpEngine& operator=(const CNtpEngine&) = delete;

  // The target of every notification; null delivers nothing.
  void SetNotifySink(INotificationSink* sink) { m_sink = sink; }

  void SetServers(const ServerList& list);
  void GetServers(ServerList& list) const;
  // Wakes the worker when the period changes; returns the period.
  uint32_t SetPeriod(uint32_t seconds);
  void SetTimeouts(uint32_t eachTrySeconds, uint32_t totalSeconds);
  void QueryTimeouts(uint32_t& eachTrySeconds, uint32_t& totalSeconds) const;
  void SetThreshold(uint32_t seconds) { m_threshold = seconds; }
  uint32_t GetThreshold() const { return m_threshold; }

  // Starts the engine, or begins a new pass on a running one.
  bool SyncNow();
  // Ends the worker and releases the socket and events.
  bool Stop();
  bool IsRunning() const { return m_run != nullptr; }

  // A copy of the published outcome, taken under the engine lock.
  SyncStatus GetStatus() const;

 private:
  struct Run;
  class CWorker;

  static void WorkerEntry(CNtpEngine* engine, const std::shared_ptr<Run>& run);

  platform::ISystemClock& m_clock;
  platform::INameResolver& m_resolver;
  const bool m_coarseClock;
  const uint16_t m_serverPort;
  std::atomic<INotificationSink*> m_sink{nullptr};

  // Guards the active list, its cached addresses, the restart flag and the
  // status.
  mutable platform::CLock m_lock;
  ServerList m_servers;
  std::atomic<bool> m_restart{false};  // written under the lock
  SyncStatus m_status;

  std::atomic<uint32_t> m_period{0};
  std::atomic<uint32_t> m_eachTryTimeout{0};
  std::atomic<uint32_t> m_totalTimeout{0};
  std::atomic<uint32_t> m_threshold{0};

  // Main thread only: the running worker's resources and its thread.
  std::shared_ptr<Run> m_run;
  platform::CThread m_thread;
};

#endif
