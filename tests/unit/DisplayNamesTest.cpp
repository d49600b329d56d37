// The display-name overrides: their file, the map and the buffer rules.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestProfile.h"
#include "Tzbase.h"

using testing_support::ReadRawProfileFile;
using testing_support::RemoveProfileFile;
using testing_support::WriteRawProfileFile;

namespace {

constexpr const char* kFile = "Tzbase-DisplayNames.ini";

std::string Name(int32_t zone) {
  char buffer[256];
  return TB_GetDisplayName(zone, buffer, sizeof buffer) ? buffer : "<none>";
}

std::string NameRegardless(int32_t zone, int32_t size = 256) {
  char buffer[256] = "untouched";
  const char* result = TB_GetDisplayNameRegardless(zone, buffer, size);
  if (!result) return buffer[0] == '\0' ? "<null, empty>" : "<null, not emptied>";
  EXPECT_EQ(result, buffer);
  return result;
}

class DisplayNames : public ::testing::Test {
 protected:
  void SetUp() override { Load(""); }
  void TearDown() override { RemoveProfileFile(kFile); }
  static void Load(const std::string& fileText) {
    WriteRawProfileFile(kFile, fileText);
    TB_LoadDisplayNames();
  }
};

TEST_F(DisplayNames, LoadTakesNonEmptyNamesByAtolOfTheSection) {
  Load(
      "[92]\r\nName=Home\r\n"
      "[7]\r\nName=\r\n"
      "[abc]\r\nName=Zero\r\n"
      "[300]\r\nName=Far\r\n"
      "[10]\r\nName=Ten\r\n"
      "[010]\r\nName=Ten again\r\n"
      "[ -1]\r\nName=Minus\r\n"
      "[20]\r\nOther=x\r\n");
  EXPECT_EQ(Name(92), "Home");
  EXPECT_EQ(TB_HasDisplayName(7), 0);  // empty value: skipped
  EXPECT_EQ(Name(0), "Zero");          // no digits: zone 0
  EXPECT_EQ(TB_HasDisplayName(300), 1);
  EXPECT_EQ(Name(300), "<none>");    // stored, but Get refuses the index
  EXPECT_EQ(Name(10), "Ten again");  // the later section wins
  EXPECT_EQ(TB_HasDisplayName(-1), 1);
  EXPECT_EQ(TB_HasDisplayName(20), 0);
}

TEST_F(DisplayNames, LoadReplacesTheWholeMap) {
  Load("[5]\r\nName=Five\r\n");
  EXPECT_EQ(TB_HasDisplayName(5), 1);
  Load("[6]\r\nName=Six\r\n");
  EXPECT_EQ(TB_HasDisplayName(5), 0);
  EXPECT_EQ(Name(6), "Six");
}

TEST_F(DisplayNames, GetRegardlessFallsBackToTheFirstPlace) {
  struct Case {
    int32_t zone;
    int32_t size;
    const char* expected;
  };
  const Case cases[] = {
      {10, 256, "Anaheim"},
      {10, 4, "Ana"},
      {10, 8, "Anaheim"},
      {10, 1, ""},
      {0, 256, "UTC"},
      {0, 3, "UT"},
      {208, 256, "Kathmandu"},
      {265, 256, "<null, empty>"},
      {-1, 256, "<null, empty>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameRegardless(c.zone, c.size), c.expected) << c.zone << " size " << c.size;
  }
  TB_SetDisplayName(10, "Disneyland");
  EXPECT_EQ(NameRegardless(10), "Disneyland");
  EXPECT_EQ(NameRegardless(10, 5), "Disn");
}

TEST_F(DisplayNames, GetRefusesBadIndicesWithAnEmptyBuffer) {
  char buffer[8] = "full";
  EXPECT_EQ(TB_GetDisplayName(265, buffer, sizeof buffer), nullptr);
  EXPECT_STREQ(buffer, "");
  std::strcpy(buffer, "full");
  EXPECT_EQ(TB_GetDisplayName(3, buffer, sizeof buffer), nullptr);  // no override
  EXPECT_STREQ(buffer, "");
}

TEST_F(DisplayNames, SetWritesThroughAndClearDeletesTheSection) {
  EXPECT_NE(TB_SetDisplayName(92, "Home"), 0);
  EXPECT_NE(TB_SetDisplayName(264,
                              "Qu\xE9"
                              "bec"),
            0);
  EXPECT_NE(TB_SetDisplayName(92, "Home again"), 0);

  TB_LoadDisplayNames();  // the file alone now decides
  EXPECT_EQ(Name(92), "Home again");
  EXPECT_EQ(Name(264),
            "Qu\xE9"
            "bec");

  EXPECT_EQ(TB_SetDisplayName(92, nullptr), 1);
  EXPECT_EQ(TB_HasDisplayName(92), 0);
  EXPECT_EQ(ReadRawProfileFile(kFile).find("[92]"), std::string::npos);

  WriteRawProfileFile(kFile, "[5]\r\nName=only in the file\r\n");
  EXPECT_EQ(TB_SetDisplayName(5, nullptr), 0);                          // no entry in the map...
  EXPECT_EQ(ReadRawProfileFile(kFile).find("[5]"), std::string::npos);  // ...section gone
}

TEST_F(DisplayNames, SetRefusesBadIndicesWithoutTouchingTheFile) {
  WriteRawProfileFile(kFile, "[1]\r\nName=One\r\n");
  const std::string before = ReadRawProfileFile(kFile);
  EXPECT_EQ(TB_SetDisplayName(-1, "x"), 0);
  EXPECT_EQ(TB_SetDisplayName(265, "x"), 0);
  EXPECT_EQ(TB_SetDisplayName(265, nullptr), 0);
  EXPECT_EQ(ReadRawProfileFile(kFile), before);
}

TEST_F(DisplayNames, EmptyNameIsAnOverrideUntilTheNextLoad) {
  EXPECT_NE(TB_SetDisplayName(12, ""), 0);
  char buffer[16] = "full";
  EXPECT_EQ(TB_GetDisplayName(12, buffer, sizeof buffer), buffer);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(TB_HasDisplayName(12), 1);
  TB_LoadDisplayNames();
  EXPECT_EQ(TB_HasDisplayName(12), 0);
}

TEST_F(DisplayNames, LongNamesStayWholeInMemoryAndAreCutOnLoad) {
  const std::string longName(200, 'n');
  EXPECT_NE(TB_SetDisplayName(50, longName.c_str()), 0);
  char buffer[256];
  EXPECT_EQ(std::string(TB_GetDisplayName(50, buffer, sizeof buffer)), longName);
  TB_LoadDisplayNames();
  EXPECT_EQ(std::string(TB_GetDisplayName(50, buffer, sizeof buffer)), longName.substr(0, 127));
}

TEST_F(DisplayNames, SectionListIsLimitedTo4096Bytes) {
  // 1000 sections "1000".."1999" with names need 5000 bytes of section list;
  // only those that fit are read, and nothing overflows.
  std::string text;
  for (int i = 1000; i < 2000; ++i) text += "[" + std::to_string(i) + "]\r\nName=n\r\n";
  text += "[3]\r\nName=late\r\n";
  Load(text);
  EXPECT_EQ(TB_HasDisplayName(1000), 1);
  EXPECT_EQ(TB_HasDisplayName(1818), 1);  // the last whole name that fits
  EXPECT_EQ(TB_HasDisplayName(1999), 0);
  EXPECT_EQ(TB_HasDisplayName(3), 0);
}

TEST_F(DisplayNames, BinaryGarbageLoadsWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  Load(garbage);
  char buffer[128];
  for (int32_t zone = 0; zone < TB_ZoneCount(); ++zone) {
    TB_GetDisplayNameRegardless(zone, buffer, sizeof buffer);
    EXPECT_LT(std::strlen(buffer), sizeof buffer);
  }
  EXPECT_NE(TB_SetDisplayName(1, "Apia"), 0);
  TB_LoadDisplayNames();
  EXPECT_EQ(Name(1), "Apia");
}

}  // namespace
