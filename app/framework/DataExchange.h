// Data exchange between a dialog's controls and its members.
//
// CDialog::UpdateData builds a CDataExchange and calls DoDataExchange, which
// calls the exchange functions field by field. Reading from the controls, the
// first invalid value tells the user (a message box with the exclamation
// icon), puts the focus on the offending control with its text selected and
// stops the exchange: every later call does nothing and UpdateData answers
// false.
#ifndef APP_FRAMEWORK_DATAEXCHANGE_H
#define APP_FRAMEWORK_DATAEXCHANGE_H

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate)
      : m_dialog(dialog), m_saveAndValidate(saveAndValidate) {}

  HWND Dialog() const { return m_dialog; }
  bool SaveAndValidate() const { return m_saveAndValidate; }
  bool Failed() const { return m_failed; }
  // The control the next validation refers to.
  void SetLastControl(int id) { m_lastControl = id; }
  // Tells the user, focuses the last control and stops the exchange.
  void Fail(const std::string& message);

 private:
  HWND m_dialog;
  bool m_saveAndValidate;
  bool m_failed = false;
  int m_lastControl = 0;
};

// An unsigned 32-bit number in decimal, blanks allowed around it; nothing
// else (no sign, no other characters, no overflow).
std::optional<uint32_t> ParseUnsigned(const std::string& text);

// The number in control id: written as decimal text, or read back from it
// ("Please enter a positive integer." when it is not one).
void ExchangeUnsigned(CDataExchange& exchange, int id, uint32_t& value);
// When reading: value must lie in low..high ("Please enter an integer between
// %1 and %2." with the bounds).
void ValidateUnsignedRange(CDataExchange& exchange, uint32_t value, uint32_t low, uint32_t high);

#endif
