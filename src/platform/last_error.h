#pragma once
// Thread-local last error with the Windows numbering, and the one place
// where operating-system and resolver failures are turned into it.

#include "platform/win_types.h"

DWORD GetLastError();
void SetLastError(DWORD code);

namespace err {
constexpr DWORD kSuccess = 0;
constexpr DWORD kNotEnoughMemory = 8;
constexpr DWORD kGenFailure = 31;
constexpr DWORD kUnexpNetErr = 59;
constexpr DWORD kInvalidParameter = 87;
constexpr DWORD kCallNotImplemented = 120;
constexpr DWORD kModNotFound = 126;
constexpr DWORD kProcNotFound = 127;
constexpr DWORD kCancelled = 1223;

constexpr DWORD kWsaeIntr = 10004;
constexpr DWORD kWsaeBadf = 10009;
constexpr DWORD kWsaeAcces = 10013;
constexpr DWORD kWsaeFault = 10014;
constexpr DWORD kWsaeInval = 10022;
constexpr DWORD kWsaeMfile = 10024;
constexpr DWORD kWsaeWouldBlock = 10035;
constexpr DWORD kWsaeNotSock = 10038;
constexpr DWORD kWsaeMsgSize = 10040;
constexpr DWORD kWsaeNoProtoOpt = 10042;
constexpr DWORD kWsaeProtoNoSupport = 10043;
constexpr DWORD kWsaeOpNotSupp = 10045;
constexpr DWORD kWsaeAfNoSupport = 10047;
constexpr DWORD kWsaeAddrNotAvail = 10049;
constexpr DWORD kWsaeNetDown = 10050;
constexpr DWORD kWsaeNetUnreach = 10051;
constexpr DWORD kWsaeConnReset = 10054;
constexpr DWORD kWsaeNoBufs = 10055;
constexpr DWORD kWsaeTimedOut = 10060;
constexpr DWORD kWsaeConnRefused = 10061;
constexpr DWORD kWsaeHostDown = 10064;
constexpr DWORD kWsaeHostUnreach = 10065;
constexpr DWORD kWsaHostNotFound = 11001;
constexpr DWORD kWsaTryAgain = 11002;
constexpr DWORD kWsaNoRecovery = 11003;
constexpr DWORD kWsaNoData = 11004;

// Status codes of the ICMP service (reply record status and its failures).
constexpr DWORD kIpSuccess = 0;
constexpr DWORD kIpBufTooSmall = 11001;
constexpr DWORD kIpDestNetUnreachable = 11002;
constexpr DWORD kIpDestHostUnreachable = 11003;
constexpr DWORD kIpDestProtUnreachable = 11004;
constexpr DWORD kIpDestPortUnreachable = 11005;
constexpr DWORD kIpPacketTooBig = 11009;
constexpr DWORD kIpReqTimedOut = 11010;
constexpr DWORD kIpBadDestination = 11018;
constexpr DWORD kIpTtlExpiredTransit = 11013;
constexpr DWORD kIpTtlExpiredReassem = 11014;
constexpr DWORD kIpParamProblem = 11015;
constexpr DWORD kIpSourceQuench = 11016;
constexpr DWORD kIpGeneralFailure = 11050;
}  // namespace err

// errno value -> Windows code (socket calls).
DWORD ErrorFromErrno(int errnoValue);
// getaddrinfo/getnameinfo result -> Windows code; EAI_SYSTEM consults errno.
DWORD ErrorFromResolver(int eaiValue, int errnoValue);
