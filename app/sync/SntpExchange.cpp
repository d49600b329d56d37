#include "SntpExchange.h"

#include <cstring>

#include "NtpTime.h"

namespace {

using ntp::NtpPacket;

// How long a wake-up still waits for a reply already on its way.
constexpr uint32_t kGraceAfterWakeMs = 200;
// Corrections within +-10.0144 ms are never made.
constexpr int64_t kDeadBandTicks = 100144;
// Room for a datagram longer than a packet, so that it is seen as such.
constexpr size_t kReceiveBufferSize = 512;

bool TimestampIsZero(const NtpPacket& packet, size_t field) {
  for (size_t i = 0; i < ntp::kTimestampSize; ++i) {
    if (packet[field + i] != 0) return false;
  }
  return true;
}

// The checks that make a datagram the answer to our request; anything else
// is dropped and the request repeated.
bool IsAnswerTo(const NtpPacket& request, const uint8_t* datagram, int length,
                const platform::Endpoint& from, const platform::Endpoint& to) {
  // Only a whole packet can be a reply.
  if (length != static_cast<int>(ntp::kPacketSize)) return false;
  // It must echo our transmit time, or it answers an earlier request (or
  // none of ours).
  if (std::memcmp(datagram + ntp::kOriginateTime, request.data() + ntp::kTransmitTime,
                  ntp::kTimestampSize) != 0)
    return false;
  // It must come from the server we asked, not from anyone who guessed.
  if (!(from == to)) return false;
  // It must be a server's reply (mode 4).
  return (datagram[ntp::kFlags] & 7) == ntp::kModeServer;
}

// A reply that carries no usable time: the server says its clock is not
// synchronised, sends a Kiss-o'-Death (stratum 0), or leaves out the
// times the offset is made of.
bool IsUnusable(const NtpPacket& reply) {
  return ntp::LeapIndicator(reply) == ntp::kLeapNotSynchronised || reply[ntp::kStratum] == 0 ||
         TimestampIsZero(reply, ntp::kReceiveTime) || TimestampIsZero(reply, ntp::kTransmitTime);
}

uint64_t Magnitude(int64_t value) {
  return value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

}  // namespace

void CSntpExchange::DiscardQueued() {
  uint8_t discard[kReceiveBufferSize];
  while (m_socket.ReceiveFrom(discard, sizeof discard, nullptr) > 0) {
  }
}

// Reads the clock until it moves on, so the reading is taken right at the
// start of a clock tick (a busy wait of at most one tick).
uint64_t CSntpExchange::AlignToClockTick() {
  const uint64_t first = m_clock.FileTimeNow();
  uint64_t now = first;
  while (now == first) now = m_clock.FileTimeNow();
  return now;
}

bool CSntpExchange::ReceiveReply(const platform::Endpoint& to, uint32_t eachTryMs,
                                 uint32_t& remainingMs, Reception& reception) {
  NtpPacket request = ntp::MakeRequest();
  // Bounds only the dropping of bad replies; time-outs count against the
  // budget itself.
  const uint64_t deadline =
      m_clock.FileTimeNow() + static_cast<uint64_t>(remainingMs) * ntp::kTicksPerMillisecond;
  for (;;) {
    // Late replies to earlier requests are dropped here. The signal is
    // reset before the queue is emptied: a datagram arriving in between then
    // signals again, where a reset afterwards could swallow the signal of a
    // datagram still queued (Windows signals readiness only once per read).
    if (m_socket.IsReadable()) {
      m_socket.ResetReadiness();
      DiscardQueued();
    }
    const uint64_t sendTime = AlignToClockTick();
    reception.sentMillisecond = m_clock.MillisecondCounter();
    ntp::FileTimeToTimestamp(sendTime, request.data() + ntp::kTransmitTime);
    m_socket.SendTo(request.data(), request.size(), to);  // a failure shows as a time-out

    switch (m_socket.WaitReadableOrWoken(m_wake, eachTryMs)) {
      case platform::CUdpSocket::WaitResult::Woken:
        if (!m_socket.WaitReadable(kGraceAfterWakeMs)) return false;  // interrupted
        break;
      case platform::CUdpSocket::WaitResult::TimedOut:
        if (remainingMs > eachTryMs) {
          remainingMs -= eachTryMs;
          continue;
        }
        remainingMs = kExchangeFailed;
        return false;
      case platform::CUdpSocket::WaitResult::Readable:
        break;
    }

    // The receive time is read before the datagram is taken.
    reception.fileTime = m_clock.FileTimeNow();
    reception.millisecond = m_clock.MillisecondCounter();
    uint8_t datagram[kReceiveBufferSize];
    platform::Endpoint from;
    const int length = m_socket.ReceiveFrom(datagram, sizeof datagram, &from);
    if (length < 0) {
      remainingMs = kExchangeFailed;
      return false;
    }
    if (IsAnswerTo(request, datagram, length, from, to)) {
      std::memcpy(reception.reply.data(), datagram, ntp::kPacketSize);
      return true;
    }
    // A bad reply costs no budget, but bad replies end at the deadline.
    if (m_clock.FileTimeNow() > deadline) {
      remainingMs = kExchangeFailed;
      return false;
    }
  }
}

void CSntpExchange::Run(const platform::Endpoint& to, uint32_t eachTryMs, uint32_t& remainingMs,
                        const ServerInfo& server, const ExchangeSettings& settings) {
  Reception reception;
  if (!ReceiveReply(to, eachTryMs, remainingMs, reception)) return;
  const NtpPacket& reply = reception.reply;
  if (IsUnusable(reply)) {
    remainingMs = kExchangeInsane;
    return;
  }

  const int64_t t1 = ntp::TimestampToTicks(reply.data() + ntp::kOriginateTime);
  const int64_t t2 = ntp::TimestampToTicks(reply.data() + ntp::kReceiveTime);
  const int64_t t3 = ntp::TimestampToTicks(reply.data() + ntp::kTransmitTime);
  int64_t t4;
  if (settings.coarseClock) {
    const uint32_t elapsedMs = reception.millisecond - reception.sentMillisecond;
    t4 = t1 + static_cast<int64_t>(elapsedMs) * ntp::kTicksPerMillisecond;
  } else {
    t4 = static_cast<int64_t>(reception.fileTime) - ntp::kTicks1601To1900;
  }

  int64_t offset;  // local minus server
  int64_t delay;
  if (t4 == t1) {  // no clock tick passed between sending and receiving
    offset = t1 - t2;
    delay = 0;
  } else {
    delay = (t4 - t1) - (t3 - t2);
    offset = t4 - t3 - delay / 2;
  }

  bool correct = false;
  if (offset > kDeadBandTicks || offset < -kDeadBandTicks) {
    const int64_t wholeSeconds = offset / ntp::kTicksPerSecond;
    if (Magnitude(wholeSeconds) < settings.thresholdSeconds) {
      correct = true;
    } else {
      SyncStatus question;
      question.server = server.host;
      question.location = server.location;
      question.address = server.address;
      question.offset = offset;
      const IExchangeOwner::Answer answer = m_owner.AskAdjust(question);
      if (answer == IExchangeOwner::Answer::Abandon) return;
      correct = answer == IExchangeOwner::Answer::Correct;
    }
  }

  SyncStatus status;
  uint64_t stamp;
  if (correct) {
    // The offset is a difference of clocks: still right however long the
    // question took.
    stamp = AlignToClockTick() - static_cast<uint64_t>(offset);
    status.adjusted = m_clock.SetClock(stamp);
  } else {
    stamp = static_cast<uint64_t>(t4 + ntp::kTicks1601To1900);
    status.adjusted = false;
  }

  status.failed = false;
  status.reply = reply;
  status.server = server.host;
  status.location = server.location;
  status.address = server.address;
  status.lastSync = ntp::FileTimeToCalendar(stamp);
  status.nextSync = settings.periodSeconds != 0
                        ? static_cast<int32_t>(int64_t{status.lastSync} + settings.periodSeconds)
                        : -1;
  status.offset = offset;
  status.roundTrip = delay;
  m_owner.Publish(status);
}
