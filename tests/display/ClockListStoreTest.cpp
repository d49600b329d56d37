// The clock list's section in the settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClockListStore.h"
#include "ProfileFile.h"
#include "TestProfile.h"

namespace {

constexpr const char* kFile = "VorlixDisplayStore.ini";
constexpr const char* kSection = "Clocks 000";

class ClockListStore : public testing::Test {
 protected:
  void SetUp() override { testing_support::RemoveProfileFile(kFile); }
  void TearDown() override { testing_support::RemoveProfileFile(kFile); }

  // The section's lines in file order.
  static std::vector<std::string> SectionLines() {
    std::vector<char> buffer(8192);
    platform::ProfileReadSection(kSection, buffer.data(), static_cast<uint32_t>(buffer.size()),
                                 kFile);
    std::vector<std::string> lines;
    for (const char* line = buffer.data(); *line; line += lines.back().size() + 1) {
      lines.emplace_back(line);
    }
    return lines;
  }

  static void WriteSection(const std::string& lines) {
    testing_support::WriteRawProfileFile(kFile, "[" + std::string(kSection) + "]\r\n" + lines);
  }
};

TEST_F(ClockListStore, SavesEveryKeyInItsOrderAndReplacesTheSection) {
  WriteSection("Stale=1\r\nZone 005=7\r\n");
  ClockListOptions options;
  options.zones = 2;
  options.digitalFont = "RESOURCE|0x00000514";
  ClockEntry belfast;
  belfast.zone = 92;
  belfast.name = "Belfast";
  ClockEntry second;
  second.zone = 39;
  second.face = 0xFFFFFF;
  second.line = 0x000080;
  WriteClockList(kFile, kSection, options, {belfast, second});

  const std::vector<std::string> expected = {
      "Zones=2",
      "ShowFlags=0x0007060f",
      "AnalogDiameter=60",
      "DigitalFont=RESOURCE|0x00000514",
      "DateZoneFontFace=Tahoma",
      "DateZoneFontSize=8.0",
      "DateZoneFontWeight=400",
      "DateFormat=%a, %b %#d",
      "Zone 000=92",
      "Zone 000AnalogFaceColor=0x00d0d9d9",
      "Zone 000AnalogLineColor=0x00303030",
      "Zone 000DisplayName=Belfast",
      "Zone 001=39",
      "Zone 001AnalogFaceColor=0x00ffffff",
      "Zone 001AnalogLineColor=0x00000080",
      "Zone 001DisplayName=",
  };
  EXPECT_EQ(SectionLines(), expected);
}

TEST_F(ClockListStore, ReadsBackWhatItSaved) {
  ClockListOptions saved;
  saved.zones = 3;
  saved.digitalFont = "FILE|digits\\Big Clock.bmp";
  saved.diameter = 120;
  saved.flags = 0x0003071E;
  saved.fontFace = "Verdana";
  saved.fontSize = 10.5;
  saved.fontWeight = 700;
  saved.dateFormat = "%#d.%#m.%Y";
  ClockEntry entry;
  entry.zone = 264;
  entry.face = 0x00123456;
  entry.line = 0x00ABCDEF;
  entry.name = "Home, sweet home";
  WriteClockList(kFile, kSection, saved, {entry});

  const ClockListOptions read = ReadClockListOptions(kFile, kSection);
  EXPECT_EQ(read.zones, 3);
  EXPECT_EQ(read.digitalFont, saved.digitalFont);
  EXPECT_EQ(read.diameter, 120);
  EXPECT_EQ(read.flags, 0x0003071Eu);
  EXPECT_EQ(read.fontFace, "Verdana");
  EXPECT_DOUBLE_EQ(read.fontSize, 10.5);
  EXPECT_EQ(read.fontWeight, 700);
  EXPECT_EQ(read.dateFormat, "%#d.%#m.%Y");
  const ClockEntry back = ReadClockEntry(kFile, kSection, 0, ClockEntry());
  EXPECT_EQ(back.zone, 264);
  EXPECT_EQ(back.face, 0x00123456u);
  EXPECT_EQ(back.line, 0x00ABCDEFu);
  EXPECT_EQ(back.name, "Home, sweet home");
}

TEST_F(ClockListStore, MissingSectionGivesTheDefaults) {
  const ClockListOptions options = ReadClockListOptions(kFile, kSection);
  EXPECT_EQ(options.zones, 1);
  EXPECT_EQ(options.digitalFont, "");
  EXPECT_EQ(options.diameter, 60);
  EXPECT_EQ(options.flags, 460303u);
  EXPECT_EQ(options.fontFace, "Tahoma");
  EXPECT_DOUBLE_EQ(options.fontSize, 8.0);
  EXPECT_EQ(options.fontWeight, 400);
  EXPECT_EQ(options.dateFormat, "%a, %b %#d");
  const ClockEntry entry = ReadClockEntry(kFile, kSection, 0, ClockEntry());
  EXPECT_EQ(entry.zone, 0);
  EXPECT_EQ(entry.face, 0xD0D9D9u);
  EXPECT_EQ(entry.line, 0x303030u);
  EXPECT_EQ(entry.name, "");
}

TEST_F(ClockListStore, ClampsWhatTheClocksCannotShow) {
  struct Case {
    const char* lines;
    int diameter;
    uint32_t flags;
    double size;
  };
  const Case cases[] = {
      {"ShowFlags=0x10000\r\n", 60, 10, 8.0},
      {"ShowFlags=0x0000000c\r\n", 60, 10, 8.0},
      {"ShowFlags=1\r\n", 60, 1, 8.0},
      {"DateZoneFontSize=25\r\n", 60, 460303, 8.0},
      {"DateZoneFontSize=x\r\n", 60, 460303, 8.0},
      {"DateZoneFontSize=nan\r\n", 60, 460303, 8.0},
      {"DateZoneFontSize=6.9\r\n", 60, 460303, 8.0},
      {"DateZoneFontSize=7\r\n", 60, 460303, 7.0},
      {"DateZoneFontSize=20.0\r\n", 60, 460303, 20.0},
      {"AnalogDiameter=10\r\n", 20, 460303, 8.0},
      {"AnalogDiameter=500\r\n", 400, 460303, 8.0},
      {"AnalogDiameter=400\r\n", 400, 460303, 8.0},
      {"AnalogDiameter=-7\r\n", 20, 460303, 8.0},
  };
  for (const Case& c : cases) {
    WriteSection(c.lines);
    const ClockListOptions options = ReadClockListOptions(kFile, kSection);
    EXPECT_EQ(options.diameter, c.diameter) << c.lines;
    EXPECT_EQ(options.flags, c.flags) << c.lines;
    EXPECT_DOUBLE_EQ(options.fontSize, c.size) << c.lines;
  }
}

TEST_F(ClockListStore, ColoursDefaultToThePreviousClocksAndLongTextsAreCut) {
  WriteSection(
      "Zone 000AnalogFaceColor=0x00ffffff\r\nZone 001AnalogLineColor=255\r\n"
      "Zone 001DisplayName=" +
      std::string(300, 'n') +
      "\r\n"
      "DateFormat=" +
      std::string(80, 'f') + "\r\n");
  const ClockEntry first = ReadClockEntry(kFile, kSection, 0, ClockEntry());
  const ClockEntry second = ReadClockEntry(kFile, kSection, 1, first);
  EXPECT_EQ(second.face, 0xFFFFFFu);
  EXPECT_EQ(second.line, 0xFFu);
  EXPECT_EQ(second.name, std::string(255, 'n'));
  EXPECT_EQ(ReadClockListOptions(kFile, kSection).dateFormat, std::string(63, 'f'));
}

}  // namespace
