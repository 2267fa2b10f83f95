#include <gtest/gtest.h>

#include <vector>

#include "engine/echo_message.h"
#include "fakes/fake_socket_layer.h"
#include "platform/byte_order.h"
#include "platform/clock.h"
#include "platform/last_error.h"

namespace {

WORD OurIdentifier() { return static_cast<WORD>(GetCurrentProcessId()); }

TEST(InternetChecksum, KnownVectors) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::uint16_t expected;
  };
  const Case cases[] = {
      // The classic example: big-endian sum folds to ddf2, complement 220d,
      // which reads as 0x0d22 in little-endian words.
      {{0x00, 0x01, 0xf2, 0x03, 0xf4, 0xf5, 0xf6, 0xf7}, 0x0d22},
      {{0xAB}, 0xFF54},  // odd byte padded with a zero after it
      {{}, 0xFFFF},
      {{0xFF, 0xFF, 0x01, 0x00}, 0xFFFE},  // carry folded back in
  };
  for (const auto& c : cases) EXPECT_EQ(InternetChecksum(c.bytes.data(), c.bytes.size()), c.expected);
}

TEST(BuildEchoRequest, LayoutForDataSizes) {
  struct Case {
    WORD dataSize;
    std::size_t length;
  };
  const Case cases[] = {{0, 12}, {1, 13}, {31, 43}, {32, 44}, {65500, 65512}, {65501, 65512}, {65535, 65512}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dataSize);
    const std::size_t length = EchoRequestLength(c.dataSize);
    ASSERT_EQ(length, c.length);
    std::vector<std::uint8_t> message(length, 0xCC);
    BuildEchoRequest(message.data(), length, 0x1234);
    EXPECT_EQ(message[0], 8);
    EXPECT_EQ(message[1], 0);
    EXPECT_EQ(GetLe16(&message[4]), OurIdentifier());
    EXPECT_EQ(message[6], 0x34);  // little-endian sequence
    EXPECT_EQ(message[7], 0x12);
    for (std::size_t i = 12; i < length; ++i) ASSERT_EQ(message[i], 0x45) << i;
    EXPECT_EQ(InternetChecksum(message.data(), length), 0) << "message must check out";
  }
}

TEST(MatchEchoReply, Table) {
  const WORD id = OurIdentifier();
  struct Case {
    const char* what;
    std::vector<BYTE> datagram;
    std::size_t length;  // received length
    BOOL matched;
    bool keepWaiting;
    DWORD lastError;  // 1 = untouched sentinel
  };
  auto reply = IcmpDatagram(0, id, 5);
  auto shortOne = reply;
  auto foreign = IcmpDatagram(0, static_cast<WORD>(id + 1), 5);
  auto otherSequence = IcmpDatagram(0, id, 6);
  auto request = IcmpDatagram(8, id, 5);
  auto withOptions = IcmpDatagram(0, id, 5, 8);  // 24-byte header: shift the ICMP part
  withOptions.insert(withOptions.begin() + 20, 4, 0);
  withOptions[0] = 0x46;
  const Case cases[] = {
      {"short by one", shortOne, 20 + 11, 0, true, err::kUnexpNetErr},
      {"exactly header + 12", reply, 20 + 12, 1, false, 1},
      {"whole reply", reply, reply.size(), 1, false, 1},
      {"foreign identifier", foreign, foreign.size(), 0, true, 1},
      {"other sequence", otherSequence, otherSequence.size(), 0, true, 1},
      {"our request echoed back", request, request.size(), 0, false, err::kUnexpNetErr},
      {"IP options in header", withOptions, withOptions.size(), 1, false, 1},
      {"empty datagram", reply, 0, 0, true, err::kUnexpNetErr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(1);
    bool keepWaiting = !c.keepWaiting;
    EXPECT_EQ(MatchEchoReply(c.datagram.data(), c.length, 5, &keepWaiting), c.matched);
    EXPECT_EQ(keepWaiting, c.keepWaiting);
    EXPECT_EQ(GetLastError(), c.lastError);
  }
}

}  // namespace
