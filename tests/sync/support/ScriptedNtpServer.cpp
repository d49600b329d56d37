#include "ScriptedNtpServer.h"

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "NameResolver.h"
#include "NtpTime.h"
#include "SystemClock.h"

namespace testing_support {
namespace {

void SetReferenceId(ntp::NtpPacket& packet, const char* id) {
  std::memcpy(packet.data() + ntp::kReferenceId, id, 4);
}

}  // namespace

CScriptedNtpServer::CScriptedNtpServer(std::vector<ScriptStep> script)
    : m_script(std::move(script)) {
  const uint32_t address = platform::LoopbackAddress();
  if (!m_socket.Open({address, 0}) || !m_otherSocket.Open({address, 0}))
    throw std::runtime_error("cannot bind the scripted NTP server");
  m_endpoint = {address, m_socket.LocalPort()};
  m_thread.Start([this] { Serve(); });
}

CScriptedNtpServer::~CScriptedNtpServer() {
  m_stop.Set();
  m_thread.Join();
}

void CScriptedNtpServer::SetClockOffset(int64_t ticks) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_clockOffset = ticks;
}

void CScriptedNtpServer::SetStratum(uint8_t stratum) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_stratum = stratum;
}

size_t CScriptedNtpServer::RequestCount() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requests.size();
}

std::vector<uint32_t> CScriptedNtpServer::RequestTimes() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requestTimes;
}

ntp::NtpPacket CScriptedNtpServer::LastRequest() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_requests.empty() ? ntp::NtpPacket{} : m_requests.back();
}

void CScriptedNtpServer::Serve() {
  while (m_socket.WaitReadableOrWoken(m_stop, platform::kWaitForever) ==
         platform::CUdpSocket::WaitResult::Readable) {
    // Reset first, then read all that is queued, so no datagram is missed.
    m_socket.ResetReadiness();
    uint8_t datagram[512];
    platform::Endpoint client;
    for (int length; (length = m_socket.ReceiveFrom(datagram, sizeof datagram, &client)) >= 0;) {
      if (length != static_cast<int>(ntp::kPacketSize)) continue;
      ntp::NtpPacket request;
      std::memcpy(request.data(), datagram, ntp::kPacketSize);
      ScriptStep step;
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requestTimes.push_back(platform::MachineClock().MillisecondCounter());
        m_requests.push_back(request);
        step = m_script[std::min(m_requests.size(), m_script.size()) - 1];
      }
      Answer(request, client, step);
    }
  }
}

ntp::NtpPacket CScriptedNtpServer::MakeReply(const ntp::NtpPacket& request, Reply kind) {
  int64_t offset;
  uint8_t stratum;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    offset = m_clockOffset;
    stratum = m_stratum;
  }
  ntp::NtpPacket reply{};
  reply[ntp::kFlags] = (0 << 6) | (3 << 3) | ntp::kModeServer;
  reply[ntp::kStratum] = stratum;
  reply[ntp::kPoll] = 6;
  reply[ntp::kPrecision] = 0xEC;
  SetReferenceId(reply, stratum >= 2 ? "\xC0\x00\x02\x07" : "GPS\0");
  std::memcpy(reply.data() + ntp::kOriginateTime, request.data() + ntp::kTransmitTime,
              ntp::kTimestampSize);
  uint64_t serverNow = platform::MachineClock().FileTimeNow() + static_cast<uint64_t>(offset);
  if (kind == Reply::ExactOffset) {
    // Both server times are the client's send time shifted by the offset, so
    // a client that sees no tick pass measures exactly that offset.
    serverNow = static_cast<uint64_t>(ntp::TimestampToTicks(request.data() + ntp::kTransmitTime) +
                                      ntp::kTicks1601To1900 + offset);
  }
  ntp::FileTimeToTimestamp(serverNow, reply.data() + 16);  // reference time
  ntp::FileTimeToTimestamp(serverNow, reply.data() + ntp::kReceiveTime);
  ntp::FileTimeToTimestamp(serverNow, reply.data() + ntp::kTransmitTime);

  switch (kind) {
    case Reply::WrongOriginate:
      reply[ntp::kOriginateTime + 7] ^= 0x01;
      break;
    case Reply::LeapNotSynced:
      reply[ntp::kFlags] |= 3 << 6;
      break;
    case Reply::KissRate:
    case Reply::KissDeny:
      reply[ntp::kStratum] = 0;
      SetReferenceId(reply, kind == Reply::KissRate ? "RATE" : "DENY");
      break;
    case Reply::ZeroReceiveTime:
      std::memset(reply.data() + ntp::kReceiveTime, 0, ntp::kTimestampSize);
      break;
    case Reply::ZeroTransmitTime:
      std::memset(reply.data() + ntp::kTransmitTime, 0, ntp::kTimestampSize);
      break;
    case Reply::ClientMode:
      reply[ntp::kFlags] = (reply[ntp::kFlags] & ~7) | 3;
      break;
    default:
      break;
  }
  return reply;
}

void CScriptedNtpServer::Answer(const ntp::NtpPacket& request, const platform::Endpoint& client,
                                ScriptStep step) {
  if (step.delayMs != 0) {
    // Wait, but not past a stop.
    if (m_stop.Wait(step.delayMs)) return;
  }
  const ntp::NtpPacket reply = MakeReply(request, step.reply);
  switch (step.reply) {
    case Reply::Silent:
      return;
    case Reply::Short47:
    case Reply::Long49: {
      uint8_t bytes[49] = {};
      std::memcpy(bytes, reply.data(), ntp::kPacketSize);
      m_socket.SendTo(bytes, step.reply == Reply::Short47 ? 47 : 49, client);
      return;
    }
    case Reply::FromOtherPort:
      m_otherSocket.SendTo(reply.data(), reply.size(), client);
      return;
    case Reply::LateThenGood: {
      ntp::NtpPacket previous;
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        previous = m_requests.size() >= 2 ? m_requests[m_requests.size() - 2] : request;
      }
      const ntp::NtpPacket late = MakeReply(previous, Reply::Good);
      m_socket.SendTo(late.data(), late.size(), client);
      m_socket.SendTo(reply.data(), reply.size(), client);
      return;
    }
    default:
      m_socket.SendTo(reply.data(), reply.size(), client);
      return;
  }
}

}  // namespace testing_support
