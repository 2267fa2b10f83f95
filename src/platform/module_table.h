#pragma once
// Run-time binding of the ICMP service by module and entry-point name, over
// a table of built-in modules. The test seam can hide a module or an entry,
// or put a stand-in behind an entry name.

#include <string>

#include "platform/win_types.h"

struct BuiltInModule;
using HMODULE = BuiltInModule*;
using FARPROC = void (*)();

// Case-insensitive, as module names are; nullptr with last error 126.
HMODULE LoadLibraryA(const char* name);
// Case-sensitive; nullptr with last error 127.
FARPROC GetProcAddress(HMODULE module, const char* name);
BOOL FreeLibrary(HMODULE module);

namespace module_seam {
void HideModule(const std::string& module);
void HideEntry(const std::string& module, const std::string& entry);
void ReplaceEntry(const std::string& module, const std::string& entry, FARPROC with);
// Loads minus frees, for checking that every load is given back.
int LoadCount(const std::string& module);
void Reset();
}  // namespace module_seam
