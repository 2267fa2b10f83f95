#pragma once

#include <string>

#include "platform/win_types.h"

// A dotted address as it stands, else the first address the resolver gives
// for the name (with the entry's family). False with the resolver's error.
bool ResolveTarget(const std::string& target, IpAddress* address, int* family);
