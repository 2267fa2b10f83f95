#include "main_window/gui_thread_call.h"

#include <QMetaObject>
#include <QThread>

bool GuiThreadCaller::Call(const std::function<void()>& fn) {
  if (Detached()) return false;
  if (QThread::currentThread() == context_->thread()) {
    fn();
    return true;
  }
  bool ran = false;
  // A call queued before the detach is dropped when its turn comes.
  QMetaObject::invokeMethod(
      context_,
      [&] {
        if (Detached()) return;
        fn();
        ran = true;
      },
      Qt::BlockingQueuedConnection);
  return ran;
}
