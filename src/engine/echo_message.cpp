#include "engine/echo_message.h"

#include <algorithm>

#include "platform/byte_order.h"
#include "platform/clock.h"
#include "platform/last_error.h"

namespace {
WORD ProcessIdentifier() { return static_cast<WORD>(GetCurrentProcessId()); }
}  // namespace

std::size_t EchoRequestLength(WORD dataSize) { return std::min(dataSize, kMaxRawDataSize) + kEchoHeaderSize; }

void BuildEchoRequest(std::uint8_t* buffer, std::size_t length, WORD sequence) {
  buffer[0] = 8;  // echo request
  buffer[1] = 0;
  PutLe16(buffer + 2, 0);
  PutLe16(buffer + 4, ProcessIdentifier());
  PutLe16(buffer + 6, sequence);
  PutLe32(buffer + 8, GetTickCount());
  std::fill(buffer + kEchoHeaderSize, buffer + length, kEchoFillByte);
  PutLe16(buffer + 2, InternetChecksum(buffer, length));
}

BOOL MatchEchoReply(const std::uint8_t* datagram, std::size_t length, WORD sequence, bool* keepWaiting) {
  *keepWaiting = true;
  // An empty datagram has no header length to read; it is simply too short.
  const std::size_t h = length ? 4u * (datagram[0] & 0x0F) : 0;
  if (length < h + kEchoHeaderSize) {
    SetLastError(err::kUnexpNetErr);
    return 0;
  }
  const std::uint8_t* icmp = datagram + h;
  if (GetLe16(icmp + 4) != ProcessIdentifier()) return 0;
  *keepWaiting = GetLe16(icmp + 6) != sequence;
  if (*keepWaiting) return 0;
  if (icmp[0] != 0) {
    SetLastError(err::kUnexpNetErr);
    return 0;
  }
  return 1;
}
