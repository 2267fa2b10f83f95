#pragma once
// The system ICMP service: open a handle, send one echo and wait for the one
// answer, close. Realised with an unprivileged ICMP datagram socket, or a raw
// socket where the kernel refuses those.

#include <cstdint>

#include "platform/win_types.h"

struct IP_OPTION_INFORMATION {
  BYTE Ttl = 0;
  BYTE Tos = 0;
  BYTE Flags = 0;  // kIpFlagDontFragment
  BYTE OptionsSize = 0;
  const BYTE* OptionsData = nullptr;
};
constexpr BYTE kIpFlagDontFragment = 2;

// One reply record, 28 bytes at explicit offsets in the caller's buffer; the
// echoed data follows the record in the same buffer.
constexpr DWORD kIcmpReplyRecordSize = 28;
// The smallest room the service needs for the data part (an ICMP error
// message carries 8 bytes).
constexpr DWORD kIcmpMinReplyData = 8;

struct IcmpEchoReply {
  IpAddress Address = 0;  // network order
  DWORD Status = 0;       // 0, or the kind of report (err::kIp...)
  DWORD RoundTripTime = 0;
  WORD DataSize = 0;
  DWORD DataOffset = 0;   // from the start of the reply buffer
  BYTE Ttl = 0;
  BYTE Tos = 0;
  BYTE Flags = 0;
};

void WriteIcmpEchoReply(BYTE* buffer, const IcmpEchoReply& reply);
IcmpEchoReply ReadIcmpEchoReply(const BYTE* buffer);

using PfnIcmpCreateFile = HANDLE (*)();
using PfnIcmpSendEcho = DWORD (*)(HANDLE handle, IpAddress destination, const void* requestData, WORD requestSize,
                                  const IP_OPTION_INFORMATION* options, void* replyBuffer, DWORD replySize,
                                  DWORD timeout);
using PfnIcmpCloseHandle = BOOL (*)(HANDLE handle);

HANDLE IcmpCreateFile();
// Number of reply records written: 1 for an echo reply or a router's report,
// 0 otherwise with the last error set (err::kIpReqTimedOut on a timeout).
DWORD IcmpSendEcho(HANDLE handle, IpAddress destination, const void* requestData, WORD requestSize,
                   const IP_OPTION_INFORMATION* options, void* replyBuffer, DWORD replySize, DWORD timeout);
BOOL IcmpCloseHandle(HANDLE handle);
