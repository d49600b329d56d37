// The profile-file contract. The same tests run natively against our INI
// reader and writer and under Wine against the Windows profile functions, so
// both backends answer alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProfileFile.h"
#include "TestProfile.h"

using namespace platform;
using testing_support::ReadRawProfileFile;
using testing_support::RemoveProfileFile;
using testing_support::WriteRawProfileFile;

namespace {

constexpr const char* kFile = "VorlixProfileContract.ini";

std::vector<std::string> SplitList(const char* buffer) {
  std::vector<std::string> items;
  for (const char* item = buffer; *item != '\0'; item += std::string(item).size() + 1) {
    items.emplace_back(item);
  }
  return items;
}

std::string ReadString(const char* section, const char* key, const char* def = "<none>") {
  char buffer[256];
  ProfileReadString(section, key, def, buffer, sizeof buffer, kFile);
  return buffer;
}

class ProfileContract : public ::testing::Test {
 protected:
  void SetUp() override { RemoveProfileFile(kFile); }
  void TearDown() override { RemoveProfileFile(kFile); }
};

TEST_F(ProfileContract, WrittenValuesReadBackCaseInsensitively) {
  ASSERT_TRUE(ProfileWriteString("Sync", "Regimen", "2", kFile));
  ASSERT_TRUE(ProfileWriteString("Sync", "PeriodMin", "60", kFile));
  ASSERT_TRUE(ProfileWriteString("State", "rcWnd.x", "-12", kFile));
  ASSERT_TRUE(ProfileWriteString("sync", "regimen", "1", kFile));  // replaces, same key

  EXPECT_EQ(ReadString("SYNC", "REGIMEN"), "1");
  EXPECT_EQ(ReadString("Sync", "PeriodMin"), "60");
  EXPECT_EQ(ProfileReadInt("State", "rcWnd.x", 0, kFile), -12);
  EXPECT_EQ(ReadString("Sync", "Missing", "fallback  "), "fallback");
  EXPECT_EQ(ReadString("Nowhere", "Regimen", "d"), "d");

  char sections[64];
  ProfileReadSectionNames(sections, sizeof sections, kFile);
  EXPECT_EQ(SplitList(sections), (std::vector<std::string>{"Sync", "State"}));
}

TEST_F(ProfileContract, ValuesAreTrimmedUnquotedAndCut) {
  WriteRawProfileFile(kFile,
                      "[Values]\r\n"
                      "  Padded  =   some text   \r\n"
                      "Quoted=\"  kept  \"\r\n"
                      "Single='x'\r\n"
                      "Half=\"open\r\n"
                      "Empty=\r\n"
                      "Long=abcdefghij\r\n"
                      "NoEquals\r\n");
  EXPECT_EQ(ReadString("Values", "Padded"), "some text");
  EXPECT_EQ(ReadString("Values", "Quoted"), "  kept  ");
  EXPECT_EQ(ReadString("Values", "Single"), "x");
  EXPECT_EQ(ReadString("Values", "Half"), "\"open");
  EXPECT_EQ(ReadString("Values", "Empty", "d"), "");

  char small[5];
  EXPECT_EQ(ProfileReadString("Values", "Long", "", small, sizeof small, kFile), 4u);
  EXPECT_STREQ(small, "abcd");
}

TEST_F(ProfileContract, IntegersAcceptDecimalAndHexadecimal) {
  WriteRawProfileFile(kFile,
                      "[N]\r\nDec=42\r\nNeg=-7\r\nHex=0x0000ff00\r\nUpperHex=0X1F\r\n"
                      "Trailing=12abc\r\nWord=abc\r\nEmpty=\r\nSpaced=  9\r\n");
  struct Case {
    const char* key;
    int32_t expected;
  };
  const Case cases[] = {{"Dec", 42},     {"Neg", -7},      {"Hex", 0xff00},
                        {"UpperHex", 0}, {"Trailing", 12}, {"Word", 0},
                        {"Empty", 99},   {"Spaced", 9},    {"Missing", 99}};
  for (const Case& c : cases) {
    EXPECT_EQ(ProfileReadInt("N", c.key, 99, kFile), c.expected) << c.key;
  }
}

TEST_F(ProfileContract, ListsThatDoNotFitAreCutAndDoublyTerminated) {
  WriteRawProfileFile(kFile, "[Alpha]\r\n[Beta]\r\n[Gamma]\r\n");
  char buffer[9];  // "Alpha\0B\0" + final NUL
  EXPECT_EQ(ProfileReadSectionNames(buffer, sizeof buffer, kFile), 7u);
  EXPECT_EQ(std::string(buffer, 9), std::string("Alpha\0B\0\0", 9));

  char whole[32];
  EXPECT_EQ(ProfileReadSectionNames(whole, sizeof whole, kFile), 17u);
  EXPECT_EQ(SplitList(whole), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
}

TEST_F(ProfileContract, SectionsReadAsKeyValueLines) {
  WriteRawProfileFile(kFile,
                      "[Servers]\r\nHost1=first place\r\n  Host2 = second \r\n[Other]\r\nA=1\r\n");
  char buffer[128];
  ProfileReadSection("Servers", buffer, sizeof buffer, kFile);
  EXPECT_EQ(SplitList(buffer), (std::vector<std::string>{"Host1=first place", "Host2=second"}));
  EXPECT_EQ(ProfileReadSection("Missing", buffer, sizeof buffer, kFile), 0u);
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(ProfileContract, KeysAndSectionsAreDeletedAndReplaced) {
  ProfileWriteString("A", "k1", "1", kFile);
  ProfileWriteString("A", "k2", "2", kFile);
  ProfileWriteString("B", "k", "3", kFile);
  ProfileWriteString("C", "k", "4", kFile);

  EXPECT_TRUE(ProfileWriteString("A", "k1", nullptr, kFile));
  EXPECT_EQ(ReadString("A", "k1"), "<none>");
  EXPECT_EQ(ReadString("A", "k2"), "2");

  EXPECT_TRUE(ProfileWriteString("B", nullptr, nullptr, kFile));
  EXPECT_TRUE(ProfileWriteSection("Missing", nullptr, kFile));
  const char contents[] = "x=10\0y=20\0";
  EXPECT_TRUE(ProfileWriteSection("C", contents, kFile));

  char names[64];
  ProfileReadSectionNames(names, sizeof names, kFile);
  EXPECT_EQ(SplitList(names), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(ReadString("C", "k"), "<none>");
  EXPECT_EQ(ReadString("C", "y"), "20");

  EXPECT_TRUE(ProfileWriteSection("C", nullptr, kFile));
  ProfileReadSectionNames(names, sizeof names, kFile);
  EXPECT_EQ(SplitList(names), (std::vector<std::string>{"A"}));
}

TEST_F(ProfileContract, MissingFileReadsAsEmpty) {
  char names[16] = "garbage";
  EXPECT_EQ(ProfileReadSectionNames(names, sizeof names, kFile), 0u);
  EXPECT_EQ(names[0], '\0');
  EXPECT_EQ(ReadString("Any", "Key", "def"), "def");
  EXPECT_EQ(ProfileReadInt("Any", "Key", 5, kFile), 5);
}

TEST_F(ProfileContract, BinaryGarbageReadsSafelyAndWritesAppend) {
  std::string garbage;
  for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  WriteRawProfileFile(kFile, garbage);
  char names[4096];
  const uint32_t length = ProfileReadSectionNames(names, sizeof names, kFile);
  EXPECT_LT(length, sizeof names);
  char value[16];
  ProfileReadString("Sync", "Regimen", "none", value, sizeof value, kFile);
  EXPECT_STREQ(value, "none");

  ASSERT_TRUE(ProfileWriteString("Sync", "Regimen", "1", kFile));
  EXPECT_EQ(ReadString("Sync", "Regimen"), "1");
}

TEST_F(ProfileContract, HeaderWithoutBracketIsNoSection) {
  WriteRawProfileFile(kFile, "[Broken\r\nk=v\r\n[Good]\r\nk=w\r\n");
  char names[64];
  ProfileReadSectionNames(names, sizeof names, kFile);
  EXPECT_EQ(SplitList(names), (std::vector<std::string>{"Good"}));
  EXPECT_EQ(ReadString("Good", "k"), "w");
}

TEST_F(ProfileContract, FileIsTextWithOneSectionHeaderEach) {
  ProfileWriteString("First", "a", "1", kFile);
  ProfileWriteString("Second", "b", "2", kFile);
  ProfileWriteString("First", "c", "3", kFile);
  const std::string text = ReadRawProfileFile(kFile);
  EXPECT_NE(text.find("[First]\r\na=1\r\nc=3\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Second]\r\nb=2\r\n"), std::string::npos) << text;
}

}  // namespace
