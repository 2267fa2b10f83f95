#include "workers/row_text.h"

#include <cstdio>

#include "platform/byte_order.h"
#include "platform/socket_layer.h"
#include "workers/product.h"

std::string DottedAddress(IpAddress address) {
  std::uint8_t b[4];
  AddressToBytes(address, b);
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." + std::to_string(b[3]);
}

bool LookUpName(IpAddress address, std::string* name) { return Sockets().GetHostByAddr(address, name); }

std::string WithProductAddress(const std::string& prefix) { return prefix + kProductWebAddress + "]"; }

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}
