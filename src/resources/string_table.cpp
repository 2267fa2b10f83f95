#include "resources/string_table.h"

#include <utility>

#include "resources/command_ids.h"

namespace {
constexpr std::pair<int, const char*> kStrings[] = {
    {cmd::kToolbarPing, "Ping\nPing"},
    {cmd::kToolbarTrace, "Trace\nTrace"},
    {cmd::kExport, "Export\nExport"},
    {cmd::kStop, "Cancel\nCancel"},
    {cmd::kTraceSettings, "Program Settings\nSettings"},
    {cmd::kAbout, "About this software\n   About   "},
};
}  // namespace

std::optional<std::string> LoadString(int id) {
  for (const auto& [key, text] : kStrings)
    if (key == id) return std::string(text);
  return std::nullopt;
}

std::string ToolbarLabel(const std::string& text) {
  std::string last;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!piece.empty()) last = piece;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return last;
}
