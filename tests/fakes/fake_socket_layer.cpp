#include "fakes/fake_socket_layer.h"

#include <arpa/inet.h>

#include <algorithm>

#include "platform/byte_order.h"
#include "platform/last_error.h"

FakeSocketLayer::FakeSocketLayer() : previous_(SetSocketLayerForTesting(this)) {}
FakeSocketLayer::~FakeSocketLayer() { SetSocketLayerForTesting(previous_); }

int FakeSocketLayer::Startup(WORD version) {
  log.push_back("startup " + std::to_string(version));
  if (startupResult != 0) {
    SetLastError(static_cast<DWORD>(startupResult));
    return startupResult;
  }
  ++startups;
  return 0;
}

void FakeSocketLayer::Cleanup() {
  log.push_back("cleanup");
  ++cleanups;
}

IpAddress FakeSocketLayer::InetAddr(const std::string& text) { return ::inet_addr(text.c_str()); }

bool FakeSocketLayer::GetHostByName(const std::string& name, HostEntry* entry) {
  log.push_back("resolve " + name);
  const auto it = hosts.find(name);
  if (it == hosts.end()) {
    SetLastError(err::kWsaHostNotFound);
    return false;
  }
  *entry = it->second;
  return true;
}

bool FakeSocketLayer::GetHostByAddr(IpAddress address, std::string* name) {
  const auto it = names.find(address);
  if (it == names.end()) return false;
  *name = it->second;
  return true;
}

SOCKET FakeSocketLayer::OpenRawSocket(int family, int type, int protocol) {
  log.push_back("open " + std::to_string(family) + "," + std::to_string(type) + "," + std::to_string(protocol));
  if (openError) {
    SetLastError(openError);
    return INVALID_SOCKET;
  }
  ++opened;
  return 7;
}

int FakeSocketLayer::SetOption(SOCKET, int level, int option, int value) {
  log.push_back("option " + std::to_string(level) + "," + std::to_string(option) + "=" + std::to_string(value));
  if (option == failingOption) {
    SetLastError(optionError);
    return SOCKET_ERROR;
  }
  return 0;
}

int FakeSocketLayer::SendTo(SOCKET, const BYTE* data, int length, int, IpAddress) {
  log.push_back("send " + std::to_string(length));
  lastSent.assign(data, data + length);
  if (sendError) {
    SetLastError(sendError);
    return SOCKET_ERROR;
  }
  return length;
}

int FakeSocketLayer::Select(SOCKET, long seconds, long microseconds) {
  log.push_back("select " + std::to_string(seconds) + "s " + std::to_string(microseconds) + "us");
  if (selects.empty()) return 0;
  const SelectStep step = selects.front();
  selects.pop_front();
  if (step.rc == SOCKET_ERROR) SetLastError(step.error);
  return step.rc;
}

int FakeSocketLayer::RecvFrom(SOCKET, BYTE* buffer, int size, IpAddress* from) {
  log.push_back("recv");
  if (datagrams.empty()) {
    SetLastError(err::kWsaeWouldBlock);
    return SOCKET_ERROR;
  }
  const Received next = datagrams.front();
  datagrams.pop_front();
  if (next.error) {
    SetLastError(next.error);
    return SOCKET_ERROR;
  }
  const int length = std::min<int>(size, static_cast<int>(next.bytes.size()));
  std::copy_n(next.bytes.begin(), length, buffer);
  *from = next.from;
  return length;
}

int FakeSocketLayer::CloseSocket(SOCKET) {
  log.push_back("close");
  ++closed;
  return 0;
}

std::vector<BYTE> IcmpDatagram(BYTE type, WORD identifier, WORD sequence, std::size_t extra) {
  std::vector<BYTE> d(20 + 8 + extra, 0);
  d[0] = 0x45;
  d[9] = 1;
  d[20] = type;
  PutLe16(&d[24], identifier);
  PutLe16(&d[26], sequence);
  return d;
}

IpAddress Ip(const char* dotted) { return ::inet_addr(dotted); }
