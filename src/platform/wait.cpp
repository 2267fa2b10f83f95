#include "platform/wait.h"

#include <poll.h>

#include <cerrno>

#include "platform/last_error.h"
#include "platform/shutdown_signal.h"

WaitResult WaitForDescriptor(int fd, short events, std::chrono::microseconds timeout) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    pollfd fds[2] = {{fd, events, 0}, {ShutdownWakeFd(), POLLIN, 0}};
    const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - Clock::now());
    const auto wait = left.count() > 0 ? left : std::chrono::nanoseconds(0);
    const timespec ts{static_cast<time_t>(wait.count() / 1'000'000'000),
                      static_cast<long>(wait.count() % 1'000'000'000)};
    const int rc = ::ppoll(fds, 2, &ts, nullptr);
    if (rc < 0) {
      if (errno == EINTR) continue;
      SetLastError(ErrorFromErrno(errno));
      return WaitResult::kFailed;
    }
    if (fds[1].revents != 0 || IsShutdownRequested()) {
      SetLastError(err::kCancelled);
      return WaitResult::kFailed;
    }
    if (rc == 0) return WaitResult::kTimedOut;
    // A pending error or hang-up is for the reader to find; waiting on would spin.
    if (fds[0].revents & (events | POLLERR | POLLHUP)) return WaitResult::kReady;
    if (fds[0].revents & POLLNVAL) {
      SetLastError(err::kWsaeNotSock);
      return WaitResult::kFailed;
    }
  }
}
