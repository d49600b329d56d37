// The cost of ticking clocks: 36 clocks in a list for a while, or an idle
// window with only a 250 ms timer, as the baseline run beside it. Prints the
// process's CPU time, the ticks, and the paints done in ticks in which no
// clock's second changed (which must be none).
//
//   clock_tick clocks SECONDS [FLAGS]   FLAGS: the clocks' show flags
//   clock_tick still SECONDS            the clocks, never ticked
//   clock_tick idle SECONDS
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ClockList.h"
#include "UtcClock.h"

namespace {

constexpr UINT_PTR kEndTimer = 1;
constexpr UINT_PTR kStartTimer = 2;
// The first paints of every window are not part of the steady cost.
constexpr UINT kSettleMs = 2000;
constexpr int kClocks = 36;

// Counts the paints each tick causes (those it leaves waiting are done at
// the start of the next), and adds up those of ticks whose second is the
// one the tick before saw.
class CMeasuredList : public CClockList {
 public:
  long m_ticks = 0;
  long m_quietTicks = 0;
  long m_quietPaints = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_TIMER || wParam != kClockTimerId) {
      return CClockList::WindowProc(message, wParam, lParam);
    }
    // Paints the previous tick caused and that are still waiting belong to it.
    MSG pending;
    while (PeekMessageA(&pending, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
      DispatchMessageA(&pending);
    }
    if (m_lastWasQuiet) m_quietPaints += PaintCount() - m_paintsAtTick;
    const int32_t second = UtcNow();
    m_lastWasQuiet = second == m_lastSecond;
    m_lastSecond = second;
    if (m_lastWasQuiet) ++m_quietTicks;
    ++m_ticks;
    m_paintsAtTick = PaintCount();
    return CClockList::WindowProc(message, wParam, lParam);
  }

 private:
  int32_t m_lastSecond = 0;
  bool m_lastWasQuiet = false;
  long m_paintsAtTick = 0;
};

double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

class CBenchWindow : public CWnd {
 public:
  CBenchWindow(bool clocks, bool still, int seconds, uint32_t flags)
      : m_clocks(clocks), m_still(still), m_seconds(seconds), m_flags(flags) {}
  CMeasuredList m_list;
  double m_cpu = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE:
        if (m_clocks) {
          m_list.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, m_hWnd, 100);
          while (m_list.Count() < kClocks && m_list.InsertClock(m_list.Count())) {
          }
          for (int i = 0; i < m_list.Count(); ++i) {
            m_list.GetClock(i)->SetZone(i * 7);
            if (m_flags) m_list.GetClock(i)->SetFlags(m_flags);
          }
          m_list.Arrange();
          if (m_still) KillTimer(m_list.m_hWnd, kClockTimerId);
        } else {
          SetTimer(m_hWnd, kClockTimerId, kClockTimerPeriod, nullptr);
        }
        SetTimer(m_hWnd, kStartTimer, kSettleMs, nullptr);
        return 0;
      case WM_TIMER:
        if (wParam == kStartTimer) {
          KillTimer(m_hWnd, kStartTimer);
          m_startCpu = CpuSeconds();
          SetTimer(m_hWnd, kEndTimer, static_cast<UINT>(m_seconds) * 1000, nullptr);
        } else if (wParam == kEndTimer) {
          m_cpu = CpuSeconds() - m_startCpu;
          DestroyWindow();
        }
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
  }

 private:
  double m_startCpu = 0;
  bool m_clocks;
  bool m_still;
  int m_seconds;
  uint32_t m_flags;
};

}  // namespace

int main(int argc, char** argv) {
  const bool still = argc > 1 && std::strcmp(argv[1], "still") == 0;
  const bool clocks = still || (argc > 1 && std::strcmp(argv[1], "clocks") == 0);
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
  const auto flags = static_cast<uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 0) : 0);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  info.lpfnWndProc = CWnd::StandardWindowProc;
  info.hInstance = GetModuleHandleA(nullptr);
  info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  info.lpszClassName = "Vorlix Tick Bench";
  RegisterClassExA(&info);
  CBenchWindow window(clocks, still, seconds, flags);
  window.CreateEx(0, "Vorlix Tick Bench", "Vorlix tick bench", WS_POPUP | WS_VISIBLE,
                  RECT{0, 0, 1000, 700}, nullptr, 0);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  std::printf(
      "%s: %d s, cpu %.3f s, clocks %d, ticks %ld, quiet ticks %ld, paints in quiet ticks %ld\n",
      still    ? "still"
      : clocks ? "clocks"
               : "idle",
      seconds, window.m_cpu, clocks ? window.m_list.Count() : 0, window.m_list.m_ticks,
      window.m_list.m_quietTicks, window.m_list.m_quietPaints);
  return 0;
}
