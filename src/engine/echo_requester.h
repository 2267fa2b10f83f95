#pragma once
// One echo request at a time, over a raw socket or through the ICMP service.

#include <cstdint>
#include <string>

#include "engine/echo_options.h"
#include "engine/icmp_binding.h"
#include "platform/socket_layer.h"

class CEchoRequester {
 public:
  // Binds the ICMP service: "Iphlpapi.dll" first, then "ICMP.DLL".
  CEchoRequester();
  ~CEchoRequester();
  CEchoRequester(const CEchoRequester&) = delete;
  CEchoRequester& operator=(const CEchoRequester&) = delete;

  BOOL EchoRaw(const std::string& target, EchoReply* reply, BYTE ttl, DWORD timeout, WORD dataSize, BYTE tos,
               BOOL dontFragment, WORD sequence);
  BOOL EchoService(const std::string& target, EchoReply* reply, BYTE ttl, DWORD timeout, WORD dataSize, BYTE tos,
                   BOOL dontFragment);

  bool IsBound() const { return m_hModule != nullptr; }

 private:
  HMODULE m_hModule = nullptr;
  PfnIcmpCreateFile m_pfnIcmpCreateFile = nullptr;
  PfnIcmpSendEcho m_pfnIcmpSendEcho = nullptr;
  PfnIcmpCloseHandle m_pfnIcmpCloseHandle = nullptr;
};

// 1 when select worked (readable tells whether the socket is), 0 when it failed.
BOOL WaitReadable(SOCKET socket, DWORD timeout, bool* readable);

// ((end - start) * 1000) / frequency, truncated, low 32 bits.
DWORD RoundTripMilliseconds(std::int64_t start, std::int64_t end, std::int64_t frequency);

// Room for one reply record and the echoed data (at least 8 bytes of it).
DWORD ServiceReplyBufferSize(DWORD dataSize);
