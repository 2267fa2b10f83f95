#include "platform/module_table.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <set>
#include <utility>

#include "platform/icmp_service.h"
#include "platform/last_error.h"

struct BuiltInModule {
  const char* name;
  int loads;
};

namespace {

BuiltInModule g_modules[] = {{"Iphlpapi.dll", 0}, {"ICMP.DLL", 0}};

struct Export {
  const char* name;
  FARPROC entry;
};

const Export kIcmpExports[] = {
    {"IcmpCreateFile", reinterpret_cast<FARPROC>(&IcmpCreateFile)},
    {"IcmpSendEcho", reinterpret_cast<FARPROC>(&IcmpSendEcho)},
    {"IcmpCloseHandle", reinterpret_cast<FARPROC>(&IcmpCloseHandle)},
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

struct Seam {
  std::mutex mutex;
  std::set<std::string> hiddenModules;                             // lower-case names
  std::set<std::pair<std::string, std::string>> hiddenEntries;     // (module, entry)
  std::map<std::pair<std::string, std::string>, FARPROC> replaced;
};

Seam& TheSeam() {
  static Seam seam;
  return seam;
}

BuiltInModule* FindModule(const std::string& name) {
  const std::string wanted = Lower(name);
  for (auto& module : g_modules)
    if (Lower(module.name) == wanted) return &module;
  return nullptr;
}

}  // namespace

HMODULE LoadLibraryA(const char* name) {
  auto& seam = TheSeam();
  std::lock_guard lock(seam.mutex);
  BuiltInModule* module = name ? FindModule(name) : nullptr;
  if (!module || seam.hiddenModules.count(Lower(module->name))) {
    SetLastError(err::kModNotFound);
    return nullptr;
  }
  ++module->loads;
  return module;
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
  auto& seam = TheSeam();
  std::lock_guard lock(seam.mutex);
  if (module && name) {
    const auto key = std::make_pair(Lower(module->name), std::string(name));
    if (!seam.hiddenEntries.count(key)) {
      if (auto it = seam.replaced.find(key); it != seam.replaced.end()) return it->second;
      for (const auto& e : kIcmpExports)
        if (key.second == e.name) return e.entry;
    }
  }
  SetLastError(err::kProcNotFound);
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
  std::lock_guard lock(TheSeam().mutex);
  if (!module || module->loads == 0) {
    SetLastError(err::kInvalidParameter);
    return 0;
  }
  --module->loads;
  return 1;
}

namespace module_seam {

void HideModule(const std::string& module) {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().hiddenModules.insert(Lower(module));
}

void HideEntry(const std::string& module, const std::string& entry) {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().hiddenEntries.insert({Lower(module), entry});
}

void ReplaceEntry(const std::string& module, const std::string& entry, FARPROC with) {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().replaced[{Lower(module), entry}] = with;
}

int LoadCount(const std::string& module) {
  std::lock_guard lock(TheSeam().mutex);
  const BuiltInModule* found = FindModule(module);
  return found ? found->loads : 0;
}

void Reset() {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().hiddenModules.clear();
  TheSeam().hiddenEntries.clear();
  TheSeam().replaced.clear();
}

}  // namespace module_seam
