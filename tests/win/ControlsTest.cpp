// The flat controls and the windowed helpers: check state, edges and their
// drawing, swatches, images, tooltips, combo lookups, the colour chooser's
// stored custom colours, and that drawing frees every GDI object it makes.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "ColourChooser.h"
#include "ComboBoxes.h"
#include "Dialog.h"
#include "FlatButton.h"
#include "FlatSpinButton.h"
#include "GuiObjects.h"
#include "GuiTestSupport.h"
#include "ImageButton.h"
#include "Resources.h"
#include "TipStatic.h"
#include "WindowHelpers.h"

namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dialog.Create());
    ShowWindow(m_dialog.m_hWnd, SW_SHOW);
    m_liveBefore = LiveGuiObjectsTotal();
  }

  // Draws an owner-drawn control into a memory bitmap through its parent,
  // the way the platform asks for it.
  COLORREF DrawAndRead(HWND control, int x, int y, UINT action = ODA_DRAWENTIRE, UINT state = 0) {
    RECT client{};
    GetClientRect(control, &client);
    MemoryDc dc(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    BitmapHandle canvas(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    SelectScope selected(dc.get(), canvas.get());
    FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkColor(dc.get(), GetSysColor(COLOR_BTNFACE));
    SelectScope font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(control)),
                        0,          action,
                        state,      control,
                        dc.get(),   client,
                        0};
    SendMessageA(m_dialog.m_hWnd, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return GetPixel(dc.get(), x, y);
  }

  CDialog m_dialog{300, nullptr};
  int m_liveBefore = 0;
};

