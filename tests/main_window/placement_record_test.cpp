#include <gtest/gtest.h>

#include "main_window/placement_record.h"
#include "platform/byte_order.h"

namespace {

LayoutRecord Sample() {
  LayoutRecord record;
  record.screenWidth = 1920;
  record.screenHeight = 1080;
  record.placement = {44, kRestoreToMaximized, SW_SHOWMAXIMIZED, {-1, -1}, {-8, -8}, {100, 120, 900, 700}};
  return record;
}

TEST(LayoutRecord, FieldsAtTheirOffsets) {
  const std::vector<BYTE> bytes = WriteLayoutRecord(Sample());
  ASSERT_EQ(bytes.size(), kLayoutRecordSize);
  EXPECT_EQ(GetLe32(&bytes[0]), 2u);
  EXPECT_EQ(GetLe32(&bytes[4]), 1920u);
  EXPECT_EQ(GetLe32(&bytes[8]), 1080u);
  EXPECT_EQ(GetLe16(&bytes[12]), 0u);
  EXPECT_EQ(GetLe32(&bytes[14]), 44u);
  EXPECT_EQ(GetLe32(&bytes[18]), 2u);
  EXPECT_EQ(GetLe32(&bytes[22]), 3u);
  EXPECT_EQ(GetLe32(&bytes[26]), 0xFFFFFFFFu);
  EXPECT_EQ(GetLe32(&bytes[34]), static_cast<DWORD>(-8));
  EXPECT_EQ(GetLe32(&bytes[42]), 100u);
  EXPECT_EQ(GetLe32(&bytes[46]), 120u);
  EXPECT_EQ(GetLe32(&bytes[50]), 900u);
  EXPECT_EQ(GetLe32(&bytes[54]), 700u);
}

TEST(LayoutRecord, RoundTrip) {
  const auto back = ParseLayoutRecord(WriteLayoutRecord(Sample()));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->version, 2u);
  EXPECT_EQ(back->screenWidth, 1920);
  EXPECT_EQ(back->placement, Sample().placement);
}

TEST(LayoutRecord, EveryShorterRecordIsNoLayout) {
  const std::vector<BYTE> bytes = WriteLayoutRecord(Sample());
  for (std::size_t length = 0; length < bytes.size(); ++length)
    EXPECT_FALSE(ParseLayoutRecord(std::vector<BYTE>(bytes.begin(), bytes.begin() + length))) << length;
}

TEST(LayoutRecord, VersionOneHasNoScreenSize) {
  std::vector<BYTE> bytes = WriteLayoutRecord(Sample());
  bytes.erase(bytes.begin() + 4, bytes.begin() + 12);
  PutLe32(&bytes[0], 1);
  const auto back = ParseLayoutRecord(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->placement, Sample().placement);
  EXPECT_EQ(WriteLayoutRecord(*back), bytes) << "written back in the same version";
}

TEST(LayoutRecord, BarEntriesAreSkipped) {
  std::vector<BYTE> bytes = WriteLayoutRecord(Sample());
  PutLe16(&bytes[12], 1);
  const std::vector<BYTE> bar = {3, 0, 0, 0, 0xAA, 0xBB, 0xCC};
  bytes.insert(bytes.begin() + 14, bar.begin(), bar.end());
  const auto back = ParseLayoutRecord(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->placement, Sample().placement);
  PutLe32(&bytes[14], 1000);  // a bar entry longer than the record
  EXPECT_FALSE(ParseLayoutRecord(bytes));
}

}  // namespace
