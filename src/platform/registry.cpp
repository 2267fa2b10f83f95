#include "platform/registry.h"

#include <algorithm>
#include <cerrno>
#include <functional>

#include "platform/atomic_file.h"
#include "platform/config_dir.h"

namespace {

constexpr LONG ERROR_WRITE_FAULT = 29;
constexpr LONG ERROR_DISK_FULL = 112;

struct RootEntry {
  HKEY root;
  const char* name;
};
constexpr RootEntry kRoots[] = {
    {HKEY::kClassesRoot, "HKEY_CLASSES_ROOT"}, {HKEY::kCurrentUser, "HKEY_CURRENT_USER"},
    {HKEY::kLocalMachine, "HKEY_LOCAL_MACHINE"}, {HKEY::kUsers, "HKEY_USERS"},
    {HKEY::kCurrentConfig, "HKEY_CURRENT_CONFIG"},
};

bool HasControlCharacters(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool IsValidKeyPath(const std::string& path) {
  return !HasControlCharacters(path) && path.find_first_of("[]") == std::string::npos &&
         (path.empty() || (path.front() != '\\' && path.back() != '\\'));
}

std::string FullPath(HKEY root, const std::string& path) {
  return path.empty() ? std::string(RootName(root)) : std::string(RootName(root)) + "\\" + path;
}

// A missing file is an empty hive; so is one that cannot be parsed (its
// values are as good as missing until a person mends it).
Hive LoadHive(const std::string& file, bool* corrupt = nullptr) {
  const std::optional<std::string> text = ReadWholeFile(file);
  if (!text) return {};
  std::optional<Hive> hive = ParseRegFile(*text);
  if (corrupt) *corrupt = !hive;
  return hive ? std::move(*hive) : Hive{};
}

// Read, change and replace the root's hive file under its lock, so that
// two running copies never lose each other's changes.
LONG ModifyHive(HKEY root, const std::function<void(Hive&)>& change) {
  if (!EnsureDirectory(ConfigDirectory())) return ERROR_ACCESS_DENIED;
  const std::string file = HivePath(root);
  FileLock lock(file);
  if (!lock.Held()) return ERROR_ACCESS_DENIED;
  bool corrupt = false;
  Hive hive = LoadHive(file, &corrupt);
  if (corrupt) KeepCorruptFileAside(file);
  change(hive);
  if (WriteFileAtomically(file, WriteRegFile(hive))) return ERROR_SUCCESS;
  return errno == ENOSPC ? ERROR_DISK_FULL : ERROR_WRITE_FAULT;
}

}  // namespace

const char* RootName(HKEY root) {
  for (const auto& entry : kRoots)
    if (entry.root == root) return entry.name;
  return "HKEY_UNKNOWN";
}

std::string HivePath(HKEY root) { return ConfigDirectory() + "/" + RootName(root) + ".reg"; }

LONG RegCreateKey(HKEY root, const std::string& path, RegKeyHandle* key) {
  if (!IsValidKeyPath(path)) return ERROR_INVALID_PARAMETER;
  const std::string full = FullPath(root, path);
  if (!LoadHive(HivePath(root)).FindKey(full)) {
    const LONG rc = ModifyHive(root, [&](Hive& hive) { hive.AddKey(full); });
    if (rc != ERROR_SUCCESS) return rc;
  }
  *key = {root, path};
  return ERROR_SUCCESS;
}

LONG RegOpenKey(HKEY root, const std::string& path, RegKeyHandle* key) {
  if (!path.empty() && !LoadHive(HivePath(root)).FindKey(FullPath(root, path))) return ERROR_FILE_NOT_FOUND;
  *key = {root, path};
  return ERROR_SUCCESS;
}

LONG RegQueryValue(const RegKeyHandle& key, const std::string& name, DWORD* type, BYTE* data, DWORD* size) {
  const Hive hive = LoadHive(HivePath(key.root));
  const RegKey* found = hive.FindKey(FullPath(key.root, key.path));
  const RegValue* value = found ? FindValue(*found, name) : nullptr;
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->type;
  const DWORD needed = static_cast<DWORD>(value->data.size());
  if (data && *size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  if (data) std::copy(value->data.begin(), value->data.end(), data);
  if (size) *size = needed;
  return ERROR_SUCCESS;
}

LONG RegSetValue(const RegKeyHandle& key, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
  if (HasControlCharacters(name) || !IsValidKeyPath(key.path)) return ERROR_INVALID_PARAMETER;
  RegValue value{name, type, std::vector<BYTE>(data, data + size)};
  return ModifyHive(key.root,
                    [&](Hive& hive) { SetValue(hive.AddKey(FullPath(key.root, key.path)), std::move(value)); });
}
