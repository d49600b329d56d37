// The message box: its layout arithmetic, the label rules, the results of
// clicks, Enter and Escape, and bad input without leaks.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "DraggableDlg.h"
#include "GuiObjects.h"
#include "GuiTestSupport.h"
#include "MessageBoxDlg.h"
#include "Resources.h"

namespace {

RECT ChildRect(HWND parent, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_owner.Create());
    SetWindowPos(m_owner.m_hWnd, nullptr, 300, 200, 400, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
  }

  // Runs a box; inspect runs once it is up (and must close it).
  int Run(const char* text, const char* title, int kind, const char* labels, int cancel,
          int defaultIndex, const std::function<void(CMessageBoxDlg&)>& inspect) {
    CMessageBoxDlg box(m_owner.m_hWnd, text, title, kind, labels, cancel, defaultIndex);
    RunLater(30, [&] { inspect(box); });
    box.DoModal();
    return box.Result();
  }

  static void PressKey(int key) {
    const HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    PostMessageA(focus, WM_KEYUP, static_cast<WPARAM>(key), 0);
  }

  CDraggableDlg m_owner{400, nullptr};
};

struct Geometry {
  SIZE button;
  RECT content;
  RECT client;
  RECT text;
  std::vector<RECT> buttons;
};

Geometry Measure(CMessageBoxDlg& box) {
  Geometry g{};
  RECT units{0, 0, 50, 14};
  MapDialogRect(box.m_hWnd, &units);
  g.button = SIZE{units.right, units.bottom};
  box.GetContentRect(g.content);
  g.client = box.GetClientRect();
  g.text = ChildRect(box.m_hWnd, GetDlgItem(box.m_hWnd, IDC_MESSAGE_TEXT));
  for (size_t i = 0; i < box.ButtonCount(); ++i) {
    g.buttons.push_back(ChildRect(
        box.m_hWnd, GetDlgItem(box.m_hWnd, IDC_MESSAGE_FIRST_BUTTON + static_cast<int>(i))));
  }
  return g;
}

int RowLeft(const Geometry& g, int count) {
  return g.client.right / 2 - (count * (g.button.cx + 4) - 4) / 2;
}

TEST_F(MessageBoxTest, OneRowIsCentredBelowTheTextWithTheIconAtTheTopLeft) {
  Geometry g;
  RECT icon{};
  bool iconVisible = false;
  Run("Are you sure that you want to exit Vorlix?", "Confirm", 4, "&Yes|&No|&Minimize", 1, 0,
      [&](CMessageBoxDlg& box) {
        g = Measure(box);
        const HWND iconControl = GetDlgItem(box.m_hWnd, IDC_MESSAGE_ICON);
        icon = ChildRect(box.m_hWnd, iconControl);
        iconVisible = IsWindowVisible(iconControl) != FALSE;
        EXPECT_EQ(box.GetTitle(), " Confirm");
        EXPECT_EQ(box.GetDialogOptions(), 0xF3u);
        EXPECT_EQ(GetDlgItem(box.m_hWnd, IDOK), nullptr) << "the template button is gone";
        box.EndDialog(IDOK);
      });
  ASSERT_EQ(g.buttons.size(), 3u);
  EXPECT_EQ(g.content.top, 16);
  EXPECT_EQ(g.content.left, 22);
  EXPECT_TRUE(iconVisible);
  EXPECT_EQ(icon.left, g.content.left + 16);
  EXPECT_EQ(icon.top, g.content.top + 16);
  EXPECT_EQ(icon.right - icon.left, 16);
  EXPECT_EQ(g.text.left, g.content.left + 16);
  EXPECT_EQ(g.text.top, g.content.top + 48);
  // At least 16 pixels right of the text and of the button row.
  EXPECT_EQ(g.client.right, std::max(g.text.right + 16, 3 * (g.button.cx + 4) - 4 + 32));
  for (size_t i = 0; i < g.buttons.size(); ++i) {
    EXPECT_EQ(g.buttons[i].top, g.text.bottom + 32);
    EXPECT_EQ(g.buttons[i].left, RowLeft(g, 3) + static_cast<int>(i) * (g.button.cx + 4));
    EXPECT_EQ(g.buttons[i].right - g.buttons[i].left, g.button.cx);
    EXPECT_EQ(g.buttons[i].bottom - g.buttons[i].top, g.button.cy);
  }
  EXPECT_EQ(g.client.bottom, g.buttons[0].bottom + 16);
}

