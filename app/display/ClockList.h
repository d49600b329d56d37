// CClockList: the user's clocks in a grid of rows of at most six, in the
// user's order. It owns the clocks, keeps one selected, ticks them every
// 250 ms, applies the shared view options to all of them, re-orders them when
// one is dropped elsewhere after a Ctrl-move, and loads and saves them.
//
// The parent hears of changes through WM_NOTIFY (ClockListNotify): 100 after
// every selection, 101 when the list's size changed.
#ifndef APP_DISPLAY_CLOCKLIST_H
#define APP_DISPLAY_CLOCKLIST_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ClockGrid.h"
#include "ClockWidget.h"
#include "DisplayWidget.h"
#include "GlyphFontTable.h"
#include "SmallHelpers.h"

constexpr UINT CLN_SELECTIONCHANGED = 100;
constexpr UINT CLN_SIZECHANGED = 101;
constexpr UINT_PTR kClockTimerId = 100;
constexpr UINT kClockTimerPeriod = 250;

struct ClockListNotify {
  NMHDR header;
  int32_t selected;
  int32_t width;   // new client width (101), else 0
  int32_t height;  // new client height (101), else 0
};

class CClockList : public CDisplayWidget {
 public:
  // fonts: the application's glyph-font table (none: every clock shows the
  // fallback strip).
  explicit CClockList(const CGlyphFontTable* fonts = nullptr);
  ~CClockList() override;

  // Re-orders after a Ctrl-move of the clock with control id clockId.
  virtual void OnClockDropped(int clockId);
  // Notes that a Ctrl-move of a clock began.
  virtual void OnClockDragStart();
  virtual bool IsClockBeingDragged() const;
  int GetIdealSize(SIZE& size) override;
  // Applies the glyph font again (for the new colour depth), then passes the
  // change on.
  LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam) override;

  int Count() const { return static_cast<int>(m_clocks.size()); }
  CClockWidget* GetClock(int index) const;
  CClockWidget* SelectedClock() const { return GetClock(m_selected); }
  int Selected() const { return m_selected; }
  bool Select(int index);
  bool SelectClock(const CClockWidget* clock);
  bool SelectAt(int x, int y);
  bool SelectNext();
  bool SelectPrevious();
  bool SelectUp();
  bool SelectDown();
  // The index of the clock at a client point, or -1.
  int HitTest(int x, int y) const;

  // A new clock before position (appended when position is not a clock's);
  // none when the list is full.
  CClockWidget* InsertClock(int position);
  // Removes a clock, never the last one.
  void DeleteClock(int index);
  bool CanAdd() const;
  void Arrange();
  void SetWrapWidth(int width);
  int GetWrapWidth() const { return m_wrapWidth; }
  void TickAll(bool force);

  void Load(const char* file, const char* section);
  void Save(const char* file, const char* section) const;

  uint32_t GetFlags() const;
  bool TestFlags(uint32_t mask) const { return (GetFlags() & mask) != 0; }
  // Switches option bits on or off on every clock; returns mask & new flags.
  uint32_t ToggleFlags(uint32_t mask);
  std::string GetDateFormat() const;
  void SetDateFormat(const char* format);
  void GetDateZoneFont(std::string& face, double& points, int& weight) const;
  void SetDateZoneFont(const char* face, double points, int weight);
  int GetDiameter() const;
  void SetDiameter(int pixels);
  void GetColours(Colour& line, Colour& face) const;
  void SetLineColour(Colour line);
  void SetFaceColour(Colour face);
  void SetGlyphFont(int fontId);
  int GetGlyphFont() const { return m_fontId; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Notify(UINT code, int32_t width, int32_t height);
  void RenumberIds();
  // InsertClock without arranging, ticking or selecting: a new clock with
  // the look of the first, shown, before position.
  CClockWidget* AddClock(int position);
  SIZE CellSize() const;
  GridShape Grid() const;

  const CGlyphFontTable* m_fonts;
  int m_wrapWidth;
  int m_heightLimit;
  int m_columnLimit;
  int m_fontId;
  std::vector<std::unique_ptr<CClockWidget>> m_clocks;
  int m_selected;
  bool m_dragging;
};

#endif
