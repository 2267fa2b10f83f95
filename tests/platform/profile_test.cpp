#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/temp_config_dir.h"
#include "platform/atomic_file.h"
#include "platform/profile.h"

namespace {

TEST(ProfileBinary, TwoLettersPerByteLowNibbleFirst) {
  struct Case {
    std::vector<BYTE> bytes;
    const char* letters;
  };
  const Case cases[] = {{{0x3C}, "MD"}, {{0x00, 0xFF}, "AAPP"}, {{0x02, 0x00, 0x00, 0x00}, "CAAAAAAA"}, {{}, ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeProfileBinary(c.bytes), c.letters);
    EXPECT_EQ(DecodeProfileBinary(c.letters), c.bytes);
  }
  for (const char* bad : {"M", "MQ", "md", "A1"}) EXPECT_FALSE(DecodeProfileBinary(bad)) << bad;
}

TEST(Profile, ParsesAndWritesSections) {
  const auto ini = ParseIni("; comment\r\n[settings]\r\n layout = CAAA \r\n\r\n[Other]\r\nx=1\r\n");
  ASSERT_TRUE(ini);
  ASSERT_NE(ini->Find("Settings", "LAYOUT"), nullptr);
  EXPECT_EQ(*ini->Find("Settings", "LAYOUT"), "CAAA");
  EXPECT_EQ(ini->Find("Settings", "x"), nullptr);
  EXPECT_EQ(WriteIni(*ini), "[settings]\nlayout=CAAA\n\n[Other]\nx=1\n\n");
  using namespace std::literals;
  for (std::string_view bad : {"x=1\n"sv, "[Settings\n"sv, "[Settings]\nno equals sign\n"sv, "[S]\n=value\n"sv,
                               "[S]\nx=\0y\n"sv})
    EXPECT_FALSE(ParseIni(bad)) << bad;
}

TEST(Profile, BinaryEntryRoundTripAndCorruptFile) {
  TempConfigDir dir;
  EXPECT_FALSE(GetProfileBinary("Settings", "Layout"));
  const std::vector<BYTE> record = {0x3C, 0x00, 0x7F};
  ASSERT_TRUE(WriteProfileBinary("Settings", "Layout", record));
  EXPECT_EQ(ReadWholeFile(ProfilePath()), "[Settings]\nLayout=MDAAPH\n\n");
  EXPECT_EQ(GetProfileBinary("settings", "layout"), record);

  std::ofstream(ProfilePath()) << "[Settings]\nLayout=MDAAPH\nthis line is not an entry\n";
  EXPECT_FALSE(GetProfileBinary("Settings", "Layout")) << "an unreadable profile holds nothing";
  ASSERT_TRUE(WriteProfileBinary("Settings", "Layout", {1}));
  EXPECT_TRUE(std::filesystem::exists(ProfilePath() + ".corrupt"));
  EXPECT_EQ(GetProfileBinary("Settings", "Layout"), std::vector<BYTE>{1});
}

}  // namespace
