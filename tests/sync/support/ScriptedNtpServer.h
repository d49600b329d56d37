// A scripted NTP server on 127.0.0.1, for fault injection. Each
// request it receives takes the next step of its script (the last step
// repeats): a proper reply, silence, or one of the faulty replies a client
// must survive.
#ifndef TESTS_SYNC_SUPPORT_SCRIPTEDNTPSERVER_H
#define TESTS_SYNC_SUPPORT_SCRIPTEDNTPSERVER_H

#include <cstdint>
#include <mutex>
#include <vector>

#include "ManualResetEvent.h"
#include "NtpPacket.h"
#include "Thread.h"
#include "UdpSocket.h"

namespace testing_support {

enum class Reply {
  Good,
  Silent,
  Short47,         // a packet one byte short
  Long49,          // ... and one byte long
  WrongOriginate,  // the originate time differs in its last byte
  LeapNotSynced,   // leap indicator 3
  KissRate,        // stratum 0, reference "RATE"
  KissDeny,        // stratum 0, reference "DENY"
  ZeroReceiveTime,
  ZeroTransmitTime,
  FromOtherPort,  // a good reply, sent from another socket
  ClientMode,     // a good reply marked mode 3
  LateThenGood,   // the reply to the previous request, then a good one
  ExactOffset,    // receive = transmit = the request's time minus the set offset
};

struct ScriptStep {
  Reply reply = Reply::Good;
  uint32_t delayMs = 0;  // before answering
};

class CScriptedNtpServer {
 public:
  // Serves on a free port of 127.0.0.1.
  explicit CScriptedNtpServer(std::vector<ScriptStep> script);
  ~CScriptedNtpServer();

  platform::Endpoint endpoint() const { return m_endpoint; }
  // How far the server's clock is ahead of this machine's, in 100-ns ticks.
  void SetClockOffset(int64_t ticks);
  void SetStratum(uint8_t stratum);
  size_t RequestCount() const;
  // Arrival of each request, on the machine's millisecond counter.
  std::vector<uint32_t> RequestTimes() const;
  ntp::NtpPacket LastRequest() const;

 private:
  void Serve();
  void Answer(const ntp::NtpPacket& request, const platform::Endpoint& client, ScriptStep step);
  ntp::NtpPacket MakeReply(const ntp::NtpPacket& request, Reply kind);

  std::vector<ScriptStep> m_script;
  platform::CUdpSocket m_socket;
  platform::CUdpSocket m_otherSocket;
  platform::Endpoint m_endpoint;
  platform::CManualResetEvent m_stop;
  mutable std::mutex m_mutex;
  int64_t m_clockOffset = 0;
  uint8_t m_stratum = 1;
  std::vector<uint32_t> m_requestTimes;
  std::vector<ntp::NtpPacket> m_requests;
  platform::CThread m_thread;
};

}  // namespace testing_support

#endif
