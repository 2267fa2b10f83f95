#include "app/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<bool(const QString&)> g_opener;
}  // namespace

bool ShellOpen(const QString& target) {
  if (g_opener) return g_opener(target);
  // A path opens as a file; anything else as an address, unencoded, as given.
  const QUrl url = target.startsWith('/') ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::TolerantMode);
  return QDesktopServices::openUrl(url);
}

namespace shell_open_seam {
void Replace(std::function<bool(const QString&)> opener) { g_opener = std::move(opener); }
}  // namespace shell_open_seam
