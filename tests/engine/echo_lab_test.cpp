// Real echo requests in a namespace lab: client - r1 - destination, r1
// holding every ICMP packet it forwards or sends for 10 ms, and the
// client's link limited to an MTU of 1280.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "engine/echo_requester.h"
#include "netlab/netlab.h"
#include "platform/last_error.h"
#include "platform/socket_layer.h"

namespace {

constexpr int kDelayMs = 10;
const netlab::LabSpec kLab = [] {
  netlab::LabSpec spec;
  spec.routers = 1;
  spec.delayMs[1] = kDelayMs;
  spec.linkMtu[0] = 1280;
  return spec;
}();

enum class Mode { kRaw, kServiceOverRaw, kServiceOverDatagram };

std::string Name(Mode mode) {
  switch (mode) {
    case Mode::kRaw: return "RawSocket";
    case Mode::kServiceOverRaw: return "ServiceOverRaw";
    case Mode::kServiceOverDatagram: return "ServiceOverDatagram";
  }
  return {};
}

// Whether unprivileged ICMP datagram sockets are allowed in this namespace.
void AllowDatagramSockets(bool allow) {
  std::ofstream("/proc/sys/net/ipv4/ping_group_range") << (allow ? "0 2147483647" : "1 0");
}

std::string Dest() { return netlab::Namespace("dest"); }

// Counters at the destination for echo requests carrying DF and TOS 0xb8.
void InstallWireCounters() {
  const std::string in = "ip netns exec " + Dest() + " nft ";
  netlab::Shell(in + "delete table ip probe 2>/dev/null");
  ASSERT_EQ(netlab::Shell(in + "add table ip probe"), 0);
  ASSERT_EQ(netlab::Shell(in + "'add chain ip probe in { type filter hook input priority 0; }'"), 0);
  ASSERT_EQ(netlab::Shell(in + "add counter ip probe df"), 0);
  ASSERT_EQ(netlab::Shell(in + "add counter ip probe tos"), 0);
  ASSERT_EQ(netlab::Shell(in + "'add rule ip probe in icmp type echo-request ip frag-off & 0x4000 != 0 counter name df'"), 0);
  ASSERT_EQ(netlab::Shell(in + "'add rule ip probe in icmp type echo-request @nh,8,8 0xb8 counter name tos'"), 0);
}

long WireCount(const char* counter) {
  const std::string listing =
      netlab::Capture("ip netns exec " + Dest() + " nft list counter ip probe " + counter);
  std::smatch m;
  return std::regex_search(listing, m, std::regex("packets ([0-9]+)")) ? std::stol(m[1]) : -1;
}

class EchoLab : public ::testing::TestWithParam<Mode> {
 protected:
  void SetUp() override {
    NETLAB_REQUIRE();
    AllowDatagramSockets(GetParam() == Mode::kServiceOverDatagram);
    InstallWireCounters();
  }
  void TearDown() override {
    if (netlab::InLab()) AllowDatagramSockets(false);
  }

  BOOL Echo(const std::string& target, BYTE ttl, DWORD timeout, WORD size = 32, BYTE tos = 0, BOOL df = 0) {
    if (GetParam() == Mode::kRaw) return requester.EchoRaw(target, &reply, ttl, timeout, size, tos, df, 0);
    return requester.EchoService(target, &reply, ttl, timeout, size, tos, df);
  }

  CEchoRequester requester;
  EchoReply reply;
};

TEST_P(EchoLab, RoundTripCoversTheHeldTimeBothWays) {
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Echo(netlab::DestinationAddress(kLab), 30, 5000), 1) << GetLastError();
    EXPECT_EQ(reply.dwAddress, Sockets().InetAddr(netlab::DestinationAddress(kLab)));
    EXPECT_GE(reply.dwRoundTrip, 2u * kDelayMs);
    std::printf("  %s round trip through a %d ms hold each way: %u ms\n", Name(GetParam()).c_str(), kDelayMs,
                reply.dwRoundTrip);
  }
}

TEST_P(EchoLab, TimeToLiveOneMeetsTheRouter) {
  const BOOL answered = Echo(netlab::DestinationAddress(kLab), 1, 1000);
  if (GetParam() == Mode::kRaw) {
    // The router's report is no echo reply: the raw requester waits it out.
    EXPECT_EQ(answered, 0);
    EXPECT_EQ(GetLastError(), err::kWsaeTimedOut);
  } else {
    ASSERT_EQ(answered, 1) << GetLastError();
    EXPECT_EQ(reply.dwAddress, Sockets().InetAddr(netlab::RouterAddress(1)));
    EXPECT_GE(reply.dwRoundTrip, 1u * kDelayMs);
  }
}

TEST_P(EchoLab, DontFragmentAboveThePathMtuFails) {
  const long before = WireCount("df");
  EXPECT_EQ(Echo(netlab::DestinationAddress(kLab), 30, 2000, 1300, 0, 1), 0);
  EXPECT_EQ(GetLastError(), GetParam() == Mode::kRaw ? err::kWsaeMsgSize : err::kIpPacketTooBig);
  EXPECT_EQ(Echo(netlab::DestinationAddress(kLab), 30, 2000, 1300, 0, 0), 1) << "fragmented without DF";
  EXPECT_EQ(WireCount("df"), before) << "DF reached the wire without being asked for";
  EXPECT_EQ(Echo(netlab::DestinationAddress(kLab), 30, 2000, 32, 0, 1), 1);
  EXPECT_EQ(WireCount("df"), before + 1);
}

TEST_P(EchoLab, TypeOfServiceReachesTheWire) {
  const long before = WireCount("tos");
  ASSERT_EQ(Echo(netlab::DestinationAddress(kLab), 30, 2000, 32, 0xb8), 1) << GetLastError();
  EXPECT_EQ(WireCount("tos"), before + 1);
  ASSERT_EQ(Echo(netlab::DestinationAddress(kLab), 30, 2000, 32, 0), 1);
  EXPECT_EQ(WireCount("tos"), before + 1);
}

TEST_P(EchoLab, AddressOutsideTheLabHasNoRoute) {
  // 203.0.113.1 is a documentation address; the client has no route to it.
  EXPECT_EQ(Echo("203.0.113.1", 30, 500), 0);
  EXPECT_EQ(GetLastError(), GetParam() == Mode::kRaw ? err::kWsaeNetUnreach : err::kIpDestNetUnreachable);
}

INSTANTIATE_TEST_SUITE_P(AllRequesters, EchoLab,
                         ::testing::Values(Mode::kRaw, Mode::kServiceOverRaw, Mode::kServiceOverDatagram),
                         [](const auto& info) { return Name(info.param); });

}  // namespace

int main(int argc, char** argv) { return netlab::RunTestsInLab(argc, argv, kLab); }
