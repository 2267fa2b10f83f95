#include "platform/shutdown_signal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>

namespace {
std::atomic<bool> g_requested{false};

int WakeFd() {
  static const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  return fd;
}
}  // namespace

void RequestShutdown() {
  if (g_requested.exchange(true)) return;
  const std::uint64_t one = 1;
  // The counter is never read, so the descriptor stays readable for good.
  [[maybe_unused]] auto written = ::write(WakeFd(), &one, sizeof one);
}

bool IsShutdownRequested() { return g_requested.load(); }

int ShutdownWakeFd() { return WakeFd(); }
