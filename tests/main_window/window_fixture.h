#pragma once
// The main window against a temporary configuration directory, a scripted
// ICMP service and recorders in place of message boxes and the desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "app/message_box.h"
#include "app/shell_open.h"
#include "controls/sort_list_ctrl.h"
#include "fakes/fake_icmp_service.h"
#include "fakes/fake_socket_layer.h"
#include "fakes/temp_config_dir.h"
#include "main_window/main_dlg.h"
#include "workers/worker_thread.h"

struct RecordedMessage {
  QString text;
  QString caption;
  QMessageBox::Icon icon;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    message_box_seam::Replace([this](const QString& text, const QString& caption, QMessageBox::Icon icon) {
      messages.push_back({text, caption, icon});
    });
    shell_open_seam::Replace([this](const QString& target) {
      opened.push_back(target);
      return true;
    });
  }
  ~WindowTest() override {
    message_box_seam::Replace(nullptr);
    shell_open_seam::Replace(nullptr);
  }

  std::unique_ptr<CMainDlg> OpenWindow() {
    auto dlg = std::make_unique<CMainDlg>();
    dlg->ShowMainWindow();
    QApplication::processEvents();
    return dlg;
  }

  // Lets events flow until the condition holds; false when it never did.
  static bool RunUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
      if (timer.elapsed() > timeoutMs) return false;
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
  }
  static bool WorkersEnd() {
    const bool ended = RunUntil([] { return RunningWorkers() == 0; });
    QApplication::processEvents();
    return ended;
  }

  static std::vector<std::string> Row(CSortListCtrl& list, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < list.ColumnCount(); ++c) cells.push_back(list.GetItemText(row, c).toStdString());
    return cells;
  }
  static std::vector<std::string> ColumnTitles(CSortListCtrl& list) {
    std::vector<std::string> titles;
    for (const auto& column : list.Rows()->Columns()) titles.push_back(column.title.toStdString());
    return titles;
  }

  TempConfigDir config;
  FakeSocketLayer sockets;
  FakeIcmpService service;
  std::vector<RecordedMessage> messages;
  std::vector<QString> opened;
};