TEST_F(MessageBoxTest, ALineFeedCaptionStartsASecondRowAndManyButtonsWidenTheBox) {
  Geometry g;
  Run("Hi", nullptr, 0, "&Yes|&No|&Maybe|\n|&Help", 1, 0, [&](CMessageBoxDlg& box) {
    g = Measure(box);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(box.m_hWnd, IDC_MESSAGE_ICON)));
    EXPECT_EQ(box.GetDialogOptions(), 0xB3u) << "no title strip without a title";
    box.EndDialog(IDOK);
  });
  ASSERT_EQ(g.buttons.size(), 4u);
  EXPECT_EQ(g.content.top, 0);
  // The widest row plus 16 pixels each side.
  EXPECT_EQ(g.client.right, 3 * (g.button.cx + 4) - 4 + 32);
  EXPECT_EQ(g.buttons[0].left, RowLeft(g, 3));
  EXPECT_EQ(g.buttons[3].left, RowLeft(g, 1)) << "the single button is centred";
  EXPECT_EQ(g.buttons[3].top, g.buttons[0].top + g.button.cy + 4);
  EXPECT_EQ(g.client.bottom, g.buttons[3].bottom + 16);
}

TEST_F(MessageBoxTest, ALongLineOfTextWidensTheBox) {
  Geometry g;
  const std::string text(120, 'W');
  Run(text.c_str(), "Wide", 1, "&OK", 0, 0, [&](CMessageBoxDlg& box) {
    g = Measure(box);
    box.EndDialog(IDOK);
  });
  ASSERT_EQ(g.buttons.size(), 1u);
  EXPECT_GT(g.text.right - g.text.left, 600);
  EXPECT_EQ(g.client.right, g.text.right + 16);
  EXPECT_EQ(g.buttons[0].left, RowLeft(g, 1));
}

