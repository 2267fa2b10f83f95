#pragma once

#include <string>

// Where settings live: $XDG_CONFIG_HOME/Brimvale/Vantorel (~/.config when
// the variable is unset or empty).
std::string ConfigDirectory();
