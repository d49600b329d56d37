#include "MessageBoxDlg.h"

#include <algorithm>

#include "Resources.h"
#include "WindowHelpers.h"

namespace {

constexpr int kMargin = 16;
constexpr int kTextTop = 48;
constexpr int kButtonsBelowText = 32;
constexpr int kGap = 4;

int IconResourceOfKind(int kind) {
  switch (kind) {
    case 1:
      return IDI_MESSAGE_INFORMATION;
    case 2:
      return IDI_MESSAGE_WARNING;
    case 3:
      return IDI_MESSAGE_ERROR;
    case 4:
      return IDI_MESSAGE_QUESTION;
    case 5:
      return IDI_MESSAGE_STORM;
    default:
      return 0;
  }
}

int RowWidth(int buttons, int buttonWidth) { return buttons * (buttonWidth + kGap) - kGap; }

}  // namespace

std::vector<std::string> SplitButtonLabels(const char* labels) {
  std::string text = labels ? labels : "";
  if (text.size() > CMessageBoxDlg::kMaxLabelChars) text.resize(CMessageBoxDlg::kMaxLabelChars);
  if (text.empty()) text = "&OK";
  std::vector<std::string> captions;
  size_t start = 0;
  while (start <= text.size() && captions.size() < CMessageBoxDlg::kMaxCaptions) {
    size_t bar = text.find('|', start);
    if (bar == std::string::npos) bar = text.size();
    std::string caption = text.substr(start, bar - start);
    if (!caption.empty()) {
      captions.push_back(caption.find('\n') != std::string::npos ? "\n" : caption);
    }
    start = bar + 1;
  }
  return captions;
}

CMessageBoxDlg::CMessageBoxDlg(HWND owner, const char* text, const char* title, int iconKind,
                               const char* labels, int cancelIndex, int defaultIndex)
    : CDraggableDlg(IDD_MESSAGE_BOX, owner),
      m_text(text ? text : ""),
      m_labels(labels ? labels : ""),
      m_iconKind(iconKind),
      m_cancelIndex(cancelIndex),
      m_defaultIndex(defaultIndex) {
  if (title) SetTitle(title);
}

