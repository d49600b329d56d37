// The command-line client: its arguments, its exit status and what it
// prints, against the scripted server.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "FakeResolver.h"
#include "ScriptedNtpServer.h"
#include "SntpClient.h"

using testing_support::CFakeResolver;
using testing_support::CScriptedNtpServer;
using testing_support::Reply;

namespace {

struct ClientRun {
  int status;
  std::string out;
  std::string err;
};

ClientRun RunClient(const std::vector<std::string>& arguments, platform::INameResolver& resolver) {
  std::ostringstream out, err;
  const int status = RunSntpClient(arguments, out, err, resolver);
  return {status, out.str(), err.str()};
}

TEST(SntpClient, BadArgumentsPrintTheUsage) {
  CFakeResolver resolver;
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--count", "3"},
      {"--port"},
      {"--port", "0", "h"},
      {"--port", "65536", "h"},
      {"--count", "x", "h"},
      {"--each-try", "-5", "h"},
      {"--total", "1.5", "h"},
      {"--verbose", "1", "h"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    const ClientRun run = RunClient(arguments, resolver);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_EQ(run.err.rfind("usage: vorlix-sntp ", 0), 0u) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(SntpClient, PrintsEachExchangeInTheStatusTexts) {
  CScriptedNtpServer server({{Reply::Good}});
  server.SetClockOffset(-12345 * 10000LL);  // local clock 12.345 s ahead
  CFakeResolver resolver;
  resolver.Add("ntp.test", server.endpoint().address);
  const ClientRun run = RunClient(
      {"--port", std::to_string(server.endpoint().port), "--count", "2", "ntp.test"}, resolver);
  EXPECT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    EXPECT_EQ(line.rfind("ntp.test 127.0.0.1 stratum 1 ref GPS offset +12.3", 0), 0u) << line;
    EXPECT_NE(line.find("s round-trip 0"), std::string::npos) << line;
  }
  EXPECT_EQ(count, 2);
}

TEST(SntpClient, FailuresOfEveryKindGiveStatusOne) {
  CScriptedNtpServer silent({{Reply::Silent}});
  CScriptedNtpServer insane({{Reply::LeapNotSynced}});
  CFakeResolver resolver;
  const ClientRun unresolved = RunClient({std::string(300, 'n')}, resolver);
  EXPECT_EQ(unresolved.status, 1);
  EXPECT_NE(unresolved.out.find("255.255.255.255 cannot resolve the name"), std::string::npos);

  const ClientRun noReply = RunClient({"--port", std::to_string(silent.endpoint().port),
                                       "--each-try", "100", "--total", "200", "127.0.0.1"},
                                      resolver);
  EXPECT_EQ(noReply.status, 1);
  EXPECT_EQ(noReply.out, "127.0.0.1 127.0.0.1 no usable reply\n");
  EXPECT_EQ(silent.RequestCount(), 2u);

  const ClientRun insaneReply =
      RunClient({"--port", std::to_string(insane.endpoint().port), "127.0.0.1"}, resolver);
  EXPECT_EQ(insaneReply.status, 1);
  EXPECT_EQ(insaneReply.out, "127.0.0.1 127.0.0.1 server insane\n");
}

TEST(SntpClient, OneCompletedExchangeIsSuccess) {
  CScriptedNtpServer good({{Reply::Good}});
  CFakeResolver resolver;
  const ClientRun run = RunClient(
      {"--port", std::to_string(good.endpoint().port), "nowhere.test", "127.0.0.1"}, resolver);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("nowhere.test 255.255.255.255 cannot resolve the name\n"),
            std::string::npos);
}

}  // namespace
