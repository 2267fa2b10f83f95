#include <gtest/gtest.h>

#include "main_window/layout_geometry.h"

namespace {

TEST(LayoutGeometry, ControlsForClientSizes) {
  struct Case {
    int w, h;
    Rect separator, group, ping, trace;
  };
  const Case cases[] = {
      {800, 500, {0, 50, 800, 2}, {5, 55, 790, 55}, {5, 117, 390, 355}, {405, 117, 390, 355}},
      {900, 500, {0, 50, 900, 2}, {5, 55, 890, 55}, {5, 117, 440, 355}, {455, 117, 440, 355}},  // 100 wider
      {801, 500, {0, 50, 801, 2}, {5, 55, 791, 55}, {5, 117, 390, 355}, {405, 117, 390, 355}},  // odd: 6 px right
      {10, 100, {0, 50, 10, 2}, {5, 55, 0, 55}, {5, 117, 0, 0}, {10, 117, 0, 0}},               // clamped at zero
      {0, 0, {0, 50, 0, 2}, {5, 55, 0, 55}, {5, 117, 0, 0}, {5, 117, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    const ControlGeometry g = LayoutGeometry(c.w, c.h);
    EXPECT_EQ(g.separator, c.separator);
    EXPECT_EQ(g.groupBox, c.group);
    EXPECT_EQ(g.pingList, c.ping);
    EXPECT_EQ(g.traceList, c.trace);
    EXPECT_EQ(g.toolbar, (Rect{0, 0, c.w, c.h}));
  }
  const ControlGeometry odd = LayoutGeometry(801, 500);
  EXPECT_EQ(801 - (odd.traceList.x + odd.traceList.width), 6);
}

TEST(LayoutGeometry, RestoredWindowStaysReachable) {
  const Rect primary{0, 0, 1920, 1080};
  const Rect second{1920, 0, 1280, 1024};
  struct Case {
    const char* what;
    Rect stored, expected;
  };
  const Case cases[] = {
      {"on the primary screen", {100, 100, 800, 600}, {100, 100, 800, 600}},
      {"on the second screen", {2000, 50, 800, 600}, {2000, 50, 800, 600}},
      {"partly on a screen", {-700, -500, 800, 600}, {-700, -500, 800, 600}},
      {"beyond every screen", {5000, 3000, 800, 600}, {560, 240, 800, 600}},
      {"larger than the screen, off it", {-9000, 0, 2500, 1500}, {0, 0, 2500, 1500}},
  };
  for (const auto& c : cases) EXPECT_EQ(FitOntoScreens(c.stored, {primary, second}, primary), c.expected) << c.what;
}

}  // namespace
