#pragma once
// The objects the ping and trace workers share with each other and the
// window: one lock per kind of worker and the stop event.

#include <atomic>
#include <mutex>

// A manual-reset event that is only ever polled, never waited on.
class ManualResetEvent {
 public:
  void Set() { signalled_.store(true); }
  void Reset() { signalled_.store(false); }
  bool IsSet() const { return signalled_.load(); }

 private:
  std::atomic<bool> signalled_{false};
};

extern std::mutex g_csPing;
extern std::mutex g_csTrace;
extern ManualResetEvent g_hStopEvent;
