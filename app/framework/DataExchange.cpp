#include "DataExchange.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "Application.h"

void CDataExchange::Fail(const std::string& message) {
  if (m_failed) return;
  m_failed = true;
  MessageBoxA(m_dialog, message.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
  const HWND control = GetDlgItem(m_dialog, m_lastControl);
  if (control) {
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
  }
}

std::optional<uint32_t> ParseUnsigned(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const size_t firstDigit = i;
  uint64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  if (i == firstDigit) return std::nullopt;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i != text.size()) return std::nullopt;
  return static_cast<uint32_t>(value);
}

void ExchangeUnsigned(CDataExchange& exchange, int id, uint32_t& value) {
  if (exchange.Failed()) return;
  exchange.SetLastControl(id);
  const HWND control = GetDlgItem(exchange.Dialog(), id);
  if (!exchange.SaveAndValidate()) {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    SetWindowTextA(control, text);
    return;
  }
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1);
  GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  const std::optional<uint32_t> parsed = ParseUnsigned(text.data());
  if (!parsed) {
    exchange.Fail("Please enter a positive integer.");
    return;
  }
  value = *parsed;
}

void ValidateUnsignedRange(CDataExchange& exchange, uint32_t value, uint32_t low, uint32_t high) {
  if (exchange.Failed() || !exchange.SaveAndValidate()) return;
  if (value >= low && value <= high) return;
  char message[96];
  std::snprintf(message, sizeof message, "Please enter an integer between %u and %u.",
                static_cast<unsigned>(low), static_cast<unsigned>(high));
  exchange.Fail(message);
}
