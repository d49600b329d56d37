#include "NtpEngine.h"

#include <algorithm>

#include "ManualResetEvent.h"
#include "NtpTime.h"
#include "UdpSocket.h"

namespace {

constexpr uint32_t kDefaultEachTryMs = 2000;
// Waits are capped just below "forever", which a wait reads as no limit.
constexpr uint64_t kLongestWaitMs = platform::kWaitForever - 1;

uint32_t SecondsToWaitMs(uint64_t seconds) {
  return static_cast<uint32_t>(std::min<uint64_t>(seconds * 1000, kLongestWaitMs));
}

}  // namespace

ExchangeBudget ComputeExchangeBudget(uint32_t eachTrySeconds, uint32_t totalSeconds) {
  ExchangeBudget budget;
  budget.eachTryMs = eachTrySeconds != 0 ? SecondsToWaitMs(eachTrySeconds) : kDefaultEachTryMs;
  if (totalSeconds == 0) {
    budget.totalMs =
        static_cast<uint32_t>(std::min<uint64_t>(uint64_t{budget.eachTryMs} * 3, kLongestWaitMs));
  } else {
    budget.totalMs = std::max(SecondsToWaitMs(totalSeconds), budget.eachTryMs);
  }
  return budget;
}

// What one start of the engine owns. The worker shares it, so a worker that
// was let go still has its socket and events until it ends.
struct CNtpEngine::Run {
  platform::CUdpSocket socket;
  platform::CManualResetEvent wake;
  std::atomic<bool> stop{false};
  // Held by the worker whenever it may touch the engine; released only
  // around calls that can block without end (synchronous notifications and
  // name lookups). Whoever takes it finds the worker either there or gone.
  platform::CLock gate;
  bool abandoned = false;  // under gate: the engine let the worker go
  bool finished = false;   // under gate: the worker has left its loop
};

// The worker thread's state and passes over the active list.
class CNtpEngine::CWorker : public IExchangeOwner {
 public:
  CWorker(CNtpEngine& engine, Run& run) : m_engine(engine), m_run(run) {}

  // Returns when the engine stops or lets the worker go; with the gate held.
  void Loop();

  Answer AskAdjust(SyncStatus& question) override;
  void Publish(const SyncStatus& status) override;

 private:
  enum class Advance { NextServer, PassFailed, Restarted, LetGo };

  // Runs a blocking call with the gate released; false when the engine let
  // the worker go meanwhile (then nothing of the engine may be touched).
  template <class Call>
  bool OutsideGate(Call call);
  // Notification NTPE_SERVERFAILED, with the engine lock released.
  bool ReportFailure(const ServerInfo& server, bool insane);
  // Finds and resolves the next server from index i on. Lock held.
  Advance ResolveNext(int& n);
  void FailPass();

  CNtpEngine& m_engine;
  Run& m_run;
  int m_index = -1;  // the server being tried, -1 between passes
  ServerInfo m_current;
  platform::Endpoint m_to;
};

template <class Call>
bool CNtpEngine::CWorker::OutsideGate(Call call) {
  m_run.gate.Release();
  call();
  m_run.gate.Acquire();
  return !m_run.abandoned;
}

bool CNtpEngine::CWorker::ReportFailure(const ServerInfo& server, bool insane) {
  INotificationSink* sink = m_engine.m_sink;
  if (sink == nullptr || m_run.stop) return !m_run.abandoned;
  ServerFailure failure{&server, insane};
  return OutsideGate([&] { sink->Send(NTPE_SERVERFAILED, &failure); });
}

IExchangeOwner::Answer CNtpEngine::CWorker::AskAdjust(SyncStatus& question) {
  INotificationSink* sink = m_engine.m_sink;
  if (m_run.stop) return Answer::Abandon;
  if (sink == nullptr) return Answer::DoNotCorrect;
  intptr_t reply = 0;
  if (!OutsideGate([&] { reply = sink->Send(NTPE_ASKADJUST, &question); })) return Answer::Abandon;
  // Asked to stop while the question was open: leave the clock alone.
  if (m_run.stop) return Answer::Abandon;
  return reply != 0 ? Answer::Correct : Answer::DoNotCorrect;
}

