// vorlix-drive: the end-to-end driver as a command for test scripts.
//
//   vorlix-drive COMMAND [--title T] [--class C] [--child-text T] [--id N]
//                        [--timeout MS] [--any] [ARGUMENTS]
// (--any: hidden top-level windows count too)
//
// Commands (the target is the window the options select):
//   find                  print the target's handle; fails when there is none
//   wait                  wait until the target exists
//   wait-gone             wait until it no longer exists
//   wait-text TEXT        wait until its text is TEXT
//   text                  print its text (WM_GETTEXT)
//   rect                  print its window rectangle: left top right bottom
//   client-rect           print its client rectangle
//   enabled | visible     print 1 or 0
//   checked               print its check state (0, 1, 2)
//   workarea              print the work area: left top right bottom
//   command ID            post command ID to the top-level window
//   click                 click the target button (BM_CLICK)
//   click-at X Y          left click at client point X Y of the target
//   key VK                press a virtual key (decimal) in the target's thread
//   drag X1 Y1 X2 Y2      real mouse drag between two screen points
//   children              list id, class, visibility, enabled state, rect, text
//   post MSG WPARAM LPARAM  post a message to the target
// Exit status: 0 done, 1 not found or timed out, 2 bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Driver.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: vorlix-drive COMMAND [--title T] [--class C] [--child-text T] "
               "[--id N] [--timeout MS] [ARGUMENTS]\n");
  return 2;
}

void PrintRect(const RECT& r) {
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  const RECT r = e2e::WindowRect(child);
  std::printf("%d\t%s\t%d\t%d\t%ld %ld %ld %ld\t%s\n", GetDlgCtrlID(child), name,
              e2e::IsVisible(child), e2e::IsEnabled(child), r.left, r.top, r.right, r.bottom,
              e2e::Text(child).c_str());
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  e2e::WindowQuery query;
  int timeoutMs = 5000;
  std::vector<std::string> arguments;
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--title" && hasValue) {
      query.title = argv[++i];
    } else if (option == "--class" && hasValue) {
      query.className = argv[++i];
    } else if (option == "--child-text" && hasValue) {
      query.childText = argv[++i];
    } else if (option == "--id" && hasValue) {
      query.controlId = std::atoi(argv[++i]);
    } else if (option == "--any") {
      query.includeHidden = true;
    } else if (option == "--timeout" && hasValue) {
      timeoutMs = std::atoi(argv[++i]);
    } else {
      arguments.push_back(option);
    }
  }
  auto number = [&](size_t i) { return std::atoi(arguments.at(i).c_str()); };

  if (command == "workarea") {
    PrintRect(e2e::WorkArea());
    return 0;
  }
  if (command == "drag") {
    if (arguments.size() != 4) return Usage();
    e2e::Drag(POINT{number(0), number(1)}, POINT{number(2), number(3)});
    return 0;
  }
  if (command == "wait") {
    return e2e::WaitFor([&] { return e2e::Find(query) != nullptr; }, timeoutMs) ? 0 : 1;
  }
  if (command == "wait-gone") {
    return e2e::WaitFor([&] { return e2e::Find(query) == nullptr; }, timeoutMs) ? 0 : 1;
  }
  if (command == "wait-text") {
    if (arguments.size() != 1) return Usage();
    return e2e::WaitFor(
               [&] {
                 const HWND w = e2e::Find(query);
                 return w && e2e::Text(w) == arguments[0];
               },
               timeoutMs)
               ? 0
               : 1;
  }

  const HWND target = e2e::Find(query);
  if (!target) {
    std::fprintf(stderr, "vorlix-drive: no such window\n");
    return 1;
  }
  if (command == "find") {
    std::printf("%p\n", static_cast<void*>(target));
  } else if (command == "text") {
    std::printf("%s\n", e2e::Text(target).c_str());
  } else if (command == "rect") {
    PrintRect(e2e::WindowRect(target));
  } else if (command == "client-rect") {
    PrintRect(e2e::ClientRect(target));
  } else if (command == "enabled") {
    std::printf("%d\n", e2e::IsEnabled(target) ? 1 : 0);
  } else if (command == "visible") {
    std::printf("%d\n", e2e::IsVisible(target) ? 1 : 0);
  } else if (command == "checked") {
    std::printf("%d\n", e2e::CheckState(target));
  } else if (command == "command" && arguments.size() == 1) {
    e2e::SendCommand(e2e::FindTopWindow(query), number(0));
  } else if (command == "click") {
    e2e::ClickButton(target);
  } else if (command == "click-at" && arguments.size() == 2) {
    e2e::ClickAt(target, number(0), number(1));
  } else if (command == "key" && arguments.size() == 1) {
    e2e::PressKey(target, number(0));
  } else if (command == "children") {
    EnumChildWindows(target, PrintChild, 0);
  } else if (command == "post" && arguments.size() == 3) {
    PostMessageA(target, static_cast<UINT>(number(0)), static_cast<WPARAM>(number(1)),
                 static_cast<LPARAM>(number(2)));
  } else {
    return Usage();
  }
  return 0;
}
