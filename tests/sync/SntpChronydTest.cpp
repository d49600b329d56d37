// The exchange, the engine and the command-line client against a real NTP
// server: chronyd on loopback, started by with-chronyd.sh, which passes its
// port in VORLIX_TEST_NTP_PORT. chronyd's clock is this machine's, so the
// true offset is 0.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "NtpEngine.h"
#include "RecordingSink.h"
#include "SntpClient.h"
#include "SntpExchange.h"

namespace {

constexpr int64_t kDeadBand = 100144;

uint16_t ChronydPort() {
  const char* port = std::getenv("VORLIX_TEST_NTP_PORT");
  return port ? static_cast<uint16_t>(std::atoi(port)) : 0;
}

// "087ms", or with a sign "+012ms": below a second, as loopback must be.
bool IsMillisecondText(const std::string& text, bool sign) {
  const size_t digits = sign ? 1 : 0;
  if (text.size() != digits + 5 || text.compare(digits + 3, 2, "ms") != 0) return false;
  if (sign && text[0] != '+' && text[0] != '-') return false;
  return text[digits] == '0' && std::isdigit(static_cast<unsigned char>(text[digits + 1])) &&
         std::isdigit(static_cast<unsigned char>(text[digits + 2]));
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

class AgainstChronyd : public ::testing::Test {
 protected:
  void SetUp() override {
    m_port = ChronydPort();
    ASSERT_NE(m_port, 0) << "run through with-chronyd.sh";
  }
  uint16_t m_port = 0;
  testing_support::CFakeClock m_clock;
};

class CKeepingOwner : public IExchangeOwner {
 public:
  Answer AskAdjust(SyncStatus&) override { return Answer::DoNotCorrect; }
  void Publish(const SyncStatus& status) override { published.push_back(status); }
  std::vector<SyncStatus> published;
};

TEST_F(AgainstChronyd, ExchangeMeasuresNoOffset) {
  platform::CUdpSocket socket;
  ASSERT_TRUE(socket.Open());
  platform::CManualResetEvent wake;
  CKeepingOwner owner;
  CSntpExchange exchange(socket, wake, m_clock, owner);
  ServerInfo server{"127.0.0.1", "Loopback", platform::LoopbackAddress()};
  for (int i = 0; i < 5; ++i) {
    uint32_t remaining = 6000;
    exchange.Run({server.address, m_port}, 2000, remaining, server,
                 ExchangeSettings{900, 0, false});
    ASSERT_NE(remaining, kExchangeFailed);
    ASSERT_NE(remaining, kExchangeInsane);
  }
  ASSERT_EQ(owner.published.size(), 5u);
  for (const SyncStatus& status : owner.published) {
    EXPECT_LE(std::abs(status.offset), kDeadBand);
    EXPECT_GE(status.roundTrip, 0);
    EXPECT_EQ(status.reply[ntp::kStratum], 8);
    EXPECT_NE(ntp::LeapIndicator(status.reply), 3);
    EXPECT_FALSE(status.adjusted);
  }
  EXPECT_TRUE(m_clock.SetTargets().empty());
}

TEST_F(AgainstChronyd, EngineSynchronisesByNameAndLeavesTheClockAlone) {
  testing_support::CRecordingSink sink;
  CNtpEngine engine(CNtpEngine::Seams{&m_clock, &platform::SystemResolver(), false, m_port});
  engine.SetNotifySink(&sink);
  engine.SetTimeouts(2, 6);
  engine.SetThreshold(900);
  engine.SetServers({{"localhost", "This machine", 0}});
  engine.SyncNow();
  ASSERT_TRUE(sink.WaitFor(NTPE_STATUS));
  engine.Stop();
  EXPECT_EQ(sink.Codes(), (std::vector<uint32_t>{NTPE_STARTED, NTPE_STATUS, NTPE_STOPPED}));
  const SyncStatus status = engine.GetStatus();
  EXPECT_FALSE(status.failed);
  EXPECT_EQ(status.server, "localhost");
  EXPECT_EQ(status.address, platform::LoopbackAddress());
  EXPECT_LE(std::abs(status.offset), kDeadBand);
  EXPECT_FALSE(status.adjusted);
  EXPECT_TRUE(m_clock.SetTargets().empty());
}

TEST_F(AgainstChronyd, CommandLineClientReportsEachExchange) {
  std::ostringstream out, err;
  const int status = RunSntpClient({"--port", std::to_string(m_port), "--count", "3", "127.0.0.1"},
                                   out, err, platform::SystemResolver());
  EXPECT_EQ(status, 0) << err.str();
  std::istringstream lines(out.str());
  std::string text;
  int count = 0;
  while (std::getline(lines, text)) {
    ++count;
    const std::vector<std::string> words = Words(text);
    ASSERT_EQ(words.size(), 10u) << text;
    EXPECT_EQ(words[0] + " " + words[1] + " " + words[2] + " " + words[3] + " " + words[4],
              "127.0.0.1 127.0.0.1 stratum 8 ref");
    EXPECT_EQ(words[6], "offset");
    EXPECT_TRUE(IsMillisecondText(words[7], true)) << text;
    EXPECT_EQ(words[8], "round-trip");
    EXPECT_TRUE(IsMillisecondText(words[9], false)) << text;
  }
  EXPECT_EQ(count, 3);
}

TEST_F(AgainstChronyd, OverlongHostNameIsNotResolved) {
  std::string name;
  while (name.size() < 300) name += std::string(59, 'n') + '.';
  std::ostringstream out, err;
  EXPECT_EQ(RunSntpClient({"--port", std::to_string(m_port), name, "127.0.0.1"}, out, err,
                          platform::SystemResolver()),
            0);
  EXPECT_EQ(out.str().rfind(name + " 255.255.255.255 cannot resolve the name\n", 0), 0u)
      << out.str();
}

}  // namespace
