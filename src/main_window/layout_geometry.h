#pragma once
// Where the main window's controls go for a client size, and where a
// restored window may go on the screens there are now.

#include <vector>

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

struct ControlGeometry {
  Rect separator;   // control 1005
  Rect groupBox;    // control 1016
  Rect pingList;    // control 1001
  Rect traceList;   // control 1000
  Rect toolbar;
};

// For a client area of W x H pixels; widths and heights never go below zero.
ControlGeometry LayoutGeometry(int width, int height);

// The stored normal rectangle as it is when it overlaps a screen; else moved
// onto the primary screen at its stored size (centred, top-left kept on the
// screen when it is larger).
Rect FitOntoScreens(const Rect& normal, const std::vector<Rect>& screens, const Rect& primary);
