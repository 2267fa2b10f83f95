#pragma once
// The string table: texts by id. The toolbar labels are the pieces after
// the last line feed.

#include <optional>
#include <string>

std::optional<std::string> LoadString(int id);

// The last piece of a string cut at its line feeds (consecutive ones count
// as one, none at either end makes an empty piece); empty when none.
std::string ToolbarLabel(const std::string& text);
