#pragma once
// Toolbar 134: its buttons' commands in order, 0 for a separator.

#include <span>

inline constexpr int kToolbarImageSize = 24;
std::span<const int> ToolbarButtons();
