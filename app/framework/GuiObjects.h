// RAII owners for GDI and USER objects, with live counts.
//
// Every font, bitmap, brush, pen, region, palette, icon, window and device
// context the program makes belongs to exactly one owner from this file; the
// owner frees it when it goes out of scope or is reset. Each kind keeps a
// count of the objects its owners hold, so tests can assert that a piece of
// work returns every count to where it started (GetGuiResources answers 0
// under Wine and so cannot show a leak).
//
//   FontHandle font(CreateFontIndirectA(&lf));   // counted, freed at scope end
//   SelectScope keep(dc, font.get());             // restored at scope end
//   LiveGuiObjects(GuiKind::Font)                 // how many fonts are alive
//
// Release() hands the object to a window that keeps it (a tooltip keeps its
// font): the object stays counted until whoever frees it adopts it again with
// Adopt(), whose owner then frees it and lowers the count.
#ifndef APP_FRAMEWORK_GUIOBJECTS_H
#define APP_FRAMEWORK_GUIOBJECTS_H

#include <windows.h>

#include <utility>

enum class GuiKind {
  Font,
  Bitmap,
  Brush,
  Pen,
  Region,
  Palette,
  Icon,
  Window,
  DeviceContext,
  Count
};

// Objects of that kind currently held by owners (or released and not yet
// adopted back).
int LiveGuiObjects(GuiKind kind);
// The sum over every kind.
int LiveGuiObjectsTotal();

namespace gui_detail {
void Count(GuiKind kind, int delta);
}

// A move-only owner. Traits give the handle type, its kind and how to free it.
template <typename Traits>
class ScopedGuiObject {
 public:
  using Handle = typename Traits::Handle;

  ScopedGuiObject() = default;
  explicit ScopedGuiObject(Handle handle) : m_handle(handle) {
    if (m_handle) gui_detail::Count(Traits::kKind, +1);
  }
  ~ScopedGuiObject() { Reset(); }
  ScopedGuiObject(ScopedGuiObject&& other) noexcept : m_handle(other.m_handle) {
    other.m_handle = nullptr;
  }
  ScopedGuiObject& operator=(ScopedGuiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      m_handle = other.m_handle;
      other.m_handle = nullptr;
    }
    return *this;
  }
  ScopedGuiObject(const ScopedGuiObject&) = delete;
  ScopedGuiObject& operator=(const ScopedGuiObject&) = delete;

  // Takes over an object that an owner released earlier (already counted).
  static ScopedGuiObject Adopt(Handle handle) {
    ScopedGuiObject owner;
    owner.m_handle = handle;
    return owner;
  }

  Handle get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }

  // Frees the current object and takes the new one.
  void Reset(Handle handle = nullptr) {
    if (m_handle == handle) return;
    if (m_handle) {
      Traits::Free(m_handle);
      gui_detail::Count(Traits::kKind, -1);
    }
    m_handle = handle;
    if (m_handle) gui_detail::Count(Traits::kKind, +1);
  }

  // Gives the object away without freeing it; it stays counted until adopted.
  Handle Release() {
    Handle handle = m_handle;
    m_handle = nullptr;
    return handle;
  }

  // Forgets an object that was freed behind the owner's back (a window the
  // platform destroyed with its parent or owner).
  void Forget() {
    if (m_handle) gui_detail::Count(Traits::kKind, -1);
    m_handle = nullptr;
  }

 private:
  Handle m_handle = nullptr;
};

template <typename H, GuiKind K>
struct GdiObjectTraits {
  using Handle = H;
  static constexpr GuiKind kKind = K;
  static void Free(H handle) { DeleteObject(handle); }
};

struct IconTraits {
  using Handle = HICON;
  static constexpr GuiKind kKind = GuiKind::Icon;
  static void Free(HICON icon) { DestroyIcon(icon); }
};

struct WindowTraits {
  using Handle = HWND;
  static constexpr GuiKind kKind = GuiKind::Window;
  static void Free(HWND window) {
    if (IsWindow(window)) DestroyWindow(window);
  }
};

struct MemoryDcTraits {
  using Handle = HDC;
  static constexpr GuiKind kKind = GuiKind::DeviceContext;
  static void Free(HDC dc) { DeleteDC(dc); }
};

using FontHandle = ScopedGuiObject<GdiObjectTraits<HFONT, GuiKind::Font>>;
using BitmapHandle = ScopedGuiObject<GdiObjectTraits<HBITMAP, GuiKind::Bitmap>>;
using BrushHandle = ScopedGuiObject<GdiObjectTraits<HBRUSH, GuiKind::Brush>>;
using PenHandle = ScopedGuiObject<GdiObjectTraits<HPEN, GuiKind::Pen>>;
using RegionHandle = ScopedGuiObject<GdiObjectTraits<HRGN, GuiKind::Region>>;
using PaletteHandle = ScopedGuiObject<GdiObjectTraits<HPALETTE, GuiKind::Palette>>;
// Only for icons the program made or loaded unshared; shared icons belong to
// the platform.
using IconHandle = ScopedGuiObject<IconTraits>;
using WindowHandle = ScopedGuiObject<WindowTraits>;
using MemoryDc = ScopedGuiObject<MemoryDcTraits>;

// Selects an object into a device context and puts the previous one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object)
      : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectScope() {
    if (m_previous) SelectObject(m_dc, m_previous);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// A window's device context from GetDC, released at scope end.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {
    if (m_dc) gui_detail::Count(GuiKind::DeviceContext, +1);
  }
  ~WindowDc() {
    if (m_dc) {
      ReleaseDC(m_window, m_dc);
      gui_detail::Count(GuiKind::DeviceContext, -1);
    }
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};

// BeginPaint ... EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
  ~PaintDc() { EndPaint(m_window, &m_paint); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return m_dc; }
  const PAINTSTRUCT& paint() const { return m_paint; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc;
};

// Keeps a device context's text and background colours and background mode,
// and restores them at scope end.
class DcColoursScope {
 public:
  explicit DcColoursScope(HDC dc)
      : m_dc(dc), m_text(GetTextColor(dc)), m_back(GetBkColor(dc)), m_mode(GetBkMode(dc)) {}
  ~DcColoursScope() {
    SetTextColor(m_dc, m_text);
    SetBkColor(m_dc, m_back);
    SetBkMode(m_dc, m_mode);
  }
  DcColoursScope(const DcColoursScope&) = delete;
  DcColoursScope& operator=(const DcColoursScope&) = delete;

 private:
  HDC m_dc;
  COLORREF m_text;
  COLORREF m_back;
  int m_mode;
};

#endif
