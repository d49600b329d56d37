// The server lists in the settings file: both layouts read, the new one
// written, the size limit, the first-run defaults and the duplicate rule.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeResolver.h"
#include "NtpEngine.h"
#include "ProfileFile.h"
#include "ServerListStore.h"
#include "ServerTable.h"
#include "TestProfile.h"

using testing_support::ReadRawProfileFile;
using testing_support::RemoveProfileFile;
using testing_support::WriteRawProfileFile;

namespace {

constexpr const char* kFile = "VorlixServerLists.ini";

std::vector<std::string> SectionLines(const char* section) {
  std::vector<char> buffer(65536);
  platform::ProfileReadSection(section, buffer.data(), static_cast<uint32_t>(buffer.size()), kFile);
  std::vector<std::string> lines;
  for (const char* line = buffer.data(); *line; line += std::strlen(line) + 1)
    lines.push_back(line);
  return lines;
}

ServerList List(const std::vector<std::pair<std::string, std::string>>& entries) {
  ServerList list;
  for (const auto& entry : entries) list.push_back({entry.first, entry.second, 0xFFFFFFFFu});
  return list;
}

std::vector<std::string> Hosts(const ServerList& list) {
  std::vector<std::string> hosts;
  for (const ServerInfo& server : list) hosts.push_back(server.host);
  return hosts;
}

class ServerListStore : public ::testing::Test {
 protected:
  void SetUp() override { RemoveProfileFile(kFile); }
  void TearDown() override { RemoveProfileFile(kFile); }

