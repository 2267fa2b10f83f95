#pragma once
// A worker created, filled with its inputs, then started: it runs on a
// thread of its own and deletes itself when its run ends.

#include <chrono>
#include <functional>

enum class WorkerOutcome { kFinished, kStopped, kFailed };

class WorkerThread {
 public:
  virtual ~WorkerThread() = default;
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Starts the run. The object must come from new and is not touched by the
  // caller afterwards.
  void ResumeThread();

  // Told, on the worker's thread, how the run ended, just before the worker
  // deletes itself.
  std::function<void(WorkerOutcome)> m_onDone;

 protected:
  WorkerThread() = default;
  virtual WorkerOutcome Run() = 0;
};

// Workers started and not yet ended, process-wide.
int RunningWorkers();
// Waits until no worker runs; false when the timeout passed first.
bool WaitForWorkers(std::chrono::milliseconds timeout);
