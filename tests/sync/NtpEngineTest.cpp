// The engine's passes over its server list, with a fake clock and resolver
// and a recording notification sink. Every host name resolves to one
// scripted server on loopback (Wine binds no other loopback address), whose
// script answers the requests in the order the engine sends them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "FakeClock.h"
#include "FakeResolver.h"
#include "NtpEngine.h"
#include "NtpTime.h"
#include "RecordingSink.h"
#include "ScriptedNtpServer.h"

using namespace std::chrono_literals;
using testing_support::CFakeClock;
using testing_support::CFakeResolver;
using testing_support::CRecordingSink;
using testing_support::CScriptedNtpServer;
using testing_support::Notification;
using testing_support::Reply;
using testing_support::ScriptStep;

namespace {

constexpr int64_t kSecond = 10000000;
constexpr uint32_t kNone = platform::kNoAddress;

std::vector<uint32_t> CodesOf(const std::vector<Notification>& entries) {
  std::vector<uint32_t> codes;
  for (const Notification& entry : entries) codes.push_back(entry.code);
  return codes;
}

class NtpEngine : public ::testing::Test {
 protected:
  // Hosts "a.test" to "d.test" all lead to one server with this script.
  void StartServer(const std::vector<ScriptStep>& script) {
    m_server = std::make_unique<CScriptedNtpServer>(script);
    m_port = m_server->endpoint().port;
    for (const char* host : {"a.test", "b.test", "c.test", "d.test"})
      m_resolver.Add(host, m_server->endpoint().address);
  }

  CNtpEngine& Engine() {
    if (!m_engine) {
      m_engine =
          std::make_unique<CNtpEngine>(CNtpEngine::Seams{&m_clock, &m_resolver, false, m_port});
      m_engine->SetNotifySink(&m_sink);
      m_engine->SetTimeouts(1, 1);
      m_engine->SetThreshold(900);
    }
    return *m_engine;
  }

  static ServerList Hosts(const std::vector<std::string>& hosts) {
    ServerList list;
    for (const std::string& host : hosts) list.push_back({host, "Somewhere", 0});
    return list;
  }

  uint32_t ServerAddress() const { return m_server->endpoint().address; }

  CFakeClock m_clock;
  CFakeResolver m_resolver;
  CRecordingSink m_sink;
  std::unique_ptr<CScriptedNtpServer> m_server;
  uint16_t m_port = 123;
  std::unique_ptr<CNtpEngine> m_engine;
};

TEST(ExchangeBudget, TimeOutsInSecondsBecomeWaitsInMilliseconds) {
  const struct {
    uint32_t eachTry, total, eachTryMs, totalMs;
  } cases[] = {
      {0, 0, 2000, 6000}, {5, 3, 5000, 5000}, {2, 6, 2000, 6000},
      {1, 0, 1000, 3000}, {0, 1, 2000, 2000}, {4294967295u, 4294967295u, 4294967294u, 4294967294u},
  };
  for (const auto& c : cases) {
    const ExchangeBudget budget = ComputeExchangeBudget(c.eachTry, c.total);
    EXPECT_EQ(budget.eachTryMs, c.eachTryMs) << c.eachTry << " " << c.total;
    EXPECT_EQ(budget.totalMs, c.totalMs) << c.eachTry << " " << c.total;
  }
}

TEST_F(NtpEngine, FirstServerSilentSecondAnswers) {
  StartServer({{Reply::Silent}, {Reply::Good}});
  Engine().SetServers(Hosts({"a.test", "b.test", "c.test"}));
  ASSERT_TRUE(Engine().SyncNow());
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));

  const std::vector<Notification> entries = m_sink.Entries();
  ASSERT_EQ(CodesOf(entries),
            (std::vector<uint32_t>{NTPE_STARTED, NTPE_SERVERFAILED, NTPE_STATUS}));
  EXPECT_EQ(entries[1].host, "a.test");
  EXPECT_FALSE(entries[1].insane);
  const SyncStatus status = Engine().GetStatus();
  EXPECT_FALSE(status.failed);
  EXPECT_EQ(status.server, "b.test");
  EXPECT_EQ(status.address, ServerAddress());

  // A's address is looked up again next time; B keeps its; C was not tried.
  // (Stopping first lets the worker finish its step after the report.)
  Engine().Stop();
  ServerList servers;
  Engine().GetServers(servers);
  EXPECT_EQ(servers[0].address, kNone);
  EXPECT_EQ(servers[1].address, ServerAddress());
  EXPECT_EQ(servers[2].address, kNone);
  EXPECT_EQ(m_server->RequestCount(), 2u);
  EXPECT_EQ(m_resolver.Lookups(), (std::vector<std::string>{"a.test", "b.test"}));

  // The next pass starts at the first server again, which answers now.
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 2));
  EXPECT_EQ(Engine().GetStatus().server, "a.test");
  EXPECT_EQ(m_server->RequestCount(), 3u);
  EXPECT_EQ(m_resolver.Lookups(), (std::vector<std::string>{"a.test", "b.test", "a.test"}));
}

