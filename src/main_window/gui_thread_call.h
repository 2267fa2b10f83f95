#pragma once
// The one way workers change the window: run a function on the
// user-interface thread and wait until it has run. Once detached (the
// window is closing) calls do nothing and never wait for the window.

#include <QObject>

#include <atomic>
#include <functional>

class GuiThreadCaller {
 public:
  // `context` lives on the user-interface thread for as long as this does.
  explicit GuiThreadCaller(QObject* context) : context_(context) {}

  // False when detached, and then fn has not run.
  bool Call(const std::function<void()>& fn);
  void Detach() { detached_.store(true); }
  bool Detached() const { return detached_.load(); }

 private:
  QObject* context_;
  std::atomic<bool> detached_{false};
};
