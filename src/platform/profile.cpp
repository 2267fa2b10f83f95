#include "platform/profile.h"

#include <algorithm>
#include <cctype>

#include "platform/atomic_file.h"
#include "platform/config_dir.h"
#include "platform/text_util.h"

namespace {

bool IsPlainLine(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return c == '\0' || c == '\n' || c == '\r'; });
}

// An unreadable profile is as good as empty, and kept aside before the write
// that replaces it.
IniFile LoadProfile(const std::string& file, bool* corrupt) {
  const std::optional<std::string> text = ReadWholeFile(file);
  *corrupt = false;
  if (!text) return {};
  std::optional<IniFile> ini = ParseIni(*text);
  *corrupt = !ini;
  return ini ? std::move(*ini) : IniFile{};
}

}  // namespace

const std::string* IniFile::Find(std::string_view section, std::string_view entry) const {
  for (const auto& s : sections) {
    if (!EqualsIgnoreCase(s.name, section)) continue;
    for (const auto& [key, value] : s.entries)
      if (EqualsIgnoreCase(key, entry)) return &value;
  }
  return nullptr;
}

void IniFile::Set(std::string_view section, std::string_view entry, std::string value) {
  auto s = std::find_if(sections.begin(), sections.end(), [&](const IniSection& x) { return EqualsIgnoreCase(x.name, section); });
  if (s == sections.end()) {
    sections.push_back({std::string(section), {}});
    s = sections.end() - 1;
  }
  for (auto& [key, existing] : s->entries) {
    if (EqualsIgnoreCase(key, entry)) {
      existing = std::move(value);
      return;
    }
  }
  s->entries.emplace_back(std::string(entry), std::move(value));
}

std::optional<IniFile> ParseIni(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  if (text.find('\0') != std::string_view::npos) return std::nullopt;
  IniFile ini;
  IniSection* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      if (line.back() != ']') return std::nullopt;
      ini.sections.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}});
      current = &ini.sections.back();
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos || Trim(line.substr(0, equals)).empty()) return std::nullopt;
    current->entries.emplace_back(std::string(Trim(line.substr(0, equals))),
                                  std::string(Trim(line.substr(equals + 1))));
  }
  return ini;
}

std::string WriteIni(const IniFile& ini) {
  std::string out;
  for (const auto& section : ini.sections) {
    out += "[" + section.name + "]\n";
    for (const auto& [key, value] : section.entries) out += key + "=" + value + "\n";
    out += "\n";
  }
  return out;
}

std::string EncodeProfileBinary(const std::vector<BYTE>& bytes) {
  std::string letters;
  letters.reserve(bytes.size() * 2);
  for (BYTE b : bytes) {
    letters += static_cast<char>('A' + (b & 0x0F));
    letters += static_cast<char>('A' + (b >> 4));
  }
  return letters;
}

std::optional<std::vector<BYTE>> DecodeProfileBinary(std::string_view letters) {
  if (letters.size() % 2 != 0) return std::nullopt;
  std::vector<BYTE> bytes;
  bytes.reserve(letters.size() / 2);
  for (std::size_t i = 0; i < letters.size(); i += 2) {
    const int low = letters[i] - 'A';
    const int high = letters[i + 1] - 'A';
    if (low < 0 || low > 15 || high < 0 || high > 15) return std::nullopt;
    bytes.push_back(static_cast<BYTE>((high << 4) | low));
  }
  return bytes;
}

std::string ProfilePath() { return ConfigDirectory() + "/vantorel.INI"; }

std::optional<std::vector<BYTE>> GetProfileBinary(std::string_view section, std::string_view entry) {
  bool corrupt = false;
  const IniFile ini = LoadProfile(ProfilePath(), &corrupt);
  const std::string* letters = ini.Find(section, entry);
  if (!letters) return std::nullopt;
  return DecodeProfileBinary(*letters);
}

bool WriteProfileBinary(std::string_view section, std::string_view entry, const std::vector<BYTE>& bytes) {
  if (!IsPlainLine(section) || !IsPlainLine(entry) || !EnsureDirectory(ConfigDirectory())) return false;
  const std::string file = ProfilePath();
  FileLock lock(file);
  if (!lock.Held()) return false;
  bool corrupt = false;
  IniFile ini = LoadProfile(file, &corrupt);
  if (corrupt) KeepCorruptFileAside(file);
  ini.Set(section, entry, EncodeProfileBinary(bytes));
  return WriteFileAtomically(file, WriteIni(ini));
}
