#pragma once
// The handful of Windows-style scalar types and constants the engine and
// workers are written against, so the probe code reads the same on Linux.

#include <cstdint>

using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using BOOL = int;
using HANDLE = void*;

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

// IPv4 address as four bytes in network order, held in a 32-bit integer the
// way the socket layer hands it around (byte 0 is the first dotted number).
using IpAddress = std::uint32_t;
constexpr IpAddress INADDR_NONE_VALUE = 0xFFFFFFFFu;

// Winsock numbering of the socket constants we pass through the socket layer.
namespace ws {
constexpr int kAfInet = 2;
constexpr int kSockRaw = 3;
constexpr int kIpprotoIcmp = 1;
constexpr int kIpprotoIp = 0;
constexpr int kIpTos = 3;
constexpr int kIpTtl = 4;
constexpr int kIpDontFragment = 14;
constexpr WORD kVersion1_1 = 0x0101;
constexpr WORD kVersion2_0 = 0x0002;
}  // namespace ws
