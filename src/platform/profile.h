#pragma once
// The private profile (an INI file) and its binary entries, which are kept
// as two capital letters per byte: 'A' + low four bits, then 'A' + high.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win_types.h"

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;
};

struct IniFile {
  std::vector<IniSection> sections;

  // Section and entry names compare case-insensitively.
  const std::string* Find(std::string_view section, std::string_view entry) const;
  void Set(std::string_view section, std::string_view entry, std::string value);
};

// Nothing when the text is not a well-formed INI file.
std::optional<IniFile> ParseIni(std::string_view text);
std::string WriteIni(const IniFile& ini);

std::string EncodeProfileBinary(const std::vector<BYTE>& bytes);
// Nothing for an odd length or a letter outside 'A'..'P'.
std::optional<std::vector<BYTE>> DecodeProfileBinary(std::string_view letters);

// The profile file: vantorel.INI in the configuration directory.
std::string ProfilePath();
std::optional<std::vector<BYTE>> GetProfileBinary(std::string_view section, std::string_view entry);
bool WriteProfileBinary(std::string_view section, std::string_view entry, const std::vector<BYTE>& bytes);
