#include <arpa/inet.h>
#include <linux/icmp.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>

#include "platform/last_error.h"
#include "platform/socket_layer.h"
#include "platform/wait.h"

namespace {

int FailWithErrno() {
  SetLastError(ErrorFromErrno(errno));
  return SOCKET_ERROR;
}

sockaddr_in ToSockaddr(IpAddress address) {
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = address;
  return sa;
}

class BsdSocketLayer final : public SocketLayer {
 public:
  int Startup(WORD version) override {
    if (version != ws::kVersion1_1 && version != ws::kVersion2_0) {
      constexpr DWORD kWsaVerNotSupported = 10092;
      SetLastError(kWsaVerNotSupported);
      return static_cast<int>(kWsaVerNotSupported);
    }
    ++startups_;
    return 0;
  }

  void Cleanup() override {
    if (startups_ > 0) --startups_;
  }

  IpAddress InetAddr(const std::string& text) override { return ::inet_addr(text.c_str()); }

  bool GetHostByName(const std::string& name, HostEntry* entry) override {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_RAW;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* found = nullptr;
    const int rc = ::getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (rc != 0) {
      SetLastError(ErrorFromResolver(rc, errno));
      return false;
    }
    entry->family = ws::kAfInet;
    entry->address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    entry->name = found->ai_canonname ? found->ai_canonname : name;
    ::freeaddrinfo(found);
    return true;
  }

  bool GetHostByAddr(IpAddress address, std::string* name) override {
    const sockaddr_in sa = ToSockaddr(address);
    char host[NI_MAXHOST];
    const int rc = ::getnameinfo(reinterpret_cast<const sockaddr*>(&sa), sizeof sa, host, sizeof host,
                                 nullptr, 0, NI_NAMEREQD);
    if (rc != 0) {
      SetLastError(ErrorFromResolver(rc, errno));
      return false;
    }
    *name = host;
    return true;
  }

  SOCKET OpenRawSocket(int family, int type, int protocol) override {
    if (family != ws::kAfInet || type != ws::kSockRaw || protocol != ws::kIpprotoIcmp) {
      SetLastError(err::kWsaeProtoNoSupport);
      return INVALID_SOCKET;
    }
    const int fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0) return FailWithErrno();
    // Linux sets DF on raw sockets unless path-MTU discovery is switched
    // off; DF must reach the wire only when the caller asks for it.
    const int dont = IP_PMTUDISC_DONT;
    ::setsockopt(fd, IPPROTO_IP, IP_MTU_DISCOVER, &dont, sizeof dont);
    // Without this a ping of a local address sees its own request arrive
    // first and takes it for a mismatched reply.
    icmp_filter filter{};
    filter.data = 1u << ICMP_ECHO;
    ::setsockopt(fd, SOL_RAW, ICMP_FILTER, &filter, sizeof filter);
    return fd;
  }

  int SetOption(SOCKET socket, int level, int option, int value) override {
    if (level != ws::kIpprotoIp) {
      SetLastError(err::kWsaeInval);
      return SOCKET_ERROR;
    }
    int linuxOption = 0;
    int linuxValue = value;
    switch (option) {
      case ws::kIpTtl: linuxOption = IP_TTL; break;
      case ws::kIpTos: linuxOption = IP_TOS; break;
      case ws::kIpDontFragment:
        linuxOption = IP_MTU_DISCOVER;
        linuxValue = value ? IP_PMTUDISC_DO : IP_PMTUDISC_DONT;
        break;
      default:
        SetLastError(err::kWsaeNoProtoOpt);
        return SOCKET_ERROR;
    }
    if (::setsockopt(socket, IPPROTO_IP, linuxOption, &linuxValue, sizeof linuxValue) != 0) return FailWithErrno();
    return 0;
  }

  int SendTo(SOCKET socket, const BYTE* data, int length, int family, IpAddress to) override {
    if (family != ws::kAfInet) {
      SetLastError(err::kWsaeAfNoSupport);
      return SOCKET_ERROR;
    }
    const sockaddr_in sa = ToSockaddr(to);
    const ssize_t sent = ::sendto(socket, data, static_cast<size_t>(length), 0,
                                  reinterpret_cast<const sockaddr*>(&sa), sizeof sa);
    if (sent < 0) return FailWithErrno();
    return static_cast<int>(sent);
  }

  int Select(SOCKET socket, long seconds, long microseconds) override {
    const auto timeout = std::chrono::seconds(seconds) + std::chrono::microseconds(microseconds);
    const WaitResult result = WaitForDescriptor(socket, POLLIN, timeout);
    if (result == WaitResult::kFailed) return SOCKET_ERROR;
    return result == WaitResult::kReady ? 1 : 0;
  }

  int RecvFrom(SOCKET socket, BYTE* buffer, int size, IpAddress* from) override {
    sockaddr_in sa{};
    socklen_t length = sizeof sa;
    const ssize_t got = ::recvfrom(socket, buffer, static_cast<size_t>(size), MSG_DONTWAIT,
                                   reinterpret_cast<sockaddr*>(&sa), &length);
    if (got < 0) return FailWithErrno();
    *from = sa.sin_addr.s_addr;
    return static_cast<int>(got);
  }

  int CloseSocket(SOCKET socket) override {
    if (::close(socket) != 0) return FailWithErrno();
    return 0;
  }

 private:
  std::atomic<int> startups_{0};
};

std::atomic<SocketLayer*> g_testLayer{nullptr};

// Never destroyed: process-wide users give their start-ups back at exit,
// after other statics may already be gone.
SocketLayer& RealLayer() {
  static auto* layer = new BsdSocketLayer;
  return *layer;
}

}  // namespace

SocketLayer& Sockets() {
  SocketLayer* layer = g_testLayer.load();
  return layer ? *layer : RealLayer();
}

SocketLayer* SetSocketLayerForTesting(SocketLayer* layer) { return g_testLayer.exchange(layer); }
