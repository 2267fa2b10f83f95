#pragma once
// The ICMP echo request the raw requester sends, and the recognition of its
// reply among whatever ICMP datagrams the raw socket delivers.

#include <cstddef>
#include <cstdint>

#include "platform/internet_checksum.h"
#include "platform/win_types.h"

constexpr std::size_t kEchoHeaderSize = 12;  // type, code, checksum, identifier, sequence, timestamp
constexpr WORD kMaxRawDataSize = 65500;
constexpr BYTE kEchoFillByte = 0x45;

// Length of the request for a data size: the data is cut to 65500 bytes.
std::size_t EchoRequestLength(WORD dataSize);

// Writes the whole request, checksum included, into exactly `length` bytes
// (length >= 12). Multi-byte fields are little-endian.
void BuildEchoRequest(std::uint8_t* buffer, std::size_t length, WORD sequence);

// 1 when the datagram (IPv4 header included) is the echo reply to the
// outstanding request. keepWaiting tells the caller whether to read on.
BOOL MatchEchoReply(const std::uint8_t* datagram, std::size_t length, WORD sequence, bool* keepWaiting);
