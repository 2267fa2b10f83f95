#pragma once

#include <cstddef>
#include <cstdint>

// RFC 1071 checksum; words are byte pairs read little-endian, and the
// result is meant to be stored little-endian at the checksum offset.
std::uint16_t InternetChecksum(const std::uint8_t* bytes, std::size_t length);
