#pragma once

#include <optional>
#include <string>

// The whois page for a trace row's address cell: its square brackets
// removed, appended as it is. Nothing when fewer than 5 characters remain.
std::optional<std::string> WhoisPage(const std::string& addressCell);

inline constexpr const char* kWhoisRefusedMessage =
    "URL can not be processed. Please check if this is a valid URL syntax!";
