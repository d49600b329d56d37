// One SNTP exchange with one server: request, reply with retries, the
// reply's checks, offset and delay, the correction decision, setting the
// clock and publishing the outcome.
#ifndef APP_SYNC_SNTPEXCHANGE_H
#define APP_SYNC_SNTPEXCHANGE_H

#include <cstdint>

#include "ManualResetEvent.h"
#include "ServerInfo.h"
#include "SyncStatus.h"
#include "SystemClock.h"
#include "UdpSocket.h"

// Result codes left in the budget argument of CSntpExchange::Run.
constexpr uint32_t kExchangeFailed = 0;
constexpr uint32_t kExchangeInsane = 0xFFFFFFFFu;

// Whatever runs exchanges: it answers the correction question and takes
// the published outcome.
class IExchangeOwner {
 public:
  enum class Answer { Correct, DoNotCorrect, Abandon };
  virtual ~IExchangeOwner() = default;
  // The correction exceeds the threshold: ask (question holds server,
  // location, address and offset). Abandon ends the exchange at once, as
  // if interrupted, and nothing more is done.
  virtual Answer AskAdjust(SyncStatus& question) = 0;
  virtual void Publish(const SyncStatus& status) = 0;
};

struct ExchangeSettings {
  uint32_t thresholdSeconds = 0;  // whole seconds corrected without asking (exclusive)
  uint32_t periodSeconds = 0;     // 0 = no periodic synchronisation
  bool coarseClock = false;       // time the reply with the millisecond counter
};

class CSntpExchange {
 public:
  CSntpExchange(platform::CUdpSocket& socket, const platform::CManualResetEvent& wake,
                platform::ISystemClock& clock, IExchangeOwner& owner)
      : m_socket(socket), m_wake(wake), m_clock(clock), m_owner(owner) {}

  // Runs the exchange with the server at to. remainingMs is the budget for
  // this server (at least eachTryMs); on return it is kExchangeFailed,
  // kExchangeInsane, or the budget left (completed, or interrupted by the
  // wake event without a reply).
  void Run(const platform::Endpoint& to, uint32_t eachTryMs, uint32_t& remainingMs,
           const ServerInfo& server, const ExchangeSettings& settings);

 private:
  struct Reception {
    ntp::NtpPacket reply;
    uint64_t fileTime;         // T4 as read from the clock
    uint32_t millisecond;      // the millisecond counter at T4
    uint32_t sentMillisecond;  // ... and at T1
  };
  // Requests and receives until an acceptable reply; false when the
  // exchange has ended without one (remainingMs then says how).
  bool ReceiveReply(const platform::Endpoint& to, uint32_t eachTryMs, uint32_t& remainingMs,
                    Reception& reception);
  void DiscardQueued();
  uint64_t AlignToClockTick();

  platform::CUdpSocket& m_socket;
  const platform::CManualResetEvent& m_wake;
  platform::ISystemClock& m_clock;
  IExchangeOwner& m_owner;
};

#endif
