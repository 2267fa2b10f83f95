#pragma once
// The socket operations the echo engine and workers rely on, behind one
// interface: the real one wraps BSD sockets, tests script a fake.
// Every failing call leaves its reason in the thread's last error.

#include <string>

#include "platform/win_types.h"

using SOCKET = int;
constexpr SOCKET INVALID_SOCKET = -1;
constexpr int SOCKET_ERROR = -1;

struct HostEntry {
  std::string name;     // official name
  int family = 0;       // Winsock numbering
  IpAddress address = 0;  // first address of the entry
};

class SocketLayer {
 public:
  virtual ~SocketLayer() = default;

  // 0 on success, else the failure code (also the last error).
  virtual int Startup(WORD version) = 0;
  virtual void Cleanup() = 0;

  // INADDR_NONE_VALUE for a text that is not an address.
  virtual IpAddress InetAddr(const std::string& text) = 0;
  virtual bool GetHostByName(const std::string& name, HostEntry* entry) = 0;
  // False when the address has no name.
  virtual bool GetHostByAddr(IpAddress address, std::string* name) = 0;

  virtual SOCKET OpenRawSocket(int family, int type, int protocol) = 0;
  virtual int SetOption(SOCKET socket, int level, int option, int value) = 0;
  virtual int SendTo(SOCKET socket, const BYTE* data, int length, int family, IpAddress to) = 0;
  // 1 readable, 0 timed out, SOCKET_ERROR when the wait itself failed.
  virtual int Select(SOCKET socket, long seconds, long microseconds) = 0;
  virtual int RecvFrom(SOCKET socket, BYTE* buffer, int size, IpAddress* from) = 0;
  virtual int CloseSocket(SOCKET socket) = 0;
};

// The layer in use: the real one unless a test installed another.
SocketLayer& Sockets();
// Test seam: install a layer (nullptr restores the real one); returns the
// layer installed before, so seams can nest.
SocketLayer* SetSocketLayerForTesting(SocketLayer* layer);