void CNtpEngine::CWorker::Publish(const SyncStatus& status) {
  {
    platform::CLockGuard guard(m_engine.m_lock);
    m_engine.m_status = status;
  }
  if (INotificationSink* sink = m_engine.m_sink) sink->Post(NTPE_STATUS);
}

CNtpEngine::CWorker::Advance CNtpEngine::CWorker::ResolveNext(int& n) {
  ServerList& servers = m_engine.m_servers;
  while (n < static_cast<int>(servers.size())) {
    ServerInfo& server = servers[n];
    if (server.address != platform::kNoAddress) return Advance::NextServer;
    server.address = platform::ParseDottedAddress(server.host.c_str());
    if (server.address != platform::kNoAddress) return Advance::NextServer;

    const std::string host = server.host;
    uint32_t address = platform::kNoAddress;
    bool found = false;
    m_engine.m_lock.Release();
    platform::INameResolver& resolver = m_engine.m_resolver;
    const bool ours = OutsideGate([&] { found = resolver.Resolve(host, &address); });
    if (!ours) return Advance::LetGo;
    m_engine.m_lock.Acquire();
    if (m_engine.m_restart) return Advance::Restarted;
    if (found && address != platform::kNoAddress) {
      servers[n].address = address;
      return Advance::NextServer;
    }
    const ServerInfo unresolved = servers[n];
    m_engine.m_lock.Release();
    if (!ReportFailure(unresolved, false)) return Advance::LetGo;
    m_engine.m_lock.Acquire();
    if (m_engine.m_restart) return Advance::Restarted;
    ++n;
  }
  return Advance::PassFailed;
}

void CNtpEngine::CWorker::FailPass() {
  for (ServerInfo& server : m_engine.m_servers) server.address = platform::kNoAddress;
  m_index = -1;
  SyncStatus& status = m_engine.m_status;
  status.failed = true;
  const int32_t now = ntp::FileTimeToCalendar(m_engine.m_clock.FileTimeNow());
  const uint32_t period = m_engine.m_period;
  status.nextSync = period != 0 ? static_cast<int32_t>(int64_t{now} + period) : -1;
  if (INotificationSink* sink = m_engine.m_sink) sink->Post(NTPE_STATUS);
}

void CNtpEngine::CWorker::Loop() {
  if (m_run.stop) return;
  CNtpEngine& engine = m_engine;
  for (;;) {
    // Read afresh each time, so new time-outs apply from the next server.
    const ExchangeBudget budget =
        ComputeExchangeBudget(engine.m_eachTryTimeout, engine.m_totalTimeout);
    uint32_t result = budget.totalMs;
    bool exchanged = false;
    if (engine.m_restart) {
      m_index = -1;
    } else if (m_index != -1) {
      ExchangeSettings settings;
      settings.thresholdSeconds = engine.m_threshold;
      settings.periodSeconds = engine.m_period;
      settings.coarseClock = engine.m_coarseClock;
      CSntpExchange exchange(m_run.socket, m_run.wake, engine.m_clock, *this);
      exchange.Run(m_to, budget.eachTryMs, result, m_current, settings);
      if (m_run.abandoned) return;
      exchanged = true;
    }

    engine.m_lock.Acquire();
    bool passFailed = false;
    bool advance = true;
    if (exchanged) {
      if (result != kExchangeFailed && result != kExchangeInsane) {
        // Servers before the one that answered are looked up afresh next
        // time; it and those after it keep their addresses.
        const size_t end = std::min(static_cast<size_t>(m_index), engine.m_servers.size());
        for (size_t j = 0; j < end; ++j) engine.m_servers[j].address = platform::kNoAddress;
        m_index = -1;
        advance = false;
      } else {
        engine.m_lock.Release();
        if (!ReportFailure(m_current, result == kExchangeInsane)) return;
        engine.m_lock.Acquire();
        passFailed = m_index + 1 == static_cast<int>(engine.m_servers.size());
        advance = !passFailed;
      }
    }
    if (advance) {
      if (engine.m_restart) m_index = -1;
      int n = m_index + 1;
      engine.m_restart = false;
      switch (ResolveNext(n)) {
        case Advance::LetGo:
          return;
        case Advance::Restarted:
          break;  // the next repetition begins a pass over the new list
        case Advance::PassFailed:
          passFailed = true;
          break;
        case Advance::NextServer:
          m_index = n;
          m_current = engine.m_servers[n];
          m_to.address = m_current.address;
          m_to.port = engine.m_serverPort;
          break;
      }
    }
    if (passFailed) FailPass();
    engine.m_lock.Release();

    if (m_index == -1) {
      const uint32_t period = engine.m_period;
      const uint32_t waitMs = period != 0 ? SecondsToWaitMs(period) : platform::kWaitForever;
      if (m_run.wake.Wait(waitMs)) m_run.wake.Reset();
    }
    if (m_run.stop) return;
  }
}

