// CClockWidget: one clock: up to four stacked parts (analog face, digital
// time, date line, zone button) showing one zone's time, as the flag word
// says. The clock list ticks it four times a second; it redraws only when the
// second it shows or the daylight-saving state changes.
#ifndef APP_DISPLAY_CLOCKWIDGET_H
#define APP_DISPLAY_CLOCKWIDGET_H

#include <cstdint>
#include <string>

#include "AnalogFace.h"
#include "DisplayWidget.h"
#include "FlatButton.h"
#include "GlyphDisplay.h"
#include "SmallHelpers.h"
#include "TipStatic.h"
#include "Tzbase.h"

constexpr int kDateLineId = 100;
constexpr int kZoneButtonId = 101;

class CClockWidget : public CDisplayWidget {
 public:
  // Opens the time zone chooser for a clock; the application installs it.
  using ZoneChooserOpener = void (*)(CClockWidget& clock);
  static void SetZoneChooserOpener(ZoneChooserOpener opener);

  CClockWidget();
  ~CClockWidget() override;

  virtual void SetHighlight(bool on);
  virtual bool IsHighlighted() const;
  // "Belfast, U.K.: UTC +1:00 (DST)": the tooltip of the clock and its parts.
  virtual std::string GetZoneText();
  int GetIdealSize(SIZE& size) override;
  // The same text on the clock and on each of its four parts.
  void SetTooltipText(const char* text) override;

  // Ignored for an index outside the zone table.
  void SetZone(int index);
  // A non-empty name becomes the zone's name; then the button and tooltips
  // are rebuilt.
  void SetZoneText(const char* name);
  void SetFlags(uint32_t flags);
  void SetDiameter(int pixels);
  void SetColours(Colour line, Colour face);
  // Null: "%a, %b %#d".
  void SetDateFormat(const char* format);
  // Leaves everything as it was when the font cannot be made.
  void SetDateZoneFont(const char* face, double points, int weight);
  void GetDateZoneFont(std::string& face, double& points, int& weight) const;
  // Null: the built-in fallback strip. The clock's display keeps a copy.
  void SetDigitalFont(HBITMAP strip);
  void Tick(bool force);
  // Creates this clock's window with the look of source, as its next sibling.
  bool CreateLike(const CClockWidget& source, bool show);
  // Arranges the parts and sizes the clock; with measure only reports.
  SIZE Layout(bool measure);

  uint32_t GetFlags() const { return m_flags; }
  int GetDiameter() const { return m_diameter; }
  Colour LineColour() const { return m_lineColour; }
  Colour FaceColour() const { return m_faceColour; }
  const std::string& GetDateFormat() const { return m_dateFormat; }
  const std::string& GetTimeFormat() const { return m_timeFormat; }
  int GetTimeLength() const { return m_timeLength; }
  int GetZone() const { return m_zoneIndex; }
  const std::string& GetZoneName() const { return m_zoneName; }
  const std::string& GetZoneLabel() const { return m_zoneLabel; }
  int32_t CurrentOffset() const { return m_currentOffset; }
  int TextHeight() const { return m_textHeight; }

  CAnalogFace& Face() { return m_face; }
  CGlyphDisplay& Digital() { return m_digital; }
  CTipStatic& DateLine() { return m_dateLine; }
  CFlatButton& ZoneButton() { return m_zoneButton; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool OnCreate();
  void OnCommand(int id, int code);
  void RebuildTimeFormat();
  void ShowInstant(int32_t zoneLocal, bool dst);
  void DrawFrame(HDC dc, bool highlighted);
  void RepaintFrame(bool highlighted);
  static void SetTextIfChanged(HWND window, const std::string& text);
  // Gives the date line and zone button font, whose text is textHeight high.
  void UseDateZoneFont(FontHandle font, int textHeight);

  CAnalogFace m_face;
  CGlyphDisplay m_digital;
  CTipStatic m_dateLine;
  CFlatButton m_zoneButton;

  uint32_t m_flags;
  int m_diameter;
  Colour m_lineColour;
  Colour m_faceColour;
  std::string m_timeFormat;
  int m_timeLength;
  std::string m_dateFormat;
  std::string m_fontFace;
  double m_fontPoints;
  int m_fontWeight;
  FontHandle m_font;
  int m_textHeight;
  int m_zoneIndex;
  const TB_Zone* m_zone;
  std::string m_zoneName;
  std::string m_zoneLabel;
  int32_t m_currentOffset;
  int32_t m_lastShown;
  bool m_lastDst;
  bool m_highlighted;
  // While CreateLike makes the window: the clock whose strip and font the
  // new parts take, instead of making their own.
  const CClockWidget* m_lookSource;
};

#endif
