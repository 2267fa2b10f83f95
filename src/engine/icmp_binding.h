#pragma once
// Binding the three ICMP service entry points from one module, all or none.

#include "platform/icmp_service.h"
#include "platform/module_table.h"

struct IcmpEntryPoints {
  PfnIcmpCreateFile pfnIcmpCreateFile = nullptr;
  PfnIcmpSendEcho pfnIcmpSendEcho = nullptr;
  PfnIcmpCloseHandle pfnIcmpCloseHandle = nullptr;
};

// Loads the module and looks the three entries up in order. When one is
// missing the module is freed again and nullptr returned, entries cleared.
HMODULE BindIcmpModule(const char* moduleName, IcmpEntryPoints* entries);
