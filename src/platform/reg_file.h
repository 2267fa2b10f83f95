#pragma once
// The text format of registry exports ("REGEDIT4"), in which each root's
// hive file is kept: parsed into keys and typed values, and written back.
// Key and value names compare case-insensitively and keep their case.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win_types.h"

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

struct RegValue {
  std::string name;  // empty: the key's default value ("@")
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct RegKey {
  std::string path;  // full path, root name first
  std::vector<RegValue> values;
};

struct Hive {
  std::vector<RegKey> keys;

  RegKey* FindKey(std::string_view path);
  const RegKey* FindKey(std::string_view path) const;
  RegKey& AddKey(std::string_view path);  // the existing key, or a new one
};

const RegValue* FindValue(const RegKey& key, std::string_view name);
void SetValue(RegKey& key, RegValue value);

// Nothing when the text is not a well-formed export.
std::optional<Hive> ParseRegFile(std::string_view text);
std::string WriteRegFile(const Hive& hive);
