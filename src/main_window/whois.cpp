#include "main_window/whois.h"

#include <algorithm>

#include "workers/product.h"

std::optional<std::string> WhoisPage(const std::string& addressCell) {
  std::string address = addressCell;
  std::erase_if(address, [](char c) { return c == '[' || c == ']'; });
  if (address.size() < 5) return std::nullopt;
  return std::string(kProductWebAddress) + "/whois/check.php?IP=" + address;
}
