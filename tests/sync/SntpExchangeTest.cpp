// One exchange against the scripted server on loopback: the request, the
// reply checks, retries and time-outs, offset and delay, and the correction
// decision against a fake clock.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "FakeClock.h"
#include "NtpTime.h"
#include "ScriptedNtpServer.h"
#include "SntpExchange.h"

using testing_support::CFakeClock;
using testing_support::CScriptedNtpServer;
using testing_support::Reply;
using testing_support::ScriptStep;

namespace {

constexpr int64_t kSecond = 10000000;
constexpr int64_t kMillisecond = 10000;
constexpr uint64_t kTenthOfSecond = 1000000;

ExchangeSettings Settings(uint32_t threshold = 900, uint32_t period = 0) {
  ExchangeSettings settings;
  settings.thresholdSeconds = threshold;
  settings.periodSeconds = period;
  return settings;
}

class CRecordingOwner : public IExchangeOwner {
 public:
  Answer AskAdjust(SyncStatus& question) override {
    questions.push_back(question);
    return answer;
  }
  void Publish(const SyncStatus& status) override { published.push_back(status); }

  Answer answer = Answer::DoNotCorrect;
  std::vector<SyncStatus> questions;
  std::vector<SyncStatus> published;
};

class SntpExchange : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_socket.Open()); }

  // Runs one exchange; returns the budget left and sets elapsedMs.
  uint32_t Run(CScriptedNtpServer& server, uint32_t eachTryMs, uint32_t remainingMs,
               CFakeClock& clock, ExchangeSettings settings = Settings()) {
    ServerInfo info;
    info.host = "ntp.test";
    info.location = "Test Lab";
    info.address = server.endpoint().address;
    CSntpExchange exchange(m_socket, m_wake, clock, m_owner);
    const auto start = std::chrono::steady_clock::now();
    exchange.Run(server.endpoint(), eachTryMs, remainingMs, info, settings);
    elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start)
                    .count();
    return remainingMs;
  }

  platform::CUdpSocket m_socket;
  platform::CManualResetEvent m_wake;
  CRecordingOwner m_owner;
  CFakeClock m_clock;
  long long elapsedMs = 0;
};

TEST_F(SntpExchange, RequestIsAVersion3ClientPacket) {
  CScriptedNtpServer server({{Reply::Good}});
  Run(server, 1000, 1000, m_clock);
  const ntp::NtpPacket request = server.LastRequest();
  EXPECT_EQ(request[0], 0x1B);
  EXPECT_EQ(request[1], 0x02);
  EXPECT_EQ(request[2], 0x06);
  EXPECT_EQ(request[3], 0xF6);
  for (size_t i = 4; i < 40; ++i) EXPECT_EQ(request[i], 0) << i;
}

TEST_F(SntpExchange, GoodReplyCorrectsSilentlyAndPublishes) {
  CScriptedNtpServer server({{Reply::Good}});
  server.SetClockOffset(25 * kSecond / 10);  // the server is 2.5 s ahead
  const uint64_t before = platform::MachineClock().FileTimeNow();
  const uint32_t left = Run(server, 1000, 3000, m_clock, Settings(900, 3600));

  EXPECT_EQ(left, 3000u);
  ASSERT_EQ(m_owner.published.size(), 1u);
  const SyncStatus& status = m_owner.published[0];
  EXPECT_NEAR(static_cast<double>(status.offset), -2.5 * kSecond, 5.0 * kMillisecond);
  EXPECT_GE(status.roundTrip, 0);
  EXPECT_LT(status.roundTrip, 50 * kMillisecond);
  EXPECT_TRUE(status.adjusted);
  EXPECT_FALSE(status.failed);
  EXPECT_EQ(status.server, "ntp.test");
  EXPECT_EQ(status.location, "Test Lab");
  EXPECT_EQ(status.address, server.endpoint().address);
  EXPECT_EQ(status.reply[ntp::kStratum], 1);
  EXPECT_EQ(status.nextSync, status.lastSync + 3600);
  EXPECT_TRUE(m_owner.questions.empty());

  // The clock was set to the server's time, and the exchange is stamped
  // with that time.
  const std::vector<uint64_t> targets = m_clock.SetTargets();
  ASSERT_EQ(targets.size(), 1u);
  const double expected = static_cast<double>(before + 25 * kSecond / 10);
  EXPECT_NEAR(static_cast<double>(targets[0]), expected, 200.0 * kMillisecond);
  EXPECT_EQ(status.lastSync, ntp::FileTimeToCalendar(targets[0]));
}

