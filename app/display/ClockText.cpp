#include "ClockText.h"

#include <cstring>

#include "ShowFlags.h"
#include "ZoneTime.h"

namespace {

// Conversions every C runtime knows, and those among them that print numbers.
constexpr const char* kKnownConversions = "aAbBcdHIjmMpSUwWxXyYzZ";
constexpr const char* kNumericConversions = "dHIjmMSUwWy";

std::string FormatOne(const char* format, const std::tm& time) {
  char text[256];
  const std::size_t length = std::strftime(text, sizeof text, format, &time);
  return std::string(text, length);
}

std::string DropLeadingZeros(const std::string& number) {
  std::string::size_type first = 0;
  while (first + 1 < number.size() && number[first] == '0') ++first;
  return number.substr(first);
}

}  // namespace

std::tm BreakDownZoneLocal(int32_t zoneLocal) {
  const time_t instant = zoneLocal;
  std::tm parts{};
#ifdef _WIN32
  gmtime_s(&parts, &instant);
#else
  gmtime_r(&instant, &parts);
#endif
  return parts;
}

std::string FormatClockText(const std::string& format, const std::tm& time) {
  std::string text;
  for (std::string::size_type i = 0; i < format.size() && text.size() < kClockTextLimit; ++i) {
    if (format[i] != '%') {
      text += format[i];
      continue;
    }
    const bool dropZeros = i + 1 < format.size() && format[i + 1] == '#';
    const std::string::size_type at = i + (dropZeros ? 2 : 1);
    const char conversion = at < format.size() ? format[at] : '\0';
    if (conversion == '%') {
      text += '%';
      i = at;
    } else if (conversion != '\0' && std::strchr(kKnownConversions, conversion)) {
      const char one[3] = {'%', conversion, '\0'};
      const std::string part = FormatOne(one, time);
      text +=
          dropZeros && std::strchr(kNumericConversions, conversion) ? DropLeadingZeros(part) : part;
      i = at;
    } else {
      text += '%';  // not a conversion: shown as written
    }
  }
  if (text.size() > kClockTextLimit) text.resize(kClockTextLimit);
  return text;
}

std::string FormatDigitalTime(const std::string& format, uint32_t flags, const std::tm& time) {
  std::string text = FormatClockText(format, time);
  if (!(flags & kShow24Hour) && !text.empty() && text[0] == '0') text[0] = ' ';
  return text;
}

std::string ZoneLabelText(const std::string& name, uint32_t flags, int32_t offsetMinutes) {
  if (!(flags & kShowUtcOffset)) return name;
  return name + ", " + FormatUtcOffset(offsetMinutes);
}

std::string ZoneTooltipText(const std::string& name, const std::string& country,
                            int32_t offsetMinutes, bool inDst) {
  std::string text = name;
  if (name != country) text += ", " + country;
  text += ": UTC " + FormatUtcOffset(offsetMinutes);
  if (inDst) text += " (DST)";
  return text;
}
