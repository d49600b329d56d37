// UTC calendar times as 32-bit seconds since 1970, for test tables.
#ifndef TESTS_SUPPORT_UTCINSTANT_H
#define TESTS_SUPPORT_UTCINSTANT_H

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

namespace testing_support {

// "YYYY-MM-DD hh:mm:ss" read as UTC.
inline int32_t UtcInstant(const char* text) {
  int year, month, day, hour, minute, second;
  std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
  // Days from civil, proleptic Gregorian.
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const int64_t days = static_cast<int64_t>(era) * 146097 + dayOfEra - 719468;
  return static_cast<int32_t>(days * 86400 + hour * 3600 + minute * 60 + second);
}

// A 32-bit instant formatted as "YYYY-MM-DD hh:mm:ss" (UTC breakdown).
inline std::string FormatInstant(int32_t instant) {
  const time_t value = instant;
  std::tm parts{};
#ifdef _WIN32
  gmtime_s(&parts, &value);
#else
  gmtime_r(&value, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

}  // namespace testing_support

#endif
