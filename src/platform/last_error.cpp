#include "platform/last_error.h"

#include <netdb.h>

#include <cerrno>
#include <utility>

namespace {
thread_local DWORD t_lastError = 0;

constexpr std::pair<int, DWORD> kErrnoTable[] = {
    {EINTR, err::kWsaeIntr},
    {EBADF, err::kWsaeBadf},
    {EACCES, err::kWsaeAcces},
    {EPERM, err::kWsaeAcces},
    {EFAULT, err::kWsaeFault},
    {EINVAL, err::kWsaeInval},
    {EMFILE, err::kWsaeMfile},
    {ENFILE, err::kWsaeMfile},
    {EAGAIN, err::kWsaeWouldBlock},
    {ENOTSOCK, err::kWsaeNotSock},
    {EMSGSIZE, err::kWsaeMsgSize},
    {ENOPROTOOPT, err::kWsaeNoProtoOpt},
    {EPROTONOSUPPORT, err::kWsaeProtoNoSupport},
    {EOPNOTSUPP, err::kWsaeOpNotSupp},
    {EAFNOSUPPORT, err::kWsaeAfNoSupport},
    {EADDRNOTAVAIL, err::kWsaeAddrNotAvail},
    {ENETDOWN, err::kWsaeNetDown},
    {ENETUNREACH, err::kWsaeNetUnreach},
    {ECONNRESET, err::kWsaeConnReset},
    {ENOBUFS, err::kWsaeNoBufs},
    {ETIMEDOUT, err::kWsaeTimedOut},
    {ECONNREFUSED, err::kWsaeConnRefused},
    {EHOSTDOWN, err::kWsaeHostDown},
    {EHOSTUNREACH, err::kWsaeHostUnreach},
    {ENOMEM, err::kNotEnoughMemory},
};

constexpr std::pair<int, DWORD> kResolverTable[] = {
    {EAI_NONAME, err::kWsaHostNotFound},
    {EAI_NODATA, err::kWsaNoData},
    {EAI_ADDRFAMILY, err::kWsaNoData},
    {EAI_AGAIN, err::kWsaTryAgain},
    {EAI_FAIL, err::kWsaNoRecovery},
    {EAI_MEMORY, err::kNotEnoughMemory},
};
}  // namespace

DWORD GetLastError() { return t_lastError; }

void SetLastError(DWORD code) { t_lastError = code; }

DWORD ErrorFromErrno(int errnoValue) {
  for (const auto& [from, to] : kErrnoTable)
    if (from == errnoValue) return to;
  return err::kGenFailure;
}

DWORD ErrorFromResolver(int eaiValue, int errnoValue) {
  if (eaiValue == EAI_SYSTEM) return ErrorFromErrno(errnoValue);
  for (const auto& [from, to] : kResolverTable)
    if (from == eaiValue) return to;
  return err::kWsaNoRecovery;
}
