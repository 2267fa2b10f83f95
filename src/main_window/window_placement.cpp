// Saving the main window's placement when it closes and restoring it at start.

#include <QGuiApplication>
#include <QScreen>

#include "app/settings_catalogue.h"
#include "main_window/layout_geometry.h"
#include "main_window/main_dlg.h"
#include "main_window/placement_record.h"
#include "platform/profile.h"

namespace {
Rect FromQt(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
}  // namespace

void CMainDlg::SaveWindowPlacement() {
  LayoutRecord record;
  const QScreen* screen = QGuiApplication::primaryScreen();
  record.screenWidth = screen ? screen->geometry().width() : 0;
  record.screenHeight = screen ? screen->geometry().height() : 0;
  WindowPlacement& p = record.placement;
  p.length = kPlacementLength;
  p.flags = isMaximized() ? kRestoreToMaximized : 0;
  p.showCmd = isMinimized() ? SW_SHOWMINIMIZED : (isMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  p.minPosition = {-1, -1};
  p.maxPosition = {-1, -1};
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  p.normal = {normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
  WriteProfileBinary(settings::kProfileSection, settings::kLayoutEntry, WriteLayoutRecord(record));
}

bool CMainDlg::RestoreWindowPlacement() {
  const auto bytes = GetProfileBinary(settings::kProfileSection, settings::kLayoutEntry);
  if (!bytes) return false;
  const auto record = ParseLayoutRecord(*bytes);
  if (!record) return false;
  if (record->placement.length != 0) {
    // The window always comes back normal, at its stored normal rectangle,
    // moved onto a screen when it would lie off every screen there is now.
    const NormalRect& n = record->placement.normal;
    std::vector<Rect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(FromQt(screen->availableGeometry()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const Rect fitted = FitOntoScreens({n.left, n.top, n.right - n.left, n.bottom - n.top}, screens,
                                       primary ? FromQt(primary->availableGeometry()) : Rect{});
    setGeometry(fitted.x, fitted.y, std::max(fitted.width, 0), std::max(fitted.height, 0));
  }
  return true;
}
