#pragma once
// Row and status sinks that record every call, in order, in one log shared
// by all the workers of a test.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "workers/sinks.h"

class SinkLog {
 public:
  void Add(std::string entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
  }
  std::vector<std::string> Entries() {
    std::lock_guard lock(mutex_);
    return entries_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> entries_;
};

class RecordingRows final : public RowSink {
 public:
  RecordingRows(std::shared_ptr<SinkLog> log, std::string name) : log_(std::move(log)), name_(std::move(name)) {}

  void DeleteAllRows() override {
    std::lock_guard lock(mutex_);
    rows_.clear();
    log_->Add(name_ + " clear");
  }
  int RowCount() override {
    std::lock_guard lock(mutex_);
    return static_cast<int>(rows_.size());
  }
  void AppendRow(int image, const std::vector<std::string>& cells) override {
    std::string line = name_ + " row " + std::to_string(image) + ":";
    for (const auto& cell : cells) line += " " + cell + " |";
    std::lock_guard lock(mutex_);
    rows_.push_back(cells);
    log_->Add(line);
  }
  std::vector<std::vector<std::string>> Rows() {
    std::lock_guard lock(mutex_);
    return rows_;
  }

 private:
  std::shared_ptr<SinkLog> log_;
  std::string name_;
  std::mutex mutex_;
  std::vector<std::vector<std::string>> rows_;
};

class RecordingStatus final : public StatusSink {
 public:
  explicit RecordingStatus(std::shared_ptr<SinkLog> log) : log_(std::move(log)) {}
  void SetPaneText(int pane, const std::string& text) override {
    log_->Add("status " + std::to_string(pane) + ":" + text);
  }

 private:
  std::shared_ptr<SinkLog> log_;
};
