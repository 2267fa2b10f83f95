#include <vector>

#include "engine/echo_message.h"
#include "engine/echo_requester.h"
#include "engine/resolve_target.h"
#include "platform/clock.h"
#include "platform/last_error.h"

namespace {
constexpr int kReceiveBufferSize = 65532;  // 20-byte IPv4 header + 65512-byte echo reply
}  // namespace

BOOL WaitReadable(SOCKET socket, DWORD timeout, bool* readable) {
  const int rc = Sockets().Select(socket, static_cast<long>(timeout / 1000), static_cast<long>((timeout % 1000) * 1000));
  if (rc == SOCKET_ERROR) return 0;
  *readable = rc > 0;
  return 1;
}

DWORD RoundTripMilliseconds(std::int64_t start, std::int64_t end, std::int64_t frequency) {
  return static_cast<DWORD>(((end - start) * 1000) / frequency);
}

BOOL CEchoRequester::EchoRaw(const std::string& target, EchoReply* reply, BYTE ttl, DWORD timeout, WORD dataSize,
                             BYTE tos, BOOL dontFragment, WORD sequence) {
  std::int64_t frequency = 0;
  if (!QueryPerformanceFrequency(&frequency)) return 0;

  IpAddress destination = 0;
  int family = 0;
  if (!ResolveTarget(target, &destination, &family)) return 0;

  SocketLayer& sockets = Sockets();
  const SOCKET s = sockets.OpenRawSocket(ws::kAfInet, ws::kSockRaw, ws::kIpprotoIcmp);
  if (s == INVALID_SOCKET) return 0;
  // Closing may itself touch the last error, so the reason is set after it.
  const auto closeAndFail = [&](DWORD code) {
    sockets.CloseSocket(s);
    SetLastError(code);
    return BOOL{0};
  };

  if (sockets.SetOption(s, ws::kIpprotoIp, ws::kIpTtl, ttl) == SOCKET_ERROR) return closeAndFail(GetLastError());
  if (sockets.SetOption(s, ws::kIpprotoIp, ws::kIpTos, tos) == SOCKET_ERROR) return closeAndFail(GetLastError());
  if (dontFragment && sockets.SetOption(s, ws::kIpprotoIp, ws::kIpDontFragment, dontFragment) == SOCKET_ERROR)
    return closeAndFail(GetLastError());

  std::vector<std::uint8_t> request(EchoRequestLength(dataSize));
  BuildEchoRequest(request.data(), request.size(), sequence);

  std::int64_t start = 0;
  QueryPerformanceCounter(&start);
  if (sockets.SendTo(s, request.data(), static_cast<int>(request.size()), family, destination) == SOCKET_ERROR)
    return closeAndFail(GetLastError());

  std::vector<std::uint8_t> received(kReceiveBufferSize);
  IpAddress source = 0;
  BOOL result = 0;
  bool keepWaiting = true;
  while (keepWaiting) {
    bool readable = false;
    if (!WaitReadable(s, timeout, &readable)) return closeAndFail(GetLastError());
    if (!readable) return closeAndFail(err::kWsaeTimedOut);
    const int length = sockets.RecvFrom(s, received.data(), kReceiveBufferSize, &source);
    if (length != SOCKET_ERROR)
      result = MatchEchoReply(received.data(), static_cast<std::size_t>(length), sequence, &keepWaiting);
  }

  std::int64_t end = 0;
  QueryPerformanceCounter(&end);
  if (result) {
    reply->dwAddress = source;
    reply->dwRoundTrip = RoundTripMilliseconds(start, end, frequency);
  }
  // A matched datagram that was not a reply keeps the 59 MatchEchoReply set.
  const DWORD reason = GetLastError();
  sockets.CloseSocket(s);
  if (!result) SetLastError(reason);
  return result;
}
