#pragma once
// The registry as the settings code knows it, kept in one hive file per
// root in the configuration directory. Keys are opened by (root, path) and
// hold nothing open: every call reads the file afresh, and every change is
// a locked read-modify-write that replaces the file atomically.

#include <string>

#include "platform/reg_file.h"
#include "platform/win_types.h"

using LONG = std::int32_t;

enum class HKEY : DWORD {
  kClassesRoot = 0x80000000,
  kCurrentUser = 0x80000001,
  kLocalMachine = 0x80000002,
  kUsers = 0x80000003,
  kCurrentConfig = 0x80000005,
};
constexpr HKEY HKEY_CLASSES_ROOT = HKEY::kClassesRoot;
constexpr HKEY HKEY_CURRENT_USER = HKEY::kCurrentUser;
constexpr HKEY HKEY_LOCAL_MACHINE = HKEY::kLocalMachine;
constexpr HKEY HKEY_USERS = HKEY::kUsers;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;

// An open key: which root and path the calls address.
struct RegKeyHandle {
  HKEY root;
  std::string path;
};

// Name of a root as it heads its keys in the hive file ("HKEY_CURRENT_USER").
const char* RootName(HKEY root);
// The hive file of a root.
std::string HivePath(HKEY root);

// Creates the key (and its parents' entry) when it is missing.
LONG RegCreateKey(HKEY root, const std::string& path, RegKeyHandle* key);
// ERROR_FILE_NOT_FOUND when the key is missing.
LONG RegOpenKey(HKEY root, const std::string& path, RegKeyHandle* key);
// With data null only the type and size are asked for. With a buffer too
// small for the value, ERROR_MORE_DATA and *size set to what is needed.
LONG RegQueryValue(const RegKeyHandle& key, const std::string& name, DWORD* type, BYTE* data, DWORD* size);
LONG RegSetValue(const RegKeyHandle& key, const std::string& name, DWORD type, const BYTE* data, DWORD size);
