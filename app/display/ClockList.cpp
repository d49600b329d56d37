#include "ClockList.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "ClockGrid.h"
#include "ClockListStore.h"
#include "ShowFlags.h"

CClockList::CClockList(const CGlyphFontTable* fonts)
    : m_fonts(fonts),
      m_wrapWidth(320),
      m_heightLimit(kClockHeightLimit),
      m_columnLimit(kClockColumnLimit),
      m_fontId(0),
      m_selected(-1),
      m_dragging(false) {}

CClockList::~CClockList() { DestroyWindow(); }

CClockWidget* CClockList::GetClock(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return m_clocks[static_cast<std::size_t>(index)].get();
}

SIZE CClockList::CellSize() const {
  if (m_clocks.empty()) return SIZE{0, 0};
  const RECT rect = m_clocks.front()->GetWindowRect();
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

GridShape CClockList::Grid() const { return ComputeGrid(Count(), m_wrapWidth, m_columnLimit); }

int CClockList::GetIdealSize(SIZE& size) {
  const SIZE cell = CellSize();
  const GridShape grid = Grid();
  size.cx = cell.cx * grid.columns;
  size.cy = cell.cy * grid.rows;
  return size.cx * size.cy;
}

void CClockList::Notify(UINT code, int32_t width, int32_t height) {
  ClockListNotify notify{};
  notify.header.hwndFrom = m_hWnd;
  notify.header.idFrom = static_cast<UINT_PTR>(GetId());
  notify.header.code = code;
  notify.selected = m_selected;
  notify.width = width;
  notify.height = height;
  SendMessageA(GetParent(m_hWnd), WM_NOTIFY, notify.header.idFrom,
               reinterpret_cast<LPARAM>(&notify));
}

void CClockList::Arrange() {
  const RECT before = GetClientRect();
  const int n = Count();
  const SIZE cell = CellSize();
  const GridShape grid = Grid();
  if (n > 0) {
    SetWindowPos(m_hWnd, nullptr, 0, 0, cell.cx * grid.columns, cell.cy * grid.rows,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  for (int i = 0; i < n; ++i) {
    CClockWidget& clock = *m_clocks[static_cast<std::size_t>(i)];
    if (i != m_selected && clock.IsHighlighted()) clock.SetHighlight(false);
    const POINT place{(i % grid.columns) * cell.cx, (i / grid.columns) * cell.cy};
    const RECT at = clock.GetRectInParent();
    if (at.left != place.x || at.top != place.y) {
      SetWindowPos(clock.m_hWnd, nullptr, place.x, place.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
  }
  const RECT after = GetClientRect();
  if (after.right != before.right || after.bottom != before.bottom) {
    Notify(CLN_SIZECHANGED, after.right, after.bottom);
  }
}

void CClockList::SetWrapWidth(int width) {
  m_wrapWidth = width;
  if (m_hWnd) Arrange();
}

int CClockList::HitTest(int x, int y) const {
  const SIZE cell = CellSize();
  return HitTestGrid(Grid(), Count(), cell.cx, cell.cy, x, y);
}

bool CClockList::Select(int index) {
  if (m_clocks.empty()) return false;
  if (CClockWidget* previous = GetClock(m_selected)) previous->SetHighlight(false);
  if (index >= 0 && index < Count()) {
    m_selected = index;
    GetClock(index)->SetHighlight(true);
  } else {
    m_selected = -1;
  }
  Notify(CLN_SELECTIONCHANGED, 0, 0);
  return m_selected != -1;
}

bool CClockList::SelectClock(const CClockWidget* clock) {
  for (int i = 0; i < Count(); ++i) {
    if (GetClock(i) == clock) return Select(i);
  }
  return false;
}

bool CClockList::SelectAt(int x, int y) { return Select(HitTest(x, y)); }

bool CClockList::SelectNext() { return Select(SelectionNext(m_selected, Count())); }

bool CClockList::SelectPrevious() { return Select(SelectionPrevious(m_selected, Count())); }

bool CClockList::SelectUp() { return Select(SelectionUp(m_selected, Grid().columns)); }

bool CClockList::SelectDown() {
  if (m_selected < 0) return false;
  return Select(SelectionDown(m_selected, Grid().columns, Count()));
}

bool CClockList::CanAdd() const {
  return CanAddClock(Grid(), Count(), CellSize().cx, m_heightLimit);
}

void CClockList::RenumberIds() {
  for (int i = 0; i < Count(); ++i) {
    if (GetClock(i)->GetId() != i + 1) GetClock(i)->SetId(i + 1);
  }
}

CClockWidget* CClockList::InsertClock(int position) {
  if (!CanAdd()) return nullptr;
  Select(-1);
  CClockWidget* added = AddClock(position);
  if (!added) return nullptr;
  TickAll(false);
  Arrange();
  SelectClock(added);
  added->Invalidate(true);
  return added;
}

CClockWidget* CClockList::AddClock(int position) {
  if (!CanAdd()) return nullptr;
  auto clock = std::make_unique<CClockWidget>();
  if (!m_clocks.empty()) {
    if (!clock->CreateLike(*m_clocks.front(), false)) return nullptr;
  } else {
    if (!clock->Create(WS_CHILD | WS_CLIPSIBLINGS, RECT{-1000, -1000, 1, 1}, m_hWnd, 0)) {
      return nullptr;
    }
    clock->Layout(false);
  }
  CClockWidget* added = clock.get();
  if (position >= 0 && position < Count()) {
    m_clocks.insert(m_clocks.begin() + position, std::move(clock));
  } else {
    m_clocks.push_back(std::move(clock));
  }
  RenumberIds();
  added->SetZone(0);
  ShowWindow(added->m_hWnd, SW_SHOWNA);
  return added;
}

void CClockList::DeleteClock(int index) {
  if (index < 0 || index >= Count() || Count() < 2) return;
  if (index == m_selected) GetClock(index)->SetHighlight(false);
  m_clocks.erase(m_clocks.begin() + index);  // destroys the clock and its window
  if (m_selected >= Count()) m_selected = -1;
  Select(m_selected);
  Arrange();
}

void CClockList::TickAll(bool force) {
  for (const auto& clock : m_clocks) clock->Tick(force);
}

void CClockList::OnClockDragStart() { m_dragging = true; }

bool CClockList::IsClockBeingDragged() const { return m_dragging; }

void CClockList::OnClockDropped(int clockId) {
  m_dragging = false;
  const int from = clockId - 1;
  if (from >= 0 && from < Count()) {
    const RECT rect = GetClock(from)->GetRectInParent();
    const SIZE cell = CellSize();
    const int to = DropIndex(Grid(), Count(), cell.cx, cell.cy, from, rect.left + cell.cx / 2,
                             rect.top + cell.cy / 2);
    if (to != from) {
      std::unique_ptr<CClockWidget> moved = std::move(m_clocks[static_cast<std::size_t>(from)]);
      m_clocks.erase(m_clocks.begin() + from);
      m_clocks.insert(m_clocks.begin() + to, std::move(moved));
    }
  }
  Arrange();
  RenumberIds();
  TickAll(true);
}

uint32_t CClockList::GetFlags() const {
  return m_clocks.empty() ? 0 : m_clocks.front()->GetFlags();
}

uint32_t CClockList::ToggleFlags(uint32_t mask) {
  const uint32_t flags = ToggledShowFlags(GetFlags(), mask);
  for (const auto& clock : m_clocks) clock->SetFlags(flags);
  Arrange();
  return mask & GetFlags();
}

std::string CClockList::GetDateFormat() const {
  return m_clocks.empty() ? std::string() : m_clocks.front()->GetDateFormat();
}

void CClockList::SetDateFormat(const char* format) {
  for (const auto& clock : m_clocks) clock->SetDateFormat(format);
}

void CClockList::GetDateZoneFont(std::string& face, double& points, int& weight) const {
  if (m_clocks.empty()) {
    face.clear();
    points = 0.0;
    weight = 0;
    return;
  }
  m_clocks.front()->GetDateZoneFont(face, points, weight);
}

void CClockList::SetDateZoneFont(const char* face, double points, int weight) {
  for (const auto& clock : m_clocks) clock->SetDateZoneFont(face, points, weight);
  Arrange();
}

int CClockList::GetDiameter() const {
  return m_clocks.empty() ? -1 : m_clocks.front()->GetDiameter();
}

void CClockList::SetDiameter(int pixels) {
  for (const auto& clock : m_clocks) clock->SetDiameter(pixels);
  Arrange();
}

void CClockList::GetColours(Colour& line, Colour& face) const {
  line = m_clocks.empty() ? kDefaultLineColour : m_clocks.front()->LineColour();
  face = m_clocks.empty() ? kDefaultFaceColour : m_clocks.front()->FaceColour();
}

void CClockList::SetLineColour(Colour line) {
  for (const auto& clock : m_clocks) clock->SetColours(line, clock->FaceColour());
}

void CClockList::SetFaceColour(Colour face) {
  for (const auto& clock : m_clocks) clock->SetColours(clock->LineColour(), face);
}

void CClockList::SetGlyphFont(int fontId) {
  const CGlyphFont* font = m_fonts ? m_fonts->FindFontById(fontId) : nullptr;
  m_fontId = fontId;
  const HBITMAP strip = font ? font->GetStrip() : nullptr;
  for (const auto& clock : m_clocks) clock->SetDigitalFont(strip);
  Arrange();
}

LRESULT CClockList::OnDisplayChange(WPARAM wParam, LPARAM lParam) {
  SetGlyphFont(m_fontId);
  return CDisplayWidget::OnDisplayChange(wParam, lParam);
}

void CClockList::Load(const char* file, const char* section) {
  const ClockListOptions options = ReadClockListOptions(file, section);
  const CGlyphFont* font =
      m_fonts ? m_fonts->FindFontBySource(options.digitalFont, &m_fontId) : nullptr;
  if (!m_fonts) m_fontId = -1;
  const HBITMAP strip = font ? font->GetStrip() : nullptr;
  Select(-1);
  ClockEntry previous;
  for (int i = 0; i < options.zones; ++i) {
    CClockWidget* clock = GetClock(i);
    if (clock) {
      // A clock made below copies the look of the first, which has the
      // shared options by then.
      clock->SetFlags(options.flags);
      clock->SetDiameter(options.diameter);
      clock->SetDigitalFont(strip);
      clock->SetDateZoneFont(options.fontFace.c_str(), options.fontSize, options.fontWeight);
      clock->SetDateFormat(options.dateFormat.c_str());
    } else {
      clock = AddClock(i);
      if (!clock) break;  // the list is full
    }
    const ClockEntry entry = ReadClockEntry(file, section, i, previous);
    previous = entry;
    clock->SetZone(entry.zone);
    if (!entry.name.empty()) clock->SetZoneText(entry.name.c_str());
    clock->SetColours(entry.line, entry.face);
  }
  TickAll(false);
  Arrange();
  Select(-1);
}

void CClockList::Save(const char* file, const char* section) const {
  ClockListOptions options;
  options.zones = Count();
  if (const CClockWidget* first = GetClock(0)) {
    options.flags = first->GetFlags();
    options.diameter = first->GetDiameter();
    first->GetDateZoneFont(options.fontFace, options.fontSize, options.fontWeight);
    options.dateFormat = first->GetDateFormat();
  }
  options.digitalFont = m_fonts ? m_fonts->GetFontSource(m_fontId) : std::string();
  std::vector<ClockEntry> entries;
  for (const auto& clock : m_clocks) {
    ClockEntry entry;
    entry.zone = clock->GetZone();
    entry.face = clock->FaceColour();
    entry.line = clock->LineColour();
    entry.name = clock->GetZoneName();
    entries.push_back(entry);
  }
  WriteClockList(file, section, options, entries);
}

LRESULT CClockList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (CDisplayWidget::WindowProc(message, wParam, lParam) == -1) return -1;
      SetTimer(m_hWnd, kClockTimerId, kClockTimerPeriod, nullptr);
      InsertClock(0);
      return 0;
    case WM_TIMER:
      TickAll(false);
      return 0;
    case WM_DESTROY:
      KillTimer(m_hWnd, kClockTimerId);
      return CDisplayWidget::WindowProc(message, wParam, lParam);
    case WM_LBUTTONDOWN:
      SelectAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_NCHITTEST: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(m_hWnd, &point);
      if (HitTest(point.x, point.y) < 0) return HTTRANSPARENT;
      return CallDefault(message, wParam, lParam);
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == DWN_BEGINMOVE) {
        OnClockDragStart();
        return 0;
      }
      if (header->code == DWN_ENDMOVE) {
        OnClockDropped(static_cast<int>(header->idFrom));
        return 0;
      }
      return CDisplayWidget::WindowProc(message, wParam, lParam);
    }
    default:
      return CDisplayWidget::WindowProc(message, wParam, lParam);
  }
}
