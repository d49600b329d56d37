// The whole program in this process: the application object's real start
// routine and main window, the engine talking to chronyd on 127.0.0.1 port
// 123, the tray icon and the clocks. What Wine keeps from other processes,
// the tray icon's tooltip and the clocks' tooltips, is read here from
// inside. Always a dry run: the program's clock refuses to be set.
//
// The launcher gives the test a private Wine prefix (its own Windows
// directory and settings file), starts and stops chronyd on request (files
// in VORLIX_TEST_NTP_CONTROL) and sets TZ to UTC+5:45, so that the local
// time the tray shows differs from UTC.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ClockApp.h"
#include "ClockList.h"
#include "ClockWidget.h"
#include "GuiTestSupport.h"
#include "KorvathTimeDlg.h"
#include "ShellCommands.h"
#include "ShellResources.h"
#include "SyncStatus.h"
#include "TestProfile.h"
#include "UtcClock.h"
#include "UtcInstant.h"

namespace {

CClockApp* g_app = nullptr;

constexpr const char* kLocalZone = "NPT-5:45";
constexpr int32_t kLocalMinusUtc = 5 * 3600 + 45 * 60;
constexpr int kPassWaitMs = 30000;

// Regimen "On Program Startup", chronyd as the one active server, and short
// time-outs so that a pass against a silent port fails quickly.
constexpr const char* kStartupSyncSettings =
    "[Sync]\r\nRegimen=1\r\nTimeOutEachTrySec=1\r\nTimeOutTotalSec=1\r\n"
    "[ActiveServers]\r\nCount=1\r\nServer000=127.0.0.1 chronyd on loopback\r\n"
    "[UnusedServers]\r\nCount=0\r\n";

// The engine notifications the main window takes from its queue (the
// posted ones: started, status, stopped), in order.
std::vector<WPARAM> g_engineNotices;

LRESULT CALLBACK RecordEngineNotice(int code, WPARAM removal, LPARAM message) {
  const auto* taken = reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && taken->message == kEngineNotifyMessage) {
    g_engineNotices.push_back(taken->wParam);
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

int NoticesOf(WPARAM code) {
  int count = 0;
  for (WPARAM notice : g_engineNotices) count += notice == code;
  return count;
}

// Asks the launcher to start or stop chronyd and waits, dispatching
// messages, until it has.
::testing::AssertionResult AskChronyd(const std::string& request) {
  const char* control = std::getenv("VORLIX_TEST_NTP_CONTROL");
  if (!control) {
    return ::testing::AssertionFailure()
           << "VORLIX_TEST_NTP_CONTROL is not set: run through with-chronyd.sh --on-request";
  }
  const std::string file = std::string("Z:") + control + "/" + request;
  const HANDLE created = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created == INVALID_HANDLE_VALUE)
    return ::testing::AssertionFailure() << "cannot make " << file;
  CloseHandle(created);
  const auto exists = [](const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  if (!PumpUntil([&] { return !exists(file); }, 60000) || exists(file + ".failed")) {
    return ::testing::AssertionFailure() << "chronyd did not " << request;
  }
  return ::testing::AssertionSuccess();
}

// The tray tooltip after a pass at utc, in the local time of this test.
std::string TrayTipAfterPassAt(int32_t utc) {
  const time_t local = static_cast<time_t>(utc) + kLocalMinusUtc;
  std::tm parts{};
  gmtime_s(&parts, &local);
  char when[32];
  std::strftime(when, sizeof when, "%H:%M:%S %b %d", &parts);
  return std::string("Vorlix (Last Update: ") + when + ")";
}

std::string FixtureText(const char* name) {
  std::ifstream file(std::string(VORLIX_FIXTURES_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_engineNotices.clear();
    m_hook = SetWindowsHookExA(WH_GETMESSAGE, RecordEngineNotice, nullptr, GetCurrentThreadId());
    ASSERT_NE(m_hook, nullptr);
  }

  void TearDown() override {
    UnhookWindowsHookEx(m_hook);
    SetUtcSource(nullptr);
  }

  // Starts the program with settings as its settings file, runs script once
  // its main window is up, then ends it the way a confirmed Exit does.
  void RunProgram(const std::string& settings,
                  const std::function<void(CKorvathTimeDlg&)>& script) {
    ASSERT_EQ(FindWindowA("#32770", kMainWindowTitle), nullptr) << "another copy is running";
    testing_support::WriteRawProfileFile(kSettingsFile, settings);
    std::optional<CClockApp> app;
    app.emplace(true);
    ASSERT_TRUE(app->IsDryRun());
    g_app = &*app;
    bool ran = false;
    RunLater(0, [&] {
      auto* main = dynamic_cast<CKorvathTimeDlg*>(app->MainWindow());
      if (main && IsWindow(main->m_hWnd)) {
        ran = true;
        script(*main);
      }
      PostQuitMessage(0);
    });
    app->Run();
    // The quit message is posted again for every enclosing loop; this
    // process goes on to the next test.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    app.reset();  // engine stopped, settings saved
    g_app = nullptr;
    EXPECT_TRUE(ran) << "the main window did not come up";
  }

  HHOOK m_hook = nullptr;
};

TEST_F(ProgramTest, StartupPassShowsItsLocalTimeInTheTrayTip) {
  ASSERT_STREQ(std::getenv("TZ"), kLocalZone);
  ASSERT_TRUE(AskChronyd("start"));
  const auto before = static_cast<int32_t>(std::time(nullptr));
  RunProgram(kStartupSyncSettings, [&](CKorvathTimeDlg& main) {
    EXPECT_TRUE(main.Tray().IsAdded());
    ASSERT_TRUE(PumpUntil([] { return NoticesOf(NTPE_STATUS) > 0; }, kPassWaitMs))
        << "no synchronisation at start-up";
    const SyncStatus status = TheApp().Engine().GetStatus();
    EXPECT_FALSE(status.failed);
    EXPECT_EQ(status.server, "127.0.0.1");
    EXPECT_EQ(status.reply[1], 8) << "not chronyd's local stratum";
    EXPECT_FALSE(status.adjusted);
    EXPECT_GE(status.lastSync, before);
    EXPECT_LE(status.lastSync, static_cast<int32_t>(std::time(nullptr)));
    EXPECT_EQ(main.Tray().Tip(), TrayTipAfterPassAt(status.lastSync));
    EXPECT_EQ(main.Tray().IconId(), IDI_PROGRAM);
    EXPECT_FALSE(main.IsBlinking());

    // Nothing more comes by itself: one pass at start-up, then none.
    PumpFor(3000);
    EXPECT_THAT(g_engineNotices, ::testing::ElementsAre(NTPE_STARTED, NTPE_STATUS));
  });
}

TEST_F(ProgramTest, FailedPassBlinksTheTrayIconUntilTheNextGoodPass) {
  ASSERT_STREQ(std::getenv("TZ"), kLocalZone);
  ASSERT_TRUE(AskChronyd("stop"));
  RunProgram(kStartupSyncSettings, [&](CKorvathTimeDlg& main) {
    ASSERT_TRUE(PumpUntil([&] { return main.IsBlinking(); }, kPassWaitMs))
        << "a failed pass did not make the icon blink";
    EXPECT_TRUE(TheApp().Engine().GetStatus().failed);
    std::vector<int> images{main.Tray().IconId()};
    PumpUntil(
        [&] {
          if (main.Tray().IconId() != images.back()) images.push_back(main.Tray().IconId());
          return images.size() >= 5;
        },
        10000);
    EXPECT_THAT(images, ::testing::ElementsAre(IDI_PROGRAM, IDI_PROGRAM_BLINK, IDI_PROGRAM,
                                               IDI_PROGRAM_BLINK, IDI_PROGRAM));
    EXPECT_EQ(main.Tray().Tip(), "Vorlix");

    ASSERT_TRUE(AskChronyd("start"));
    SendMessageA(main.m_hWnd, WM_COMMAND, kCmdSyncNow, 0);
    ASSERT_TRUE(PumpUntil([&] { return !main.IsBlinking(); }, kPassWaitMs))
        << "the good pass did not stop the blinking";
    const SyncStatus status = TheApp().Engine().GetStatus();
    EXPECT_FALSE(status.failed);
    EXPECT_FALSE(status.adjusted);
    EXPECT_EQ(main.Tray().Tip(), TrayTipAfterPassAt(status.lastSync));
    // It stays on the program icon.
    PumpFor(1500);
    EXPECT_EQ(main.Tray().IconId(), IDI_PROGRAM);
  });
}

int32_t MidsummerNoon2026() { return testing_support::UtcInstant("2026-07-01 12:00:00"); }

TEST_F(ProgramTest, FourClocksHaveTheirZonesTooltipsAtAChosenInstant) {
  SetUtcSource(MidsummerNoon2026);
  const std::string settings = FixtureText("four-clocks.ini");
  ASSERT_FALSE(settings.empty());
  RunProgram(settings, [](CKorvathTimeDlg& main) {
    // London and New York on summer time, Sydney in its winter, Kathmandu
    // without daylight-saving time at +5:45.
    const char* const expected[] = {
        "Belfast, U.K.: UTC +1:00 (DST)", "Akron, U.S.A.: UTC -4:00 (DST)",
        "Canberra, Australia: UTC +10:00", "Kathmandu, Nepal: UTC +5:45"};
    CClockList& clocks = main.Clocks();
    ASSERT_EQ(clocks.Count(), 4);
    for (int i = 0; i < 4; ++i) {
      CClockWidget& clock = *clocks.GetClock(i);
      const struct {
        const char* part;
        HWND window;
        HWND tooltip;
      } parts[] = {
          {"clock", clock.m_hWnd, clock.GetTooltipWindow()},
          {"analog face", clock.Face().m_hWnd, clock.Face().GetTooltipWindow()},
          {"digital time", clock.Digital().m_hWnd, clock.Digital().GetTooltipWindow()},
          {"date line", clock.DateLine().m_hWnd, clock.DateLine().GetTooltipWindow()},
          {"zone button", clock.ZoneButton().m_hWnd, clock.ZoneButton().GetTooltipWindow()}};
      for (const auto& p : parts) {
        EXPECT_EQ(RegisteredTooltipText(p.tooltip, p.window), expected[i])
            << "clock " << i << ", " << p.part;
      }
    }
  });
}

}  // namespace

CClockApp& TheApp() { return *g_app; }
