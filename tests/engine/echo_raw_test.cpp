#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/echo_requester.h"
#include "fakes/fake_socket_layer.h"
#include "platform/clock.h"
#include "platform/last_error.h"

namespace {

using Log = std::vector<std::string>;
const WORD kId = static_cast<WORD>(GetCurrentProcessId());

struct EchoRawTest : ::testing::Test {
  FakeSocketLayer sockets;
  CEchoRequester requester;
  EchoReply reply{0xDEADBEEF, 4242};  // must stay untouched on failure

  BOOL Run(const std::string& target = "198.18.0.9", DWORD timeout = 5000, WORD size = 32, BOOL df = 0) {
    return requester.EchoRaw(target, &reply, 30, timeout, size, 0x28, df, 0);
  }
  void QueueDatagram(std::vector<BYTE> bytes, const char* from = "198.18.0.9") {
    sockets.selects.push_back({1, 0});
    sockets.datagrams.push_back({std::move(bytes), Ip(from), 0});
  }
  void ExpectUntouchedReply() {
    EXPECT_EQ(reply.dwAddress, 0xDEADBEEFu);
    EXPECT_EQ(reply.dwRoundTrip, 4242u);
  }
};

TEST_F(EchoRawTest, ReplyFillsRecordAfterStepsInOrder) {
  QueueDatagram(IcmpDatagram(0, kId, 0));
  ASSERT_EQ(Run(), 1);
  EXPECT_EQ(sockets.log, (Log{"open 2,3,1", "option 0,4=30", "option 0,3=40", "send 44", "select 5s 0us", "recv",
                              "close"}));
  EXPECT_EQ(reply.dwAddress, Ip("198.18.0.9"));
  EXPECT_LT(reply.dwRoundTrip, 1000u);
}

TEST_F(EchoRawTest, DontFragmentIsTheThirdOptionOnlyWhenOn) {
  QueueDatagram(IcmpDatagram(0, kId, 0));
  ASSERT_EQ(Run("198.18.0.9", 5000, 32, 1), 1);
  EXPECT_EQ(sockets.log[3], "option 0,14=1");
}

TEST_F(EchoRawTest, ResolvesNamesButFailsBeforeAnySocketWhenUnknown) {
  sockets.hosts["lab-host"] = {"lab-host", 2, Ip("198.18.1.2")};
  QueueDatagram(IcmpDatagram(0, kId, 0), "198.18.1.2");
  ASSERT_EQ(Run("lab-host"), 1);
  EXPECT_EQ(reply.dwAddress, Ip("198.18.1.2"));

  sockets.log.clear();
  reply = {0xDEADBEEF, 4242};
  EXPECT_EQ(Run("no-such-host"), 0);
  EXPECT_EQ(GetLastError(), err::kWsaHostNotFound);
  EXPECT_EQ(sockets.log, (Log{"resolve no-such-host"}));
  ExpectUntouchedReply();
}

TEST_F(EchoRawTest, AllOnesAddressGoesThroughTheResolver) {
  EXPECT_EQ(Run("255.255.255.255"), 0);
  EXPECT_EQ(sockets.log, (Log{"resolve 255.255.255.255"}));
}

TEST_F(EchoRawTest, FailurePathsLeaveTheirErrorAndCloseOnce) {
  struct Case {
    const char* what;
    void (*script)(FakeSocketLayer&);
    DWORD error;
    int opened;
  };
  const Case cases[] = {
      {"socket refused", [](FakeSocketLayer& s) { s.openError = 10013; }, 10013, 0},
      {"TTL refused", [](FakeSocketLayer& s) { s.failingOption = 4, s.optionError = 10022; }, 10022, 1},
      {"TOS refused", [](FakeSocketLayer& s) { s.failingOption = 3, s.optionError = 10042; }, 10042, 1},
      {"send fails", [](FakeSocketLayer& s) { s.sendError = 10065; }, 10065, 1},
      {"select fails", [](FakeSocketLayer& s) { s.selects.push_back({SOCKET_ERROR, 10022}); }, 10022, 1},
      {"timeout", [](FakeSocketLayer&) {}, err::kWsaeTimedOut, 1},
      {"short datagram then timeout",
       [](FakeSocketLayer& s) {
         s.selects.push_back({1, 0});
         s.datagrams.push_back({std::vector<BYTE>(31, 0x45), 0, 0});
       },
       err::kWsaeTimedOut, 1},
      {"failed receive then timeout",
       [](FakeSocketLayer& s) {
         s.selects.push_back({1, 0});
         s.datagrams.push_back({{}, 0, 10054});
       },
       err::kWsaeTimedOut, 1},
      {"request echoed back", [](FakeSocketLayer& s) {
         s.selects.push_back({1, 0});
         s.datagrams.push_back({IcmpDatagram(8, kId, 0), 0, 0});
       },
       err::kUnexpNetErr, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeSocketLayer fresh;
    c.script(fresh);
    reply = {0xDEADBEEF, 4242};
    EXPECT_EQ(requester.EchoRaw("198.18.0.9", &reply, 30, 5000, 32, 0, 0, 0), 0);
    EXPECT_EQ(GetLastError(), c.error);
    EXPECT_EQ(fresh.opened, c.opened);
    EXPECT_EQ(fresh.closed, c.opened);
    ExpectUntouchedReply();
  }
}

TEST_F(EchoRawTest, SelectTimeoutSplitsIntoSecondsAndMicroseconds) {
  struct Case {
    DWORD timeout;
    const char* select;
  };
  const Case cases[] = {{0, "select 0s 0us"}, {1500, "select 1s 500000us"}, {999, "select 0s 999000us"},
                        {30000, "select 30s 0us"}};
  for (const auto& c : cases) {
    FakeSocketLayer fresh;
    EXPECT_EQ(requester.EchoRaw("198.18.0.9", &reply, 30, c.timeout, 32, 0, 0, 0), 0);
    EXPECT_EQ(GetLastError(), err::kWsaeTimedOut);
    EXPECT_EQ(fresh.log.at(4), c.select);
  }
}

TEST_F(EchoRawTest, ForeignTrafficRestartsTheFullWait) {
  QueueDatagram(IcmpDatagram(0, static_cast<WORD>(kId + 1), 0));  // another program's reply
  QueueDatagram(IcmpDatagram(0, kId, 7));                         // ours, other sequence
  QueueDatagram(IcmpDatagram(0, kId, 0), "198.18.0.77");
  ASSERT_EQ(Run("198.18.0.9", 1500), 1);
  EXPECT_EQ(std::count(sockets.log.begin(), sockets.log.end(), "select 1s 500000us"), 3);
  EXPECT_EQ(reply.dwAddress, Ip("198.18.0.77")) << "the source is not compared with the target";
}

TEST_F(EchoRawTest, LargestDataSizeIsCut) {
  EXPECT_EQ(Run("198.18.0.9", 0, 65535), 0);
  EXPECT_EQ(sockets.lastSent.size(), 65512u);
}

TEST(RoundTripMilliseconds, TruncatesTowardZero) {
  struct Case {
    std::int64_t start, end, frequency;
    DWORD expected;
  };
  const Case cases[] = {
      {0, 999'999, 1'000'000'000, 0},          // under a millisecond
      {100, 100 + 10'999'999, 1'000'000'000, 10},
      {0, 3, 1000, 3},
      {0, 1, 3, 333},
      {5, 5, 1'000'000'000, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundTripMilliseconds(c.start, c.end, c.frequency), c.expected);
}

}  // namespace
