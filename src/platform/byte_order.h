#pragma once
// Explicit little-endian field access for the byte layouts we build and read.

#include <cstdint>

inline void PutLe16(std::uint8_t* at, std::uint16_t value) {
  at[0] = static_cast<std::uint8_t>(value);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutLe32(std::uint8_t* at, std::uint32_t value) {
  PutLe16(at, static_cast<std::uint16_t>(value));
  PutLe16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

inline std::uint16_t GetLe16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline std::uint32_t GetLe32(const std::uint8_t* at) {
  return GetLe16(at) | (static_cast<std::uint32_t>(GetLe16(at + 2)) << 16);
}

// An address held the socket layer's way (network order in memory) to and
// from its four bytes, byte 0 being the first dotted number.
inline std::uint32_t AddressFromBytes(const std::uint8_t* at) { return GetLe32(at); }
inline void AddressToBytes(std::uint32_t address, std::uint8_t* at) { PutLe32(at, address); }