TEST_F(SntpExchange, UnusableRepliesAreInsaneAndLeaveEverythingAlone) {
  for (Reply reply : {Reply::LeapNotSynced, Reply::KissRate, Reply::KissDeny,
                      Reply::ZeroReceiveTime, Reply::ZeroTransmitTime}) {
    CScriptedNtpServer server({{reply}});
    server.SetClockOffset(60 * kSecond);
    EXPECT_EQ(Run(server, 1000, 3000, m_clock), kExchangeInsane) << static_cast<int>(reply);
    EXPECT_EQ(server.RequestCount(), 1u);
  }
  EXPECT_TRUE(m_owner.published.empty());
  EXPECT_TRUE(m_owner.questions.empty());
  EXPECT_TRUE(m_clock.SetTargets().empty());
}

TEST_F(SntpExchange, BadRepliesAreDroppedAndTheRequestRepeatedAtOnce) {
  for (Reply reply : {Reply::Short47, Reply::Long49, Reply::WrongOriginate, Reply::FromOtherPort,
                      Reply::ClientMode}) {
    CScriptedNtpServer server({{reply}, {Reply::Good}});
    EXPECT_EQ(Run(server, 5000, 5000, m_clock), 5000u) << static_cast<int>(reply);
    EXPECT_EQ(server.RequestCount(), 2u) << static_cast<int>(reply);
    EXPECT_LT(elapsedMs, 2500) << static_cast<int>(reply);  // no time-out in between
  }
  EXPECT_EQ(m_owner.published.size(), 5u);
}

TEST_F(SntpExchange, LateReplyToAnEarlierRequestIsNotTakenForTheAnswer) {
  CScriptedNtpServer server({{Reply::Silent}, {Reply::LateThenGood}, {Reply::Good}});
  server.SetClockOffset(-3 * kSecond);  // the late reply would give the same offset
  EXPECT_NE(Run(server, 300, 3000, m_clock), kExchangeFailed);
  EXPECT_GE(server.RequestCount(), 3u);
  ASSERT_EQ(m_owner.published.size(), 1u);
  // Matched against a request it did not answer, the round trip would span
  // the 300 ms time-out.
  EXPECT_LT(m_owner.published[0].roundTrip, 100 * kMillisecond);
}

TEST_F(SntpExchange, BadRepliesStopAtTheDeadline) {
  CScriptedNtpServer server({{Reply::WrongOriginate}});
  EXPECT_EQ(Run(server, 5000, 300, m_clock), kExchangeFailed);
  EXPECT_GE(elapsedMs, 290);
  EXPECT_LT(elapsedMs, 2500);
  EXPECT_GT(server.RequestCount(), 2u);
  EXPECT_TRUE(m_owner.published.empty());
}

TEST_F(SntpExchange, SilenceRepeatsTheRequestEachTryUntilTheBudgetIsSpent) {
  const struct {
    uint32_t eachTryMs, remainingMs;
    size_t requests;
  } cases[] = {{200, 600, 3}, {200, 200, 1}, {200, 500, 3}};
  for (const auto& c : cases) {
    CScriptedNtpServer server({{Reply::Silent}});
    EXPECT_EQ(Run(server, c.eachTryMs, c.remainingMs, m_clock), kExchangeFailed);
    const std::vector<uint32_t> times = server.RequestTimes();
    ASSERT_EQ(times.size(), c.requests) << c.remainingMs;
    for (size_t i = 1; i < times.size(); ++i) {
      EXPECT_GE(times[i] - times[0], i * c.eachTryMs - 20) << i;
    }
    EXPECT_GE(elapsedMs, static_cast<long long>(c.requests * c.eachTryMs) - 20);
  }
}

TEST_F(SntpExchange, WakeEventLeavesAShortGraceForTheReply) {
  m_wake.Set();
  {
    CScriptedNtpServer server({{Reply::Good, 100}});
    EXPECT_EQ(Run(server, 5000, 5000, m_clock), 5000u);
    EXPECT_EQ(m_owner.published.size(), 1u);
  }
  {
    CScriptedNtpServer server({{Reply::Silent}});
    EXPECT_EQ(Run(server, 5000, 5000, m_clock), 5000u);  // interrupted, budget kept
    EXPECT_GE(elapsedMs, 190);
    EXPECT_LT(elapsedMs, 2500);
    EXPECT_EQ(m_owner.published.size(), 1u);
  }
}

