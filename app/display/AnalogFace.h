// CAnalogFace: the round face of a clock: dial, ticks, hands, an optional
// second hand and shadow, a mark at twelve and a "DST" mark. Every drawing
// makes the whole face off screen and copies it in one step, so the hands
// never flicker.
#ifndef APP_DISPLAY_ANALOGFACE_H
#define APP_DISPLAY_ANALOGFACE_H

#include "DisplayWidget.h"
#include "SmallHelpers.h"

class CAnalogFace : public CDisplayWidget {
 public:
  CAnalogFace();
  ~CAnalogFace() override;

  // Repaints at once unless both colours are the ones it has.
  void SetColours(Colour line, Colour face);
  // Bit 0 filled face, bit 1 second hand, bit 2 shadows.
  void SetStyle(unsigned style);
  void SetTime(int hour, int minute, int second, bool dst);
  int GetIdealSize(SIZE& size) override;
  LRESULT OnDisplayChange(WPARAM bitsPerPixel, LPARAM lParam) override;

  unsigned Style() const { return m_style; }
  Colour LineColour() const { return m_lineColour; }
  Colour FaceColour() const { return m_faceColour; }
  Colour SecondHandColour() const { return m_secondColour; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MakeMarks();
  // Makes the off-screen bitmap, compatible with like, when there is none
  // or it is too small.
  void PrepareOffscreen(HDC like);
  void DrawFace(int width, int height);
  void DrawDial(HDC dc, int width, int height);
  void DrawMark(HDC dc, HBITMAP mark, int x, int y, int width, int height, Colour background);
  void DrawHands(HDC dc, int width, int height, Colour line, Colour second);
  // With 8 or fewer bits per pixel colours are palette-relative.
  COLORREF ScreenColour(Colour colour) const;
  // Draws the whole face on dc.
  void Redraw(HDC dc);
  void Paint();
  // A new time is drawn at once rather than through the paint cycle: each
  // face changes every second, and a paint cycle costs several times more.
  void DrawNow();
  void ReleaseOffscreen();

  BitmapHandle m_twelveMark;
  BitmapHandle m_dstMark;
  MemoryDc m_markDc;  // the marks are copied from here
  MemoryDc m_offscreenDc;
  BitmapHandle m_offscreen;
  HGDIOBJ m_previousBitmap;
  unsigned char m_style;
  Colour m_lineColour;
  Colour m_secondColour;
  Colour m_faceColour;
  int m_hour;
  int m_minute;
  int m_second;
  bool m_dst;
  int m_offscreenDepth;
};

#endif
