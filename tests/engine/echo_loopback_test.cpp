// Real echo requests to 127.0.0.1, through both requesters.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "engine/echo_requester.h"
#include "platform/icmp_service.h"
#include "platform/last_error.h"
#include "platform/socket_layer.h"

namespace {

bool MayOpenRawSockets() {
  const int fd = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

TEST(EchoLoopback, RawSocketRequester) {
  if (!MayOpenRawSockets()) GTEST_SKIP() << "raw ICMP sockets need root or cap_net_raw";
  CEchoRequester requester;
  EchoReply reply;
  for (WORD size : {0, 32, 1473, 65535}) {
    ASSERT_EQ(requester.EchoRaw("127.0.0.1", &reply, 30, 2000, size, 0, 0, 0), 1) << size << " " << GetLastError();
    EXPECT_EQ(reply.dwAddress, Sockets().InetAddr("127.0.0.1"));
  }
}

TEST(EchoLoopback, ServiceRequester) {
  HANDLE probe = IcmpCreateFile();
  if (probe == INVALID_HANDLE_VALUE) GTEST_SKIP() << "neither ICMP datagram nor raw sockets are allowed here";
  IcmpCloseHandle(probe);
  CEchoRequester requester;
  ASSERT_TRUE(requester.IsBound());
  EchoReply reply;
  for (WORD size : {0, 8, 32, 1473}) {
    ASSERT_EQ(requester.EchoService("127.0.0.1", &reply, 30, 2000, size, 0, 0), 1) << size << " " << GetLastError();
    EXPECT_EQ(reply.dwAddress, Sockets().InetAddr("127.0.0.1"));
  }
}

TEST(IcmpService, ReplyRecordHoldsTheEchoedData) {
  HANDLE handle = IcmpCreateFile();
  if (handle == INVALID_HANDLE_VALUE) GTEST_SKIP() << "neither ICMP datagram nor raw sockets are allowed here";
  const BYTE data[5] = {1, 2, 3, 4, 5};
  std::vector<BYTE> buffer(kIcmpReplyRecordSize + 8);
  IP_OPTION_INFORMATION options;
  options.Ttl = 64;
  ASSERT_EQ(IcmpSendEcho(handle, Sockets().InetAddr("127.0.0.1"), data, 5, &options, buffer.data(),
                         static_cast<DWORD>(buffer.size()), 2000),
            1u);
  const IcmpEchoReply record = ReadIcmpEchoReply(buffer.data());
  EXPECT_EQ(record.Status, 0u);
  EXPECT_EQ(record.DataSize, 5);
  EXPECT_EQ(std::vector<BYTE>(buffer.begin() + record.DataOffset, buffer.begin() + record.DataOffset + 5),
            std::vector<BYTE>(data, data + 5));
  EXPECT_EQ(IcmpSendEcho(handle, Sockets().InetAddr("127.0.0.1"), data, 5, &options, buffer.data(), 35, 2000), 0u);
  EXPECT_EQ(GetLastError(), err::kIpBufTooSmall);
  IcmpCloseHandle(handle);
}

}  // namespace
