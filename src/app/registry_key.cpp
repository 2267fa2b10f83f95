#include "app/registry_key.h"

#include <cstring>
#include <vector>

bool CRegistryKey::SetRoot(HKEY root) {
  if (root != HKEY_CLASSES_ROOT && root != HKEY_CURRENT_USER && root != HKEY_LOCAL_MACHINE && root != HKEY_USERS)
    return false;
  m_root = root;
  return true;
}

bool CRegistryKey::OpenPath(const std::string& path) {
  RegKeyHandle key;
  if (RegCreateKey(m_root, path, &key) != ERROR_SUCCESS) return false;
  m_path = path;
  return true;
}

std::string CRegistryKey::GetString(const std::string& name, const std::string& defaultText) const {
  RegKeyHandle key;
  DWORD type = REG_NONE;
  if (RegOpenKey(m_root, m_path, &key) != ERROR_SUCCESS ||
      RegQueryValue(key, name, &type, nullptr, nullptr) != ERROR_SUCCESS)
    type = REG_NONE;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return defaultText;
  BYTE buffer[kMaxStoredText + 1];
  DWORD size = sizeof buffer;
  if (RegOpenKey(m_root, m_path, &key) != ERROR_SUCCESS ||
      RegQueryValue(key, name, nullptr, buffer, &size) != ERROR_SUCCESS)
    return defaultText;
  // Up to the first zero: a value stored without its terminator still reads.
  const auto* text = reinterpret_cast<const char*>(buffer);
  return std::string(text, strnlen(text, size));
}

DWORD CRegistryKey::GetFlag(const std::string& name, DWORD defaultValue) const {
  RegKeyHandle key;
  if (RegOpenKey(m_root, m_path, &key) != ERROR_SUCCESS) return defaultValue;
  BYTE buffer[4] = {};
  DWORD size = sizeof buffer;
  if (RegQueryValue(key, name, nullptr, buffer, &size) != ERROR_SUCCESS) return defaultValue;
  // Shorter values fill the low bytes; the rest stay zero.
  return buffer[0] | (buffer[1] << 8) | (buffer[2] << 16) | (DWORD{buffer[3]} << 24);
}

bool CRegistryKey::PutString(const std::string& name, const std::string& text) const {
  if (text.size() > kMaxStoredText) return false;
  RegKeyHandle key;
  if (RegOpenKey(m_root, m_path, &key) != ERROR_SUCCESS) return false;
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  return RegSetValue(key, name, REG_SZ, data.data(), static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool CRegistryKey::PutFlag(const std::string& name, DWORD value) const {
  RegKeyHandle key;
  if (RegOpenKey(m_root, m_path, &key) != ERROR_SUCCESS) return false;
  const BYTE data[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                        static_cast<BYTE>(value >> 24)};
  return RegSetValue(key, name, REG_BINARY, data, sizeof data) == ERROR_SUCCESS;
}
