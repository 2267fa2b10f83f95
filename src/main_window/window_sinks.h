#pragma once
// The workers' row and status sinks over the window's lists and status bar.

#include <QString>

#include <functional>
#include <memory>

#include "main_window/gui_thread_call.h"
#include "workers/sinks.h"

class CSortListCtrl;

// Appends and counts go straight to the list's model, which takes them from
// any thread; clearing runs on the user-interface thread.
class ListRowSink final : public RowSink {
 public:
  ListRowSink(CSortListCtrl* list, std::shared_ptr<GuiThreadCaller> gui) : list_(list), gui_(std::move(gui)) {}

  void DeleteAllRows() override;
  int RowCount() override;
  void AppendRow(int image, const std::vector<std::string>& cells) override;

 private:
  CSortListCtrl* list_;
  std::shared_ptr<GuiThreadCaller> gui_;
};

// Sets a status pane on the user-interface thread, after showing the rows
// that came before it.
class StatusBarSink final : public StatusSink {
 public:
  using SetText = std::function<void(int pane, const QString& text)>;
  StatusBarSink(SetText setText, std::function<void()> showPendingRows, std::shared_ptr<GuiThreadCaller> gui)
      : setText_(std::move(setText)), showPendingRows_(std::move(showPendingRows)), gui_(std::move(gui)) {}

  void SetPaneText(int pane, const std::string& text) override;

 private:
  SetText setText_;
  std::function<void()> showPendingRows_;
  std::shared_ptr<GuiThreadCaller> gui_;
};
