#pragma once
// What a worker may do to the window: change its result list and write the
// status line. The window runs each call on its own thread and returns when
// it is done; a command-line front end prints instead.

#include <string>
#include <vector>

class RowSink {
 public:
  virtual ~RowSink() = default;
  virtual void DeleteAllRows() = 0;
  virtual int RowCount() = 0;
  // Appends a row at the end: its image index and its cells in column order.
  virtual void AppendRow(int image, const std::vector<std::string>& cells) = 0;
};

class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void SetPaneText(int pane, const std::string& text) = 0;
};

// The status pane the workers write to (zero-based: the second pane).
constexpr int kWorkerStatusPane = 1;