TEST_F(NtpEngine, EveryServerFailingFailsThePass) {
  StartServer({{Reply::Silent}, {Reply::LeapNotSynced}});
  Engine().SetServers(Hosts({"a.test", "b.test"}));
  Engine().SetPeriod(3600);
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));

  const std::vector<Notification> entries = m_sink.Entries();
  ASSERT_EQ(CodesOf(entries), (std::vector<uint32_t>{NTPE_STARTED, NTPE_SERVERFAILED,
                                                     NTPE_SERVERFAILED, NTPE_STATUS}));
  EXPECT_EQ(entries[1].host, "a.test");
  EXPECT_FALSE(entries[1].insane);
  EXPECT_EQ(entries[2].host, "b.test");
  EXPECT_TRUE(entries[2].insane);
  const SyncStatus status = Engine().GetStatus();
  EXPECT_TRUE(status.failed);
  const int32_t now = ntp::FileTimeToCalendar(m_clock.FileTimeNow());
  EXPECT_NEAR(status.nextSync, now + 3600, 2);
  ServerList servers;
  Engine().GetServers(servers);
  for (const ServerInfo& server : servers) EXPECT_EQ(server.address, kNone) << server.host;
}

TEST_F(NtpEngine, EmptyListFailsAtOnceWithoutServerReports) {
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  EXPECT_EQ(m_sink.Codes(), (std::vector<uint32_t>{NTPE_STARTED, NTPE_STATUS}));
  EXPECT_TRUE(Engine().GetStatus().failed);
  EXPECT_EQ(Engine().GetStatus().nextSync, -1);
}

TEST_F(NtpEngine, UnresolvableNamesAreReportedAndSkipped) {
  StartServer({{Reply::Good}});
  const std::string longName(300, 'x');
  Engine().SetServers(Hosts({"nowhere.test", longName, "a.test"}));
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  const std::vector<Notification> entries = m_sink.Entries();
  ASSERT_EQ(CodesOf(entries), (std::vector<uint32_t>{NTPE_STARTED, NTPE_SERVERFAILED,
                                                     NTPE_SERVERFAILED, NTPE_STATUS}));
  EXPECT_EQ(entries[1].host, "nowhere.test");
  EXPECT_EQ(entries[1].address, kNone);
  EXPECT_EQ(entries[2].host, longName);
  EXPECT_FALSE(entries[2].insane);
  EXPECT_EQ(Engine().GetStatus().server, "a.test");
}

TEST_F(NtpEngine, DottedAddressIsUsedWithoutALookup) {
  StartServer({{Reply::Good}});
  Engine().SetServers(Hosts({"127.0.0.1"}));
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  EXPECT_FALSE(Engine().GetStatus().failed);
  EXPECT_TRUE(m_resolver.Lookups().empty());
}

TEST_F(NtpEngine, NewListDuringAnExchangeCutsItShort) {
  StartServer({{Reply::Silent}, {Reply::Good}});
  Engine().SetTimeouts(20, 20);
  Engine().SetServers(Hosts({"a.test"}));
  const auto start = std::chrono::steady_clock::now();
  Engine().SyncNow();
  while (m_server->RequestCount() == 0) std::this_thread::sleep_for(5ms);
  Engine().SetServers(Hosts({"b.test"}));
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  // The interrupted server is not reported as failing.
  EXPECT_EQ(m_sink.Codes(), (std::vector<uint32_t>{NTPE_STARTED, NTPE_STATUS}));
  EXPECT_EQ(Engine().GetStatus().server, "b.test");
}

TEST_F(NtpEngine, NewListBetweenPassesStartsAPassAtOnce) {
  StartServer({{Reply::Good}});
  Engine().SetServers(Hosts({"a.test"}));
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  Engine().SetServers(Hosts({"b.test"}));
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 2));
  EXPECT_EQ(Engine().GetStatus().server, "b.test");
}