TEST_F(ControlsTest, CheckBoxKeepsItsOwnStateAndReportsItInTheStateQuery) {
  CFlatButton check;
  ASSERT_TRUE(check.SubclassDlgItem(1002, m_dialog.m_hWnd));
  EXPECT_TRUE(check.HasCheckBoxLook());
  EXPECT_EQ(GetWindowLongPtrA(check.m_hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(SendMessageA(check.m_hWnd, BM_GETSTATE, 0, 0) & BST_CHECKED, 0);
  SendMessageA(check.m_hWnd, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(check.m_hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(check.m_hWnd, BM_GETSTATE, 0, 0) & BST_CHECKED, BST_CHECKED);
  // A click by the user leaves the state to the owning dialog.
  SendMessageA(check.m_hWnd, BM_CLICK, 0, 0);
  PumpFor(30);
  EXPECT_EQ(SendMessageA(check.m_hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);

  // The tick is drawn in the window-text colour on the window colour, and
  // greyed when disabled.
  RECT client{};
  GetClientRect(check.m_hWnd, &client);
  const int boxTop = (client.bottom - 12) / 2;
  // Column 6, row 7 of the 12 x 12 tick is mark; column 1, row 1 is box.
  EXPECT_EQ(DrawAndRead(check.m_hWnd, 2 + 6, boxTop + 7), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(DrawAndRead(check.m_hWnd, 2 + 1, boxTop + 1), GetSysColor(COLOR_WINDOW));
  EnableWindow(check.m_hWnd, FALSE);
  EXPECT_EQ(DrawAndRead(check.m_hWnd, 2 + 6, boxTop + 7, ODA_DRAWENTIRE, ODS_DISABLED),
            GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(DrawAndRead(check.m_hWnd, 2 + 1, boxTop + 1, ODA_DRAWENTIRE, ODS_DISABLED),
            GetSysColor(COLOR_BTNFACE));
}

TEST_F(ControlsTest, EdgesFollowTheButtonState) {
  CFlatButton button;
  ASSERT_TRUE(button.SubclassDlgItem(1001, m_dialog.m_hWnd));
  EXPECT_FALSE(button.HasCheckBoxLook());
  EXPECT_EQ(button.GetEdge(kEdgeNormal), 0u);
  EXPECT_EQ(button.GetEdge(kEdgePushed), static_cast<EdgeSpec>(BDR_SUNKENOUTER));
  EXPECT_EQ(button.GetEdge(kEdgeHot), static_cast<EdgeSpec>(BDR_RAISEDINNER));
  EXPECT_EQ(button.GetEdge(0x12345), 0u) << "unknown selector";
  button.SetEdge(kEdgeNormal | kEdgeDisabled, 0x01000000 | 0x0000FF);
  EXPECT_EQ(button.GetEdge(kEdgeCurrent), 0x010000FFu);
  EXPECT_EQ(DrawAndRead(button.m_hWnd, 0, 0), RGB(255, 0, 0));
  SendMessageA(button.m_hWnd, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(button.GetEdge(kEdgeCurrent), static_cast<EdgeSpec>(BDR_SUNKENOUTER));
  EXPECT_EQ(DrawAndRead(button.m_hWnd, 0, 0, ODA_SELECT, ODS_SELECTED),
            GetSysColor(COLOR_BTNSHADOW));
  SendMessageA(button.m_hWnd, BM_SETSTATE, FALSE, 0);
  EnableWindow(button.m_hWnd, FALSE);
  button.SetEdge(kEdgeDisabled, 0);
  EXPECT_EQ(button.GetEdge(kEdgeCurrent), 0u);
}

TEST_F(ControlsTest, HoverCapturesOnlyWhenTheHotEdgeDiffers) {
  CFlatButton button;
  ASSERT_TRUE(button.SubclassDlgItem(1001, m_dialog.m_hWnd));
  SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(button.IsHot());
  EXPECT_EQ(GetCapture(), button.m_hWnd);
  SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
  EXPECT_FALSE(button.IsHot());
  EXPECT_NE(GetCapture(), button.m_hWnd);

  button.SetEdge(kEdgeHot, button.GetEdge(kEdgeNormal));
  SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(button.IsHot());
  EXPECT_NE(GetCapture(), button.m_hWnd);
}

TEST_F(ControlsTest, SwatchSitsInsideItsButtonFaceFrameAndTheEdge) {
  CFlatButton swatch;
  ASSERT_TRUE(swatch.SubclassDlgItem(1003, m_dialog.m_hWnd));
  SetWindowLongPtrA(swatch.m_hWnd, GWL_STYLE,
                    GetWindowLongPtrA(swatch.m_hWnd, GWL_STYLE) | BS_BITMAP);
  BitmapHandle bitmap;
  {
    WindowDc screen(nullptr);
    bitmap.Reset(CreateCompatibleBitmap(screen.get(), 14, 14));
  }
  swatch.SetBitmapImage(bitmap.get());
  swatch.SizeToImage(2);
  RECT client{};
  GetClientRect(swatch.m_hWnd, &client);
  EXPECT_EQ(client.right, 18);
  EXPECT_EQ(client.bottom, 18);
  swatch.SetEdge(kEdgeNormal, BDR_SUNKENOUTER);
  swatch.FillSwatch(RGB(0, 128, 0), 0x01000000);
  EXPECT_EQ(DrawAndRead(swatch.m_hWnd, 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "button edge";
  EXPECT_EQ(DrawAndRead(swatch.m_hWnd, 1, 1), GetSysColor(COLOR_BTNFACE)) << "face frame";
  EXPECT_EQ(DrawAndRead(swatch.m_hWnd, 2, 2), RGB(0, 0, 0)) << "the swatch's black frame";
  EXPECT_EQ(DrawAndRead(swatch.m_hWnd, 3, 3), RGB(0, 128, 0));
  EXPECT_EQ(DrawAndRead(swatch.m_hWnd, 15, 15), RGB(0, 0, 0));
  SendMessageA(swatch.m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, 0);
}

TEST_F(ControlsTest, ImageButtonHandsBackThePreviousImage) {
  CImageButton button;
  ASSERT_TRUE(button.SubclassDlgItem(1004, m_dialog.m_hWnd));
  const HICON icon = LoadIconA(nullptr, IDI_INFORMATION);
  BitmapHandle bitmap(CreateBitmap(8, 8, 1, 1, nullptr));
  EXPECT_EQ(button.SetIconImage(icon), nullptr);
  EXPECT_EQ(button.GetImageType(), IMAGE_ICON);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(button.m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0)), icon);
  EXPECT_EQ(button.SetBitmapImage(bitmap.get()), icon);
  EXPECT_EQ(SendMessageA(button.m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0), 0);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(button.m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0)),
            bitmap.get());
  EXPECT_EQ(SendMessageA(button.m_hWnd, BM_GETIMAGE, 7, 0), 0);
  // The bitmap is drawn at x = 3, left of the caption.
  EXPECT_EQ(DrawAndRead(button.m_hWnd, 3, 10), RGB(0, 0, 0));
  EXPECT_EQ(button.SetBitmapImage(nullptr), bitmap.get());
}

TEST_F(ControlsTest, TooltipTextsAreCutTo79Characters) {
  const std::string longText(100, 'w');
  CFlatButton button;
  ASSERT_TRUE(button.SubclassDlgItem(1001, m_dialog.m_hWnd));
  CTipStatic label;
  ASSERT_TRUE(label.SubclassDlgItem(1005, m_dialog.m_hWnd));
  button.SetTooltipText(longText.c_str());
  label.SetTooltipText(longText.c_str());
  EXPECT_EQ(std::string(button.GetTooltipText()), longText.substr(0, 79));
  EXPECT_EQ(std::string(label.GetTooltipText()), longText.substr(0, 79));
  EXPECT_EQ(RegisteredTooltipText(button.GetTooltipWindow(), button.m_hWnd),
            longText.substr(0, 79));
  EXPECT_EQ(RegisteredTooltipText(label.GetTooltipWindow(), label.m_hWnd), longText.substr(0, 79));
  // Null switches the tooltip off and keeps the text.
  label.SetTooltipText(nullptr);
  EXPECT_EQ(std::string(label.GetTooltipText()), longText.substr(0, 79));
  label.SetTooltipText("");
  EXPECT_EQ(std::string(label.GetTooltipText()), "");
}

TEST_F(ControlsTest, TooltipFontFollowsTheControlFontAndIsFreedWithTheTooltip) {
  const int fontsBefore = LiveGuiObjects(GuiKind::Font);
  {
    CFlatButton button;
    ASSERT_TRUE(button.SubclassDlgItem(1001, m_dialog.m_hWnd));
    button.SetTooltipText("Tip");
    LOGFONTA description{};
    description.lfHeight = -20;
    lstrcpyA(description.lfFaceName, "Courier New");
    FontHandle font(CreateFontIndirectA(&description));
    button.SetFont(font.get());
    LOGFONTA tooltipFont{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button.GetTooltipWindow(), WM_GETFONT, 0, 0)),
               sizeof tooltipFont, &tooltipFont);
    EXPECT_STRCASEEQ(tooltipFont.lfFaceName, "Courier New");
    EXPECT_EQ(tooltipFont.lfHeight, -11);
    EXPECT_EQ(tooltipFont.lfWeight, FW_NORMAL);
    EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fontsBefore + 2);
    button.SetFont(font.get());  // same face: nothing new
    EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fontsBefore + 2);
    button.SetFont(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    button.DestroyWindow();
    EXPECT_EQ(button.GetTooltipWindow(), nullptr);
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fontsBefore);
}

TEST(EdgeSpecTest, DrawsEachKindWithItsWidth) {
  struct Case {
    EdgeSpec spec;
    int width;
    COLORREF outer;  // colour of the outermost pixel row
  };
  const Case cases[] = {
      {0, 0, GetSysColor(COLOR_BTNFACE)},
      {0x01000000, 1, RGB(0, 0, 0)},
      {0x010000FF, 1, RGB(255, 0, 0)},
      {0x02000000 | COLOR_BTNSHADOW, 1, GetSysColor(COLOR_BTNSHADOW)},
      {BDR_SUNKENOUTER, 1, GetSysColor(COLOR_BTNSHADOW)},
      {BDR_RAISEDINNER, 1, GetSysColor(COLOR_BTNHIGHLIGHT)},
      {EDGE_ETCHED, 2, GetSysColor(COLOR_BTNSHADOW)},
      {EDGE_SUNKEN, 2, GetSysColor(COLOR_BTNSHADOW)},
  };
  const COLORREF background = RGB(1, 2, 3);
  for (const Case& c : cases) {
    EXPECT_EQ(EdgeSpecWidth(c.spec), c.width) << std::hex << c.spec;
    MemoryDc dc(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    BitmapHandle canvas(CreateCompatibleBitmap(screen.get(), 20, 20));
    SelectScope selected(dc.get(), canvas.get());
    const RECT all{0, 0, 20, 20};
    BrushHandle fill(CreateSolidBrush(background));
    FillRect(dc.get(), &all, fill.get());
    DrawEdgeSpec(dc.get(), all, c.spec, BF_RECT);
    EXPECT_EQ(GetPixel(dc.get(), 0, 5), c.outer) << std::hex << c.spec;
    // Inside the border nothing is touched.
    EXPECT_EQ(GetPixel(dc.get(), std::max(c.width, 1), 5), background) << std::hex << c.spec;
  }
}

TEST_F(ControlsTest, ComboBoxFindsItemsByData) {
  CFlatComboBox combo;
  ASSERT_TRUE(combo.SubclassDlgItem(1006, m_dialog.m_hWnd));
  const LPARAM data[] = {10, 20, 30, 20};
  for (LPARAM value : data) {
    const LRESULT index =
        SendMessageA(combo.m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
    SendMessageA(combo.m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(index), value);
  }
  EXPECT_EQ(combo.GetSelectedData(), 0) << "nothing selected";
  EXPECT_TRUE(combo.SelectByData(20));
  EXPECT_EQ(SendMessageA(combo.m_hWnd, CB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(combo.SelectByData(20, 1));
  EXPECT_EQ(SendMessageA(combo.m_hWnd, CB_GETCURSEL, 0, 0), 3);
  EXPECT_FALSE(combo.SelectByData(20, 1, 3)) << "last is exclusive";
  EXPECT_FALSE(combo.SelectByData(99));
  EXPECT_EQ(combo.GetSelectedData(), 20);
  // The drop button notices a press inside it only.
  RECT client{};
  GetClientRect(combo.m_hWnd, &client);
  SendMessageA(combo.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(combo.IsDropPressed());
  SendMessageA(combo.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(30);
  SendMessageA(combo.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 4, 5));
  EXPECT_TRUE(combo.IsDropPressed());
  SendMessageA(combo.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 4, 5));
  EXPECT_FALSE(combo.IsDropPressed());
  SendMessageA(combo.m_hWnd, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ControlsTest, PaintingEveryControlLeavesNoGdiObjectBehind) {
  CFlatButton push;
  CFlatButton check;
  CImageButton image;
  CTipStatic label;
  CFlatComboBox combo;
  CFlatSpinButton spin;
  ASSERT_TRUE(push.SubclassDlgItem(1001, m_dialog.m_hWnd));
  ASSERT_TRUE(check.SubclassDlgItem(1002, m_dialog.m_hWnd));
  ASSERT_TRUE(image.SubclassDlgItem(1004, m_dialog.m_hWnd));
  ASSERT_TRUE(label.SubclassDlgItem(1005, m_dialog.m_hWnd));
  ASSERT_TRUE(combo.SubclassDlgItem(1006, m_dialog.m_hWnd));
  ASSERT_TRUE(spin.SubclassDlgItem(1008, m_dialog.m_hWnd));
  SendMessageA(check.m_hWnd, BM_SETCHECK, 1, 0);
  image.SetIconImage(LoadIconA(nullptr, IDI_WARNING));
  const int before = LiveGuiObjectsTotal();
  for (int round = 0; round < 3; ++round) {
    RedrawWindow(m_dialog.m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EnableWindow(push.m_hWnd, round != 1);
    EnableWindow(check.m_hWnd, round != 1);
  }
  PumpFor(50);
  EXPECT_EQ(LiveGuiObjectsTotal(), before);
  image.SetIconImage(nullptr);
}

TEST(ColourChooserTest, CustomColoursAreStoredAfterCancel) {
  WritePrivateProfileStringA("General", "CHOOSECOLOR.lpCustColors", nullptr, "VorlixApp.ini");
  EXPECT_EQ(LoadCustomColours(), DefaultCustomColours()) << "a missing key gives the defaults";
  WritePrivateProfileStringA("General", "CHOOSECOLOR.lpCustColors", "corrupt", "VorlixApp.ini");
  EXPECT_EQ(LoadCustomColours(), DefaultCustomColours()) << "a corrupt key gives the defaults";

  Colour colour = RGB(10, 200, 30);
  bool dialogSeen = false;
  RunLater(100, [&] {
    const HWND chooser = FindOwnedDialog(nullptr);
    if (!chooser) return;
    dialogSeen = true;
    // "Add to Custom Colors" puts the current colour into a custom slot.
    SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(0x2c8, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, 0x2c8)));
    PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(ChooseColourWithCustom(nullptr, colour));
  ASSERT_TRUE(dialogSeen);
  EXPECT_EQ(colour, RGB(10, 200, 30)) << "Cancel keeps the colour";

  const CustomColours stored = LoadCustomColours();
  CustomColours expected = DefaultCustomColours();
  expected[6] = GetSysColor(COLOR_HIGHLIGHT);
  expected[7] = GetSysColor(COLOR_BTNSHADOW);
  expected[14] = GetSysColor(COLOR_HIGHLIGHTTEXT);
  expected[15] = GetSysColor(COLOR_SCROLLBAR);
  int added = 0;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == RGB(10, 200, 30)) {
      ++added;
      expected[i] = stored[i];
    }
  }
  EXPECT_EQ(added, 1) << "the colour added before Cancel is kept";
  EXPECT_EQ(stored, expected);
}

TEST(ColourChooserTest, OkReturnsTheChosenColour) {
  Colour colour = RGB(200, 100, 50);
  RunLater(100, [] {
    const HWND chooser = FindOwnedDialog(nullptr);
    if (chooser) PostMessageA(chooser, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(ChooseColourWithCustom(nullptr, colour));
  EXPECT_EQ(colour, RGB(200, 100, 50));
}

TEST(WindowHelpersTest, IconsAndFontHeights) {
  const int icons = LiveGuiObjects(GuiKind::Icon);
  for (bool large : {false, true}) {
    IconHandle icon = LoadIconSized(IDI_MESSAGE_QUESTION, large);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    BitmapHandle colour(info.hbmColor);
    BitmapHandle mask(info.hbmMask);
    BITMAP bits{};
    GetObjectA(colour.get(), sizeof bits, &bits);
    EXPECT_EQ(bits.bmWidth, GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON));
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Icon), icons);

  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  EXPECT_EQ(PointsToFontHeight(screen.get(), 8), -static_cast<int>(dpi * 8 / 72.0));
  RECT rect{-50, 10, 250, 20};
  const HWND desktop = GetDesktopWindow();
  RECT screenRect{};
  GetWindowRect(desktop, &screenRect);
  EXPECT_TRUE(MoveRectInsideWindow(rect, desktop));
  EXPECT_EQ(rect.left, screenRect.left);
  EXPECT_EQ(rect.right, screenRect.left + 300);
  EXPECT_FALSE(MoveRectInsideWindow(rect, desktop));
}

}  // namespace