  testing_support::CFakeClock m_clock;
  testing_support::CFakeResolver m_resolver;
  CNtpEngine m_engine{CNtpEngine::Seams{&m_clock, &m_resolver, false, 123}};
};

TEST_F(ServerListStore, FirstRunTakesTheBuiltInDefaults) {
  ServerList unused;
  LoadServerLists(m_engine, unused, kFile);
  ServerList active;
  m_engine.GetServers(active);
  ASSERT_EQ(active.size(), 1u);
  EXPECT_EQ(active[0].location, "USA, CA, San Jose");
  EXPECT_EQ(active[0].address, 0xFFFFFFFFu);
  ASSERT_EQ(unused.size(), 456u);
  EXPECT_EQ(unused[0].location, "USA, CA, San Jose");
  EXPECT_NE(unused[0].host, active[0].host);
  EXPECT_EQ(unused[1].location, "Afghanistan");
  EXPECT_EQ(unused[455].location, "Zimbabwe");
  for (const ServerInfo& server : unused) {
    EXPECT_FALSE(server.host.empty());
    EXPECT_EQ(server.host.find(' '), std::string::npos) << server.host;
  }
}

TEST_F(ServerListStore, BuiltInTableKeepsTheLocationTextsAsWritten) {
  // A few texts whose spelling is easy to "fix" by mistake.
  const struct {
    size_t row;
    const char* location;
  } rows[] = {{8, "Angilla"},
              {103, "Cote D'Ivorie, Ivory Coast"},
              {125, "French Polynesia)"},
              {444, "United States of America,Wisconsin"},
              {446, "Uraguay"},
              {456, "Zimbabwe"}};
  for (const auto& row : rows) {
    ASSERT_LT(row.row, kBuiltInServerCount);
    EXPECT_STREQ(kBuiltInServers[row.row].location, row.location) << row.row;
  }
}

TEST_F(ServerListStore, NoDefaultsOnceEitherListHasEntries) {
  WriteRawProfileFile(kFile, "[UnusedServers]\r\nCount=1\r\nServer000=spare.test Spare\r\n");
  ServerList unused;
  LoadServerLists(m_engine, unused, kFile);
  ServerList active;
  m_engine.GetServers(active);
  EXPECT_TRUE(active.empty());
  EXPECT_EQ(Hosts(unused), std::vector<std::string>{"spare.test"});
}

TEST_F(ServerListStore, LinesAreReadInFileOrderAndMalformedOnesSkipped) {
  WriteRawProfileFile(kFile,
                      "[ActiveServers]\r\n"
                      "Count=0\r\n"
                      "Server007=alpha Some Place, Far\r\n"
                      "Server001=beta\r\n"
                      "server002=lower.case Key\r\n"
                      "Server003\r\n"
                      "Server004=\r\n"
                      "Garbage line\r\n"
                      "Server000Location=Ignored Too\r\n"
                      "Server009=gamma G\r\n");
  ServerList list;
  EXPECT_EQ(LoadServerList(list, kActiveServersSection, kFile), 3u);
  ASSERT_EQ(Hosts(list), (std::vector<std::string>{"alpha", "beta", "gamma"}));
  EXPECT_EQ(list[0].location, "Some Place, Far");
  EXPECT_EQ(list[1].location, "");
  EXPECT_EQ(list[2].location, "G");
}

TEST_F(ServerListStore, OlderLayoutNeedsHostAndLocation) {
  WriteRawProfileFile(kFile,
                      "[UnusedServers]\r\n"
                      "Count=2\r\n"
                      "Server000=old.test\r\n"
                      "Server000Location=Old Place\r\n"
                      "Server001=other.test\r\n");
  ServerList list;
  EXPECT_EQ(LoadServerList(list, kUnusedServersSection, kFile), 1u);
  EXPECT_EQ(list[0].host, "old.test");
  EXPECT_EQ(list[0].location, "Old Place");
}

TEST_F(ServerListStore, WritingThreeServersGivesFourLines) {
  SaveServerList(List({{"a.test", "Place A"}, {"b.test", ""}, {"c.test", "Place, C"}}),
                 kActiveServersSection, kFile);
  EXPECT_EQ(SectionLines(kActiveServersSection),
            (std::vector<std::string>{"Count=3", "Server000=a.test Place A", "Server001=b.test",
                                      "Server002=c.test Place, C"}));
  ServerList list;
  LoadServerList(list, kActiveServersSection, kFile);
  EXPECT_EQ(Hosts(list), (std::vector<std::string>{"a.test", "b.test", "c.test"}));
  EXPECT_EQ(list[2].location, "Place, C");
}

TEST_F(ServerListStore, WrittenSectionStopsAtTheSizeLimit) {
  ServerList big;
  for (int i = 0; i < 2000; ++i)
    big.push_back({"host" + std::to_string(i) + ".test", std::string(40, 'L'), 0});
  SaveServerList(big, kUnusedServersSection, kFile);
  const std::vector<std::string> lines = SectionLines(kUnusedServersSection);
  size_t bytes = 1;  // the list's final zero
  for (const std::string& line : lines) bytes += line.size() + 1;
  EXPECT_LE(bytes, 32765u);
  EXPECT_GT(bytes, 32765u - 80);
  EXPECT_EQ(lines[0], "Count=2000");

  ServerList read;
  LoadServerList(read, kUnusedServersSection, kFile);
  ASSERT_EQ(read.size(), lines.size() - 1);
  for (size_t i = 0; i < read.size(); ++i) EXPECT_EQ(read[i].host, big[i].host);
}

TEST_F(ServerListStore, OversizedAndGarbageSectionsLoseNothingReadable) {
  std::string text =
      "[ActiveServers]\r\nCount=1\r\nServer000=keep.test Kept\r\n[UnusedServers]\r\n";
  for (int i = 0; text.size() < 40000; ++i)
    text +=
        "Server" + std::to_string(i) + "=spare" + std::to_string(i) + ".test Spare Location\r\n";
  text += "[Garbage]\r\n";
  for (int i = 1; i < 3000; ++i) text += static_cast<char>((i * 37) % 255 + 1);
  text += "\r\n";
  WriteRawProfileFile(kFile, text);

  ServerList unused;
  LoadServerLists(m_engine, unused, kFile);
  ServerList active;
  m_engine.GetServers(active);
  EXPECT_EQ(Hosts(active), std::vector<std::string>{"keep.test"});
  ASSERT_GT(unused.size(), 500u);
  // A prefix of the section, every entry whole (none cut in the middle).
  for (size_t i = 0; i < unused.size(); ++i) {
    EXPECT_EQ(unused[i].host, "spare" + std::to_string(i) + ".test");
    EXPECT_EQ(unused[i].location, "Spare Location");
  }
}

TEST_F(ServerListStore, ActiveServersAreTakenOutOfTheUnusedListOnce) {
  SaveServerList(List({{"x.test", "X"}, {"y.test", "Y"}}), kActiveServersSection, kFile);
  SaveServerList(List({{"x.test", "1"}, {"X.test", "2"}, {"x.test", "3"}, {"z.test", "4"}}),
                 kUnusedServersSection, kFile);
  ServerList unused;
  LoadServerLists(m_engine, unused, kFile);
  EXPECT_EQ(Hosts(unused), (std::vector<std::string>{"X.test", "x.test", "z.test"}));
  EXPECT_EQ(unused[1].location, "3");
}

TEST_F(ServerListStore, SavingWritesTheEnginesActiveListAndTheUnusedList) {
  m_engine.SetServers(List({{"first.test", "One"}, {"second.test", "Two"}}));
  SaveServerLists(m_engine, List({{"spare.test", "Spare"}}), kFile);
  ServerList active, unused;
  LoadServerList(active, kActiveServersSection, kFile);
  LoadServerList(unused, kUnusedServersSection, kFile);
  EXPECT_EQ(Hosts(active), (std::vector<std::string>{"first.test", "second.test"}));
  EXPECT_EQ(Hosts(unused), std::vector<std::string>{"spare.test"});
}

}  // namespace