SIZE CMessageBoxDlg::MeasureText() {
  WindowDc dc(m_hWnd);
  SelectScope font(dc.get(), GetFont());
  RECT measured{0, 0, 0, 0};
  if (!m_text.empty()) {
    DrawTextA(dc.get(), m_text.c_str(), -1, &measured, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
  }
  return SIZE{measured.right - measured.left, measured.bottom - measured.top};
}

void CMessageBoxDlg::PlaceIcon(const RECT& content) {
  const HWND iconControl = GetDlgItem(IDC_MESSAGE_ICON);
  const int resource = IconResourceOfKind(m_iconKind);
  if (!resource) {
    ShowWindow(iconControl, SW_HIDE);
    return;
  }
  const int size = GetSystemMetrics(SM_CXSMICON);
  const auto icon = static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), IMAGE_ICON, size, size, LR_SHARED));
  // The template's control held no image, so nothing comes back to free; a
  // shared icon belongs to the platform.
  SendMessageA(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  SetWindowPos(iconControl, nullptr, content.left + kMargin, content.top + kMargin, 16, 16,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMessageBoxDlg::CentreOnOwner() {
  RECT window = GetWindowRect();
  const HWND owner = GetOwner();
  RECT around = WorkArea();
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) ::GetWindowRect(owner, &around);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  window.left = around.left + ((around.right - around.left) - width) / 2;
  window.top = around.top + ((around.bottom - around.top) - height) / 2;
  window.right = window.left + width;
  window.bottom = window.top + height;
  MoveRectInside(window, WorkArea());
  SetWindowPos(m_hWnd, nullptr, window.left, window.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CMessageBoxDlg::OnInitDialog() {
  CDraggableDlg::OnInitDialog();
  SetDialogOptions(GetTitle().empty() ? 0xB3 : 0xF3);
  RECT content{};
  GetContentRect(content);
  const SIZE text = MeasureText();
  PlaceIcon(content);

  m_textLabel.CreateEx(WS_EX_TRANSPARENT, "STATIC", m_text.c_str(),
                       WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                       RECT{content.left + kMargin, content.top + kTextTop,
                            content.left + kMargin + text.cx, content.top + kTextTop + text.cy},
                       m_hWnd, IDC_MESSAGE_TEXT);
  m_textLabel.SetFont(GetFont(), false);

  int clientWidth = content.left + text.cx + 2 * kMargin;
  const int clientHeight = content.top + text.cy + kTextTop;

  // Every button takes the size of the template's OK button.
  const HWND templateButton = GetDlgItem(IDOK);
  RECT sample{};
  ::GetWindowRect(templateButton, &sample);
  const int buttonWidth = sample.right - sample.left;
  const int buttonHeight = sample.bottom - sample.top;
  ::DestroyWindow(templateButton);

  const std::vector<std::string> captions = SplitButtonLabels(m_labels.c_str());
  std::vector<int> rowCounts(1, 0);
  for (const std::string& caption : captions) {
    if (caption == "\n") {
      rowCounts.push_back(0);
    } else {
      ++rowCounts.back();
    }
  }
  const int widest = *std::max_element(rowCounts.begin(), rowCounts.end());
  clientWidth = std::max(clientWidth, RowWidth(widest, buttonWidth) + 2 * kMargin);

  int y = clientHeight + kButtonsBelowText;
  size_t row = 0;
  int x = clientWidth / 2 - RowWidth(rowCounts[row], buttonWidth) / 2;
  const HFONT font = GetFont();
  for (const std::string& caption : captions) {
    if (caption == "\n") {
      y += buttonHeight + kGap;
      ++row;
      x = clientWidth / 2 - RowWidth(rowCounts[row], buttonWidth) / 2;
      continue;
    }
    const int index = static_cast<int>(m_buttons.size());
    auto button = std::make_unique<CFlatButton>();
    button->CreateEx(0, "BUTTON", caption.c_str(),
                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                     RECT{x, y, x + buttonWidth, y + buttonHeight}, m_hWnd,
                     static_cast<UINT>(IDC_MESSAGE_FIRST_BUTTON + index));
    button->SetFont(font, false);
    button->SetOptions(0);
    m_buttons.push_back(std::move(button));
    x += buttonWidth + kGap;
  }
  const int finalHeight = y + buttonHeight + kMargin;

  RECT window{0, 0, clientWidth, finalHeight};
  AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
  SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The box rolls up from its real height, not the template's.
  m_fullHeight = window.bottom - window.top;
  LayoutDecorations();
  CentreOnOwner();

  if (!m_buttons.empty()) {
    const bool named = m_defaultIndex >= 0 && m_defaultIndex < static_cast<int>(m_buttons.size());
    SetFocus(m_buttons[named ? static_cast<size_t>(m_defaultIndex) : 0]->m_hWnd);
  }
  return FALSE;  // the focus is set
}

bool CMessageBoxDlg::OnCommand(int id, int code, HWND control) {
  const int index = id - IDC_MESSAGE_FIRST_BUTTON;
  if (code == BN_CLICKED && index >= 0 && index <= 100) {
    m_result = index;
    if (GetDialogOptions() & kRollBeforeClose) Roll(false);
    EndDialog(IDOK);
    return true;
  }
  return CDraggableDlg::OnCommand(id, code, control);
}

void CMessageBoxDlg::OnOK() {
  // Enter: the focused button, or 0 when no button of the box has the focus.
  const HWND focus = ::GetFocus();
  m_result = 0;
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    if (m_buttons[i]->m_hWnd == focus) m_result = static_cast<int>(i);
  }
  CDraggableDlg::OnOK();
}

void CMessageBoxDlg::OnCancel() {
  m_result = m_cancelIndex;
  CDraggableDlg::OnCancel();
}

LRESULT CMessageBoxDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == m_textLabel.m_hWnd) {
    const LRESULT brush = CDraggableDlg::WindowProc(message, wParam, lParam);
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return brush;
  }
  return CDraggableDlg::WindowProc(message, wParam, lParam);
}