// With a clock of 100 ms ticks the reply comes back within the tick it was
// sent in, so the offset is exactly what the server claims.
struct DecisionCase {
  int64_t offset;  // local minus server
  uint32_t threshold;
  IExchangeOwner::Answer answer;
  bool asks;
  bool sets;
};

TEST_F(SntpExchange, CorrectionDecision) {
  using Answer = IExchangeOwner::Answer;
  const DecisionCase cases[] = {
      {100144, 900, Answer::Correct, false, false},
      {-100144, 900, Answer::Correct, false, false},
      {100145, 900, Answer::Correct, false, true},
      {-100145, 900, Answer::Correct, false, true},
      {8999 * kSecond / 10, 900, Answer::Correct, false, true},
      {900 * kSecond, 900, Answer::DoNotCorrect, true, false},
      {-900 * kSecond, 900, Answer::Correct, true, true},
      {100145, 0, Answer::DoNotCorrect, true, false},
  };
  for (const DecisionCase& c : cases) {
    CFakeClock clock(kTenthOfSecond);
    CRecordingOwner owner;
    owner.answer = c.answer;
    CScriptedNtpServer server({{Reply::ExactOffset}});
    server.SetClockOffset(-c.offset);
    ServerInfo info{"exact.test", "Here", server.endpoint().address};
    CSntpExchange exchange(m_socket, m_wake, clock, owner);
    uint32_t remaining = 2000;
    const uint64_t before = clock.FileTimeNow();
    exchange.Run(server.endpoint(), 1000, remaining, info, Settings(c.threshold));

    ASSERT_EQ(owner.published.size(), 1u) << c.offset;
    const SyncStatus& status = owner.published[0];
    EXPECT_EQ(status.offset, c.offset);
    EXPECT_EQ(status.roundTrip, 0);
    EXPECT_EQ(owner.questions.size(), c.asks ? 1u : 0u) << c.offset;
    if (c.asks) {
      EXPECT_EQ(owner.questions[0].offset, c.offset);
      EXPECT_EQ(owner.questions[0].server, "exact.test");
      EXPECT_EQ(owner.questions[0].location, "Here");
      EXPECT_EQ(owner.questions[0].address, server.endpoint().address);
    }
    const std::vector<uint64_t> targets = clock.SetTargets();
    ASSERT_EQ(targets.size(), c.sets ? 1u : 0u) << c.offset;
    EXPECT_EQ(status.adjusted, c.sets);
    if (c.sets) {
      // Set on a tick boundary, shifted by the offset.
      const int64_t shift = static_cast<int64_t>(targets[0] - before) + c.offset;
      EXPECT_EQ(shift % static_cast<int64_t>(kTenthOfSecond), 0);
      EXPECT_GT(shift, 0);
      EXPECT_LE(shift, static_cast<int64_t>(3 * kTenthOfSecond));
    }
  }
}

TEST_F(SntpExchange, RefusedSettingStillPublishesNotAdjusted) {
  CFakeClock clock(kTenthOfSecond);
  clock.RefuseSetting();
  CScriptedNtpServer server({{Reply::ExactOffset}});
  server.SetClockOffset(-5 * kSecond);
  EXPECT_NE(Run(server, 1000, 1000, clock), kExchangeFailed);
  EXPECT_EQ(clock.SetTargets().size(), 1u);
  ASSERT_EQ(m_owner.published.size(), 1u);
  EXPECT_FALSE(m_owner.published[0].adjusted);
}

TEST_F(SntpExchange, CoarseClockTimesTheReplyWithTheMillisecondCounter) {
  // The counter wraps between sending and receiving: 25 ms pass.
  CFakeClock clock(kTenthOfSecond);
  clock.ScriptCounter(0xFFFFFFF0u, 25);
  CScriptedNtpServer server({{Reply::ExactOffset}});
  server.SetClockOffset(-3 * kSecond);
  ExchangeSettings settings = Settings(900, 60);
  settings.coarseClock = true;
  EXPECT_NE(Run(server, 1000, 1000, clock, settings), kExchangeFailed);
  ASSERT_EQ(m_owner.published.size(), 1u);
  EXPECT_EQ(m_owner.published[0].roundTrip, 25 * kMillisecond);
  EXPECT_EQ(m_owner.published[0].offset, 3 * kSecond + 25 * kMillisecond / 2);
}

}  // namespace
