// The shutdown signal is one-way for the whole process, so this program
// holds nothing else.

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/last_error.h"
#include "platform/shutdown_signal.h"
#include "platform/wait.h"

namespace {

using namespace std::chrono_literals;

TEST(ShutdownSignal, WakesWaitsInFlightAndLater) {
  int quiet[2];
  ASSERT_EQ(::pipe(quiet), 0);
  EXPECT_EQ(WaitForDescriptor(quiet[0], POLLIN, 0us), WaitResult::kTimedOut);

  WaitResult inFlight = WaitResult::kReady;
  DWORD reason = 0;
  std::thread waiter([&] {
    inFlight = WaitForDescriptor(quiet[0], POLLIN, 3600s);
    reason = GetLastError();
  });
  std::this_thread::sleep_for(50ms);  // let it block (the result is the same if not)
  EXPECT_FALSE(IsShutdownRequested());
  RequestShutdown();
  waiter.join();
  EXPECT_EQ(inFlight, WaitResult::kFailed);
  EXPECT_EQ(reason, err::kCancelled);
  EXPECT_EQ(WaitForDescriptor(quiet[0], POLLIN, 3600s), WaitResult::kFailed);
  EXPECT_TRUE(IsShutdownRequested());
}

}  // namespace
