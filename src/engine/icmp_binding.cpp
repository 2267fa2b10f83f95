#include "engine/icmp_binding.h"

HMODULE BindIcmpModule(const char* moduleName, IcmpEntryPoints* entries) {
  *entries = {};
  HMODULE module = LoadLibraryA(moduleName);
  if (!module) return nullptr;
  FARPROC create = GetProcAddress(module, "IcmpCreateFile");
  FARPROC send = create ? GetProcAddress(module, "IcmpSendEcho") : nullptr;
  FARPROC close = send ? GetProcAddress(module, "IcmpCloseHandle") : nullptr;
  if (!close) {
    FreeLibrary(module);
    return nullptr;
  }
  entries->pfnIcmpCreateFile = reinterpret_cast<PfnIcmpCreateFile>(create);
  entries->pfnIcmpSendEcho = reinterpret_cast<PfnIcmpSendEcho>(send);
  entries->pfnIcmpCloseHandle = reinterpret_cast<PfnIcmpCloseHandle>(close);
  return module;
}
