#include "platform/internet_checksum.h"

std::uint16_t InternetChecksum(const std::uint8_t* bytes, std::size_t length) {
  std::uint32_t sum = 0;
  std::size_t i = 0;
  for (; i + 1 < length; i += 2) sum += static_cast<std::uint32_t>(bytes[i] | (bytes[i + 1] << 8));
  if (i < length) sum += bytes[i];
  sum = (sum & 0xFFFF) + (sum >> 16);
  sum += sum >> 16;
  return static_cast<std::uint16_t>(~sum);
}
