#include "main_window/layout_geometry.h"

#include <algorithm>

namespace {

Rect Sized(int x, int y, int width, int height) { return {x, y, std::max(width, 0), std::max(height, 0)}; }

bool Overlaps(const Rect& a, const Rect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

ControlGeometry LayoutGeometry(int width, int height) {
  const int half = width / 2;
  ControlGeometry g;
  g.separator = Sized(0, 50, width, 2);
  g.groupBox = Sized(5, 55, width - 10, 55);
  g.pingList = Sized(5, 117, half - 10, height - 145);
  g.traceList = Sized(half + 5, 117, half - 10, height - 145);
  g.toolbar = Sized(0, 0, width, height);
  return g;
}

Rect FitOntoScreens(const Rect& normal, const std::vector<Rect>& screens, const Rect& primary) {
  if (std::any_of(screens.begin(), screens.end(), [&](const Rect& s) { return Overlaps(normal, s); })) return normal;
  Rect moved = normal;
  moved.x = primary.x + std::max(0, (primary.width - normal.width) / 2);
  moved.y = primary.y + std::max(0, (primary.height - normal.height) / 2);
  return moved;
}
