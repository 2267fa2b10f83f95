#pragma once
// A scripted socket layer: answers come from queues and maps the test fills
// in, and every call is logged as a short line for order checks.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/socket_layer.h"

class FakeSocketLayer final : public SocketLayer {
 public:
  struct SelectStep {
    int rc = 1;       // 1 readable, 0 timed out, SOCKET_ERROR failed
    DWORD error = 0;  // last error when failed
  };
  struct Received {
    std::vector<BYTE> bytes;
    IpAddress from = 0;
    DWORD error = 0;  // non-zero: the receive fails with it
  };

  FakeSocketLayer();
  ~FakeSocketLayer() override;

  // Script.
  int startupResult = 0;
  std::map<std::string, HostEntry> hosts;     // names known to GetHostByName
  std::map<IpAddress, std::string> names;     // addresses known to GetHostByAddr
  DWORD openError = 0;
  int failingOption = -1;
  DWORD optionError = 10022;  // WSAEINVAL
  DWORD sendError = 0;
  std::deque<SelectStep> selects;  // empty: every wait times out
  std::deque<Received> datagrams;

  // What happened.
  std::vector<std::string> log;
  int opened = 0;
  int closed = 0;
  std::vector<BYTE> lastSent;
  int startups = 0;
  int cleanups = 0;

  int Startup(WORD version) override;
  void Cleanup() override;
  IpAddress InetAddr(const std::string& text) override;
  bool GetHostByName(const std::string& name, HostEntry* entry) override;
  bool GetHostByAddr(IpAddress address, std::string* name) override;
  SOCKET OpenRawSocket(int family, int type, int protocol) override;
  int SetOption(SOCKET socket, int level, int option, int value) override;
  int SendTo(SOCKET socket, const BYTE* data, int length, int family, IpAddress to) override;
  int Select(SOCKET socket, long seconds, long microseconds) override;
  int RecvFrom(SOCKET socket, BYTE* buffer, int size, IpAddress* from) override;
  int CloseSocket(SOCKET socket) override;

 private:
  SocketLayer* previous_;
};

// An IPv4 datagram (20-byte header) carrying an ICMP message of the given
// type whose identifier and sequence are written the way our requests are.
std::vector<BYTE> IcmpDatagram(BYTE type, WORD identifier, WORD sequence, std::size_t extra = 4);
IpAddress Ip(const char* dotted);