TEST_F(NtpEngine, OnlyAChangedPeriodWakesTheWorker) {
  StartServer({{Reply::Good}});
  Engine().SetServers(Hosts({"a.test"}));
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  EXPECT_EQ(Engine().SetPeriod(0), 0u);
  EXPECT_FALSE(m_sink.WaitFor(NTPE_STATUS, 2, 300ms));
  EXPECT_EQ(Engine().SetPeriod(3600), 3600u);
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 2));
  EXPECT_EQ(m_server->RequestCount(), 2u);
  EXPECT_EQ(Engine().GetStatus().nextSync, Engine().GetStatus().lastSync + 3600);
}

TEST_F(NtpEngine, StopPostsStoppedOnlyForARunningEngine) {
  Engine().Stop();
  EXPECT_TRUE(m_sink.Codes().empty());
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  Engine().Stop();
  EXPECT_FALSE(Engine().IsRunning());
  EXPECT_EQ(m_sink.Codes().back(), NTPE_STOPPED);
  Engine().Stop();
  EXPECT_EQ(m_sink.Codes().size(), 3u);
}

TEST_F(NtpEngine, LargeCorrectionsAreAskedForAndMadeOnlyWhenAgreed) {
  StartServer({{Reply::Good}});
  m_server->SetClockOffset(1000 * kSecond);  // beyond the threshold of 900 s
  Engine().SetServers(Hosts({"a.test"}));
  Engine().SyncNow();  // the answer is "no"
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  EXPECT_TRUE(m_clock.SetTargets().empty());
  EXPECT_FALSE(Engine().GetStatus().adjusted);

  m_sink.SetAnswer(1);
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 2));
  EXPECT_EQ(m_clock.SetTargets().size(), 1u);
  EXPECT_TRUE(Engine().GetStatus().adjusted);

  // The (fake) clock now agrees with the server: nothing left to ask.
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 3));
  const std::vector<Notification> entries = m_sink.Entries();
  ASSERT_EQ(CodesOf(entries), (std::vector<uint32_t>{NTPE_STARTED, NTPE_ASKADJUST, NTPE_STATUS,
                                                     NTPE_ASKADJUST, NTPE_STATUS, NTPE_STATUS}));
  EXPECT_EQ(entries[1].host, "a.test");
  EXPECT_EQ(entries[1].address, ServerAddress());
  EXPECT_NEAR(static_cast<double>(entries[1].offset), -1000.0 * kSecond, 0.1 * kSecond);
  EXPECT_LE(std::abs(Engine().GetStatus().offset), 100144);
  EXPECT_EQ(m_clock.SetTargets().size(), 1u);
}

// The window answers the correction question on the thread that stops the
// engine (the user goes from the question to the options and picks
// "never"): the worker waits for that very thread, so Stop must not wait
// for the worker. The engine is even destroyed before the question is
// answered; the worker must then touch nothing of it (the sanitizers watch).
TEST_F(NtpEngine, StopDoesNotWaitForAWorkerInsideTheQuestion) {
  StartServer({{Reply::Good}});
  m_server->SetClockOffset(1000 * kSecond);
  Engine().SetServers(Hosts({"a.test"}));
  m_sink.SetAnswer(1);
  m_sink.HoldSends();
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitForOpenSend());
  EXPECT_EQ(m_sink.Entries().back().code, NTPE_ASKADJUST);

  Engine().Stop();
  EXPECT_FALSE(Engine().IsRunning());
  EXPECT_EQ(m_sink.Codes().back(), NTPE_STOPPED);
  m_engine.reset();
  m_sink.Release();
  std::this_thread::sleep_for(300ms);
  // Answered "yes" after the stop: the clock stays as it was.
  EXPECT_TRUE(m_clock.SetTargets().empty());
  EXPECT_EQ(m_sink.Codes().back(), NTPE_STOPPED);
}

TEST_F(NtpEngine, StopDoesNotWaitForASlowNameLookup) {
  m_resolver.Block("slow.test");
  Engine().SetServers(Hosts({"slow.test"}));
  Engine().SyncNow();
  ASSERT_TRUE(m_resolver.WaitForLookup("slow.test"));
  Engine().Stop();
  EXPECT_EQ(m_sink.Codes(), (std::vector<uint32_t>{NTPE_STARTED, NTPE_STOPPED}));
  m_engine.reset();
  m_resolver.Unblock("slow.test");
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(m_sink.Codes().size(), 2u);
}

TEST_F(NtpEngine, RestartsAfterAStop) {
  StartServer({{Reply::Good}});
  Engine().SetServers(Hosts({"a.test"}));
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  Engine().Stop();
  Engine().SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 2));
  EXPECT_EQ(m_sink.Codes(), (std::vector<uint32_t>{NTPE_STARTED, NTPE_STATUS, NTPE_STOPPED,
                                                   NTPE_STARTED, NTPE_STATUS}));
}

}  // namespace