TEST(ButtonLabelsTest, SplitsByTheLabelRules) {
  EXPECT_EQ(SplitButtonLabels(""), std::vector<std::string>{"&OK"});
  EXPECT_EQ(SplitButtonLabels(nullptr), std::vector<std::string>{"&OK"});
  EXPECT_EQ(SplitButtonLabels("&Yes||&No|"), (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_EQ(SplitButtonLabels("&Yes|&No|\n|&Help"),
            (std::vector<std::string>{"&Yes", "&No", "\n", "&Help"}));
  std::string many;
  for (int i = 0; i < 120; ++i) many += "x|";
  EXPECT_EQ(SplitButtonLabels(many.c_str()).size(), 100u);
  const std::string longLabels = "&First|" + std::string(300, 'a');
  const std::vector<std::string> cut = SplitButtonLabels(longLabels.c_str());
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[1].size(), 255u - 7u) << "only the first 255 characters count";
}

TEST_F(MessageBoxTest, HundredButtonsFromHundredTwentyCaptions) {
  std::string many;
  for (int i = 0; i < 120; ++i) many += std::to_string(i % 10) + "|";
  size_t count = 0;
  bool lastExists = false;
  bool beyondExists = true;
  Run("Many", "Many", 1, many.c_str(), 0, 0, [&](CMessageBoxDlg& box) {
    count = box.ButtonCount();
    lastExists = GetDlgItem(box.m_hWnd, 299) != nullptr;
    beyondExists = GetDlgItem(box.m_hWnd, 300) != nullptr;
    box.EndDialog(IDOK);
  });
  EXPECT_EQ(count, 100u);
  EXPECT_TRUE(lastExists);
  EXPECT_FALSE(beyondExists);
}

TEST_F(MessageBoxTest, ResultsOfClicksEnterAndEscape) {
  struct Case {
    const char* what;
    int defaultIndex;
    std::function<void(CMessageBoxDlg&)> act;
    int expected;
  };
  const Case cases[] = {
      {"Escape", 0, [](CMessageBoxDlg&) { PressKey(VK_ESCAPE); }, 2},
      {"Enter on the first", 0, [](CMessageBoxDlg&) { PressKey(VK_RETURN); }, 0},
      {"Enter on the second", 1, [](CMessageBoxDlg&) { PressKey(VK_RETURN); }, 1},
      {"default names no button", 7, [](CMessageBoxDlg&) { PressKey(VK_RETURN); }, 0},
      {"click", 0,
       [](CMessageBoxDlg& box) { SendMessageA(GetDlgItem(box.m_hWnd, 201), BM_CLICK, 0, 0); }, 1},
      {"dismiss button", 0,
       [](CMessageBoxDlg& box) { SendMessageA(box.DismissButtonWindow(), BM_CLICK, 0, 0); }, 2},
      {"Enter with no button focused", 1,
       [](CMessageBoxDlg& box) {
         SetFocus(box.DismissButtonWindow());
         PressKey(VK_RETURN);
       },
       0},
  };
  for (const Case& c : cases) {
    int focusedId = 0;
    const int result = Run("Continue or download?", "Vorlix", 2, "&Continue|&Download", 2,
                           c.defaultIndex, [&](CMessageBoxDlg& box) {
                             focusedId = GetDlgCtrlID(GetFocus());
                             EXPECT_EQ(box.Result(), -1);
                             c.act(box);
                           });
    EXPECT_EQ(result, c.expected) << c.what;
    if (c.defaultIndex <= 1) {
      EXPECT_EQ(focusedId, 200 + c.defaultIndex) << c.what;
    }
  }
}

TEST_F(MessageBoxTest, AmpersandsInTheTextShowAsThemselves) {
  Run("Fish & Chips", "T", 1, "&OK", 0, 0, [&](CMessageBoxDlg& box) {
    const HWND text = GetDlgItem(box.m_hWnd, IDC_MESSAGE_TEXT);
    EXPECT_EQ(WindowText(text), "Fish & Chips");
    EXPECT_TRUE(GetWindowLongPtrA(text, GWL_STYLE) & SS_NOPREFIX);
    box.EndDialog(IDOK);
  });
}

TEST_F(MessageBoxTest, BadInputGivesADefinedBoxAndLeaksNothing) {
  const std::string longLabel(300, 'L');
  const std::string longText(300, 'T');
  struct Input {
    const char* text;
    const char* title;
    int kind;
    const char* labels;
    int defaultIndex;
  };
  const Input inputs[] = {
      {nullptr, nullptr, 0, nullptr, 0},
      {"", "", 9, "", -1},
      {longText.c_str(), longLabel.c_str(), 5, longLabel.c_str(), 999},
      {"Two\nlines\n\nand more", "Title", 3, "|||", 2},
      {"Row breaks only", "x", 1, "\n|\n", 0},
  };
  // Warm up whatever the platform caches on first use.
  Run("warm", "warm", 4, "&OK", 0, 0, [](CMessageBoxDlg&) { PressKey(VK_ESCAPE); });
  const int before = LiveGuiObjectsTotal();
  for (int round = 0; round < 100; ++round) {
    const Input& in = inputs[round % 5];
    size_t buttons = 0;
    const int result =
        Run(in.text, in.title, in.kind, in.labels, 42, in.defaultIndex, [&](CMessageBoxDlg& box) {
          buttons = box.ButtonCount();
          PressKey(VK_ESCAPE);
        });
    EXPECT_EQ(result, 42) << round;
    if (round < 5) {
      const size_t expected[] = {1, 1, 1, 0, 0};  // "|||": no caption at all
      EXPECT_EQ(buttons, expected[round]) << round;
    }
  }
  EXPECT_EQ(LiveGuiObjectsTotal(), before);
  EXPECT_EQ(LiveGuiObjects(GuiKind::Window), 0) << "every tooltip went with its control";
}

TEST_F(MessageBoxTest, ShowMessageOnADialogOwnsTheBoxAndReturnsTheChoice) {
  HWND owner = nullptr;
  RunLater(30, [&] {
    const HWND box = FindOwnedDialog(m_owner.m_hWnd);
    owner = GetWindow(box, GW_OWNER);
    SendMessageA(GetDlgItem(box, 202), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(m_owner.ShowMessage("Choose", "Confirm", 4, "&Yes|&No|&Minimize", 1, 0), 2);
  EXPECT_EQ(owner, m_owner.m_hWnd);
  EXPECT_TRUE(IsWindowEnabled(m_owner.m_hWnd)) << "the owner is enabled again";
}

}  // namespace
