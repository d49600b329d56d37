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

TEST_F(SyncSettings, LoadingReadsTheKeysWithTheirDefaults) {
  const struct {
    const char* section;  // null: no settings file
    int32_t regimen, periodMin;
    uint32_t threshold, eachTry, total;
  } cases[] = {
      {nullptr, 0, 60, 900, 2, 6},
      // Values outside the dialog's ranges are used as they are...
      {"Regimen=7\r\nPeriodMin=5000\r\nMaxSilentAdjustMin=20000\r\nTimeOutEachTrySec=90\r\n"
       "TimeOutTotalSec=1\r\n",
       7, 5000, 1200000, 90, 1},
      // ... but negative ones do not wrap round to enormous ones: a negative
      // threshold asks for every correction, a negative time-out means the
      // engine's own; and a threshold too large is held at the largest.
      {"MaxSilentAdjustMin=-5\r\nTimeOutEachTrySec=-1\r\nTimeOutTotalSec=-9\r\n", 0, 60, 0, 0, 0},
      {"MaxSilentAdjustMin=junk\r\nTimeOutEachTrySec=x7\r\nRegimen=?\r\n", 0, 60, 0, 0, 6},
      {"MaxSilentAdjustMin=99999999\r\nTimeOutEachTrySec=2147483647\r\n", 0, 60, 4294967295u,
       2147483647u, 6},
  };
  for (const auto& c : cases) {
    RemoveProfileFile(kFile);
    if (c.section) WriteRawProfileFile(kFile, std::string("[Sync]\r\n") + c.section);
    m_schedule = SyncSchedule{5, 5};
    Load();
    const std::string which = c.section ? c.section : "no file";
    EXPECT_EQ(m_schedule.regimen, c.regimen) << which;
    EXPECT_EQ(m_schedule.periodMin, c.periodMin) << which;
    EXPECT_EQ(m_engine.GetThreshold(), c.threshold) << which;
    uint32_t eachTry = 0, total = 0;
    m_engine.QueryTimeouts(eachTry, total);
    EXPECT_EQ(eachTry, c.eachTry) << which;
    EXPECT_EQ(total, c.total) << which;
    EXPECT_FALSE(m_engine.IsRunning());
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
