#include "ClockListStore.h"

#include <cstdio>
#include <cstdlib>

#include "ProfileFile.h"
#include "ShowFlags.h"

namespace {

std::string ReadText(const char* file, const char* section, const char* key, const char* def,
                     uint32_t size) {
  std::vector<char> buffer(size + 1);
  platform::ProfileReadString(section, key, def, buffer.data(), size + 1, file);
  return buffer.data();
}

double ClampFontSize(double points) {
  // Written so that a value that does not compare (not a number) fails too.
  return points >= 7.0 && points <= 20.0 ? points : 8.0;
}

}  // namespace

std::string ClockKeyPrefix(int position) {
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "Zone %03d", position);
  return prefix;
}

ClockListOptions ReadClockListOptions(const char* file, const char* section) {
  ClockListOptions options;
  options.zones = platform::ProfileReadInt(section, "Zones", 1, file);
  options.digitalFont = ReadText(file, section, "DigitalFont", "", 1023);
  const int diameter = platform::ProfileReadInt(section, "AnalogDiameter", 60, file);
  options.diameter = diameter >= kMaxDiameter  ? kMaxDiameter
                     : diameter < kMinDiameter ? kMinDiameter
                                               : diameter;
  options.flags =
      static_cast<uint32_t>(platform::ProfileReadInt(section, "ShowFlags", 460303, file));
  if (!(options.flags & (kShowAnalog | kShowDigital))) options.flags = kShowDigital | kShowZone;
  options.fontFace = ReadText(file, section, "DateZoneFontFace", "Tahoma", 63);
  const std::string size = ReadText(file, section, "DateZoneFontSize", "8", 63);
  options.fontSize = ClampFontSize(std::strtod(size.c_str(), nullptr));
  options.fontWeight = platform::ProfileReadInt(section, "DateZoneFontWeight", 400, file);
  options.dateFormat = ReadText(file, section, "DateFormat", "%a, %b %#d", 63);
  return options;
}

ClockEntry ReadClockEntry(const char* file, const char* section, int position,
                          const ClockEntry& previous) {
  const std::string prefix = ClockKeyPrefix(position);
  ClockEntry entry;
  entry.zone = platform::ProfileReadInt(section, prefix.c_str(), 0, file);
  entry.face = static_cast<Colour>(platform::ProfileReadInt(
      section, (prefix + "AnalogFaceColor").c_str(), static_cast<int32_t>(previous.face), file));
  entry.line = static_cast<Colour>(platform::ProfileReadInt(
      section, (prefix + "AnalogLineColor").c_str(), static_cast<int32_t>(previous.line), file));
  entry.name = ReadText(file, section, (prefix + "DisplayName").c_str(), "", 255);
  return entry;
}

void WriteClockList(const char* file, const char* section, const ClockListOptions& options,
                    const std::vector<ClockEntry>& clocks) {
  platform::ProfileWriteString(section, nullptr, nullptr, file);
  WriteProfileInt(section, "Zones", options.zones, file);
  WriteProfileHex(section, "ShowFlags", options.flags, file);
  WriteProfileInt(section, "AnalogDiameter", options.diameter, file);
  platform::ProfileWriteString(section, "DigitalFont", options.digitalFont.c_str(), file);
  platform::ProfileWriteString(section, "DateZoneFontFace", options.fontFace.c_str(), file);
  char size[64];
  std::snprintf(size, sizeof size, "%1.1f", options.fontSize);
  platform::ProfileWriteString(section, "DateZoneFontSize", size, file);
  WriteProfileInt(section, "DateZoneFontWeight", options.fontWeight, file);
  platform::ProfileWriteString(section, "DateFormat", options.dateFormat.c_str(), file);
  for (std::size_t i = 0; i < clocks.size(); ++i) {
    const std::string prefix = ClockKeyPrefix(static_cast<int>(i));
    const ClockEntry& clock = clocks[i];
    WriteProfileInt(section, prefix.c_str(), clock.zone, file);
    WriteProfileHex(section, (prefix + "AnalogFaceColor").c_str(), clock.face, file);
    WriteProfileHex(section, (prefix + "AnalogLineColor").c_str(), clock.line, file);
    platform::ProfileWriteString(section, (prefix + "DisplayName").c_str(), clock.name.c_str(),
                                 file);
  }
}