void CNtpEngine::WorkerEntry(CNtpEngine* engine, const std::shared_ptr<Run>& run) {
  run->gate.Acquire();
  if (!run->abandoned) {
    CWorker worker(*engine, *run);
    worker.Loop();
  }
  run->finished = true;
  run->gate.Release();
}

CNtpEngine::CNtpEngine()
    : CNtpEngine(Seams{&platform::MachineClock(), &platform::SystemResolver(),
                       platform::MachineClockIsCoarse(), 123}) {}

CNtpEngine::CNtpEngine(const Seams& seams)
    : m_clock(*seams.clock),
      m_resolver(*seams.resolver),
      m_coarseClock(seams.coarseClock),
      m_serverPort(seams.serverPort) {}

CNtpEngine::~CNtpEngine() { Stop(); }

void CNtpEngine::SetServers(const ServerList& list) {
  {
    platform::CLockGuard guard(m_lock);
    m_servers = list;
    for (ServerInfo& server : m_servers) server.address = platform::kNoAddress;
    m_restart = true;
  }
  if (m_run) m_run->wake.Set();
}

void CNtpEngine::GetServers(ServerList& list) const {
  platform::CLockGuard guard(m_lock);
  list = m_servers;
}

uint32_t CNtpEngine::SetPeriod(uint32_t seconds) {
  if (seconds != m_period) {
    m_period = seconds;
    if (m_run) m_run->wake.Set();
  }
  return m_period;
}

void CNtpEngine::SetTimeouts(uint32_t eachTrySeconds, uint32_t totalSeconds) {
  m_eachTryTimeout = eachTrySeconds;
  m_totalTimeout = totalSeconds;
}

void CNtpEngine::QueryTimeouts(uint32_t& eachTrySeconds, uint32_t& totalSeconds) const {
  eachTrySeconds = m_eachTryTimeout;
  totalSeconds = m_totalTimeout;
}

SyncStatus CNtpEngine::GetStatus() const {
  platform::CLockGuard guard(m_lock);
  return m_status;
}

bool CNtpEngine::SyncNow() {
  if (m_run) {
    m_run->wake.Set();
    return true;
  }
  auto run = std::make_shared<Run>();
  // A socket that cannot be opened is not fatal: every exchange then fails
  // by time-out and is reported as such.
  run->socket.Open();
  {
    platform::CLockGuard guard(m_lock);
    m_restart = false;
  }
  // The worker waits for the gate, so "started" goes out before anything
  // the worker reports.
  platform::CLockGuard gate(run->gate);
  if (!m_thread.Start([this, run] { WorkerEntry(this, run); })) return true;
  m_run = run;
  if (INotificationSink* sink = m_sink) sink->Post(NTPE_STARTED);
  return true;
}

bool CNtpEngine::Stop() {
  if (!m_run) return true;
  std::shared_ptr<Run> run = std::move(m_run);
  run->stop = true;
  run->wake.Set();
  // The worker holds the gate until it ends or blocks outside the engine;
  // a blocked worker is let go rather than waited for.
  run->gate.Acquire();
  const bool finished = run->finished;
  run->abandoned = !finished;
  run->gate.Release();
  if (finished) {
    m_thread.Join();
  } else {
    m_thread.Detach();
  }
  if (INotificationSink* sink = m_sink) sink->Post(NTPE_STOPPED);
  return true;
}
