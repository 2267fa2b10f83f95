#pragma once
// Opening a web page or a file the way the desktop does (default browser,
// default editor). Tests put a recorder in its place.

#include <QString>

#include <functional>

// True when the desktop took the request.
bool ShellOpen(const QString& target);

namespace shell_open_seam {
// nullptr restores the desktop.
void Replace(std::function<bool(const QString&)> opener);
}  // namespace shell_open_seam
