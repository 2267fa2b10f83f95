#pragma once
// The settings store every reader and writer goes through: a root and a
// remembered path, no handle held between calls, silent failures.

#include <string>

#include "platform/registry.h"

class CRegistryKey {
 public:
  bool SetRoot(HKEY root);
  bool OpenPath(const std::string& path);
  std::string GetString(const std::string& name, const std::string& defaultText) const;
  DWORD GetFlag(const std::string& name, DWORD defaultValue) const;
  bool PutString(const std::string& name, const std::string& text) const;
  bool PutFlag(const std::string& name, DWORD value) const;

  HKEY Root() const { return m_root; }
  const std::string& Path() const { return m_path; }

 private:
  HKEY m_root = HKEY_CURRENT_USER;
  std::string m_path;
};

// Longest text a value may hold: a 255-byte buffer and its terminating zero.
constexpr std::size_t kMaxStoredText = 254;
