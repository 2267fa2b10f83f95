#include "workers/worker_thread.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {
std::mutex g_mutex;
std::condition_variable g_ended;
int g_running = 0;
}  // namespace

void WorkerThread::ResumeThread() {
  {
    std::lock_guard lock(g_mutex);
    ++g_running;
  }
  std::thread([this] {
    const WorkerOutcome outcome = Run();
    if (m_onDone) m_onDone(outcome);
    delete this;
    std::lock_guard lock(g_mutex);
    --g_running;
    g_ended.notify_all();
  }).detach();
}

int RunningWorkers() {
  std::lock_guard lock(g_mutex);
  return g_running;
}

bool WaitForWorkers(std::chrono::milliseconds timeout) {
  std::unique_lock lock(g_mutex);
  return g_ended.wait_for(lock, timeout, [] { return g_running == 0; });
}
