#pragma once
// Texts the workers put into rows and the status line.

#include <string>

#include "platform/win_types.h"

// "%d.%d.%d.%d" of an address held in network order.
std::string DottedAddress(IpAddress address);
// The address's official name, or nothing when it has none.
bool LookUpName(IpAddress address, std::string* name);
// `prefix`, then the product address in square brackets.
std::string WithProductAddress(const std::string& prefix);
// Writes a line to the standard output stream at once.
void PrintLine(const std::string& line);
