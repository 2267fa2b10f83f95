#include <gtest/gtest.h>

#include "engine/echo_requester.h"
#include "fakes/fake_icmp_service.h"
#include "fakes/fake_socket_layer.h"
#include "platform/last_error.h"
#include "platform/module_table.h"

namespace {

struct EchoServiceTest : ::testing::Test {
  FakeSocketLayer sockets;  // resolution only; the service sends nothing through it
  FakeIcmpService service;
  EchoReply reply{0xDEADBEEF, 4242};

  BOOL Run(CEchoRequester& requester, WORD size = 32, BOOL df = 0) {
    return requester.EchoService("198.18.0.9", &reply, 7, 750, size, 0x10, df);
  }
};

TEST_F(EchoServiceTest, AnsweredRequestFillsRecordAndClosesHandle) {
  service.answers.push_back({1, 0, Ip("198.18.0.9"), 12, 0, std::vector<BYTE>(32, 0x45)});
  CEchoRequester requester;
  ASSERT_EQ(Run(requester), 1);
  EXPECT_EQ(reply.dwAddress, Ip("198.18.0.9"));
  EXPECT_EQ(reply.dwRoundTrip, 12u);
  ASSERT_EQ(service.calls.size(), 1u);
  const auto& call = service.calls[0];
  EXPECT_EQ(call.destination, Ip("198.18.0.9"));
  EXPECT_EQ(call.data, std::vector<BYTE>(32, 0x45)) << "no timestamp in front of the fill";
  EXPECT_EQ(call.options.Ttl, 7);
  EXPECT_EQ(call.options.Tos, 0x10);
  EXPECT_EQ(call.options.Flags, 0);
  EXPECT_EQ(call.options.OptionsSize, 0);
  EXPECT_EQ(call.timeout, 750u);
  EXPECT_EQ(service.created, 1);
  EXPECT_EQ(service.closed, 1);
}

TEST_F(EchoServiceTest, ReplyBufferAndFlagsFollowTheRequest) {
  struct Case {
    WORD size;
    BOOL df;
    DWORD replySize;
    BYTE flags;
  };
  const Case cases[] = {{0, 0, 36, 0}, {8, 1, 36, 2}, {9, 0, 37, 0}, {32, 1, 60, 2}, {65535, 0, 65563, 0}};
  CEchoRequester requester;
  for (const auto& c : cases) {
    Run(requester, c.size, c.df);
    EXPECT_EQ(service.calls.back().replySize, c.replySize) << c.size;
    EXPECT_EQ(service.calls.back().options.Flags, c.flags) << c.size;
    EXPECT_EQ(service.calls.back().data.size(), c.size) << "no upper cut";
  }
}

TEST_F(EchoServiceTest, EchoedDataDecidesTheAnswer) {
  struct Case {
    const char* what;
    std::vector<BYTE> echoed;
    BOOL answered;
  };
  std::vector<BYTE> oneWrong(32, 0x45);
  oneWrong[31] = 0x46;
  const Case cases[] = {
      {"no data (a router's report)", {}, 1},
      {"all fill bytes", std::vector<BYTE>(32, 0x45), 1},
      {"last byte differs", oneWrong, 0},
  };
  CEchoRequester requester;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    reply = {0xDEADBEEF, 4242};
    service.answers.push_back({1, 0, Ip("198.18.0.1"), 3, 11013, c.echoed});
    EXPECT_EQ(Run(requester), c.answered);
    if (c.answered) {
      EXPECT_EQ(reply.dwAddress, Ip("198.18.0.1"));
    } else {
      EXPECT_EQ(GetLastError(), err::kUnexpNetErr);
      EXPECT_EQ(reply.dwAddress, 0xDEADBEEFu);
    }
  }
  EXPECT_EQ(service.closed, 3);
}

TEST_F(EchoServiceTest, FailuresLeaveTheServiceOrResolverError) {
  CEchoRequester requester;
  service.answers.push_back(FakeIcmpService::Timeout());
  EXPECT_EQ(Run(requester), 0);
  EXPECT_EQ(GetLastError(), 11010u);
  service.answers.push_back({2, 11050, 0, 0, 0, {}});  // anything but one record is no answer
  EXPECT_EQ(Run(requester), 0);
  EXPECT_EQ(service.closed, 2);

  service.failCreate = true;
  EXPECT_EQ(Run(requester), 0);
  EXPECT_EQ(GetLastError(), 10013u);
  EXPECT_EQ(service.closed, 2);

  EXPECT_EQ(requester.EchoService("unknown-name", &reply, 7, 750, 32, 0, 0), 0);
  EXPECT_EQ(GetLastError(), err::kWsaHostNotFound);
  EXPECT_EQ(reply.dwAddress, 0xDEADBEEFu);
}

TEST_F(EchoServiceTest, NeitherModuleMeansCallNotImplementedAndNothingSent) {
  module_seam::HideModule("iphlpapi.DLL");
  module_seam::HideModule("icmp.dll");
  CEchoRequester requester;
  EXPECT_FALSE(requester.IsBound());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Run(requester), 0);
    EXPECT_EQ(GetLastError(), err::kCallNotImplemented);
  }
  EXPECT_TRUE(service.calls.empty());
  EXPECT_TRUE(sockets.log.empty()) << "fails before resolving";
}

TEST_F(EchoServiceTest, BindingFallsBackWholeAndReleasesOnDestruction) {
  struct Case {
    const char* hiddenModule;
    const char* hiddenEntry;  // in Iphlpapi.dll
    int iphlpapiLoads, icmpLoads;
  };
  const Case cases[] = {
      {nullptr, nullptr, 1, 0},
      {nullptr, "IcmpCreateFile", 0, 1},
      {nullptr, "IcmpSendEcho", 0, 1},
      {nullptr, "IcmpCloseHandle", 0, 1},
      {"Iphlpapi.dll", nullptr, 0, 1},
  };
  for (const auto& c : cases) {
    FakeIcmpService fresh;
    if (c.hiddenModule) module_seam::HideModule(c.hiddenModule);
    if (c.hiddenEntry) module_seam::HideEntry("Iphlpapi.dll", c.hiddenEntry);
    {
      CEchoRequester requester;
      EXPECT_TRUE(requester.IsBound());
      EXPECT_EQ(module_seam::LoadCount("Iphlpapi.dll"), c.iphlpapiLoads);
      EXPECT_EQ(module_seam::LoadCount("ICMP.DLL"), c.icmpLoads);
    }
    EXPECT_EQ(module_seam::LoadCount("Iphlpapi.dll"), 0);
    EXPECT_EQ(module_seam::LoadCount("ICMP.DLL"), 0);
  }
}

TEST(ModuleTable, LookupRules) {
  module_seam::Reset();
  HMODULE a = LoadLibraryA("ICMP.DLL");
  HMODULE b = LoadLibraryA("icmp.dll");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a, b);
  EXPECT_NE(GetProcAddress(a, "IcmpSendEcho"), nullptr);
  EXPECT_EQ(GetProcAddress(a, "icmpsendecho"), nullptr) << "entry names keep their case";
  EXPECT_EQ(GetLastError(), err::kProcNotFound);
  EXPECT_EQ(LoadLibraryA("WS2_32.dll"), nullptr);
  EXPECT_EQ(GetLastError(), err::kModNotFound);
  FreeLibrary(a);
  FreeLibrary(b);
  EXPECT_EQ(module_seam::LoadCount("ICMP.DLL"), 0);
}

}  // namespace
