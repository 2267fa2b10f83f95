#include "platform/clock.h"

#include <unistd.h>

#include <chrono>

using SteadyClock = std::chrono::steady_clock;

BOOL QueryPerformanceFrequency(std::int64_t* frequency) {
  *frequency = SteadyClock::period::den / SteadyClock::period::num;
  return 1;
}

BOOL QueryPerformanceCounter(std::int64_t* count) {
  *count = SteadyClock::now().time_since_epoch().count();
  return 1;
}

DWORD GetTickCount() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now().time_since_epoch());
  return static_cast<DWORD>(ms.count());
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }
