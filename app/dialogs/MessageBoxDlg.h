// CMessageBoxDlg: the program's message box, a draggable dialog with an
// optional icon, a text of any number of lines and rows of flat push buttons
// whose captions the caller gives as one string ("&Yes|&No|&Minimize"). The
// caller gets the index of the chosen button. Opened through
// CDraggableDlg::ShowMessage.
#ifndef APP_DIALOGS_MESSAGEBOXDLG_H
#define APP_DIALOGS_MESSAGEBOXDLG_H

#include <memory>
#include <string>
#include <vector>

#include "DraggableDlg.h"
#include "FlatButton.h"

// The captions of a label string, in order; a caption holding a line feed is
// a row break ("\n" in the result) and makes no button. Only the first 255
// characters count, empty captions are skipped and at most 100 are taken;
// an empty string gives "&OK".
std::vector<std::string> SplitButtonLabels(const char* labels);

class CMessageBoxDlg : public CDraggableDlg {
 public:
  static constexpr int kMaxLabelChars = 255;
  static constexpr int kMaxCaptions = 100;

  // A null title shows no title strip.
  CMessageBoxDlg(HWND owner, const char* text, const char* title, int iconKind, const char* labels,
                 int cancelIndex, int defaultIndex);

  // The chosen button's index, the cancel index, or -1 before a choice.
  int Result() const { return m_result; }
  size_t ButtonCount() const { return m_buttons.size(); }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PlaceIcon(const RECT& content);
  SIZE MeasureText();
  void CentreOnOwner();

  std::string m_text;
  std::string m_labels;
  int m_iconKind;
  int m_result = -1;
  int m_cancelIndex;
  int m_defaultIndex;
  CWnd m_textLabel;
  std::vector<std::unique_ptr<CFlatButton>> m_buttons;
};

#endif
