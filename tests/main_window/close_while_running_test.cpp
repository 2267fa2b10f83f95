// Closing the window while a trace waits on a 30-second timeout: the window
// goes away at once and the probe is woken and ends. Closing raises the
// process-wide shutdown signal, so this program holds only this test.

#include <poll.h>

#include "app/settings_catalogue.h"
#include "platform/shutdown_signal.h"
#include "platform/wait.h"
#include "resources/command_ids.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, ClosingWithATraceRunningWindsItUp) {
  // The scripted service waits as the real one does: until the timeout, or
  // until the shutdown signal wakes it.
  service.responder = [](const FakeIcmpService::Call& call) {
    WaitForDescriptor(ShutdownWakeFd(), POLLIN, std::chrono::milliseconds(call.timeout));
    return FakeIcmpService::Timeout();
  };
  {
    CRegistryKey key;
    key.OpenPath(settings::kKeyPath);
    key.PutString(settings::kTimeout, "30000");
  }
  auto dlg = OpenWindow();
  dlg->TargetBox().setText("198.18.0.9");
  dlg->OnCommand(cmd::kTrace);
  ASSERT_TRUE(RunUntil([&] { return service.CallCount() > 0; }));
  ASSERT_EQ(service.calls.front().timeout, 30000u);
  ASSERT_EQ(RunningWorkers(), 1);

  dlg->OnCommand(cmd::kExit);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(RunningWorkers(), 0) << "the probe was woken and ended before the window went";
  EXPECT_EQ(service.CallCount(), 1u) << "the stop was seen before the next probe";
  dlg.reset();  // destroying the window touches nothing the worker held
}

}  // namespace
