#include "main_window/window_sinks.h"

#include "controls/sort_list_ctrl.h"

void ListRowSink::DeleteAllRows() {
  gui_->Call([this] { list_->DeleteAllItems(); });
}

int ListRowSink::RowCount() { return gui_->Detached() ? 0 : list_->GetItemCount(); }

void ListRowSink::AppendRow(int image, const std::vector<std::string>& cells) {
  if (!gui_->Detached()) list_->AppendRow(image, cells);
}

void StatusBarSink::SetPaneText(int pane, const std::string& text) {
  const QString qtext = QString::fromStdString(text);
  gui_->Call([&] {
    showPendingRows_();
    setText_(pane, qtext);
  });
}
