// The "Sync" settings and the regimen that turns them into engine calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeResolver.h"
#include "NtpEngine.h"
#include "NtpTime.h"
#include "ProfileFile.h"
#include "RecordingSink.h"
#include "SyncSettings.h"
#include "TestProfile.h"

using testing_support::ReadRawProfileFile;
using testing_support::RemoveProfileFile;
using testing_support::WriteRawProfileFile;

namespace {

constexpr const char* kFile = "VorlixSyncSettings.ini";

class SyncSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveProfileFile(kFile);
    m_engine.SetNotifySink(&m_sink);
  }
  void TearDown() override {
    m_engine.Stop();
    RemoveProfileFile(kFile);
  }

  void Load() { LoadSyncSettings(m_engine, m_schedule, kFile); }

  testing_support::CFakeClock m_clock;
  testing_support::CFakeResolver m_resolver;
  testing_support::CRecordingSink m_sink;
  CNtpEngine m_engine{CNtpEngine::Seams{&m_clock, &m_resolver, false, 123}};
  SyncSchedule m_schedule;
};

TEST_F(SyncSettings, MissingFileGivesTheDefaults) {
  m_schedule.regimen = 5;
  m_schedule.periodMin = 5;
  Load();
  EXPECT_EQ(m_schedule.regimen, 0);
  EXPECT_EQ(m_schedule.periodMin, 60);
  EXPECT_EQ(m_engine.GetThreshold(), 900u);
  uint32_t eachTry = 0, total = 0;
  m_engine.QueryTimeouts(eachTry, total);
  EXPECT_EQ(eachTry, 2u);
  EXPECT_EQ(total, 6u);
  EXPECT_FALSE(m_engine.IsRunning());
}

TEST_F(SyncSettings, StoredValuesAreUsedAsTheyAre) {
  WriteRawProfileFile(kFile,
                      "[Sync]\r\nRegimen=7\r\nPeriodMin=5000\r\nMaxSilentAdjustMin=20000\r\n"
                      "TimeOutEachTrySec=90\r\nTimeOutTotalSec=1\r\n");
  Load();
  EXPECT_EQ(m_schedule.regimen, 7);
  EXPECT_EQ(m_schedule.periodMin, 5000);
  EXPECT_EQ(m_engine.GetThreshold(), 1200000u);
  uint32_t eachTry = 0, total = 0;
  m_engine.QueryTimeouts(eachTry, total);
  EXPECT_EQ(eachTry, 90u);
  EXPECT_EQ(total, 1u);
}

TEST_F(SyncSettings, NegativeAndOversizedValuesDoNotWrapAround) {
  const struct {
    const char* threshold;
    const char* eachTry;
    uint32_t engineThreshold;
    uint32_t engineEachTry;
  } cases[] = {
      {"-5", "-1", 0, 0},                                    // 0: ask for every correction
      {"junk", "x7", 0, 0},                                  // not a number reads as 0
      {"99999999", "2147483647", 4294967295u, 2147483647u},  // held at the largest
  };
  for (const auto& c : cases) {
    WriteRawProfileFile(kFile, std::string("[Sync]\r\nMaxSilentAdjustMin=") + c.threshold +
                                   "\r\nTimeOutEachTrySec=" + c.eachTry + "\r\n");
    Load();
    EXPECT_EQ(m_engine.GetThreshold(), c.engineThreshold) << c.threshold;
    uint32_t eachTry = 0, total = 0;
    m_engine.QueryTimeouts(eachTry, total);
    EXPECT_EQ(eachTry, c.engineEachTry) << c.eachTry;
  }
}

TEST_F(SyncSettings, SavingWritesTheKeysInOrderThenTheLists) {
  m_engine.SetTimeouts(3, 9);
  m_engine.SetThreshold(90);  // 1.5 minutes: written as 1
  m_engine.SetServers({{"a.test", "Here", 0}});
  SaveSyncSettings(m_engine, SyncSchedule{2, 30}, {{"b.test", "There", 0}}, kFile);

  std::string text = ReadRawProfileFile(kFile);
  for (size_t cr; (cr = text.find('\r')) != std::string::npos;) text.erase(cr, 1);
  EXPECT_NE(text.find("[Sync]\nTimeOutEachTrySec=3\nTimeOutTotalSec=9\nMaxSilentAdjustMin=1\n"
                      "Regimen=2\nPeriodMin=30\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[ActiveServers]\nCount=1\nServer000=a.test Here\n"), std::string::npos);
  EXPECT_NE(text.find("[UnusedServers]\nCount=1\nServer000=b.test There\n"), std::string::npos);
}

TEST_F(SyncSettings, NeverStopsTheEngine) {
  m_engine.SyncNow();
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  ApplyRegimen(m_engine, SyncSchedule{kRegimenNever, 60}, false);
  EXPECT_FALSE(m_engine.IsRunning());
  EXPECT_EQ(m_sink.Codes().back(), NTPE_STOPPED);
  ApplyRegimen(m_engine, SyncSchedule{kRegimenNever, 60}, true);
  EXPECT_FALSE(m_engine.IsRunning());
}

TEST_F(SyncSettings, AtStartupSynchronisesOnlyAtStartup) {
  ApplyRegimen(m_engine, SyncSchedule{kRegimenAtStartup, 60}, false);
  EXPECT_FALSE(m_engine.IsRunning());
  ApplyRegimen(m_engine, SyncSchedule{kRegimenAtStartup, 60}, true);
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS));
  EXPECT_EQ(m_engine.GetStatus().nextSync, -1);
  // The options closed without changes: no new pass.
  ApplyRegimen(m_engine, SyncSchedule{kRegimenAtStartup, 60}, false);
  EXPECT_FALSE(m_sink.WaitFor(NTPE_STATUS, 2, std::chrono::milliseconds(300)));

  // Coming from a periodic schedule, the period drops to 0 and wakes the
  // engine for a pass.
  ApplyRegimen(m_engine, SyncSchedule{kRegimenPeriodic, 60}, false);
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 2));
  ApplyRegimen(m_engine, SyncSchedule{kRegimenAtStartup, 60}, false);
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 3));
  EXPECT_EQ(m_engine.GetStatus().nextSync, -1);
}

TEST_F(SyncSettings, PeriodicSynchronisesNowAndEveryPeriod) {
  for (int32_t regimen : {2, 9}) {
    ApplyRegimen(m_engine, SyncSchedule{regimen, 45}, false);
    ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, static_cast<size_t>(regimen == 2 ? 1 : 2)));
    const int32_t now = ntp::FileTimeToCalendar(m_clock.FileTimeNow());
    EXPECT_NEAR(m_engine.GetStatus().nextSync, now + 45 * 60, 2) << regimen;
  }
  // A period below one minute in the file means no periodic pass.
  ApplyRegimen(m_engine, SyncSchedule{kRegimenPeriodic, -3}, false);
  ASSERT_TRUE(m_sink.WaitFor(NTPE_STATUS, 3));
  EXPECT_EQ(m_engine.GetStatus().nextSync, -1);
}

}  // namespace
