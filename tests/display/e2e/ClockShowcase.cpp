// A window of clock lists in several glyph fonts and face styles, for the
// screenshot test and the daylight-saving test, which run it from outside.
//
//   clock_showcase show MS     shows the lists for MS milliseconds
//   clock_showcase dst UTC     London, New York and Sydney: prints "ready"
//                              once they show, then "utc|clock|digital
//                              time|tooltip" whenever a clock's time or
//                              tooltip changes, until it has seen the UTC
//                              instant pass (at most two minutes)
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ClockList.h"
#include "GlyphFontTable.h"
#include "ShowFlags.h"
#include "UtcClock.h"
#include "Window.h"

namespace {

const char kClassName[] = "Vorlix Clock Showcase";
constexpr UINT_PTR kEndTimer = 1;
constexpr UINT_PTR kSampleTimer = 2;

struct ListLook {
  int font;
  uint32_t flags;
  int diameter;
  Colour line;
  Colour face;
  std::vector<std::pair<int, const char*>> zones;
};

class CShowcaseWindow : public CWnd {
 public:
  // dst: run until the UTC instant `until`; otherwise for `until` ms.
  CShowcaseWindow(bool dst, long until) : m_dst(dst), m_until(until) { m_fonts.RebuildFontTable(); }

  bool Open() {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    info.lpfnWndProc = CWnd::StandardWindowProc;
    info.hInstance = GetModuleHandleA(nullptr);
    info.hCursor = LoadCursor(nullptr, IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    info.lpszClassName = kClassName;
    RegisterClassExA(&info);
    return CreateEx(0, kClassName, "Vorlix clock showcase",
                    WS_POPUP | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, RECT{40, 40, 1200, 760},
                    nullptr, 0);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE:
        if (m_dst) {
          AddList({0,
                   kShowFlagsDefault | kShowUtcOffset,
                   60,
                   0x303030,
                   0xD0D9D9,
                   {{92, "London"}, {39, "New York"}, {239, "Sydney"}}});
          SetTimer(m_hWnd, kSampleTimer, 20, nullptr);
        } else {
          AddShowcaseLists();
        }
        SetTimer(m_hWnd, kEndTimer, m_dst ? 120000 : static_cast<UINT>(m_until), nullptr);
        if (m_dst) {
          std::printf("ready\n");
          std::fflush(stdout);
        }
        return 0;
      case WM_TIMER:
        if (wParam == kEndTimer) {
          DestroyWindow();
        } else {
          Sample();
        }
        return 0;
      case WM_CLOSE:
        DestroyWindow();
        return 0;
      case WM_DESTROY:
        m_lists.clear();
        PostQuitMessage(0);
        return 0;
      default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
  }

 private:
  void AddShowcaseLists() {
    AddList({1,
             0x7060F | kShowUtcOffset,
             64,
             0x303030,
             0xD0D9D9,
             {{92, "London"}, {39, "New York"}, {239, "Sydney"}, {118, nullptr}}});
    AddList({3, 0x2070F, 80, 0x703010, 0xF0E8D8, {{0, nullptr}, {164, nullptr}, {200, nullptr}}});
    AddList({6, 0x3060B, 60, 0x202020, 0xFFFFFF, {{75, nullptr}, {137, nullptr}}});
    AddList({9,
             0x1030F,
             48,
             0x104010,
             0xC8E0C8,
             {{50, nullptr}, {230, nullptr}, {250, nullptr}, {20, nullptr}, {100, nullptr}}});
    AddList({7, 0x40706, 60, 0x303030, 0xD0D9D9, {{10, nullptr}, {30, nullptr}}});
    AddList({0, 0x7020F, 90, 0x4050A0, 0xE8ECF8, {{150, nullptr}}});
  }

  void AddList(const ListLook& look) {
    auto list = std::make_unique<CClockList>(&m_fonts);
    const RECT at{m_nextLeft, m_nextTop, m_nextLeft + 10, m_nextTop + 10};
    if (!list->Create(WS_CHILD | WS_VISIBLE, at, m_hWnd, 100 + static_cast<UINT>(m_lists.size()))) {
      return;
    }
    list->SetWrapWidth(-1);
    for (std::size_t i = 1; i < look.zones.size(); ++i) list->InsertClock(list->Count());
    list->SetGlyphFont(look.font);
    for (int i = 0; i < list->Count(); ++i) list->GetClock(i)->SetFlags(look.flags);
    list->SetDiameter(look.diameter);
    list->SetLineColour(look.line);
    list->SetFaceColour(look.face);
    for (std::size_t i = 0; i < look.zones.size(); ++i) {
      CClockWidget* clock = list->GetClock(static_cast<int>(i));
      clock->SetZone(look.zones[i].first);
      if (look.zones[i].second) clock->SetZoneText(look.zones[i].second);
    }
    list->Select(-1);
    list->Arrange();
    list->TickAll(true);
    const RECT rect = list->GetRectInParent();
    if (rect.right + 330 < 1150) {
      m_nextLeft = rect.right + 12;
      m_rowBottom = std::max<int>(m_rowBottom, rect.bottom);
    } else {
      m_nextLeft = 8;
      m_nextTop = std::max<int>(m_rowBottom, rect.bottom) + 12;
      m_rowBottom = m_nextTop;
    }
    m_lists.push_back(std::move(list));
  }

  void Sample() {
    // The test moves the clock back to just before the instant once the
    // window is up; the run ends when the instant has passed after that.
    const int32_t now = UtcNow();
    if (!m_seenBefore && now <= m_until) {
      m_seenBefore = true;
      m_lists.front()->TickAll(false);  // what the clocks showed before is no news
    }
    if (!m_seenBefore) return;
    if (now > m_until) {
      DestroyWindow();
      return;
    }
    const CClockList& list = *m_lists.front();
    for (int i = 0; i < list.Count(); ++i) {
      CClockWidget* clock = list.GetClock(i);
      const std::string line = clock->Digital().GetWindowText() + "|" + clock->GetTooltipText();
      if (line == m_shown[static_cast<std::size_t>(i)]) continue;
      m_shown[static_cast<std::size_t>(i)] = line;
      std::printf("%ld|%s|%s\n", static_cast<long>(UtcNow()), clock->GetZoneName().c_str(),
                  line.c_str());
      std::fflush(stdout);
    }
  }

  bool m_dst;
  long m_until;
  bool m_seenBefore = false;
  CGlyphFontTable m_fonts;
  std::vector<std::unique_ptr<CClockList>> m_lists;
  std::string m_shown[8];
  int m_nextLeft = 8;
  int m_nextTop = 8;
  int m_rowBottom = 8;
};

}  // namespace

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const bool dst = argc > 1 && std::strcmp(argv[1], "dst") == 0;
  const long until = argc > 2 ? std::atol(argv[2]) : 5000;
  CShowcaseWindow window(dst, until);
  if (!window.Open()) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
