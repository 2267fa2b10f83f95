#include "platform/reg_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/text_util.h"

namespace {

constexpr std::string_view kHeader = "REGEDIT4";

// Physical lines joined where a line ends with a backslash (long hex lists).
std::vector<std::string> LogicalLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string pending;
  bool continuing = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (continuing) line = Trim(line);
    std::string_view trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.back() == '\\') {
      trimmed.remove_suffix(1);
      pending += trimmed;
      continuing = true;
      continue;
    }
    pending += line;
    lines.push_back(std::move(pending));
    pending.clear();
    continuing = false;
  }
  if (continuing) lines.push_back(std::move(pending));
  return lines;
}

// A quoted string at the front of `s` with \\ and \" escapes; `s` moves past it.
bool TakeQuoted(std::string_view& s, std::string* out) {
  if (s.empty() || s.front() != '"') return false;
  s.remove_prefix(1);
  out->clear();
  while (!s.empty()) {
    const char c = s.front();
    s.remove_prefix(1);
    if (c == '"') return true;
    if (c == '\\') {
      if (s.empty() || (s.front() != '\\' && s.front() != '"')) return false;
      out->push_back(s.front());
      s.remove_prefix(1);
    } else {
      out->push_back(c);
    }
  }
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool ParseHexNumber(std::string_view s, std::size_t maxDigits, DWORD* value) {
  s = Trim(s);
  if (s.empty() || s.size() > maxDigits) return false;
  *value = 0;
  for (char c : s) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    *value = (*value << 4) | static_cast<DWORD>(d);
  }
  return true;
}

bool ParseHexBytes(std::string_view s, std::vector<BYTE>* bytes) {
  bytes->clear();
  s = Trim(s);
  if (s.empty()) return true;
  while (true) {
    const std::size_t comma = s.find(',');
    DWORD byte = 0;
    if (!ParseHexNumber(s.substr(0, comma), 2, &byte)) return false;
    bytes->push_back(static_cast<BYTE>(byte));
    if (comma == std::string_view::npos) return true;
    s.remove_prefix(comma + 1);
  }
}

bool ParseData(std::string_view s, RegValue* value, bool* remove) {
  s = Trim(s);
  *remove = false;
  if (s == "-") {
    *remove = true;
    return true;
  }
  if (!s.empty() && s.front() == '"') {
    std::string text;
    if (!TakeQuoted(s, &text) || !Trim(s).empty()) return false;
    value->type = REG_SZ;
    value->data.assign(text.begin(), text.end());
    value->data.push_back(0);
    return true;
  }
  if (s.rfind("dword:", 0) == 0) {
    DWORD number = 0;
    if (!ParseHexNumber(s.substr(6), 8, &number)) return false;
    value->type = REG_DWORD;
    value->data = {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8), static_cast<BYTE>(number >> 16),
                   static_cast<BYTE>(number >> 24)};
    return true;
  }
  if (s.rfind("hex:", 0) == 0) {
    value->type = REG_BINARY;
    return ParseHexBytes(s.substr(4), &value->data);
  }
  if (s.rfind("hex(", 0) == 0) {
    const std::size_t close = s.find("):");
    if (close == std::string_view::npos || !ParseHexNumber(s.substr(4, close - 4), 8, &value->type)) return false;
    return ParseHexBytes(s.substr(close + 2), &value->data);
  }
  return false;
}

void RemoveKeyTree(Hive& hive, std::string_view path) {
  std::erase_if(hive.keys, [&](const RegKey& key) {
    return EqualsIgnoreCase(key.path, path) ||
           (key.path.size() > path.size() && key.path[path.size()] == '\\' &&
            EqualsIgnoreCase(std::string_view(key.path).substr(0, path.size()), path));
  });
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// A text REGEDIT4 can hold between quotes: one terminating zero, no
// control characters.
bool IsPlainText(const std::vector<BYTE>& data) {
  if (data.empty() || data.back() != 0) return false;
  return std::none_of(data.begin(), data.end() - 1, [](BYTE b) { return b < 0x20 || b == 0x7F; });
}

std::string HexList(std::string prefix, const std::vector<BYTE>& data) {
  std::string out = std::move(prefix);
  std::size_t lineLength = out.size();
  char byte[4];
  for (std::size_t i = 0; i < data.size(); ++i) {
    std::snprintf(byte, sizeof byte, "%02x", data[i]);
    out += byte;
    lineLength += 2;
    if (i + 1 < data.size()) {
      out += ',';
      ++lineLength;
      if (lineLength >= 76) {
        out += "\\\n  ";
        lineLength = 2;
      }
    }
  }
  return out;
}

}  // namespace

RegKey* Hive::FindKey(std::string_view path) {
  for (auto& key : keys)
    if (EqualsIgnoreCase(key.path, path)) return &key;
  return nullptr;
}

const RegKey* Hive::FindKey(std::string_view path) const { return const_cast<Hive*>(this)->FindKey(path); }

RegKey& Hive::AddKey(std::string_view path) {
  if (RegKey* key = FindKey(path)) return *key;
  keys.push_back({std::string(path), {}});
  return keys.back();
}

const RegValue* FindValue(const RegKey& key, std::string_view name) {
  for (const auto& value : key.values)
    if (EqualsIgnoreCase(value.name, name)) return &value;
  return nullptr;
}

void SetValue(RegKey& key, RegValue value) {
  for (auto& existing : key.values) {
    if (EqualsIgnoreCase(existing.name, value.name)) {
      existing.type = value.type;
      existing.data = std::move(value.data);
      return;
    }
  }
  key.values.push_back(std::move(value));
}

std::optional<Hive> ParseRegFile(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::vector<std::string> lines = LogicalLines(text);
  Hive hive;
  bool headerSeen = false;
  RegKey* current = nullptr;
  for (const std::string& raw : lines) {
    std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (!headerSeen) {
      if (line != kHeader) return std::nullopt;
      headerSeen = true;
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) return std::nullopt;
      std::string_view path = line.substr(1, line.size() - 2);
      if (path.front() == '-') {
        RemoveKeyTree(hive, path.substr(1));
        current = nullptr;
        continue;
      }
      if (path.find_first_of("[]") != std::string_view::npos) return std::nullopt;
      current = &hive.AddKey(path);
      continue;
    }
    if (!current) return std::nullopt;
    RegValue value;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else if (!TakeQuoted(line, &value.name) || value.name.empty()) {
      return std::nullopt;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') return std::nullopt;
    bool remove = false;
    if (!ParseData(line.substr(1), &value, &remove)) return std::nullopt;
    if (remove) {
      std::erase_if(current->values, [&](const RegValue& v) { return EqualsIgnoreCase(v.name, value.name); });
    } else {
      SetValue(*current, std::move(value));
    }
  }
  if (!headerSeen) return std::nullopt;
  return hive;
}

std::string WriteRegFile(const Hive& hive) {
  std::string out = std::string(kHeader) + "\n\n";
  for (const RegKey& key : hive.keys) {
    out += "[" + key.path + "]\n";
    for (const RegValue& value : key.values) {
      out += value.name.empty() ? "@" : Quoted(value.name);
      out += '=';
      if (value.type == REG_SZ && IsPlainText(value.data)) {
        out += Quoted(std::string(value.data.begin(), value.data.end() - 1));
      } else if (value.type == REG_DWORD && value.data.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x",
                      value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (DWORD{value.data[3]} << 24));
        out += number;
      } else if (value.type == REG_BINARY) {
        out += HexList("hex:", value.data);
      } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
        out += HexList(prefix, value.data);
      }
      out += '\n';
    }
    out += '\n';
  }
  return out;
}
