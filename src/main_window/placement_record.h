#pragma once
// The 58-byte "Layout" record that keeps the main window's placement: an
// empty tool-bar docking state (version, screen size, no bars) followed by
// the window placement. Little-endian, field by field.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win_types.h"

struct Point {
  std::int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct NormalRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const NormalRect&) const = default;
};

struct WindowPlacement {
  DWORD length = 44;  // 0: the placement could not be read and means nothing
  DWORD flags = 0;    // kRestoreToMaximized when the window was maximised
  DWORD showCmd = 0;
  Point minPosition;
  Point maxPosition;
  NormalRect normal;
  bool operator==(const WindowPlacement&) const = default;
};

struct LayoutRecord {
  DWORD version = 2;
  std::int32_t screenWidth = 0;   // read and kept, never applied
  std::int32_t screenHeight = 0;
  WindowPlacement placement;
};

constexpr DWORD kRestoreToMaximized = 2;
constexpr DWORD kPlacementLength = 44;
constexpr std::size_t kLayoutRecordSize = 58;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOW = 5;

std::vector<BYTE> WriteLayoutRecord(const LayoutRecord& record);

// Nothing when the data ends early. Version 1 carries no screen size. Bar
// entries, which we never write, are skipped: each is a 32-bit length and
// that many bytes.
std::optional<LayoutRecord> ParseLayoutRecord(const std::vector<BYTE>& bytes);
